#pragma once
// The operations on the profile model. They run on the user-interface thread.

#include <cstdint>

#include "base/UserInterface.h"
#include "model/Configuration.h"
#include "model/Profile.h"

namespace velmora {

// The only primitive that edits a slot list. index -1 addresses the whole
// list; index CodeCount appends; a lower index replaces, or deletes with
// NoneCode. Rebuilds the cycles and the run state afterwards.
void SetSlot(SlotType& slots, std::int32_t index, std::uint8_t code);
// The whole list at once, as SetSlot(-1, NoneCode) followed by an append of
// each code would leave it, with the cycles rebuilt once.
void SetSlotCodes(SlotType& slots, const std::vector<std::uint8_t>& codes);

// The state of the assignment windows that editing shares with them: which
// control is edited, where the next action goes, the first slot shown in the
// advanced window's strip of 16, and that window's pause settings.
struct AssignmentEditState {
    int Control = 0;
    std::int32_t SlotPosition = 0;
    std::int32_t FirstVisibleSlot = 0;
    bool AutoAddPauses = false;  // "Auto-Add Sequence Pauses"
    int PauseLength = 10;        // hundredths of a second, 1..250
};

inline constexpr int VisibleSlotCount = 16;
inline constexpr int MinimumPauseLength = 1;
inline constexpr int MaximumPauseLength = 250;

// Resets a profile to eight default sets with empty assignments.
void NewProfile(ProfileType& profile, const ConfigurationType& configuration);

// Copies the default assignment over the whole record, with an empty slot list.
void ClearAssignment(AssignmentType& assignment);

// Stores one action at the edited slot of the edited control in the current
// set, as both assignment windows do when a key is pressed or chosen.
void AssignSlot(ProfileType& profile, AssignmentEditState& state, std::uint8_t code, UserInterface& ui);

// The advanced window's Add Pause: the pause length as pause actions, largest
// first, each stored through AssignSlot.
void AddPause(ProfileType& profile, AssignmentEditState& state, UserInterface& ui);

// The switches of a control's menu on the layout picture; each acts on the
// control's assignment in the current set.
void SwitchToggle(ProfileType& profile, int control, UserInterface& ui);
void SwitchTurbo(ProfileType& profile, int control, UserInterface& ui);
void SwitchRumble(ProfileType& profile, int control, UserInterface& ui);
void ClearControl(ProfileType& profile, int control, UserInterface& ui);

// Makes the same control's assignment in the target set of a set selector its
// mirror: it selects the current set back, with the same Toggle and slots.
void MakeSetSelectorMirror(ProfileType& profile, int control);

// The advanced window's set-selector choice: the old target's assignment is
// emptied, then target (NoSet for none) and toggle are stored and the mirror
// is made.
void ChooseSetSelector(ProfileType& profile, int control, std::uint8_t target, bool toggle,
                       UserInterface& ui);

}  // namespace velmora
