#pragma once
// The advanced assignment window's Assignments page: the strip of 16 slots
// with the selected slot and the empty place after the last, its hover
// caption, selection and scrolling, the slider of long lists, and the
// buttons that edit the slot list.

#include <cstdint>
#include <optional>
#include <string>

#include "app/settings/AssignmentWindow.h"
#include "base/UserInterface.h"
#include "model/Profile.h"
#include "ui/Picture.h"

namespace velmora {

inline constexpr int SlotImageWidth = 388;
inline constexpr int SlotImageHeight = 36;
inline constexpr int SlotSliderWidth = 384;
inline constexpr int SlotSliderHeight = 8;
inline constexpr int SlotSize = 24;
inline constexpr int SlotLeft = 2;  // the first slot starts 2 pixels in
inline constexpr int SlotTop = 6;   // and 6 pixels down

// The show step: Auto-Add Sequence Pauses and the test box unticked, the
// turbo lamp advanced 32 times (dark), the slot strip drawn.
void ShowAdvancedAssignmentWindow(AssignmentWindowState& state, UserInterface& ui);
void CloseAdvancedAssignmentWindow(AssignmentWindowState& state, ConfigurationType& config,
                                   WindowPoint place);

// The slot index under a point of the strip: x 2..385, y 6..29; indexes up to
// the slot count (the empty place) count, later ones do not.
std::optional<int> SlotAt(int x, int y, std::int32_t firstShown, std::int32_t count);

// The caption while the pointer is over a slot: " - Slot n selected", or
// " - Click to select Slot n".
std::string SlotHoverCaption(const std::string& advancedCaption, std::optional<int> slot,
                             std::int32_t selected);

// Selects a slot by a click. Selecting the first shown slot scrolls back by
// one when possible; selecting the last shown one scrolls on by one while the
// list (with its empty place) continues.
void SelectSlot(AssignmentEditState& edit, int index, std::int32_t count);

// The slot strip: the visible slots' glyphs, the selected slot marked Yellow,
// the empty place after the last slot drawn as an outline.
PictureType DrawSlotStrip(const SlotType& slots, const AssignmentEditState& edit);

// The slider of lists longer than 16 slots: a press, a move while dragging,
// and the release. The picture is the bar with the shown range marked.
bool SliderShown(std::int32_t count);
void PressSlider(AssignmentWindowState& state, int x, std::int32_t count);
void MoveSlider(AssignmentWindowState& state, int x, std::int32_t count);
void ReleaseSlider(AssignmentWindowState& state);
PictureType DrawSlotSlider(std::int32_t count, std::int32_t firstShown);

// The buttons. Add Cycle Stop and Delete go through AssignSlot; Insert puts
// "Unknown" at the selected slot when it lies inside the list; Clear asks
// first and empties the list on "Clear".
void AddCycleStop(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui);
void DeleteSlot(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui);
void InsertSlot(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui);
void ClearSlots(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui);

// The pause length from the track bar or the up-down, kept in 1..250.
void SetPauseLength(AssignmentEditState& edit, int length);

}  // namespace velmora
