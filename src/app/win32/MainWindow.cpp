#include "app/win32/MainWindow.h"

#include <windowsx.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "app/MainClicks.h"
#include "app/SleepAndWake.h"
#include "app/win32/Application.h"
#include "app/win32/HandOver.h"
#include "app/win32/MainLoop.h"
#include "app/win32/ShutDown.h"
#include "app/win32/SystemQueries.h"
#include "app/win32/TrayIcon.h"
#include "app/win32/WindowStates.h"
#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/ElevationNotice.h"
#include "ui/WindowPlacement.h"
#include "ui/win32/WindowDpi.h"

namespace velmora {
namespace {

constexpr DWORD MainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

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

// Every command of the window is a mouse button released over its picture:
// the one place where the window's mouse reaches the program, in picture pixels.
void Click(Application& app, MouseButton button, LPARAM position) {
    if (app.Main.ProgramState != ProgramRunning) return;
    const auto point = PicturePointAt(GET_X_LPARAM(position), GET_Y_LPARAM(position),
                                      {ClientWidth, ClientHeight}, app.Ui.Layout().Scale());
    if (!point) return;
    const int controllers = static_cast<int>(app.Main.List.Count());
    if (button == MouseButton::Left && app.Ui.Layout().Status().InputBlockedNotice &&
        NoticeButtonAt(controllers, point->X, point->Y)) {
        RunAsAdministrator(app);
        return;
    }
    DeviceContext context = app.Context();
    UserClicksLayout(context, app.Ui.Layout().Status(), button, point->X, point->Y);
}

// The picture's factor for the window's dpi, and a client area that fits it,
// with the frame that dpi gives; the window stays at `left`, `top`.
void FitToDpi(Application& app, HWND window, int dpi, int left, int top) {
    const int factor = PictureScaleFor(dpi);
    app.Ui.Layout().SetScale(factor);
    const WindowSize client = ScaledClientSize({ClientWidth, ClientHeight}, factor);
    const RECT frame = FrameForClient(client.Width, client.Height, MainWindowStyle, 0, dpi);
    SetWindowPos(window, nullptr, left, top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, FALSE);
}

// Moved to a monitor of another scale: the system's suggested place, but a
// size of our own, since a whole factor rarely matches the ratio of the scales.
void DpiChanged(Application& app, HWND window, WPARAM dpis, const RECT& suggested) {
    FitToDpi(app, window, LOWORD(dpis), suggested.left, suggested.top);
}

// The tabs' tip: one tool per tab, so that the tip follows the pointer from
// tab to tab; the tools are set again when the tabs or the scale change (at
// the next move of the pointer over the window), the text asked for as the tip shows.
void UpdateTabTip(Application& app, HWND window) {
    const int count = static_cast<int>(app.Main.List.Count()), scale = app.Ui.Layout().Scale();
    if (!app.TabTip) {
        app.TabTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, 0, 0,
                                     0, 0, window, nullptr, app.Instance, nullptr);
        SendMessageW(app.TabTip, TTM_SETMAXTIPWIDTH, 0, 1000);  // lines break at CR LF only
    }
    if (count == app.TabTipTools && scale == app.TabTipScale) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    for (tool.uId = 0; tool.uId < static_cast<UINT_PTR>(app.TabTipTools); ++tool.uId)
        SendMessageW(app.TabTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    for (int i = 0; i < count; ++i) {
        const PictureRegion tab = TabRegion(count, i);
        tool.uId = static_cast<UINT_PTR>(i);
        tool.rect = {tab.Left * scale, tab.Top * scale, (tab.Left + tab.Width) * scale,
                     (tab.Top + tab.Height) * scale};
        SendMessageW(app.TabTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    app.TabTipTools = count;
    app.TabTipScale = scale;
}

LRESULT Notified(Application& app, NMHDR& header) {
    if (header.hwndFrom != app.TabTip || header.code != TTN_GETDISPINFOW) return 0;
    app.TabTipText = Utf8ToWide(TabTip(app.Main.List, header.idFrom));
    reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = app.TabTipText.data();
    return 0;
}

// The system's sleep and wake; a wake comes as two notices, which act once.
void PowerChanged(Application& app, WPARAM event) {
    if (app.Main.ProgramState != ProgramRunning || !app.Output) return;
    DeviceContext context = app.Context();
    if (event == PBT_APMSUSPEND) SystemSuspending(app.Main, context, *app.Output);
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) SystemResumed(app.Main, context);
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
        case WM_MOUSEMOVE:
            UpdateTabTip(app, window);
            return 0;
        case WM_NOTIFY:
            return Notified(app, *reinterpret_cast<NMHDR*>(lParam));
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
        case WM_DPICHANGED:
            DpiChanged(app, window, wParam, *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_TIMER:
            if (wParam == PassTimerId) RunDuePass(app);
            return 0;
        case WM_POWERBROADCAST:
            PowerChanged(app, wParam);
            return TRUE;
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
    // A device context of its own: a shared one is set up afresh at every paint,
    // four times a second while the waiting picture turns.
    windowClass.style = CS_OWNDC;
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
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, MainWindowStyle, FALSE, 0);
    const int left = GetSystemMetrics(SM_CXSCREEN) + 16;
    const int top = GetSystemMetrics(SM_CYSCREEN) + 16;
    const HWND window = CreateWindowExW(0, MainWindowClass, MainWindowCaption, MainWindowStyle, left, top,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                        app.Instance, &app);
    // Sized for the dpi it is created at; ShowMainWindow places it by that size.
    if (window) FitToDpi(app, window, WindowDpi(window), left, top);
    return window;
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
