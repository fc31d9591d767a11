#include <gtest/gtest.h>

#include "app/settings/ControllerEnableBoxes.h"
#include "app/settings/ControllerWindowWorld.h"
#include "app/settings/Detection.h"

namespace velmora::test {
namespace {

RawJoyState Resting() {
    return RawJoyState{};
}

TEST(ClassifyRawStateTest, OneAxisPastAQuarterIsFoundWithItsDirection) {
    RawJoyState now = Resting();
    now.RY = 32767 + 16385;
    Classification found = ClassifyRawState(Resting(), now);
    EXPECT_EQ(found.Kind, RawChange::Axis);
    EXPECT_EQ(found.Index, 4);
    EXPECT_FALSE(found.Negative);
    now = Resting();
    now.Sliders[1] = 32767 - 16385;
    found = ClassifyRawState(Resting(), now);
    EXPECT_EQ(found.Kind, RawChange::Axis);
    EXPECT_EQ(found.Index, 7);
    EXPECT_TRUE(found.Negative);
}

TEST(ClassifyRawStateTest, AMoveOfExactlyAQuarterIsNotAMove) {
    RawJoyState now = Resting();
    now.X = 32767 + 16384;
    now.Y = 32767 - 16384;
    EXPECT_EQ(ClassifyRawState(Resting(), now).Kind, RawChange::Nothing);
}

TEST(ClassifyRawStateTest, TwoMovedAxesGiveNothingEvenWithAButtonPressed) {
    RawJoyState now = Resting();
    now.X = 0;
    now.Y = 0;
    now.Buttons[3] = 0x80;
    EXPECT_EQ(ClassifyRawState(Resting(), now).Kind, RawChange::Nothing);
}

TEST(ClassifyRawStateTest, TriggerRestingAtAnEndIsFullRangeAndInTheMiddleAHalf) {
    RawJoyState rest = Resting();
    rest.Z = 0;  // an 8-bit style trigger resting at the bottom
    RawJoyState now = rest;
    now.Z = 65535;
    EXPECT_TRUE(ClassifyRawState(rest, now).FullRange);
    rest.Z = 65535;  // resting at the top, pulled down
    now.Z = 0;
    Classification found = ClassifyRawState(rest, now);
    EXPECT_TRUE(found.Negative);
    EXPECT_TRUE(found.FullRange);
    rest.Z = 32767;  // two triggers sharing one axis
    now.Z = 0;
    EXPECT_FALSE(ClassifyRawState(rest, now).FullRange);
    now.Z = 65535;
    EXPECT_FALSE(ClassifyRawState(rest, now).FullRange);
}

TEST(ClassifyRawStateTest, FullRangeLimitsSitAtTheQuarterMarks) {
    RawJoyState rest = Resting();
    rest.Z = 16384;
    RawJoyState now = rest;
    now.Z = 65535;
    EXPECT_TRUE(ClassifyRawState(rest, now).FullRange);
    rest.Z = 16385;
    EXPECT_FALSE(ClassifyRawState(rest, now).FullRange);
    rest.Z = 49152;
    now.Z = 0;
    EXPECT_TRUE(ClassifyRawState(rest, now).FullRange);
    rest.Z = 49151;
    EXPECT_FALSE(ClassifyRawState(rest, now).FullRange);
}

TEST(ClassifyRawStateTest, ThePovWinsOverButtonsAndTheLowestButtonOverHigherOnes) {
    RawJoyState now = Resting();
    now.Buttons[20] = 0x80;
    now.Buttons[5] = 0xFF;
    now.Buttons[2] = 0x7F;  // bit 7 clear: not pressed
    Classification found = ClassifyRawState(Resting(), now);
    EXPECT_EQ(found.Kind, RawChange::Button);
    EXPECT_EQ(found.Index, 5);
    now.POV[0] = 9000;
    EXPECT_EQ(ClassifyRawState(Resting(), now).Kind, RawChange::POV);
    now.POV[0] = 0xABCDFFFF;  // only the low 16 bits say centred
    EXPECT_EQ(ClassifyRawState(Resting(), now).Kind, RawChange::Button);
}

TEST(DetectionPanelTest, TellsWhatToMoveAndWhere) {
    UseEnglish();
    const DetectionPanel stick = PanelFor(Stick2YTarget);
    EXPECT_TRUE(stick.Shown);
    EXPECT_EQ(stick.Command + " " + stick.Control + " " + stick.Direction, "Push Stick 2 Up");
    EXPECT_EQ(stick.Picture, DirectionPicture::Up);
    const DetectionPanel dpad = PanelFor(DPadRightTarget);
    EXPECT_EQ(dpad.Command + " " + dpad.Control + " " + dpad.Direction, "Press DPad Right");
    const DetectionPanel trigger = PanelFor(LeftTriggerTarget);
    EXPECT_EQ(trigger.Command + " " + trigger.Control + " " + trigger.Direction, "Hold Left Trigger");
    EXPECT_EQ(trigger.Picture, DirectionPicture::Left);
    EXPECT_FALSE(PanelFor(NoDetection).Shown);
}

using DetectionTickTest = ControllerWindowWorld;

TEST_F(DetectionTickTest, TwoAxesAtOnceDetectNothingButReleaseTheWait) {
    StartDetection(window.Detection, DPadUpTarget, raw);
    raw.X = 0;
    raw.Y = 0;
    EXPECT_FALSE(Tick());
    EXPECT_FALSE(window.Detection.WaitForRelease);
    EXPECT_FALSE(Tick());  // still two axes: nothing stored
    EXPECT_EQ(layout.DPadAccess[0].Kind, DPadKind::None);
    raw.X = 32767;
    EXPECT_TRUE(Tick());  // Y alone now
    EXPECT_EQ(layout.DPadAccess[0], (DPadDirectionAccess{DPadKind::Axis, 1, 0}));
}

TEST_F(DetectionTickTest, AControlHeldFromBeforeIsNotDetectedUntilReleased) {
    raw.Buttons[4] = 0x80;
    StartDetection(window.Detection, DPadLeftTarget, raw);
    EXPECT_FALSE(Tick());
    EXPECT_TRUE(window.Detection.WaitForRelease);
    raw.Buttons[4] = 0;
    EXPECT_FALSE(Tick());
    EXPECT_FALSE(window.Detection.WaitForRelease);
    raw.Buttons[6] = 0x80;
    EXPECT_TRUE(Tick());
    EXPECT_EQ(layout.DPadAccess[3], (DPadDirectionAccess{DPadKind::Button, 0, 6}));
    EXPECT_EQ(layout.Changed, 1);
    EXPECT_EQ(window.Detection.Target, NoDetection);
    EXPECT_FALSE(window.Detection.Panel.Shown);
}

TEST_F(DetectionTickTest, StickAxesGrowingTowardsLeftOrUpAreInverted) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, true, raw);
    Tick();
    raw.RZ = 65535;  // pushed Left, the axis grows
    EXPECT_TRUE(Tick());
    EXPECT_EQ(layout.StickAccess[0][0], (AxisAccess{5, 1, 0}));
    EXPECT_EQ(window.Detection.Target, Stick1YTarget);
    raw.RZ = 32767;
    Tick();
    raw.Z = 0;  // pushed Up, the axis shrinks: the usual direction
    EXPECT_TRUE(Tick());
    EXPECT_EQ(layout.StickAccess[0][1], (AxisAccess{2, 0, 0}));
    EXPECT_EQ(window.Detection.Target, NoDetection);
}

