#include "app/win32/MainWindow.h"

#include <windowsx.h>

#include "app/MainClicks.h"
#include "app/win32/Application.h"
#include "app/win32/HandOver.h"
#include "app/win32/MainLoop.h"
#include "app/win32/ShutDown.h"
#include "app/win32/SystemQueries.h"
#include "app/win32/TrayIcon.h"
#include "app/win32/WindowStates.h"
#include "ui/WindowPlacement.h"

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

// Every command of the window is a mouse button released over its picture.
void Click(Application& app, MouseButton button, LPARAM position) {
    if (app.Main.ProgramState != ProgramRunning) return;
    DeviceContext context = app.Context();
    UserClicksLayout(context, app.Ui.Layout().Status(), button, GET_X_LPARAM(position),
                     GET_Y_LPARAM(position));
}

void Resized(Application& app, WPARAM kind) {
    if (kind == SIZE_MINIMIZED) ApplicationMinimised(app);
    if (kind == SIZE_RESTORED) ApplicationRestored(app);
}

LRESULT Handle(Application& app, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(app, window);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONUP:
            Click(app, MouseButton::Left, lParam);
            return 0;
        case WM_RBUTTONUP:
            Click(app, MouseButton::Right, lParam);
            return 0;
        case WM_MBUTTONUP:
            Click(app, MouseButton::Middle, lParam);
            return 0;
        case WM_CLOSE:
            CloseMainWindow(app);
            return 0;
        case WM_QUERYENDSESSION:
            // Only the end of the session itself quits: another program may still refuse it.
            return app.Shell.CloseQuery() ? TRUE : FALSE;
        case WM_ENDSESSION:
            // The process may end as soon as this returns: shut down here.
            if (wParam) {
                if (app.Main.ProgramState == ProgramRunning) app.Main.ProgramState = ProgramQuitting;
                ShutDown(app);
            }
            return 0;
        case WM_SIZE:
            Resized(app, wParam);
            return 0;
        case WM_TIMER:
            if (wParam == PassTimerId) RunDuePass(app);
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
        case TrayCallbackMessage:
            HandleTrayCallback(app, static_cast<UINT>(lParam));
            return 0;
        default:
            if (message == app.TaskbarCreated && app.TaskbarCreated != 0) {
                if (app.Config.ShowIconInNotificationArea) AddTrayIcon(app);
                return 0;
            }
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
    app.TaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int left = GetSystemMetrics(SM_CXSCREEN) + 16;
    const int top = GetSystemMetrics(SM_CYSCREEN) + 16;
    return CreateWindowExW(0, MainWindowClass, MainWindowCaption, style, left, top, frame.right - frame.left,
                           frame.bottom - frame.top, nullptr, nullptr, app.Instance, &app);
}

// A window that starts minimised is placed too: it restores to that place.
void ShowMainWindow(Application& app, bool minimised) {
    RECT frame{};
    GetWindowRect(app.Window, &frame);
    const DesktopSize desktop = QueryDesktopSize();
    const WindowPoint place = MainWindowPlace(
        app.Config, {frame.right - frame.left, frame.bottom - frame.top}, {desktop.Width, desktop.Height});
    SetWindowPos(app.Window, nullptr, place.Left, place.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(app.Window, minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL);
    if (!minimised) UpdateWindow(app.Window);
}

// The restored place, also while minimised (the minimised window itself is off the desktop).
void StoreMainWindowPosition(Application& app) {
    if (!app.Config.RememberWindowPositions || !app.Window) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(app.Window, &placement)) return;
    const RECT frame = placement.rcNormalPosition;
    WindowPositionType& saved = app.Config.WindowPositions[MainWindowPosition];
    if (saved.Left == frame.left && saved.Top == frame.top) return;
    saved = {frame.left, frame.top};
    app.Config.ConfigurationChanged = true;
}

}  // namespace velmora
