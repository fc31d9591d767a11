// The advanced window's labels, the turbo lamp, the Rumble page and the set
// selector list with its mirror.

#include <gtest/gtest.h>

#include <memory>

#include "app/settings/AdvancedAssignmentPages.h"
#include "model/ProfileModel.h"
#include "support/KeyboardKeys.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using namespace test::keys;

TEST(AdvancedLabels, PauseDelayRateAndStrength) {
    EXPECT_EQ(PauseLabel(10), "Pause 0.10s");
    EXPECT_EQ(PauseLabel(250), "Pause 2.50s");
    EXPECT_EQ(PauseLabel(5), "Pause 0.05s");
    EXPECT_EQ(TurboDelayLabel(3), "Delay: 0.03 seconds");
    EXPECT_EQ(TurboRateLabel(3), "Rate: 33.3 per second");
    EXPECT_EQ(TurboRateLabel(10), "Rate: 10.0 per second");
    EXPECT_EQ(TurboRateLabel(250), "Rate: 0.4 per second");
    EXPECT_EQ(TurboRateLabel(7), "Rate: 14.2 per second");  // cut, not rounded
    EXPECT_EQ(RumbleStrengthLabel(RumbleSide::Left, 128), "Strength: Left 50%");
    EXPECT_EQ(RumbleStrengthLabel(RumbleSide::Right, 255), "Strength: Right 100%");
    EXPECT_EQ(RumbleStrengthLabel(RumbleSide::Right, 2), "Strength: Right 0%");
}

TEST(TurboSlider, StoresTheDelayAndRestartsThePhase) {
    auto profile = std::make_unique<ProfileType>();
    profile->Current(4).TurboCounter = 7;
    SetTurboRate(*profile, 4, 3);
    EXPECT_EQ(profile->Current(4).TurboRate, 3);
    EXPECT_EQ(profile->Current(4).TurboCounter, 0);
    EXPECT_TRUE(profile->Changed);
}

TEST(TurboLamp, LightsOnMultiplesOfTheDelayWhileTurboIsOnThenFades) {
    AssignmentType assignment;
    assignment.TurboRate = 4;
    EXPECT_FALSE(TurboLampLights(assignment, 8));
    assignment.Turbo = true;
    std::vector<int> lit;
    for (std::uint32_t pass = 0; pass < 12; ++pass)
        if (TurboLampLights(assignment, pass)) lit.push_back(static_cast<int>(pass));
    EXPECT_EQ(lit, (std::vector<int>{0, 4, 8}));
    TurboLampState lamp;
    AdvanceTurboLamp(lamp, true);
    const ColourType bright = TurboLampColour(lamp);
    EXPECT_EQ(bright.Blue, 0);  // Yellow
    AdvanceTurboLamp(lamp, false);
    EXPECT_GT(TurboLampColour(lamp).Blue, 0);
    // The 32 advances when the window shows leave it dark.
    for (int i = 0; i < 32; ++i) AdvanceTurboLamp(lamp, false);
    EXPECT_EQ(lamp.Glow, 0);
    EXPECT_EQ(TurboLampColour(lamp).Red, 128);
}

TEST(RumblePage, AvailableUndeterminedOrUnavailable) {
    AssignmentType assignment;
    ControllerDataType controller;
    controller.CanRumble = true;
    RumblePageView view = ViewRumblePage(assignment, controller);
    EXPECT_EQ(view.Kind, RumblePageKind::Available);
    EXPECT_TRUE(view.CheckBoxShown);
    EXPECT_EQ(view.LeftLabel, "Strength: Left 50%");
    controller.CanRumble = false;
    controller.DeviceKind = XInputDevice;
    EXPECT_EQ(ViewRumblePage(assignment, controller).Kind, RumblePageKind::Available);
    controller.DeviceKind = UnidentifiedDevice;
    view = ViewRumblePage(assignment, controller);
    EXPECT_EQ(view.Kind, RumblePageKind::Undetermined);
    EXPECT_FALSE(view.CheckBoxShown);
    EXPECT_EQ(view.Label, "Rumble availability undetermined. Press a button, trigger or DPad direction");
    controller.DeviceKind = DirectInputDevice;
    EXPECT_EQ(ViewRumblePage(assignment, controller).Label,
              "Rumble unavailable. Click the Help button for more information");
}

TEST(RumbleStrengths, AreStoredAndTestedForTwentyFivePassesOnlyWithRumbleTicked) {
    auto profile = std::make_unique<ProfileType>();
    RumbleTestRequest test;
    SetRumbleStrengths(*profile, 2, 200, 10, 1, test);
    EXPECT_EQ(profile->Current(2).RumbleStrengths, (std::array<std::uint8_t, 2>{200, 10}));
    EXPECT_EQ(test.Passes, 0u);
    profile->Current(2).Rumble = true;
    SetRumbleStrengths(*profile, 2, 0, 255, 1, test);
    EXPECT_EQ(test.Controller, 1);
    EXPECT_EQ(test.Passes, 25u);
    EXPECT_EQ(test.Strengths, (std::array<std::uint8_t, 2>{0, 255}));
}

