#include "app/MainWindow.h"

#include "app/Application.h"
#include "app/HandOver.h"
#include "app/ShutDown.h"

namespace velmora {
namespace {

Application* AppOf(HWND window) {
    return reinterpret_cast<Application*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The layout picture, drawn whole first if it is due.
void Paint(Application& app, HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    app.Ui.Layout().Paint(dc);
    EndPaint(window, &paint);
}

void RequestQuit(Application& app) {
    if (app.Main.ProgramState == ProgramRunning) app.Main.ProgramState = ProgramQuitting;
}

// Closing asks to save what changed first. The option that minimises
// instead of closing comes with the notification-area icon: until then
// there would be no way back to a window minimised on close.
void AskToQuit(Application& app) {
    if (app.Main.ProgramState == ProgramRunning && app.Shell.CloseQuery()) RequestQuit(app);
}

LRESULT Handle(Application& app, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(app, window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE:
            AskToQuit(app);
            return 0;
        case WM_QUERYENDSESSION:
            // Only the end of the session itself quits: another program may still refuse it.
            return app.Shell.CloseQuery() ? TRUE : FALSE;
        case WM_ENDSESSION:
            // The process may end as soon as this returns: shut down here.
            if (wParam) {
                RequestQuit(app);
                ShutDown(app);
            }
            return 0;
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) app.Main.CommandLine.MinimizeSwitch = false;
            return 0;
        case WM_DEVICECHANGE:
            app.Main.List.RescanFlag = true;
            return TRUE;
        case WM_COPYDATA:
            ReceiveHandOver(app, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
            return TRUE;
        case SecondStartMessage:
            ToggleMainWindow(app);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Application* app = AppOf(window);
    return app ? Handle(*app, window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = MainWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

HWND CreateMainWindow(Application& app) {
    if (!RegisterMainWindowClass(app.Instance)) return nullptr;
    app.Ui.Layout().Attach(app.Main.List, app.Config);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int left = GetSystemMetrics(SM_CXSCREEN) + 16;
    const int top = GetSystemMetrics(SM_CYSCREEN) + 16;
    return CreateWindowExW(0, MainWindowClass, MainWindowCaption, style, left, top, frame.right - frame.left,
                           frame.bottom - frame.top, nullptr, nullptr, app.Instance, &app);
}

void PlaceMainWindow(Application& app, bool minimised) {
    RECT frame;
    GetWindowRect(app.Window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(app.Window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(app.Window, minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL);
    UpdateWindow(app.Window);
}

}  // namespace velmora