TEST_F(DetectionTickTest, DPadGroupRunsUpDownLeftRightWithOneBaseline) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::DPad, true, raw);
    std::vector<std::uint8_t> targets;
    for (int b = 0; b < 4; ++b) {
        targets.push_back(window.Detection.Target);
        EXPECT_EQ(window.Detection.GroupDetection, b < 3) << "the flag clears when the last one starts";
        Tick();
        raw.Buttons[static_cast<std::size_t>(b)] = 0x80;
        EXPECT_TRUE(Tick());
        raw.Buttons[static_cast<std::size_t>(b)] = 0;
    }
    EXPECT_EQ(targets,
              (std::vector<std::uint8_t>{DPadUpTarget, DPadDownTarget, DPadLeftTarget, DPadRightTarget}));
    EXPECT_EQ(layout.DPadAccess[0].Button, 0);  // Up
    EXPECT_EQ(layout.DPadAccess[2].Button, 1);  // Down
    EXPECT_EQ(layout.DPadAccess[3].Button, 2);  // Left
    EXPECT_EQ(layout.DPadAccess[1].Button, 3);  // Right
    EXPECT_EQ(window.Detection.Target, NoDetection);
}

TEST_F(DetectionTickTest, TriggersSharingAnAxisBecomeItsTwoHalves) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::Triggers, true, raw);
    Tick();
    raw.Z = 0;
    Tick();
    raw.Z = 32767;
    Tick();
    raw.Z = 65535;
    Tick();
    EXPECT_EQ(layout.TriggerAccess[0], (AxisAccess{2, 1, 0}));
    EXPECT_EQ(layout.TriggerAccess[1], (AxisAccess{2, 0, 0}));
}

