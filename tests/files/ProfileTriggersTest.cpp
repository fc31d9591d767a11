// Trigger adaptation of a loaded profile to the layout's controls.

#include <gtest/gtest.h>

#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

constexpr int Button11 = 10;
constexpr int Button12 = 11;

std::array<bool, ControlCount> Placed(std::initializer_list<int> controls) {
    std::array<bool, ControlCount> placed{};
    for (const int c : controls) placed[static_cast<std::size_t>(c)] = true;
    return placed;
}

void Give(ProfileType& profile, int set, int control, const char* code, const char* name = "") {
    AssignmentType& a =
        profile.Sets[static_cast<std::size_t>(set)].Assignments[static_cast<std::size_t>(control)];
    SetSlot(a.Slots, a.Slots.CodeCount(), *FindSlotCode(code));
    a.Name = name;
}

const AssignmentType& At(const ProfileType& p, int set, int control) {
    return p.Sets[static_cast<std::size_t>(set)].Assignments[static_cast<std::size_t>(control)];
}

TEST(TriggerAdaptation, ButtonAssignmentsMoveToEmptyTriggersInEverySet) {
    ProfileType profile;
    for (int s = 0; s < SetCount; ++s) Give(profile, s, Button11, "A", "fire");
    Give(profile, 0, Button12, "B");
    Give(profile, 0, TriggerRight, "C");  // occupied: Button12 stays
    AdaptTriggers(profile, Placed({0, TriggerLeft, TriggerRight}));
    for (int s = 0; s < SetCount; ++s) {
        EXPECT_EQ(At(profile, s, TriggerLeft).Slots.Codes, std::vector<std::uint8_t>{*FindSlotCode("A")});
        EXPECT_EQ(At(profile, s, TriggerLeft).Name, "fire");
        EXPECT_EQ(At(profile, s, Button11).Slots.CodeCount(), 0);
    }
    EXPECT_EQ(At(profile, 0, Button12).Slots.Codes, std::vector<std::uint8_t>{*FindSlotCode("B")});
    EXPECT_EQ(At(profile, 0, TriggerRight).Slots.Codes, std::vector<std::uint8_t>{*FindSlotCode("C")});
}

TEST(TriggerAdaptation, TriggerAssignmentsMoveToEmptyButtonsTheOtherWay) {
    ProfileType profile;
    Give(profile, 3, TriggerRight, "Q");
    AdaptTriggers(profile, Placed({Button11, Button12}));
    EXPECT_EQ(At(profile, 3, Button12).Slots.Codes, std::vector<std::uint8_t>{*FindSlotCode("Q")});
    EXPECT_EQ(At(profile, 3, TriggerRight).Slots.CodeCount(), 0);
}

TEST(TriggerAdaptation, NothingMovesWhenTheLayoutHasBothOrHalf) {
    ProfileType profile;
    Give(profile, 0, Button11, "A");
    Give(profile, 0, TriggerRight, "B");
    for (const auto& placed : {Placed({Button11, Button12, TriggerLeft, TriggerRight}), Placed({TriggerLeft}),
                               Placed({Button12, TriggerLeft, TriggerRight}), Placed({Button11})}) {
        ProfileType copy = profile;
        AdaptTriggers(copy, placed);
        EXPECT_EQ(At(copy, 0, Button11).Slots.CodeCount(), 1);
        EXPECT_EQ(At(copy, 0, TriggerRight).Slots.CodeCount(), 1);
    }
}

}  // namespace
}  // namespace velmora
