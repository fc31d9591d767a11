// One pass of the running program over the portable main pass, with a
// repaint of the plain picture whenever the number of controllers changes.

#include "app/Application.h"
#include "app/MainLoop.h"

namespace velmora {

void RunProgramPass(Application& app) {
    const std::size_t countBefore = app.Main.List.Count();
    MainPassSeams seams{app.Devices, *app.Sink, app.Ui, app.Config, app.Shell};
    RunMainPass(app.Main, seams);
    if (app.Main.List.Count() != countBefore) app.Ui.RedrawLayout();
}

}  // namespace velmora
