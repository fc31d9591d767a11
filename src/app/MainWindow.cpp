#include "app/MainWindow.h"


#include <string>

#include "app/Application.h"
#include "app/HandOver.h"
#include "app/ShutDown.h"

namespace velmora {
namespace {

Application* AppOf(HWND window) {
    return reinterpret_cast<Application*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A plain picture until the layout rendering arrives: the program's name and
// how many controllers it sees.
void Paint(Application& app, HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH gray = CreateSolidBrush(RGB(191, 191, 191));
    FillRect(dc, &client, gray);
    DeleteObject(gray);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const std::size_t count = app.Main.List.Count();
    const std::wstring waiting =
        L"Waiting for a controller" + std::wstring(1 + app.Shell.WaitingFrame(), L'.');
    const std::wstring text =
        L"Velmora\n\nControllers: " + std::to_wstring(count) + (count == 0 ? L"\n\n" + waiting : L"");
    RECT box = client;
    box.top = client.bottom / 2 - 30;
    DrawTextW(dc, text.c_str(), -1, &box, DT_CENTER | DT_NOPREFIX);
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