TEST(SetSelectorList, SetThreeListsTheOtherSevenSetsTwice) {
    const std::vector<std::string> items = SetSelectorItems(2);
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0], "No");
    EXPECT_EQ(items[1], "Selects Set 1");
    EXPECT_EQ(items[2], "Selects Set 2");
    EXPECT_EQ(items[3], "Selects Set 4");
    EXPECT_EQ(items[7], "Selects Set 8");
    EXPECT_EQ(items[8], "Selects Set 1 while held");
    EXPECT_EQ(items[14], "Selects Set 8 while held");
}

TEST(SetSelectorList, ChoosingSelectsSetEightLatchesAndMakesTheMirror) {
    auto profile = std::make_unique<ProfileType>();
    profile->CurrentSet = 2;
    SetSlot(profile->Current(0).Slots, 0, A);
    test::RecordingUserInterface ui;
    ChooseSetSelectorItem(*profile, 0, 7, ui);
    const AssignmentType& source = profile->Current(0);
    EXPECT_EQ(source.SetSelect, 7);
    EXPECT_TRUE(source.Toggle);
    const AssignmentType& mirror = profile->Sets[7].Assignments[0];
    EXPECT_EQ(mirror.SetSelect, 2);
    EXPECT_TRUE(mirror.Toggle);
    EXPECT_EQ(mirror.Slots.Codes, std::vector<std::uint8_t>{A});
    EXPECT_EQ(SetSelectorItemOf(source, 2), 7);
    // The mirror, seen from set 8, shows "Selects Set 3" (its fourth item there is set 4).
    EXPECT_EQ(SetSelectorItems(7)[static_cast<std::size_t>(SetSelectorItemOf(mirror, 7))], "Selects Set 3");
}

TEST(SetSelectorList, WhileHeldThenAnotherTargetEmptiesTheOldMirror) {
    auto profile = std::make_unique<ProfileType>();
    profile->CurrentSet = 2;
    test::RecordingUserInterface ui;
    ChooseSetSelectorItem(*profile, 0, 8, ui);  // "Selects Set 1 while held"
    EXPECT_EQ(profile->Current(0).SetSelect, 0);
    EXPECT_FALSE(profile->Current(0).Toggle);
    EXPECT_EQ(SetSelectorItemOf(profile->Current(0), 2), 8);
    EXPECT_EQ(profile->Sets[0].Assignments[0].SetSelect, 2);
    ChooseSetSelectorItem(*profile, 0, 3, ui);  // "Selects Set 4"
    EXPECT_EQ(profile->Sets[0].Assignments[0].SetSelect, NoSet);
    EXPECT_EQ(profile->Sets[3].Assignments[0].SetSelect, 2);
    ChooseSetSelectorItem(*profile, 0, 0, ui);  // "No"
    EXPECT_EQ(profile->Current(0).SetSelect, NoSet);
    EXPECT_FALSE(profile->Current(0).Toggle);
    EXPECT_EQ(profile->Sets[3].Assignments[0].SetSelect, NoSet);
    EXPECT_EQ(SetSelectorItemOf(profile->Current(0), 2), 0);
}

TEST(AdvancedWindowView, RefillsEveryControlFromTheAssignment) {
    auto profile = std::make_unique<ProfileType>();
    profile->CurrentSet = 2;
    AssignmentType& assignment = profile->Current(1);
    assignment.Turbo = true;
    assignment.TurboRate = 3;
    assignment.SetSelect = 0;
    SetSlot(assignment.Slots, 0, A);
    AssignmentEditState edit;
    edit.Control = 1;
    edit.PauseLength = 37;
    ControllerDataType controller;
    AdvancedAssignmentView view = ViewAdvancedAssignmentWindow(*profile, edit, controller, false);
    EXPECT_TRUE(view.Turbo);
    EXPECT_EQ(view.PauseText, "Pause 0.37s");
    EXPECT_EQ(view.TurboRateText, "Rate: 33.3 per second");
    EXPECT_EQ(view.SetSelectorList[static_cast<std::size_t>(view.SetSelectorItem)],
              "Selects Set 1 while held");
    EXPECT_EQ(view.Rumble.Kind, RumblePageKind::Unavailable);
    EXPECT_TRUE(view.InsertEnabled);
    EXPECT_FALSE(view.MemoEnabled);
    edit.SlotPosition = 1;  // the empty place
    view = ViewAdvancedAssignmentWindow(*profile, edit, controller, true);
    EXPECT_FALSE(view.InsertEnabled);
    EXPECT_TRUE(view.MemoEnabled);
}

}  // namespace
}  // namespace velmora
