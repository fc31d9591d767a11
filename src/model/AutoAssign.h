#pragma once
// Ready-made key groups for the four directions of the DPad or a stick, and
// the direction mode of such a group. All act on the current set.

#include <array>
#include <cstdint>

#include "base/UserInterface.h"
#include "model/Profile.h"

namespace velmora {

// Direction groups: four controls in the order Up, Right, Down, Left.
enum DirectionGroup : int { DPadGroup = 0, Stick1Group = 1, Stick2Group = 2 };
inline constexpr int DirectionGroupCount = 3;

inline constexpr int AutoAssignChoiceCount = 8;  // 0 "W,S,A,D" .. 7 "None"
inline constexpr std::uint8_t NoAutoAssignChoice = 255;

using KeyGroup = std::array<std::uint8_t, 4>;  // Up, Right, Down, Left

// The first control of a group: 32 DPad Up, 36 Stick 1 Up, 40 Stick 2 Up.
int FirstControlOfGroup(int group);

// What choice 0..7 writes to Up, Right, Down and Left.
const KeyGroup& AutoAssignCodes(int choice);

// Fills the group's four directions with the choice's codes and puts the
// group back into Standard mode; a choice outside 0..7 only resets the mode.
void AutoAssign(ProfileType& profile, int group, int choice, UserInterface& ui);

// Stores the group's direction mode (0..5).
void SetGroupMode(ProfileType& profile, int group, std::uint8_t mode, UserInterface& ui);

// The first choice whose codes the group's directions start with, or 255.
std::uint8_t DetectAutoAssign(const ProfileType& profile, int group);

}  // namespace velmora
