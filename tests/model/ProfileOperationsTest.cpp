#include <gtest/gtest.h>

#include "model/ProfileModel.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;

TEST(NewProfile, ResetsAllEightSetsWhateverThePreviousProfileHeld) {
    ProfileType profile;
    profile.FileName = "C:\\Games\\old.velmoraprofile";
    profile.Changed = true;
    profile.CurrentSet = 5;
    profile.RequestedSet = 2;
    for (SetType& set : profile.Sets) {
        set.StickDeadZones = {9, 9};
        set.StickDiagonalSizes = {10, 80};
        set.TriggerDeadZones = {200, 3};
        set.DPadMode = EightWay;
        set.StickModes = {Vertical, Diagonal};
        set.Assignments[57].Name = "Jump";
        set.Assignments[57].Turbo = true;
        set.Assignments[57].SetSelect = 0;
        SetSlot(set.Assignments[57].Slots, -1, 16);
    }
    ConfigurationType configuration;
    configuration.DefaultStickDeadZone = 30;
    configuration.DefaultTriggerDeadZone = 12;
    NewProfile(profile, configuration);

    EXPECT_EQ(profile.Name, "(Untitled profile)");
    EXPECT_TRUE(profile.FileName.empty());
    EXPECT_FALSE(profile.Changed);
    EXPECT_EQ(profile.CurrentSet, 0);
    EXPECT_EQ(profile.RequestedSet, NoSet);
    for (const SetType& set : profile.Sets) {
        EXPECT_EQ(set.StickDeadZones, (std::array<std::uint8_t, 2>{30, 30}));
        EXPECT_EQ(set.StickDiagonalSizes, (std::array<std::uint8_t, 2>{45, 45}));
        EXPECT_EQ(set.TriggerDeadZones, (std::array<std::uint8_t, 2>{12, 12}));
        EXPECT_EQ(set.DPadMode, Standard);
        EXPECT_EQ(set.StickModes, (std::array<std::uint8_t, 2>{Standard, Standard}));
        const AssignmentType& a = set.Assignments[57];
        EXPECT_TRUE(a.Name.empty());
        EXPECT_TRUE(a.Slots.Codes.empty());
        EXPECT_TRUE(a.Slots.Cycles.empty());
        EXPECT_FALSE(a.Turbo);
        EXPECT_EQ(a.SetSelect, NoSet);
    }
}

TEST(LayoutMenu, ToggleFollowsToTheSetSelectorMirror) {
    ProfileType profile;
    RecordingUserInterface ui;
    ChooseSetSelector(profile, 3, 2, false, ui);  // Set 1 selects Set 3 while held
    EXPECT_EQ(profile.Sets[2].Assignments[3].SetSelect, 0);
    profile.Current(3).ToggleState = 1;
    SwitchToggle(profile, 3, ui);
    EXPECT_TRUE(profile.Current(3).Toggle);
    EXPECT_EQ(profile.Current(3).ToggleState, 0);
    EXPECT_TRUE(profile.Sets[2].Assignments[3].Toggle);
    EXPECT_TRUE(profile.Changed);
    EXPECT_EQ(ui.DrawnButtons.back(), 3);
}

TEST(LayoutMenu, ToggleLeavesATargetThatSelectsAnotherSetAlone) {
    ProfileType profile;
    RecordingUserInterface ui;
    ChooseSetSelector(profile, 3, 2, false, ui);
    profile.Sets[2].Assignments[3].SetSelect = 4;  // no longer the way back
    SwitchToggle(profile, 3, ui);
    EXPECT_FALSE(profile.Sets[2].Assignments[3].Toggle);
}

TEST(LayoutMenu, TurboRumbleAndClearEachMarkTheProfileAndRedraw) {
    ProfileType profile;
    RecordingUserInterface ui;
    profile.Current(7).TurboCounter = 5;
    SwitchTurbo(profile, 7, ui);
    EXPECT_TRUE(profile.Current(7).Turbo);
    EXPECT_EQ(profile.Current(7).TurboCounter, 0);
    SwitchRumble(profile, 7, ui);
    EXPECT_TRUE(profile.Current(7).Rumble);
    SetSlot(profile.Current(7).Slots, -1, 16);
    ClearControl(profile, 7, ui);
    EXPECT_FALSE(profile.Current(7).Turbo);
    EXPECT_TRUE(profile.Current(7).Slots.Codes.empty());
    EXPECT_TRUE(profile.Changed);
    EXPECT_EQ(ui.DrawnButtons, (std::vector<int>{7, 7, 7}));
}

TEST(SetSelector, ChoosingANewTargetEmptiesTheOldMirror) {
    ProfileType profile;
    RecordingUserInterface ui;
    profile.CurrentSet = 1;
    SetSlot(profile.Current(0).Slots, -1, 16);
    ChooseSetSelector(profile, 0, 4, true, ui);
    const AssignmentType& mirror = profile.Sets[4].Assignments[0];
    EXPECT_EQ(mirror.SetSelect, 1);
    EXPECT_TRUE(mirror.Toggle);
    EXPECT_EQ(mirror.Slots.Codes, std::vector<std::uint8_t>{16});
    ChooseSetSelector(profile, 0, NoSet, true, ui);
    EXPECT_EQ(profile.Current(0).SetSelect, NoSet);
    EXPECT_FALSE(profile.Current(0).Toggle);
    EXPECT_EQ(mirror.SetSelect, NoSet);
    EXPECT_TRUE(mirror.Slots.Codes.empty());
}

TEST(SetSelector, NeverSelectsItsOwnSet) {
    ProfileType profile;
    RecordingUserInterface ui;
    profile.CurrentSet = 2;
    ChooseSetSelector(profile, 0, 2, true, ui);
    EXPECT_EQ(profile.Current(0).SetSelect, NoSet);
}

}  // namespace
}  // namespace velmora
