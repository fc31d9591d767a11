// One pass of the running program: the controllers (rescan, device reads,
// normalisation, the engine pass, XInput identification), then the
// command-line requests.

#include <windows.h>
#include <shellapi.h>

#include <span>

#include "app/Application.h"
#include "app/MainLoop.h"
#include "devices/ControllerLinks.h"
#include "devices/DeviceReading.h"
#include "devices/XInputPairing.h"
#include "files/win32/WideText.h"

namespace velmora {
namespace {

void ReadControllers(Application& app, DeviceContext& context) {
    for (std::size_t i = 0; i < app.List.Count(); ++i) {
        ControllerDataType& controller = app.List.Controllers[i];
        if (!controller.Processing) continue;
        if (controller.Connection == Returned) ControllerReturned(context, i);
        if (controller.Connection != Connected) continue;
        if (!ReadController(app.Devices, app.Ui, controller))
            ControllerLost(context, i);
        else
            NormaliseInput(controller, app.List.LayoutOf(controller), false);
    }
}

void RunControllers(Application& app) {
    DeviceContext context = app.Context();
    if (app.ProgramState == ProgramRunning) {
        if (app.List.RescanFlag)
            RescanControllers(context, [&app] { return TakeQueuedProfile(app.CommandLine); });
        ReadControllers(app, context);
    }
    PassSeams seams{*app.Sink, app.Ui, app.Rumble};
    const int selected = app.List.Selected == NoSelection ? NoController : app.List.Selected;
    RunPass(app.Loop, std::span(app.List.Controllers), selected, app.ProgramState, seams);
    if (app.ProgramState == ProgramRunning && !app.List.IdentificationDone) IdentifyXInput(context);
}

bool ControllersReady(const ControllerListType& list) {
    if (list.Controllers.empty()) return false;
    for (const ControllerDataType& controller : list.Controllers)
        if (controller.Connection != Connected || controller.OpenProfileRequest.Request != NoProfileRequest)
            return false;
    return true;
}

// The help window and the save questions come later: "/?" is dropped, and
// "/C" quits since there is nothing unsaved to ask about yet.
void ServeCommandLine(Application& app) {
    CommandLineType& line = app.CommandLine;
    if (line.MinimizeSwitch && app.Ui.MainWindowShowing()) ShowWindow(app.Window, SW_MINIMIZE);
    if (IsIconic(app.Window)) line.MinimizeSwitch = false;
    line.HelpSwitch = false;
    if (line.CloseSwitch) {
        line.CloseSwitch = false;
        app.ProgramState = ProgramQuitting;
    }
    if (!line.ShortcutPath.empty() && ControllersReady(app.List)) {
        ShellExecuteW(app.Window, L"open", Utf8ToWide(line.ShortcutPath).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        line.ShortcutPath.clear();  // launched once, whatever came of it
    }
}

}  // namespace

void RunProgramPass(Application& app) {
    const std::size_t countBefore = app.List.Count();
    RunControllers(app);
    if (app.List.Count() != countBefore) app.Ui.RedrawLayout();
    ServeCommandLine(app);
}

}  // namespace velmora
