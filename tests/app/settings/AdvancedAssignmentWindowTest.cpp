// The advanced window's slot strip: hover, selection and its scrolling, the
// slider, and the buttons that edit the slot list. (Add Pause's split is the
// model's and is tested with it.)

#include <gtest/gtest.h>

#include <memory>

#include "app/settings/AdvancedAssignmentWindow.h"
#include "support/KeyboardKeys.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using namespace test::keys;

struct AdvancedWorld {
    std::unique_ptr<ProfileType> Profile = std::make_unique<ProfileType>();
    AssignmentWindowState State;
    test::RecordingUserInterface Ui;

    AdvancedWorld() {
        Ui.SetOpen(SettingsWindow::Assignment);
        Ui.SetOpen(SettingsWindow::AdvancedAssignment);
    }
    SlotType& Slots() { return Profile->Current(State.Edit.Control).Slots; }
    void Fill(int count) {
        for (int i = 0; i < count; ++i)
            SetSlot(Slots(), Slots().CodeCount(), static_cast<std::uint8_t>(A + i % 26));
    }
};

TEST(ShowAdvancedAssignmentWindow, UnticksAutoPausesAndTheTestBoxAndDarkensTheLamp) {
    AdvancedWorld world;
    world.State.Edit.AutoAddPauses = true;
    world.State.TestTicked = true;
    world.State.TurboLamp.Glow = TurboLampFull;
    ShowAdvancedAssignmentWindow(world.State, world.Ui);
    EXPECT_TRUE(world.State.AdvancedOpen);
    EXPECT_FALSE(world.State.Edit.AutoAddPauses);
    EXPECT_FALSE(world.State.TestTicked);
    EXPECT_EQ(world.State.TurboLamp.Glow, 0);
    EXPECT_EQ(world.Ui.SlotDisplayRedraws, 1);
}

TEST(InsertSlot, PutsUnknownAtTheSelectedSlotAndKeepsThePositions) {
    AdvancedWorld world;
    world.Fill(3);  // A, B, C
    world.State.Edit.SlotPosition = 1;
    InsertSlot(*world.Profile, world.State.Edit, world.Ui);
    EXPECT_EQ(world.Slots().Codes, (std::vector<std::uint8_t>{A, UnknownCode, B, C}));
    EXPECT_EQ(world.State.Edit.SlotPosition, 1);
    EXPECT_EQ(world.State.Edit.FirstVisibleSlot, 0);
    EXPECT_TRUE(world.Profile->Changed);
    // The next action replaces the placeholder.
    AssignSlot(*world.Profile, world.State.Edit, C, world.Ui);
    EXPECT_EQ(world.Slots().Codes, (std::vector<std::uint8_t>{A, C, B, C}));
}

TEST(InsertSlot, DoesNothingWithTheEmptyPlaceSelected) {
    AdvancedWorld world;
    world.Fill(2);
    world.State.Edit.SlotPosition = 2;
    InsertSlot(*world.Profile, world.State.Edit, world.Ui);
    EXPECT_EQ(world.Slots().Codes, (std::vector<std::uint8_t>{A, B}));
    EXPECT_FALSE(world.Profile->Changed);
}

TEST(InsertSlot, TheSetSelectorMirrorTakesTheSameInsert) {
    AdvancedWorld world;
    world.Fill(2);
    ChooseSetSelector(*world.Profile, 0, 2, true, world.Ui);
    world.State.Edit.SlotPosition = 0;
    InsertSlot(*world.Profile, world.State.Edit, world.Ui);
    EXPECT_EQ(world.Profile->Sets[2].Assignments[0].Slots.Codes,
              (std::vector<std::uint8_t>{UnknownCode, A, B}));
}

TEST(DeleteAndCycleStop, GoThroughTheSelectedSlot) {
    AdvancedWorld world;
    world.Fill(2);
    world.State.Edit.SlotPosition = 1;
    AddCycleStop(*world.Profile, world.State.Edit, world.Ui);
    EXPECT_EQ(world.Slots().Codes, (std::vector<std::uint8_t>{A, CycleStopCode}));
    world.State.Edit.SlotPosition = 0;
    DeleteSlot(*world.Profile, world.State.Edit, world.Ui);
    EXPECT_EQ(world.Slots().Codes, (std::vector<std::uint8_t>{CycleStopCode}));
}

