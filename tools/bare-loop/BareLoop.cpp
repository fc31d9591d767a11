// A program that keeps Velmora's rhythm and does nothing else: a high-resolution
// waitable timer armed for absolute deadlines 10 ms apart, waited on with
// the message wait the program uses. The idle-cost benchmark runs it beside
// Velmora.exe as its yardstick.
//
// With "window" it also shows a plain window of Velmora's size whose picture
// never changes: under Wine, a thread with a window pays the system's own
// work for it at every wait, which is the floor under any windowed program.
// With "repeating" the timer comes round by itself every 10 ms instead of
// being armed again for each wait, as Velmora's timer does.
//
//   bare-loop.exe SECONDS [window] [repeating]   (0 or nothing: until it is ended)

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
    bool repeating = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "window") == 0) ShowPlainWindow();
        if (std::strcmp(argv[i], "repeating") == 0) repeating = true;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const long long period = frequency.QuadPart / 100;
    HANDLE timer =
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (!timer) timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    const long long end = seconds > 0 ? Now() + seconds * frequency.QuadPart : 0;
    if (repeating) {
        LARGE_INTEGER due;
        due.QuadPart = -100000;  // 10 ms from now, in 100 ns units
        SetWaitableTimer(timer, &due, 10, nullptr, nullptr, FALSE);
        while (end == 0 || Now() < end) {
            if (MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
                WAIT_OBJECT_0 + 1)
                PumpMessages();
        }
        CloseHandle(timer);
        return 0;
    }
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
