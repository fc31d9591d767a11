// front-game.exe [MILLISECONDS]: a stand-in for a game. It shows a window
// titled "Velmora Front Game", puts it in front, keeps it there for the time
// given (3000 ms by default) and ends; the end-to-end scenarios of the
// profiles that follow the program in front start it from their timeline.

#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
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
    SetTimer(window, 1, milliseconds, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
