#include <gtest/gtest.h>

#include "model/AutoAssign.h"
#include "model/ProfileModel.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;

std::vector<std::uint8_t> FirstCodes(const ProfileType& profile, int first) {
    std::vector<std::uint8_t> codes;
    for (int d = 0; d < 4; ++d) {
        const auto& slots = profile.Current(first + d).Slots.Codes;
        codes.push_back(slots.empty() ? NoneCode : slots[0]);
    }
    return codes;
}

TEST(AutoAssign, NoneEmptiesTheGroupAndIsThenNotDetected) {
    ProfileType profile;
    RecordingUserInterface ui;
    AutoAssign(profile, Stick1Group, 0, ui);
    AutoAssign(profile, Stick1Group, 7, ui);
    for (int d = 0; d < 4; ++d) EXPECT_TRUE(profile.Current(Stick1Up + d).Slots.Codes.empty());
    EXPECT_EQ(DetectAutoAssign(profile, Stick1Group), NoAutoAssignChoice);
}

TEST(AutoAssign, PutsTheGroupBackIntoStandardMode) {
    ProfileType profile;
    RecordingUserInterface ui;
    SetGroupMode(profile, Stick2Group, EightWay, ui);
    SetGroupMode(profile, DPadGroup, Horizontal, ui);
    EXPECT_EQ(profile.Sets[0].StickModes[1], EightWay);
    AutoAssign(profile, Stick2Group, 99, ui);  // no such choice: only the mode is reset
    EXPECT_EQ(profile.Sets[0].StickModes[1], Standard);
    EXPECT_EQ(profile.Sets[0].DPadMode, Horizontal);
    EXPECT_TRUE(profile.Current(Stick2Up).Slots.Codes.empty());
}

TEST(AutoAssign, EveryChoiceIsDetectedAsItself) {
    for (int choice = 0; choice < 7; ++choice) {
        ProfileType profile;
        RecordingUserInterface ui;
        AutoAssign(profile, DPadGroup, choice, ui);
        EXPECT_EQ(DetectAutoAssign(profile, DPadGroup), choice);
    }
}

TEST(AutoAssign, InvertedYPutsMouseDownOnUp) {
    ProfileType profile;
    RecordingUserInterface ui;
    AutoAssign(profile, Stick1Group, 3, ui);
    EXPECT_EQ(FirstCodes(profile, Stick1Up), (std::vector<std::uint8_t>{4, 3, 2, 5}));
    AutoAssign(profile, Stick1Group, 5, ui);
    EXPECT_EQ(FirstCodes(profile, Stick1Up), (std::vector<std::uint8_t>{4, 5, 2, 3}));
}

TEST(AutoAssign, ChangesOnlyTheCurrentSet) {
    ProfileType profile;
    RecordingUserInterface ui;
    profile.CurrentSet = 3;
    AutoAssign(profile, DPadGroup, 1, ui);
    EXPECT_TRUE(profile.Changed);
    for (int set = 0; set < SetCount; ++set)
        EXPECT_EQ(profile.Sets[static_cast<std::size_t>(set)].Assignments[DPadUp].Slots.Codes.empty(),
                  set != 3);
    EXPECT_EQ(DetectAutoAssign(profile, DPadGroup), 1);
}

TEST(AutoAssign, ClosesTheAssignmentWindowAndRedrawsTheGroup) {
    ProfileType profile;
    RecordingUserInterface ui;
    ui.SetOpen(SettingsWindow::Assignment);
    AutoAssign(profile, Stick2Group, 6, ui);
    EXPECT_EQ(ui.Closed, std::vector<SettingsWindow>{SettingsWindow::Assignment});
    EXPECT_EQ(ui.DrawnButtons, (std::vector<int>{40, 41, 42, 43}));
    EXPECT_GE(ui.LayoutRedraws, 1);
}

TEST(DetectAutoAssign, ComparesOnlyTheFirstSlot) {
    ProfileType profile;
    RecordingUserInterface ui;
    AutoAssign(profile, DPadGroup, 0, ui);
    SetSlot(profile.Current(DPadLeft).Slots, 1, 17);
    EXPECT_EQ(DetectAutoAssign(profile, DPadGroup), 0);
    SetSlot(profile.Current(DPadLeft).Slots, 0, 18);
    EXPECT_EQ(DetectAutoAssign(profile, DPadGroup), NoAutoAssignChoice);
}

}  // namespace
}  // namespace velmora
