// front-game.exe [MILLISECONDS]: a stand-in for a game. It shows a window
// titled "Velmora Front Game", puts it in front, keeps it there for the time
// given (3000 ms by default) and ends; the end-to-end scenarios of the
// profiles that follow the program in front start it from their timeline.
// It appends to front-game.log in its working folder (the run's folder) the
// time its window came in front and the time it went, in microseconds of the
// performance counter, the clock of the device log and the pass log.

#include <windows.h>

#include <cwchar>

namespace {

void Note(const char* what) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const long long microseconds = now.QuadPart / frequency.QuadPart * 1000000 +
                                   now.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
    char line[80];
    const int length = wsprintfA(line, "%I64d front-game %s\r\n", microseconds, what);
    HANDLE file = CreateFileW(L"front-game.log", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        Note("gone");
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const long wanted = std::wcstol(commandLine, nullptr, 10);
    const UINT milliseconds = wanted > 0 ? static_cast<UINT>(wanted) : 3000u;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"VelmoraFrontGame";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, L"VelmoraFrontGame", L"Velmora Front Game", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                        100, 320, 200, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    SetForegroundWindow(window);
    Note("in-front");
    SetTimer(window, 1, milliseconds, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