TEST(ClearSlots, EmptiesTheListOnlyWhenTheAnswerIsClear) {
    AdvancedWorld world;
    world.Fill(3);
    world.Ui.Answers = {2};  // "Do not Clear"
    ClearSlots(*world.Profile, world.State.Edit, world.Ui);
    EXPECT_EQ(world.Slots().CodeCount(), 3);
    ASSERT_EQ(world.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(world.Ui.Dialogs[0].Heading, "Clear this assignment?");
    EXPECT_EQ(world.Ui.Dialogs[0].Buttons, ClearButtons);
    world.Ui.Answers = {1};
    world.State.Edit.SlotPosition = 3;
    ClearSlots(*world.Profile, world.State.Edit, world.Ui);
    EXPECT_EQ(world.Slots().CodeCount(), 0);
    EXPECT_EQ(world.State.Edit.SlotPosition, 0);
    EXPECT_TRUE(world.Profile->Changed);
}

TEST(SlotHitTest, StripBoundsAndTheEmptyPlace) {
    EXPECT_EQ(SlotAt(2, 6, 0, 20), 0);
    EXPECT_EQ(SlotAt(25, 29, 0, 20), 0);
    EXPECT_EQ(SlotAt(26, 29, 0, 20), 1);
    EXPECT_EQ(SlotAt(385, 6, 0, 20), 15);
    EXPECT_EQ(SlotAt(385, 6, 4, 20), 19);
    EXPECT_EQ(SlotAt(1, 10, 0, 20), std::nullopt);
    EXPECT_EQ(SlotAt(386, 10, 0, 20), std::nullopt);
    EXPECT_EQ(SlotAt(10, 5, 0, 20), std::nullopt);
    EXPECT_EQ(SlotAt(10, 30, 0, 20), std::nullopt);
    // With two slots the empty place (index 2) counts, the slot after it not.
    EXPECT_EQ(SlotAt(2 + 2 * 24, 10, 0, 2), 2);
    EXPECT_EQ(SlotAt(2 + 3 * 24, 10, 0, 2), std::nullopt);
}

TEST(SlotHoverCaption, SaysSelectedOrClickToSelect) {
    EXPECT_EQ(SlotHoverCaption("Cross: Advanced Settings", 2, 2),
              "Cross: Advanced Settings - Slot 3 selected");
    EXPECT_EQ(SlotHoverCaption("Cross: Advanced Settings", 0, 2),
              "Cross: Advanced Settings - Click to select Slot 1");
    EXPECT_EQ(SlotHoverCaption("Cross: Advanced Settings", std::nullopt, 2), "Cross: Advanced Settings");
}

TEST(SelectSlot, SixteenSlotsScrollByOneWhenTheLastShownIsSelected) {
    AssignmentEditState edit;
    SelectSlot(edit, 15, 16);  // the list continues with its empty place
    EXPECT_EQ(edit.SlotPosition, 15);
    EXPECT_EQ(edit.FirstVisibleSlot, 1);
    SelectSlot(edit, 16, 16);  // the empty place is last shown now: nothing follows it
    EXPECT_EQ(edit.FirstVisibleSlot, 1);
    SelectSlot(edit, 1, 16);  // the first shown scrolls back by one
    EXPECT_EQ(edit.FirstVisibleSlot, 0);
    SelectSlot(edit, 0, 16);
    EXPECT_EQ(edit.FirstVisibleSlot, 0);
}

TEST(SelectSlot, FifteenSlotsDoNotScroll) {
    AssignmentEditState edit;
    SelectSlot(edit, 15, 15);  // the empty place is the last shown
    EXPECT_EQ(edit.SlotPosition, 15);
    EXPECT_EQ(edit.FirstVisibleSlot, 0);
    SelectSlot(edit, 16, 15);  // beyond the empty place: not a slot
    EXPECT_EQ(edit.SlotPosition, 15);
}

TEST(SlotSlider, APressOutsideTheShownRangeJumpsThereAndTakesTheSelectionAlong) {
    AssignmentWindowState state;
    // 48 slots: 8 pixels per slot. x 200 is slot 25, outside 0..15.
    PressSlider(state, 200, 48);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 25);
    EXPECT_EQ(state.Edit.SlotPosition, 25);
    EXPECT_EQ(state.SliderDragOffset, -1);
    // Near the end the range stops where the empty place is the last shown.
    PressSlider(state, 380, 48);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 48 - 15);
    state.Edit.SlotPosition = 47;
    PressSlider(state, 0, 48);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 0);
    EXPECT_EQ(state.Edit.SlotPosition, 15);
}

TEST(SlotSlider, APressInsideTheRangeDragsItWithTheGrabOffset) {
    AssignmentWindowState state;
    state.Edit.FirstVisibleSlot = 10;
    state.Edit.SlotPosition = 10;
    PressSlider(state, 13 * 8, 48);  // slot 13: inside 10..25, grabbed 3 in
    EXPECT_EQ(state.SliderDragOffset, 3);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 10);
    MoveSlider(state, 20 * 8, 48);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 17);
    EXPECT_EQ(state.Edit.SlotPosition, 17);
    MoveSlider(state, 383, 48);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 33);
    ReleaseSlider(state);
    MoveSlider(state, 0, 48);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 33);
}

TEST(SlotSlider, ShortListsHaveNoSlider) {
    AssignmentWindowState state;
    PressSlider(state, 300, 16);
    EXPECT_EQ(state.Edit.FirstVisibleSlot, 0);
    EXPECT_FALSE(SliderShown(16));
    EXPECT_TRUE(SliderShown(17));
}

TEST(SlotStrip, MarksTheSelectedSlotAndDrawsTheEmptyPlaceAfterTheLast) {
    AdvancedWorld world;
    world.Fill(2);
    world.State.Edit.SlotPosition = 1;
    const PictureType strip = DrawSlotStrip(world.Slots(), world.State.Edit);
    EXPECT_EQ(strip.Width(), SlotImageWidth);
    const auto fill = [&](int slot) { return strip.Get(SlotLeft + slot * SlotSize + 21, SlotTop + 21); };
    EXPECT_EQ(fill(0).Blue, 255);                                     // White
    EXPECT_EQ(fill(1).Blue, 0);                                       // Yellow: selected
    EXPECT_EQ(strip.Get(SlotLeft + 2 * SlotSize, SlotTop).Red, 128);  // the empty place's outline
    EXPECT_EQ(strip.Get(SlotLeft + 3 * SlotSize, SlotTop).Red, 255);  // nothing after it
}

}  // namespace
}  // namespace velmora
