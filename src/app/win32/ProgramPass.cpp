// One pass of the running program over the portable main pass. The picture
// is drawn whole when the controllers or the selection change, and the window
// is asked for at most one repaint a pass, only when something was drawn.

#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"

namespace velmora {
namespace {

MainPassSeams SeamsOf(Application& app) {
    return {app.Devices, *app.Output, app.Ui, app.Config, app.Shell, nullptr, Win32FileExists};
}

// The rescan and the selection's changes draw the picture whole.
template <typename Work>
void RedrawAfterListChanges(Application& app, Work work) {
    const std::size_t countBefore = app.Main.List.Count();
    const std::uint8_t selectedBefore = app.Main.List.Selected;
    work();
    if (app.Main.List.Count() != countBefore || app.Main.List.Selected != selectedBefore)
        app.Ui.RedrawLayout();
}

}  // namespace

void RunProgramPass(Application& app) {
    MainPassSeams seams = SeamsOf(app);
    RedrawAfterListChanges(app, [&] { RunMainPass(app.Main, seams); });
    WatchElevation(app);
    app.Ui.Layout().EndPass(app.Window);
}

void RunBetweenProgramPasses(Application& app) {
    if (app.InPass) return;  // a pass never runs this work inside itself
    MainPassSeams seams = SeamsOf(app);
    RedrawAfterListChanges(app, [&] {
        if (app.Main.ProgramState == ProgramRunning) FollowFrontProgram(app);
        RunBetweenPasses(app.Main, seams);
    });
}

}  // namespace velmora
