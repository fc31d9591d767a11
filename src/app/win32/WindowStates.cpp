#include "app/win32/WindowStates.h"

#include "app/win32/Application.h"
#include "app/win32/MainWindow.h"
#include "devices/ControllerLinks.h"

namespace velmora {
namespace {

// With the option on, every minimise or restore goes back to the first set.
void RequestFirstSet(Application& app) {
    ControllerListType& list = app.Main.List;
    if (!app.Config.ReturnToSet1AfterMinimizeRestore || list.Selected >= list.Count()) return;
    ProfileType& profile = list.Controllers[list.Selected].Profile;
    if (profile.CurrentSet != 0) profile.RequestedSet = 0;
}

}  // namespace

bool MainWindowShown(const Application& app) {
    return IsWindowVisible(app.Window) && !IsIconic(app.Window);
}

void MinimizeApplication(Application& app) {
    ShowWindow(app.Window, SW_MINIMIZE);
}

void RestoreApplication(Application& app) {
    ShowWindow(app.Window, SW_RESTORE);
    SetForegroundWindow(app.Window);
}

void ToggleMainWindow(Application& app) {
    if (app.Ui.DialogOpen()) return;
    if (MainWindowShown(app))
        MinimizeApplication(app);
    else
        RestoreApplication(app);
}

void ApplicationMinimised(Application& app) {
    if (!app.WindowShown) return;
    RequestFirstSet(app);
    app.WindowShown = false;
    app.Main.CommandLine.MinimizeSwitch = false;
    // Without a taskbar button the window is hidden; the tray icon or a second start brings it back.
    if (!app.Config.ShowTaskbarButtonWhenMinimized) ShowWindow(app.Window, SW_HIDE);
}

void ApplicationRestored(Application& app) {
    if (app.WindowShown) return;
    app.WindowShown = true;
    if (app.Main.List.Selected < app.Main.List.Count()) {
        app.Ui.RedrawLayout();
        RequestFirstSet(app);
    }
    CloseSettingsWindows(app.Ui);
    SetForegroundWindow(app.Window);
}

void AskToQuit(Application& app) {
    if (app.Main.ProgramState == ProgramRunning && app.Shell.CloseQuery())
        app.Main.ProgramState = ProgramQuitting;
}

void CloseMainWindow(Application& app) {
    if (app.Main.ProgramState != ProgramRunning) return;
    if (app.Config.MinimizeWhenClosingMainWindow)
        MinimizeApplication(app);
    else
        AskToQuit(app);
}

}  // namespace velmora
