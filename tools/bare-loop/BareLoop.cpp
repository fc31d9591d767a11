// The cheapest program that keeps Velmora's rhythm: a high-resolution
// waitable timer armed for absolute deadlines 10 ms apart, waited on with
// the message wait the program uses, and nothing else. The idle-cost
// benchmark runs it beside Velmora.exe: the processor time Velmora spends
// above this one's is what its passes and its picture cost.
//
// With "window" it also shows a plain window of Velmora's size whose picture
// never changes: under Wine, a thread with a window pays the system's own
// work for it at every wait, which is the floor under any windowed program.
//
//   bare-loop.exe SECONDS [window]   (0 or nothing: until it is ended)

#include <windows.h>

#include <cstdlib>
#include <cstring>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

void ShowPlainWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareLoopWindow";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, 520, 360};
    AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE);
    const HWND window = CreateWindowW(
        L"BareLoopWindow", L"bare loop", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 600, 0,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    // Under every other window, so that it never covers Velmora's picture.
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

int main(int argc, char** argv) {
    const long long seconds = argc > 1 ? std::atoll(argv[1]) : 0;
    if (argc > 2 && std::strcmp(argv[2], "window") == 0) ShowPlainWindow();
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const long long period = frequency.QuadPart / 100;
    HANDLE timer =
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (!timer) timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    const long long end = seconds > 0 ? Now() + seconds * frequency.QuadPart : 0;
    for (long long deadline = Now() + period; end == 0 || deadline < end; deadline += period) {
        for (long long now = Now(); now < deadline; now = Now()) {
            LARGE_INTEGER due;
            due.QuadPart = -((deadline - now) * 10000000 / frequency.QuadPart + 1);
            SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
            if (MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
                WAIT_OBJECT_0 + 1)
                PumpMessages();
        }
    }
    CloseHandle(timer);
    return 0;
}
