#include "app/win32/TrayIcon.h"

#include <cstdio>
#include <cwchar>
#include <string>

#include "app/MainMenus.h"
#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"
#include "app/win32/MainWindow.h"
#include "app/win32/WindowStates.h"
#include "base/win32/WideText.h"
#include "ui/ElevationNotice.h"

namespace velmora {
namespace {

NOTIFYICONDATAW IconData(const Application& app) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = app.Window;
    data.uID = 0;
    return data;
}

// Copies as much as the field holds; a translated text may be longer.
template <std::size_t N>
void CopyField(wchar_t (&field)[N], const std::wstring& text) {
    std::wcsncpy(field, text.c_str(), N - 1);
    field[N - 1] = L'\0';
}

std::wstring TipText(const Application& app) {
    if (app.TrayNoticeShown) return Utf8ToWide(BlockedInputTrayTip());
    if (app.TraySwitchNoticeShown) return Utf8ToWide(SwitchWaitsTrayTip());
    return std::wstring(MainWindowCaption);
}

void ShowTrayMenu(Application& app) {
    PruneSelectedRecentProfiles(app.Main.List, app.Config);
    const std::vector<MenuItem> items =
        TrayPopupMenu(app.Main.List, app.Config, !MainWindowShown(app), app.Elevation.Blocked);
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
        case TrayCommand::RunAsAdministrator:
            RunAsAdministrator(app);
            break;
        case TrayCommand::None:
            break;
    }
}

// The end-to-end tests cannot see a balloon on Wine's screen: with
// VELMORA_BALLOON_LOG naming a file, each balloon shown is also a line there.
void LogBalloon(const std::string& title, const std::string& text) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"VELMORA_BALLOON_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    if (FILE* log = _wfopen(path, L"a")) {
        std::fprintf(log, "balloon %s | %s\n", title.c_str(), text.c_str());
        std::fclose(log);
    }
}

}  // namespace

void AddTrayIcon(Application& app) {
    NOTIFYICONDATAW data = IconData(app);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallbackMessage;
    data.hIcon = LoadIconW(app.Instance, MAKEINTRESOURCEW(1));
    CopyField(data.szTip, TipText(app));
    app.TrayIconAdded = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void RemoveTrayIcon(Application& app) {
    if (!app.TrayIconAdded) return;
    NOTIFYICONDATAW data = IconData(app);
    Shell_NotifyIconW(NIM_DELETE, &data);
    app.TrayIconAdded = false;
}

void UpdateTrayTip(Application& app) {
    if (!app.TrayIconAdded) return;
    NOTIFYICONDATAW data = IconData(app);
    data.uFlags = NIF_TIP;
    CopyField(data.szTip, TipText(app));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void SetTrayNotice(Application& app, bool notice) {
    app.TrayNoticeShown = notice;
    UpdateTrayTip(app);
}

void SetTraySwitchNotice(Application& app, bool notice) {
    app.TraySwitchNoticeShown = notice;
    UpdateTrayTip(app);
}

void ShowTrayNoticeBalloon(Application& app) {
    ShowTrayBalloon(app, BlockedInputTitle(), BlockedInputAdvice());
}

bool ShowTrayBalloon(Application& app, const std::string& title, const std::string& text) {
    if (!app.TrayIconAdded) return false;
    NOTIFYICONDATAW data = IconData(app);
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_WARNING;
    CopyField(data.szInfoTitle, Utf8ToWide(title));
    CopyField(data.szInfo, Utf8ToWide(text));
    if (!Shell_NotifyIconW(NIM_MODIFY, &data)) return false;
    LogBalloon(title, text);
    return true;
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
