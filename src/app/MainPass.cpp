#include "app/MainPass.h"

#include "app/ProfileFlows.h"
#include "devices/ControllerLinks.h"
#include "devices/DeviceReading.h"
#include "devices/DeviceRumble.h"
#include "devices/XInputPairing.h"

namespace velmora {
namespace {

// The device steps of a controller's turn; the engine's steps follow in RunPass.
class DeviceSteps : public ControllerPreparation {
public:
    DeviceSteps(DeviceContext& context, std::string& pendingShortcut)
        : context_(context), pendingShortcut_(pendingShortcut) {}

    void PrepareController(std::size_t index) override {
        ControllerDataType& c = context_.List.Controllers[index];
        if (c.Connection == Connected && c.OpenProfileRequest.Request != NoProfileRequest)
            OpenRequestedProfile(context_, index, pendingShortcut_);
        // A lost controller gets the neutral input from the engine, which releases its keys.
        if (!c.Processing || c.Connection == Lost) return;
        if (c.Connection == Returned) ControllerReturned(context_, index);
        if (!ReadController(context_.Devices, context_.Ui, c)) ControllerLost(context_, index);
        if (c.Connection != Connected) return;
        NormaliseInput(c, context_.List.LayoutOf(c),
                       context_.Ui.IsWindowOpen(SettingsWindow::ControllerSettings));
        UpdateCanRumble(context_.List, c);
    }

private:
    DeviceContext& context_;
    std::string& pendingShortcut_;
};

bool AllConnectedWithTheirProfiles(const ControllerListType& list) {
    if (list.Count() == 0) return false;
    for (const ControllerDataType& c : list.Controllers)
        if (c.Connection != Connected || c.OpenProfileRequest.Request != NoProfileRequest) return false;
    return true;
}

void ServeCommandLine(MainLoopState& state, MainPassSeams& seams) {
    CommandLineType& cl = state.CommandLine;
    if (cl.MinimizeSwitch && seams.Ui.MainWindowShowing()) seams.Shell.MinimizeProgram();
    if (cl.HelpSwitch) {
        cl.HelpSwitch = false;
        seams.Shell.ShowHelp();
    }
    if (cl.CloseSwitch) {
        cl.CloseSwitch = false;  // a cancelled close is not asked again
        if (seams.Shell.CloseQuery()) state.ProgramState = ProgramQuitting;
    }
    // Launched once, when every controller is ready with its profile.
    if (!cl.ShortcutPath.empty() && AllConnectedWithTheirProfiles(state.List)) {
        const std::string path = std::move(cl.ShortcutPath);
        cl.ShortcutPath.clear();
        seams.Shell.LaunchShortcut(path);
    }
}

void RescanIfAsked(MainLoopState& state, DeviceContext& context) {
    if (!state.List.RescanFlag) return;
    RescanControllers(context, [&state] { return TakeQueuedProfile(state.CommandLine); });
}

}  // namespace

bool RunMainPass(MainLoopState& state, MainPassSeams& seams) {
    DeviceRumble rumble(seams.Devices);
    DeviceContext context{state.List, seams.Devices, seams.Ui, seams.Config, rumble};
    DeviceSteps steps(context, state.CommandLine.ShortcutPath);
    const bool running = state.ProgramState == ProgramRunning;
    if (running) {
        RescanIfAsked(state, context);
        const int counter = state.Loop.PassCounter;
        if (state.List.Count() == 0 && seams.Ui.MainWindowShowing() && counter % 25 == 0)
            seams.Shell.DrawWaitingFrame(counter / 25);
    }
    PassSeams passSeams{seams.Input, seams.Ui, rumble, seams.SetChanges, &steps};
    RunPass(state.Loop, state.List.Controllers, state.List.Selected, state.ProgramState, passSeams);
    // The pairing decides how the next pass reads the pads; after the
    // emission or before it makes no difference to this pass's output.
    if (running && state.List.Count() > 0 && !state.List.IdentificationDone) IdentifyXInput(context);
    ServeCommandLine(state, seams);
    return state.ProgramState != ProgramQuitting;
}

}  // namespace velmora