TEST_F(DetectionTickTest, APovForAStickRemovesTheStickAndSaysSo) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, true, raw);
    Tick();
    raw.POV[0] = 27000;
    EXPECT_TRUE(Tick());
    EXPECT_TRUE(ui.Dialogs.empty());  // a pass opens no dialog: it is shown between passes
    ShowPendingDetectionMessage(window, ui);
    ShowPendingDetectionMessage(window, ui);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Non-analog stick detected");
    EXPECT_EQ(ui.Dialogs[0].Message, "This stick is not analog. Add as a DPad.");
    EXPECT_FALSE(GroupEnabled(layout, LayoutGroup::Stick1));
    EXPECT_EQ(window.Detection.Target, NoDetection);
    EXPECT_FALSE(window.Detection.GroupDetection);
}

TEST_F(DetectionTickTest, AButtonForATriggerRemovesTheTriggersAndSaysSo) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::Triggers, true, raw);
    Tick();
    raw.Buttons[6] = 0x80;
    EXPECT_TRUE(Tick());
    EXPECT_TRUE(ui.Dialogs.empty());
    ShowPendingDetectionMessage(window, ui);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Non-analog trigger detected");
    EXPECT_FALSE(GroupEnabled(layout, LayoutGroup::Triggers));
    EXPECT_EQ(window.Detection.Target, NoDetection);
}

TEST_F(DetectionTickTest, IgnoresWhatATargetCannotUse) {
    StartDetection(window.Detection, Stick1XTarget, raw);
    Tick();
    raw.Buttons[0] = 0x80;  // a button for a stick
    EXPECT_FALSE(Tick());
    raw.Buttons[0] = 0;
    StartDetection(window.Detection, RightTriggerTarget, raw);
    Tick();
    raw.POV[0] = 0;  // a POV for a trigger
    EXPECT_FALSE(Tick());
    EXPECT_EQ(layout.Changed, 0);
    EXPECT_EQ(window.Detection.Target, RightTriggerTarget);
}

TEST_F(DetectionTickTest, AButtonPressedOnTheButtonsTabIsPlacedNamedAndSelected) {
    ChangeControllerTab(window, ControllerTab::Buttons, raw);
    Tick();
    raw.Buttons[17] = 0x80;
    EXPECT_TRUE(Tick());
    EXPECT_EQ(At(17), (Location{130, 1 * 30 + 16}));
    EXPECT_EQ(layout.ButtonNames[17], "Button 18");
    EXPECT_EQ(window.SelectedButton, 17);
    raw.Buttons[17] = 0;
    raw.Buttons[15] = 0x80;
    Tick();
    EXPECT_EQ(At(15), (Location{96, 15 * 30 + 16}));
}

TEST_F(DetectionTickTest, AButtonAlreadyPlacedIsOnlySelected) {
    ChangeControllerTab(window, ControllerTab::Buttons, raw);
    layout.Locations[3] = {50, 60};
    layout.ButtonNames[3] = "Fire";
    Tick();
    raw.Buttons[3] = 0x80;
    EXPECT_TRUE(Tick());
    EXPECT_EQ(At(3), (Location{50, 60}));
    EXPECT_EQ(layout.ButtonNames[3], "Fire");
    EXPECT_EQ(layout.Changed, 0);
    EXPECT_EQ(ui.LayoutRedraws, 0);
    EXPECT_EQ(window.SelectedButton, 3);
}

TEST_F(DetectionTickTest, ButtonsPressedOnOtherTabsAreNotPlaced) {
    ChangeControllerTab(window, ControllerTab::Image, raw);
    Tick();
    raw.Buttons[1] = 0x80;
    EXPECT_FALSE(Tick());
    EXPECT_EQ(At(1).Left, 0);
}

}  // namespace
}  // namespace velmora::test
