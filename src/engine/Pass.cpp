#include "engine/Pass.h"

#include <array>

#include "engine/ControlResolution.h"

namespace velmora {
namespace {

// The windows whose live displays follow the selected controller, in the
// order they are refreshed on every fifth pass.
constexpr std::array LiveWindows{SettingsWindow::DPad,
                                 SettingsWindow::Stick,
                                 SettingsWindow::Trigger,
                                 SettingsWindow::Mouse,
                                 SettingsWindow::ControllerProperties,
                                 SettingsWindow::ControllerSettings};

// The turbo demonstration is lit on the passes where that assignment's turbo fires.
bool TurboDemonstrationLit(const CoreLoopState& state, const ControllerDataType& c, int control) {
    if (control < 0 || control >= ControlCount) return false;
    const AssignmentType& a = c.Profile.Current(control);
    return a.Turbo && a.TurboRate > 0 && state.TotalPasses() % a.TurboRate == 0;
}

// The settings windows' share of the selected controller's pass.
void RunWindowSteps(const CoreLoopState& state, const ControllerDataType& c, UserInterface& ui) {
    if (ui.IsWindowOpen(SettingsWindow::Assignment)) ui.CaptureKeyboard(state.KeyEmitting);
    if (state.PassCounter % 5 == 0)
        for (const SettingsWindow window : LiveWindows)
            if (ui.IsWindowOpen(window)) ui.UpdateLiveDisplay(window);
    if (ui.IsWindowOpen(SettingsWindow::AdvancedAssignment))
        ui.ShowTurboDemonstration(
            TurboDemonstrationLit(state, c, ui.WindowSubject(SettingsWindow::AdvancedAssignment)));
    if (ui.IsWindowOpen(SettingsWindow::ControllerSettings)) ui.DetectionTick();
}

void RunController(CoreLoopState& state, ControllerDataType& c, int index, int selected, PassSeams& seams) {
    if (seams.Prepare) seams.Prepare->PrepareController(static_cast<std::size_t>(index));
    // A controller that a rescan is still completing (passes run inside its
    // messages) has no layout and no profile yet.
    if (!c.Processing || c.Connection == New) return;
    // The neutral input releases what a lost controller held; its current
    // set's toggles were dropped once, when it was lost, and the other sets
    // keep theirs for its return.
    if (c.Connection == Lost) c.Input = NormalisedInput{};
    ResolveControls(c);
    const bool showsLayout = index == selected && seams.Ui.MainWindowShowing();
    AssignmentContext context{index,
                              state.Emission.Keys,
                              state.Mouse,
                              state.PassCounter,
                              state.RumbleTest,
                              seams.Rumble,
                              seams.Ui,
                              showsLayout,
                              showsLayout ? &state.RedrawCache : nullptr,
                              seams.SetChanges};
    // The windows' steps come after the layout's redraw and before the
    // assignments run, which may change the set and close the set's windows.
    PrepareAssignments(c, context);
    if (showsLayout) RunWindowSteps(state, c, seams.Ui);
    FinishAssignments(c, context);
}

void AdvancePassCounter(CoreLoopState& state) {
    if (state.PassCounter == 99) {
        state.PassCounter = 0;
        state.Hundreds += 100;
    } else {
        ++state.PassCounter;
    }
}

}  // namespace

void RunPass(CoreLoopState& state, std::span<ControllerDataType> controllers, int selected,
             std::uint8_t programState, PassSeams& seams) {
    if (programState == ProgramRunning) {
        // The list is walked by index: a controller handler or a rescan may
        // run between passes, never inside this walk, so the span stays valid.
        for (std::size_t i = 0; i < controllers.size(); ++i)
            RunController(state, controllers[i], static_cast<int>(i), selected, seams);
    }
    state.KeyEmitting = EmitKeys(state.Emission, seams.Input);
    EmitMouse(state.Mouse, *state.Speeds, seams.Input);
    CountDownRepeats(state.Emission);
    AdvancePassCounter(state);
}

void ReleaseEverything(CoreLoopState& state, InputSink& sink) {
    ReleaseAllInput(state.Emission, sink);
    state.KeyEmitting = false;
}

}  // namespace velmora
