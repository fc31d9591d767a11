#include "engine/AssignmentExecution.h"

namespace velmora {
namespace {

std::size_t At(int control) {
    return static_cast<std::size_t>(control);
}

void ApplyToggle(ControllerDataType& c, int control, AssignmentType& a) {
    // A set selector uses Toggle for its own meaning (switch on release).
    if (!a.Toggle || a.SetSelect != NoSet) return;
    if (PressEdge(c.ControlState[At(control)], c.PreviousControlState[At(control)])) a.ToggleState ^= 1;
    if (a.ToggleState) c.EffectiveState[At(control)] = Active;
}

// Each period of TurboRate passes begins with min(TurboRate / 2, 5) active passes.
void ApplyTurbo(ControllerDataType& c, int control, AssignmentType& a) {
    if (!a.Turbo) return;
    std::uint8_t& state = c.EffectiveState[At(control)];
    if (state != Active) {
        a.TurboCounter = 0;
        return;
    }
    const int next = a.TurboCounter + 1;
    state = next <= a.TurboRate / 2 && a.TurboCounter < 5 ? Active : Inactive;
    a.TurboCounter = next >= a.TurboRate ? 0 : static_cast<std::uint8_t>(next);
}

bool RequestsSet(const ControllerDataType& c, int control, const AssignmentType& a) {
    if (a.SetSelect == NoSet || a.SetSelect >= SetCount || a.SetSelect == c.Profile.CurrentSet) return false;
    const std::uint8_t now = c.ControlState[At(control)], before = c.PreviousControlState[At(control)];
    if (a.Toggle) return ReleaseEdge(now, before);
    return PressEdge(now, before) || ReleaseEdge(now, before);
}

std::uint8_t PauseLength(std::uint8_t code) {
    const SlotCodeInfo& info = SlotCodeTable[code];
    return info.Kind == SlotKind::Pause ? info.ScanCode : 1;
}

// Window edits rebuild the cycles and reset the indexes; this only keeps a
// stale index from reading past the lists.
void KeepIndexesInRange(SlotType& s) {
    if (s.CycleIndex < 0 || s.CycleIndex >= static_cast<std::int32_t>(s.Cycles.size())) s.CycleIndex = 0;
    const auto steps = static_cast<std::int32_t>(s.Cycles[At(s.CycleIndex)].Steps.size());
    if (s.StepIndex < 0 || s.StepIndex >= steps) s.StepIndex = 0;
}

const SlotRange& CurrentStep(const SlotType& s) {
    return s.Cycles[At(s.CycleIndex)].Steps[At(s.StepIndex)];
}

void AdvanceRunState(ControllerDataType& c, int control, SlotType& s) {
    std::uint8_t& eff = c.EffectiveState[At(control)];
    switch (s.SequenceState) {
        case Ready:
            if (PressEdge(eff, c.PreviousEffectiveState[At(control)])) {
                s.SequenceState = Running;
                s.StepIndex = 0;
                s.PauseCountdown = 0;
            }
            break;
        case Running:
            // A new press while playing stops the sequence; the next one restarts it.
            if (PressEdge(c.ControlState[At(control)], c.PreviousControlState[At(control)])) {
                s.SequenceState = Ready;
                break;
            }
            eff = Active;
            if (s.PauseCountdown == 0) s.PauseCountdown = PauseLength(s.Codes[At(CurrentStep(s).First)]);
            break;
        case Finished:
            eff = Inactive;
            s.SequenceState = Done;
            break;
        case Done:
            eff = Inactive;
            break;
        default:
            break;  // Simple
    }
}

void WalkStep(ControllerDataType& c, int control, const AssignmentType& a, AssignmentContext& ctx) {
    const SlotRange& step = CurrentStep(a.Slots);
    const bool active = c.EffectiveState[At(control)] == Active;
    for (std::int32_t i = step.First; i <= step.Last; ++i) {
        const std::uint8_t code = a.Slots.Codes[At(i)];
        switch (SlotCodeTable[code].Kind) {
            case SlotKind::Key:
            case SlotKind::MouseButton:
            case SlotKind::MouseWheel:
                if (active) ctx.Keys[code].Wanted = true;
                break;
            case SlotKind::MouseMove:
                AddMouseSlot(ctx.Mouse, c, control, code, a, ctx.PassCounter);
                break;
            default:
                break;
        }
    }
}

void CountDownStep(SlotType& s) {
    if (s.SequenceState != Running || s.PauseCountdown == 0) return;
    if (--s.PauseCountdown > 0) return;
    if (s.StepIndex + 1 < static_cast<std::int32_t>(s.Cycles[At(s.CycleIndex)].Steps.size()))
        ++s.StepIndex;
    else
        s.SequenceState = Finished;
}

std::uint8_t ArmedState(const CycleType& cycle) {
    return cycle.Steps.size() == 1 ? Simple : Ready;
}

bool CycleEnds(const ControllerDataType& c, int control, const AssignmentType& a) {
    const std::uint8_t state = a.Slots.SequenceState;
    if (state == Simple)
        return ReleaseEdge(c.EffectiveState[At(control)], c.PreviousEffectiveState[At(control)]);
    // A filtered state (a stick fallen back into its dead zone) is still held.
    return state == Done && (a.Turbo || c.ControlState[At(control)] == Inactive);
}

void AdvanceCycle(int control, SlotType& s, AssignmentContext& ctx) {
    if (s.Cycles.size() == 1) {
        if (s.SequenceState == Done) s.SequenceState = Ready;
        return;
    }
    s.CycleIndex = (s.CycleIndex + 1) % static_cast<std::int32_t>(s.Cycles.size());
    s.StepIndex = 0;
    if (ctx.ShowsLayout) ctx.Ui.DrawControlButton(control);
    s.SequenceState = ArmedState(s.Cycles[At(s.CycleIndex)]);
}

void ResetForSetChange(SetType& set) {
    for (AssignmentType& a : set.Assignments) {
        a.ToggleState = 0;
        a.TurboCounter = 0;
        a.Slots.StepIndex = 0;
        if (a.Slots.SequenceState == Running) a.Slots.SequenceState = Ready;
    }
}

void CloseSetWindows(UserInterface& ui) {
    for (SettingsWindow w :
         {SettingsWindow::Assignment, SettingsWindow::Stick, SettingsWindow::DPad, SettingsWindow::Trigger})
        if (ui.IsWindowOpen(w)) ui.CloseWindow(w);
}

}  // namespace

void ApplyEffectiveState(ControllerDataType& c) {
    c.EffectiveState = c.ControlState;
    for (int control = 0; control < ControlCount; ++control) {
        AssignmentType& a = c.Profile.Current(control);
        ApplyToggle(c, control, a);
        ApplyTurbo(c, control, a);
    }
}

void DetectSetSelection(ControllerDataType& c) {
    // The first control in index order that requests wins.
    for (int control = 0; control < ControlCount && c.Profile.RequestedSet == NoSet; ++control) {
        const AssignmentType& a = c.Profile.Current(control);
        if (RequestsSet(c, control, a)) c.Profile.RequestedSet = a.SetSelect;
    }
}

std::array<std::uint8_t, 2> WantedRumble(const ControllerDataType& c) {
    std::array<int, 2> sum{}, count{};
    for (int control = 0; control < ControlCount; ++control) {
        const AssignmentType& a = c.Profile.Current(control);
        if (!a.Rumble || c.EffectiveState[At(control)] != Active) continue;
        for (std::size_t m = 0; m < 2; ++m) {
            if (a.RumbleStrengths[m] == 0) continue;
            sum[m] += a.RumbleStrengths[m];
            ++count[m];
        }
    }
    std::array<std::uint8_t, 2> out{};
    for (std::size_t m = 0; m < 2; ++m) out[m] = static_cast<std::uint8_t>(count[m] ? sum[m] / count[m] : 0);
    return out;
}

void UpdateRumble(ControllerDataType& c, AssignmentContext& ctx) {
    std::array<std::uint8_t, 2> wanted;
    RumbleTestRequest& test = ctx.RumbleTest;
    if (test.Passes > 0 && test.Controller == ctx.ControllerIndex) {
        wanted = test.Strengths;
        --test.Passes;
    } else {
        wanted = WantedRumble(c);
    }
    if (wanted != c.RumbleNow) SetRumble(c, wanted[0], wanted[1], false, ctx.Rumble);
    if (c.RumbleNow[0] != 0 || c.RumbleNow[1] != 0) ++c.RumblePasses;
}

void DrawChangedControls(const ControllerDataType& c, ControlStates& cache, UserInterface& ui) {
    for (int control = 0; control < ControlCount; ++control) {
        if (cache[At(control)] == c.EffectiveState[At(control)]) continue;
        cache[At(control)] = c.EffectiveState[At(control)];
        ui.DrawControlButton(control);
    }
}

void ExecuteAssignments(ControllerDataType& c, AssignmentContext& ctx) {
    ctx.Mouse.DigitalMovement = false;
    for (int control = 0; control < ControlCount; ++control) {
        AssignmentType& a = c.Profile.Current(control);
        if (a.Slots.Cycles.empty()) continue;
        KeepIndexesInRange(a.Slots);
        AdvanceRunState(c, control, a.Slots);
        WalkStep(c, control, a, ctx);
        CountDownStep(a.Slots);
    }
    if (!ctx.Mouse.DigitalMovement) c.MouseAcceleration = 0;
}

void AdvanceCycles(ControllerDataType& c, AssignmentContext& ctx) {
    for (int control = 0; control < ControlCount; ++control) {
        AssignmentType& a = c.Profile.Current(control);
        if (!a.Slots.Cycles.empty() && CycleEnds(c, control, a)) AdvanceCycle(control, a.Slots, ctx);
    }
}

// The keys the old set holds stay wanted for the rest of this pass and go up
// in the next one, when the new set's assignments no longer want them.
void ApplySetChange(ControllerDataType& c, AssignmentContext& ctx) {
    ProfileType& p = c.Profile;
    if (p.RequestedSet == NoSet) return;
    if (ctx.Ui.MainWindowShowing()) CloseSetWindows(ctx.Ui);
    ResetForSetChange(p.Sets[p.CurrentSet]);
    if (ctx.ShowsLayout) ctx.Ui.RedrawLayout();
    p.CurrentSet = p.RequestedSet < SetCount ? p.RequestedSet : p.CurrentSet;
    p.RequestedSet = NoSet;
    if (ctx.ShowsLayout) ctx.Ui.RedrawLayout();
    if (ctx.SetChanges) ctx.SetChanges->CurrentSetChanged(ctx.ControllerIndex, p.CurrentSet);
}

void StorePreviousStates(ControllerDataType& c) {
    c.PreviousControlState = c.ControlState;
    c.PreviousEffectiveState = c.EffectiveState;
}

void PrepareAssignments(ControllerDataType& c, AssignmentContext& ctx) {
    ApplyEffectiveState(c);
    DetectSetSelection(c);
    if (c.CanRumble) UpdateRumble(c, ctx);
    // Drawn here, before execution, so the layout shows this pass's effective states.
    if (ctx.RedrawCache) DrawChangedControls(c, *ctx.RedrawCache, ctx.Ui);
}

void RunAssignments(ControllerDataType& c, AssignmentContext& ctx) {
    PrepareAssignments(c, ctx);
    FinishAssignments(c, ctx);
}

void FinishAssignments(ControllerDataType& c, AssignmentContext& ctx) {
    ExecuteAssignments(c, ctx);
    AdvanceCycles(c, ctx);
    ApplySetChange(c, ctx);
    StorePreviousStates(c);
}

}  // namespace velmora
