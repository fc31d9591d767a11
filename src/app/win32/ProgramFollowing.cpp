// The profiles that follow the program in front, between passes, on the
// system's millisecond clock; the notice of a switch that waits for a save
// changes the picture and the tip only when it comes or goes.

#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"
#include "app/win32/TrayIcon.h"
#include "engine/win32/PassTimer.h"

namespace velmora {

void FollowFrontProgram(Application& app) {
    DeviceContext context = app.Context();
    const int applied = app.Programs.Applied;
    const bool waits = StepProgramWatch(app.Programs, app.FrontProgram, context,
                                        app.Main.CommandLine.ShortcutPath, GetTickCount64());
    if (app.Programs.Applied != applied && app.Timer) app.Timer->Note("switch");  // for the timing tests
    MainWindowStatus& status = app.Ui.Layout().Status();
    if (status.ProgramSwitchNotice != waits) {
        status.ProgramSwitchNotice = waits;
        app.Ui.RedrawLayout();
    }
    if (app.TraySwitchNoticeShown != waits) SetTraySwitchNotice(app, waits);
}

}  // namespace velmora
