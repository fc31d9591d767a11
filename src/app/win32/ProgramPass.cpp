// One pass of the running program over the portable main pass. The picture
// is drawn whole when the controllers or the selection change, and the window
// is asked for at most one repaint a pass, only when something was drawn.

#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"

namespace velmora {

void RunProgramPass(Application& app) {
    const std::size_t countBefore = app.Main.List.Count();
    const std::uint8_t selectedBefore = app.Main.List.Selected;
    MainPassSeams seams{app.Devices, *app.Output, app.Ui, app.Config, app.Shell};
    RunMainPass(app.Main, seams);
    if (app.Main.List.Count() != countBefore || app.Main.List.Selected != selectedBefore)
        app.Ui.RedrawLayout();
    WatchElevation(app);
    app.Ui.Layout().EndPass(app.Window);
}

}  // namespace velmora
