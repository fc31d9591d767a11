#include "app/settings/AdvancedAssignmentWindow.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/Language.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

constexpr int LastShownOffset = VisibleSlotCount - 1;  // 15

// The first shown slot for a wanted value: never past the place that shows the
// empty place last, never before the first slot.
std::int32_t LimitedFirst(std::int32_t first, std::int32_t count) {
    return std::max(0, std::min(first, count - LastShownOffset));
}

// The selected slot follows the shown range when the slider moves it away.
void KeepSelectedShown(AssignmentEditState& edit) {
    if (edit.SlotPosition < edit.FirstVisibleSlot) edit.SlotPosition = edit.FirstVisibleSlot;
    if (edit.SlotPosition > edit.FirstVisibleSlot + LastShownOffset)
        edit.SlotPosition = edit.FirstVisibleSlot + LastShownOffset;
}

// The slot index under the slider's x, in slots.
double SliderValue(int x, std::int32_t count) {
    return x / (static_cast<double>(SlotSliderWidth) / count);
}

void DrawSlotFrame(PictureType& picture, int left, ColourType fill, ColourType outline, bool dotted) {
    for (int y = 0; y < SlotSize - 1; ++y)
        for (int x = 0; x < SlotSize - 1; ++x) {
            const bool edge = x == 0 || y == 0 || x == SlotSize - 2 || y == SlotSize - 2;
            if (edge && dotted && (x + y) % 2 != 0) continue;
            picture.Put(left + x, SlotTop + y, edge ? outline : fill);
        }
}

void DrawSlotGlyph(PictureType& picture, int left, const GlyphBits& glyph) {
    for (int y = 0; y < GlyphSize; ++y)
        for (int x = 0; x < GlyphSize; ++x)
            if (GlyphPixel(glyph, x, y)) picture.Put(left + 1 + x, SlotTop + 1 + y, palette::Black);
}

// Both the assignment and its set selector mirror take the same edit.
void SetSlotEverywhere(ProfileType& profile, int control, std::int32_t index, std::uint8_t code) {
    AssignmentType& assignment = profile.Current(control);
    SetSlot(assignment.Slots, index, code);
    if (assignment.SetSelect != NoSet)
        SetSlot(profile.Sets[assignment.SetSelect].Assignments[static_cast<std::size_t>(control)].Slots,
                index, code);
}

}  // namespace

void ShowAdvancedAssignmentWindow(AssignmentWindowState& state, UserInterface& ui) {
    state.AdvancedOpen = true;
    state.Edit.AutoAddPauses = false;
    state.TestTicked = false;
    state.SliderDragOffset = -1;
    // The lamp starts from its resting look, whatever it showed when the window last closed.
    for (int i = 0; i < 32; ++i) AdvanceTurboLamp(state.TurboLamp, false);
    ui.RedrawSlotDisplays();
}

void CloseAdvancedAssignmentWindow(AssignmentWindowState& state, ConfigurationType& config,
                                   WindowPoint place) {
    if (config.RememberWindowPositions) {
        config.WindowPositions[AssignmentAdvancedSettingsWindowPosition] = {place.Left, place.Top};
        config.ConfigurationChanged = true;
    }
    state.AdvancedOpen = false;
    state.SliderDragOffset = -1;
}

std::optional<int> SlotAt(int x, int y, std::int32_t firstShown, std::int32_t count) {
    if (x < SlotLeft || x > SlotLeft + VisibleSlotCount * SlotSize - 1) return std::nullopt;
    if (y < SlotTop || y > SlotTop + SlotSize - 1) return std::nullopt;
    const int index = (x - SlotLeft) / SlotSize + firstShown;
    if (index > count) return std::nullopt;
    return index;
}

std::string SlotHoverCaption(const std::string& advancedCaption, std::optional<int> slot,
                             std::int32_t selected) {
    if (!slot) return advancedCaption;
    const std::string words = Translate("*Slot*") + " " + std::to_string(*slot + 1);
    if (*slot == selected) return advancedCaption + " - " + words + " " + Translate("*selected*");
    return advancedCaption + " - " + Translate("*Click to select*") + " " + words;
}

void SelectSlot(AssignmentEditState& edit, int index, std::int32_t count) {
    if (index < 0 || index > count) return;
    edit.SlotPosition = index;
    if (index == edit.FirstVisibleSlot && edit.FirstVisibleSlot > 0)
        --edit.FirstVisibleSlot;
    else if (index == edit.FirstVisibleSlot + LastShownOffset && index < count)
        ++edit.FirstVisibleSlot;
}

