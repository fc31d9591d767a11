#include "core/CoreLoop.h"

#include "core/ControlResolution.h"

namespace velmora {
namespace {

void RunController(CoreLoopState& state, ControllerDataType& c, int index, int selected, PassSeams& seams) {
    if (seams.Prepare) seams.Prepare->PrepareController(static_cast<std::size_t>(index));
    if (!c.Processing) return;
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
    RunAssignments(c, context);
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
        // The list is walked by index: a controller handler may run between
        // passes, never inside this walk, so the span stays valid.
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
