#include "app/win32/TrayIcon.h"

#include <cwchar>

#include "app/MainMenus.h"
#include "app/win32/Application.h"
#include "app/win32/MainWindow.h"
#include "app/win32/WindowStates.h"

namespace velmora {
namespace {

NOTIFYICONDATAW IconData(const Application& app) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = app.Window;
    data.uID = 0;
    return data;
}

void ShowTrayMenu(Application& app) {
    PruneSelectedRecentProfiles(app.Main.List, app.Config);
    const std::vector<MenuItem> items = TrayPopupMenu(app.Main.List, app.Config, !MainWindowShown(app));
    const int tag = app.Ui.ShowPopupMenu(items, MenuPlace{0, 0, true});
    DeviceContext context = app.Context();
    switch (RunTrayChoice(context, tag)) {
        case TrayCommand::Restore:
            RestoreApplication(app);
            break;
        case TrayCommand::Minimize:
            MinimizeApplication(app);
            break;
        case TrayCommand::Close:
            AskToQuit(app);
            break;
        case TrayCommand::None:
            break;
    }
}

}  // namespace

void AddTrayIcon(Application& app) {
    NOTIFYICONDATAW data = IconData(app);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallbackMessage;
    data.hIcon = LoadIconW(app.Instance, MAKEINTRESOURCEW(1));
    std::wcsncpy(data.szTip, MainWindowCaption, std::size(data.szTip) - 1);
    app.TrayIconAdded = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void RemoveTrayIcon(Application& app) {
    if (!app.TrayIconAdded) return;
    NOTIFYICONDATAW data = IconData(app);
    Shell_NotifyIconW(NIM_DELETE, &data);
    app.TrayIconAdded = false;
}

void HandleTrayCallback(Application& app, UINT mouseMessage) {
    if (app.Ui.DialogOpen() || app.Main.ProgramState != ProgramRunning) return;
    switch (mouseMessage) {
        case WM_LBUTTONDOWN:
            ToggleMainWindow(app);
            break;
        case WM_RBUTTONDOWN:
            ShowTrayMenu(app);
            break;
        case WM_MBUTTONDOWN:
            AskToQuit(app);
            break;
        default:
            break;
    }
}

}  // namespace velmora