PictureType DrawSlotStrip(const SlotType& slots, const AssignmentEditState& edit) {
    PictureType picture(SlotImageWidth, SlotImageHeight);
    picture.Fill(0, 0, SlotImageWidth, SlotImageHeight, palette::White);
    const std::int32_t count = slots.CodeCount();
    for (int shown = 0; shown < VisibleSlotCount; ++shown) {
        const std::int32_t index = edit.FirstVisibleSlot + shown;
        if (index > count) break;
        const int left = SlotLeft + shown * SlotSize;
        const bool selected = index == edit.SlotPosition;
        const ColourType fill = selected ? palette::Yellow : palette::White;
        if (index == count) {
            DrawSlotFrame(picture, left, fill, palette::Grey, true);
            continue;
        }
        DrawSlotFrame(picture, left, fill, selected ? palette::Black : palette::Grey, false);
        DrawSlotGlyph(picture, left, SlotCodeTable[slots.Codes[static_cast<std::size_t>(index)]].Glyph);
    }
    return picture;
}

bool SliderShown(std::int32_t count) {
    return count > VisibleSlotCount;
}

void PressSlider(AssignmentWindowState& state, int x, std::int32_t count) {
    if (!SliderShown(count)) return;
    AssignmentEditState& edit = state.Edit;
    const double v = SliderValue(x, count);
    if (v < edit.FirstVisibleSlot || v >= edit.FirstVisibleSlot + VisibleSlotCount) {
        edit.FirstVisibleSlot = LimitedFirst(static_cast<std::int32_t>(std::lround(v)), count);
        KeepSelectedShown(edit);
        return;
    }
    state.SliderDragOffset = static_cast<int>(v) - edit.FirstVisibleSlot;
}

void MoveSlider(AssignmentWindowState& state, int x, std::int32_t count) {
    if (state.SliderDragOffset < 0 || !SliderShown(count)) return;
    const auto v = static_cast<std::int32_t>(SliderValue(x, count));
    state.Edit.FirstVisibleSlot = LimitedFirst(v - state.SliderDragOffset, count);
    KeepSelectedShown(state.Edit);
}

void ReleaseSlider(AssignmentWindowState& state) {
    state.SliderDragOffset = -1;
}

PictureType DrawSlotSlider(std::int32_t count, std::int32_t firstShown) {
    PictureType picture(SlotSliderWidth, SlotSliderHeight);
    picture.Fill(0, 0, SlotSliderWidth, SlotSliderHeight, palette::White);
    if (!SliderShown(count)) return picture;
    picture.Fill(0, 2, SlotSliderWidth, SlotSliderHeight - 4, palette::Silver);
    // The thumb covers the 16 shown places of count + 1 (the empty place included).
    const int left = firstShown * SlotSliderWidth / (count + 1);
    const int right = (firstShown + VisibleSlotCount) * SlotSliderWidth / (count + 1);
    picture.Fill(left, 0, std::max(right - left, 2), SlotSliderHeight, palette::Grey);
    return picture;
}

void AddCycleStop(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui) {
    AssignSlot(profile, edit, CycleStopCode, ui);
}

void DeleteSlot(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui) {
    AssignSlot(profile, edit, NoneCode, ui);
}

void InsertSlot(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui) {
    const std::int32_t count = profile.Current(edit.Control).Slots.CodeCount();
    const std::int32_t selected = edit.SlotPosition;
    if (selected < 0 || selected >= count) return;
    const std::int32_t first = edit.FirstVisibleSlot;
    // Appending goes through AssignSlot, so the list and its mirror grow alike.
    edit.SlotPosition = count;
    AssignSlot(profile, edit, UnknownCode, ui);
    edit.SlotPosition = selected;
    edit.FirstVisibleSlot = first;
    const std::vector<std::uint8_t> codes = profile.Current(edit.Control).Slots.Codes;
    for (std::int32_t i = count; i > selected; --i)
        SetSlotEverywhere(profile, edit.Control, i, codes[static_cast<std::size_t>(i - 1)]);
    SetSlotEverywhere(profile, edit.Control, selected, UnknownCode);
    profile.Changed = true;
    ui.RedrawSlotDisplays();
    ui.DrawControlButton(edit.Control);
}

void ClearSlots(ProfileType& profile, AssignmentEditState& edit, UserInterface& ui) {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Confirmation;
    dialog.Heading = Translate("*Clear this assignment?*");
    dialog.Message = Translate("*Delete all slots in this assignment?*");
    dialog.Buttons = ClearButtons;
    if (ui.ShowMessageDialog(dialog) != 1) return;
    // The set selector's way back keeps the same slots.
    SetSlotEverywhere(profile, edit.Control, -1, NoneCode);
    edit.SlotPosition = 0;
    edit.FirstVisibleSlot = 0;
    profile.Changed = true;
    ui.RedrawSlotDisplays();
    ui.DrawControlButton(edit.Control);
}

void SetPauseLength(AssignmentEditState& edit, int length) {
    edit.PauseLength = std::clamp(length, MinimumPauseLength, MaximumPauseLength);
}

}  // namespace velmora
