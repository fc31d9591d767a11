// Trigger adaptation: older pads report their triggers as Button11 and
// Button12, newer ones as analog triggers. A profile made for one kind keeps
// working on the other by moving those assignments to the controls the
// layout actually shows.

#include <utility>

#include "files/ProfileFiles.h"

namespace velmora {
namespace {

constexpr int Button11 = 10;
constexpr int Button12 = 11;

bool HasSlots(const AssignmentType& a) {
    return a.Slots.CodeCount() > 0;
}

// Moves whole assignments from the controls "from" to the empty controls "to".
void MoveAssignments(ProfileType& profile, const std::array<int, 2>& from, const std::array<int, 2>& to) {
    for (SetType& set : profile.Sets)
        for (std::size_t i = 0; i < 2; ++i) {
            AssignmentType& source = set.Assignments[static_cast<std::size_t>(from[i])];
            AssignmentType& target = set.Assignments[static_cast<std::size_t>(to[i])];
            if (HasSlots(source) && !HasSlots(target)) std::swap(source, target);
        }
}

}  // namespace

void AdaptTriggers(ProfileType& profile, const std::array<bool, ControlCount>& placed) {
    const bool buttons = placed[Button11] || placed[Button12];
    const bool bothButtons = placed[Button11] && placed[Button12];
    const bool triggers = placed[TriggerLeft] || placed[TriggerRight];
    const bool bothTriggers = placed[TriggerLeft] && placed[TriggerRight];
    if (!buttons && bothTriggers) MoveAssignments(profile, {Button11, Button12}, {TriggerLeft, TriggerRight});
    if (bothButtons && !triggers) MoveAssignments(profile, {TriggerLeft, TriggerRight}, {Button11, Button12});
}

}  // namespace velmora
