#include "app/MainPass.h"

#include "app/ProfileFlows.h"
#include "devices/BatteryWatch.h"
#include "devices/ControllerLinks.h"
#include "devices/DeviceReading.h"
#include "devices/DeviceRumble.h"
#include "devices/XInputPairing.h"

namespace velmora {
namespace {

// The device steps of a controller's turn; the engine's steps follow in RunPass.
class DeviceSteps : public ControllerPreparation {
public:
    explicit DeviceSteps(DeviceContext& context) : context_(context) {}

    void PrepareController(std::size_t index) override {
        ControllerDataType& c = context_.List.Controllers[index];
        // A lost controller gets the neutral input from the engine, which releases its keys.
        if (c.Connection == Lost || c.Connection == New) return;
        if (c.Connection == Returned) ControllerReturned(context_, index);
        if (!ReadController(context_.Devices, context_.Ui, c)) ControllerLost(context_, index);
        if (c.Connection != Connected || !c.Processing) return;
        NormaliseInput(c, context_.List.LayoutOf(c),
                       context_.Ui.IsWindowOpen(SettingsWindow::ControllerSettings));
        UpdateCanRumble(context_.List, c);
    }

private:
    DeviceContext& context_;
};

bool AllConnectedWithTheirProfiles(const ControllerListType& list) {
    if (list.Count() == 0) return false;
    for (const ControllerDataType& c : list.Controllers)
        if (c.Connection != Connected || c.OpenProfileRequest.Request != NoProfileRequest) return false;
    return true;
}

// "/M" minimises a shown window and waits for the window to report it; on a
// window already minimised or hidden it has nothing left to do, and kept
// pending it would undo the user's next restore.
void ServeMinimize(CommandLineType& cl, MainPassSeams& seams) {
    if (!cl.MinimizeSwitch) return;
    if (seams.Ui.MainWindowShowing())
        seams.Shell.MinimizeProgram();
    else
        cl.MinimizeSwitch = false;
}

void ServeCommandLine(MainLoopState& state, MainPassSeams& seams) {
    CommandLineType& cl = state.CommandLine;
    ServeMinimize(cl, seams);
    // Launched once, when every controller is ready with its profile.
    if (!cl.ShortcutPath.empty() && AllConnectedWithTheirProfiles(state.List)) {
        const std::string path = std::move(cl.ShortcutPath);
        cl.ShortcutPath.clear();
        seams.Shell.LaunchShortcut(path);
    }
}

// "/?" and "/C" open windows of their own: served between passes.
void ServeDialogSwitches(MainLoopState& state, MainPassSeams& seams) {
    CommandLineType& cl = state.CommandLine;
    if (cl.HelpSwitch) {
        cl.HelpSwitch = false;
        seams.Shell.ShowHelp();
    }
    if (cl.CloseSwitch && state.ProgramState == ProgramRunning) {
        cl.CloseSwitch = false;  // a cancelled close is not asked again
        if (seams.Shell.CloseQuery()) state.ProgramState = ProgramQuitting;
    }
}

// One queued profile goes to the selected controller, several to the controllers in order.
void GiveHandOverProfiles(MainLoopState& state) {
    ControllerListType& list = state.List;
    std::vector<std::uint8_t> connections;
    for (const ControllerDataType& c : list.Controllers) connections.push_back(c.Connection);
    const int selected = list.Selected == NoSelection ? NoController : list.Selected;
    for (HandOverRequest& r : DistributeHandOverProfiles(state.CommandLine, connections, selected))
        list.Controllers[static_cast<std::size_t>(r.Controller)].OpenProfileRequest = {r.RequestCode,
                                                                                       std::move(r.File)};
}

// Each line's switches are served before the next line is parsed, which sets them anew.
void ServeHandOvers(MainLoopState& state, MainPassSeams& seams) {
    while (!state.HandOvers.empty() && state.ProgramState == ProgramRunning) {
        const std::vector<std::string> params = std::move(state.HandOvers.front());
        state.HandOvers.erase(state.HandOvers.begin());
        StoreParams(state.CommandLine, params);
        ParseCommandLine(state.CommandLine, seams.Ui, seams.FileExists);
        if (state.List.Count() > 0) GiveHandOverProfiles(state);
        ServeMinimize(state.CommandLine, seams);
        ServeDialogSwitches(state, seams);
    }
}

void RescanIfAsked(MainLoopState& state, DeviceContext& context) {
    if (!state.List.RescanFlag) return;
    RescanControllers(context, [&state] { return TakeQueuedProfile(state.CommandLine); });
}

// The list is walked by index and its count read afresh: passes run inside
// the questions and dialogs of an open.
void OpenRequestedProfiles(MainLoopState& state, DeviceContext& context) {
    for (std::size_t i = 0; i < state.List.Count() && state.ProgramState == ProgramRunning; ++i) {
        const ControllerDataType& c = state.List.Controllers[i];
        if (c.Connection == Connected && c.OpenProfileRequest.Request != NoProfileRequest)
            OpenRequestedProfile(context, i, state.CommandLine.ShortcutPath);
    }
}

}  // namespace

void RunBetweenPasses(MainLoopState& state, MainPassSeams& seams) {
    if (state.ProgramState != ProgramRunning) return;
    DeviceRumble rumble(seams.Devices);
    DeviceContext context{state.List, seams.Devices, seams.Ui, seams.Config, rumble};
    ServeHandOvers(state, seams);
    // Asleep, the devices' answers are not to be trusted: the wake scans.
    if (state.ProgramState == ProgramRunning && !state.Asleep) RescanIfAsked(state, context);
    OpenRequestedProfiles(state, context);
    ServeDialogSwitches(state, seams);
}

bool RunMainPass(MainLoopState& state, MainPassSeams& seams) {
    DeviceRumble rumble(seams.Devices);
    DeviceContext context{state.List, seams.Devices, seams.Ui, seams.Config, rumble};
    DeviceSteps steps(context);
    const bool running = state.ProgramState == ProgramRunning && !state.Asleep;
    const int counter = state.Loop.PassCounter;
    // The window is asked last: under Wine its state costs two calls into the system.
    if (running && state.List.Count() == 0 && counter % 25 == 0 && seams.Ui.MainWindowShowing())
        seams.Shell.DrawWaitingFrame(counter / 25);
    PassSeams passSeams{seams.Input, seams.Ui, rumble, seams.SetChanges, &steps};
    // Asleep, a pass is one of a program not running: no device is read, and only releases go out.
    const std::uint8_t passState = state.Asleep && state.ProgramState == ProgramRunning
                                       ? std::uint8_t{ProgramCreated}
                                       : state.ProgramState;
    RunPass(state.Loop, state.List.Controllers, state.List.Selected, passState, passSeams);
    // The pairing decides how the next pass reads the pads; after the
    // emission or before it makes no difference to this pass's output.
    if (running && state.List.Count() > 0 && !state.List.IdentificationDone) IdentifyXInput(context);
    if (running)
        for (std::size_t low : StepBatteries(state.List, seams.Devices))
            seams.Shell.BatteryLow(state.List.Controllers[low].Name);
    ServeCommandLine(state, seams);
    return state.ProgramState != ProgramQuitting;
}

}  // namespace velmora
