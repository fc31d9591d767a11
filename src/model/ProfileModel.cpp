#include "model/ProfileModel.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

#include "base/Language.h"

namespace velmora {
namespace {

bool IsCycleStop(std::uint8_t code) {
    return SlotCodeTable[code].Kind == SlotKind::CycleStop;
}
bool IsPause(std::uint8_t code) {
    return SlotCodeTable[code].Kind == SlotKind::Pause;
}

void EditCodes(std::vector<std::uint8_t>& codes, std::int32_t index, std::uint8_t code) {
    const auto count = static_cast<std::int32_t>(codes.size());
    if (index == -1) {
        codes.clear();
        if (code != NoneCode) codes.push_back(code);
    } else if (index == count) {
        if (code != NoneCode) codes.push_back(code);
    } else if (index >= 0 && index < count) {
        if (code == NoneCode)
            codes.erase(codes.begin() + index);
        else
            codes[static_cast<std::size_t>(index)] = code;
    }
}

// Cycle stops cut the list into cycles; within a cycle every pause is a step
// of its own and every run of other codes is one step.
void RebuildCycles(SlotType& slots) {
    slots.Cycles.clear();
    const std::int32_t count = slots.CodeCount();
    std::int32_t i = 0;
    for (;;) {
        while (i < count && IsCycleStop(slots.Codes[static_cast<std::size_t>(i)])) ++i;
        if (i >= count) break;
        CycleType& cycle = slots.Cycles.emplace_back();
        while (i < count && !IsCycleStop(slots.Codes[static_cast<std::size_t>(i)])) {
            SlotRange step{i, i};
            if (!IsPause(slots.Codes[static_cast<std::size_t>(i)])) {
                while (i + 1 < count && !IsCycleStop(slots.Codes[static_cast<std::size_t>(i + 1)]) &&
                       !IsPause(slots.Codes[static_cast<std::size_t>(i + 1)]))
                    ++i;
            }
            step.Last = i;
            cycle.Steps.push_back(step);
            ++i;
        }
    }
}

// The cycles and the run state after the codes changed.
void RestartSlots(SlotType& slots) {
    RebuildCycles(slots);
    slots.CycleIndex = 0;
    slots.StepIndex = 0;
    if (!slots.Cycles.empty()) slots.SequenceState = slots.Cycles[0].Steps.size() == 1 ? Simple : Ready;
}

}  // namespace

void SetSlot(SlotType& slots, std::int32_t index, std::uint8_t code) {
    EditCodes(slots.Codes, index, code);
    RestartSlots(slots);
}

void SetSlotCodes(SlotType& slots, const std::vector<std::uint8_t>& codes) {
    slots.Codes.clear();
    for (const std::uint8_t code : codes)
        if (code != NoneCode) slots.Codes.push_back(code);
    RestartSlots(slots);
}

namespace {

bool IsKindIn(std::uint8_t code, std::initializer_list<SlotKind> kinds) {
    for (SlotKind kind : kinds)
        if (SlotCodeTable[code].Kind == kind) return true;
    return false;
}

bool IsModifierKey(std::uint8_t code) {
    return SlotCodeTable[code].Kind == SlotKind::Key && SlotCodeTable[code].Modifier != 0;
}

AssignmentType& AssignmentIn(ProfileType& profile, std::uint8_t set, int control) {
    return profile.Sets[set].Assignments[static_cast<std::size_t>(control)];
}

void ResetSet(SetType& set, const ConfigurationType& configuration) {
    set.StickDeadZones = {configuration.DefaultStickDeadZone, configuration.DefaultStickDeadZone};
    set.StickDiagonalSizes = {45, 45};
    set.TriggerDeadZones = {configuration.DefaultTriggerDeadZone, configuration.DefaultTriggerDeadZone};
    set.DPadMode = Standard;
    set.StickModes = {Standard, Standard};
    for (AssignmentType& assignment : set.Assignments) ClearAssignment(assignment);
}

// A pause goes between two actions typed one after the other, but not after a
// modifier key, so that "Left Shift" then "A" stays a combination.
bool WantsPauseBefore(std::uint8_t code, std::uint8_t previous) {
    const bool actionAfter =
        IsKindIn(code, {SlotKind::MouseMove, SlotKind::MouseButton, SlotKind::MouseWheel}) ||
        (SlotCodeTable[code].Kind == SlotKind::Key && SlotCodeTable[previous].Modifier == 0);
    const bool actionBefore =
        IsKindIn(previous, {SlotKind::Key, SlotKind::MouseMove, SlotKind::MouseButton, SlotKind::MouseWheel});
    return actionAfter && actionBefore;
}

void RefuseSequenceEdit(UserInterface& ui) {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Information;
    dialog.Heading = Translate("*Cannot alter sequences or cycles with this window only*");
    dialog.Message = Translate("*To alter the assignments, the Advanced window must also be open.*");
    dialog.Buttons = OkButtons;
    ui.ShowMessageDialog(dialog);
}

// Moves the edited slot on by one and keeps it inside the strip of 16.
void AdvanceSlotPosition(AssignmentEditState& state) {
    if (state.SlotPosition < std::numeric_limits<std::int32_t>::max()) ++state.SlotPosition;
    if (state.SlotPosition > state.FirstVisibleSlot + (VisibleSlotCount - 1)) ++state.FirstVisibleSlot;
}

void FinishSwitch(ProfileType& profile, int control, UserInterface& ui) {
    profile.Changed = true;
    ui.DrawControlButton(control);
}

}  // namespace

void NewProfile(ProfileType& profile, const ConfigurationType& configuration) {
    profile.Changed = false;
    profile.Name = "(";
    profile.Name.append(Translate("*Untitled profile*")).append(")");
    profile.FileName.clear();
    for (SetType& set : profile.Sets) ResetSet(set, configuration);
    profile.CurrentSet = 0;
    profile.RequestedSet = NoSet;
}

void ClearAssignment(AssignmentType& assignment) {
    assignment = DefaultAssignment;
    SetSlot(assignment.Slots, -1, NoneCode);
}

void AssignSlot(ProfileType& profile, AssignmentEditState& state, std::uint8_t code, UserInterface& ui) {
    const bool advancedOpen = ui.IsWindowOpen(SettingsWindow::AdvancedAssignment);
    AssignmentType& assignment = profile.Current(state.Control);
    if (!advancedOpen && assignment.Slots.IsSequenceOrCycle()) {
        RefuseSequenceEdit(ui);
        return;
    }
    const std::int32_t before = state.SlotPosition;
    if (advancedOpen && state.AutoAddPauses && before > 0 && before <= assignment.Slots.CodeCount() &&
        WantsPauseBefore(code, assignment.Slots.Codes[static_cast<std::size_t>(before - 1)]))
        AddPause(profile, state, ui);
    const std::int32_t position = state.SlotPosition;
    // A new first key in the simple window replaces the whole assignment. The
    // set selector's mirror is emptied too, so that it keeps the same slots.
    const bool replaceAll = !advancedOpen && position == 0;
    AssignmentType* mirror =
        assignment.SetSelect != NoSet ? &AssignmentIn(profile, assignment.SetSelect, state.Control) : nullptr;
    if (replaceAll) SetSlot(assignment.Slots, -1, NoneCode);
    if (replaceAll && mirror) SetSlot(mirror->Slots, -1, NoneCode);
    SetSlot(assignment.Slots, position, code);
    profile.Changed = true;
    // The simple window stays open after a modifier so that a combination can be built.
    const bool closeSimple = !advancedOpen && !IsModifierKey(code);
    if (code != NoneCode && !closeSimple) AdvanceSlotPosition(state);
    if (mirror) SetSlot(mirror->Slots, position, code);
    ui.RedrawSlotDisplays();
    ui.DrawControlButton(state.Control);
    if (closeSimple) ui.CloseWindow(SettingsWindow::Assignment);
}

void AddPause(ProfileType& profile, AssignmentEditState& state, UserInterface& ui) {
    // Largest first: "PAUSE 1.00s", "PAUSE 0.50s", "PAUSE 0.10s", "PAUSE 0.05s", "PAUSE 0.01s".
    static constexpr std::uint8_t PauseCodes[] = {11, 10, 9, 8, 7};
    int left = std::clamp(state.PauseLength, MinimumPauseLength, MaximumPauseLength);
    for (std::uint8_t code : PauseCodes) {
        const int length = SlotCodeTable[code].ScanCode;
        for (; left >= length; left -= length) AssignSlot(profile, state, code, ui);
    }
    profile.Changed = true;
}

void SwitchToggle(ProfileType& profile, int control, UserInterface& ui) {
    AssignmentType& assignment = profile.Current(control);
    assignment.Toggle = !assignment.Toggle;
    assignment.ToggleState = 0;
    // A set selector's way back latches exactly as its way there.
    if (assignment.SetSelect != NoSet) {
        AssignmentType& mirror = AssignmentIn(profile, assignment.SetSelect, control);
        if (mirror.SetSelect == profile.CurrentSet) mirror.Toggle = assignment.Toggle;
    }
    FinishSwitch(profile, control, ui);
}

void SwitchTurbo(ProfileType& profile, int control, UserInterface& ui) {
    AssignmentType& assignment = profile.Current(control);
    assignment.Turbo = !assignment.Turbo;
    assignment.TurboCounter = 0;
    FinishSwitch(profile, control, ui);
}

void SwitchRumble(ProfileType& profile, int control, UserInterface& ui) {
    AssignmentType& assignment = profile.Current(control);
    assignment.Rumble = !assignment.Rumble;
    FinishSwitch(profile, control, ui);
}

void ClearControl(ProfileType& profile, int control, UserInterface& ui) {
    ClearAssignment(profile.Current(control));
    ui.RedrawSlotDisplays();  // the advanced window may be showing this control
    FinishSwitch(profile, control, ui);
}

void MakeSetSelectorMirror(ProfileType& profile, int control) {
    const AssignmentType& source = profile.Current(control);
    if (source.SetSelect == NoSet || source.SetSelect == profile.CurrentSet) return;
    AssignmentType& mirror = AssignmentIn(profile, source.SetSelect, control);
    mirror.SetSelect = profile.CurrentSet;
    mirror.Toggle = source.Toggle;
    mirror.Slots = source.Slots;
}

void ChooseSetSelector(ProfileType& profile, int control, std::uint8_t target, bool toggle,
                       UserInterface& ui) {
    AssignmentType& assignment = profile.Current(control);
    if (assignment.SetSelect != NoSet) ClearAssignment(AssignmentIn(profile, assignment.SetSelect, control));
    const bool valid = target < SetCount && target != profile.CurrentSet;
    assignment.SetSelect = valid ? target : NoSet;
    assignment.Toggle = valid && toggle;
    MakeSetSelectorMirror(profile, control);
    FinishSwitch(profile, control, ui);
}

}  // namespace velmora
