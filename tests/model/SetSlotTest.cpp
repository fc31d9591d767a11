#include <gtest/gtest.h>

#include "model/ProfileModel.h"
#include "support/SlotCode.h"

namespace velmora {
namespace {

using test::Code;

SlotType Slots(std::initializer_list<std::string_view> names) {
    SlotType slots;
    for (auto name : names) SetSlot(slots, slots.CodeCount(), Code(name));
    return slots;
}

std::vector<std::pair<int, int>> Steps(const CycleType& cycle) {
    std::vector<std::pair<int, int>> steps;
    for (const SlotRange& s : cycle.Steps) steps.emplace_back(s.First, s.Last);
    return steps;
}

TEST(SetSlot, EmptyingAnEmptyListKeepsTheSequenceState) {
    SlotType slots;
    slots.SequenceState = Done;
    SetSlot(slots, -1, NoneCode);
    EXPECT_EQ(slots.CodeCount(), 0);
    EXPECT_EQ(slots.SequenceState, Done);
}

TEST(SetSlot, NoneAtTheEndChangesNothingAndBelowItDeletesOneCode) {
    SlotType slots = Slots({"A", "B", "C"});
    SetSlot(slots, 3, NoneCode);
    EXPECT_EQ(slots.CodeCount(), 3);
    SetSlot(slots, 1, NoneCode);
    EXPECT_EQ(slots.Codes, (std::vector<std::uint8_t>{Code("A"), Code("C")}));
}

TEST(SetSlot, CycleStopsAloneMakeNoCycle) {
    EXPECT_TRUE(Slots({"CYCLE STOP", "CYCLE STOP"}).Cycles.empty());
}

TEST(SetSlot, RepeatedAndTrailingCycleStopsMakeNoEmptyCycle) {
    SlotType slots = Slots({"A", "CYCLE STOP", "CYCLE STOP", "B", "CYCLE STOP"});
    ASSERT_EQ(slots.Cycles.size(), 2u);
    EXPECT_EQ(Steps(slots.Cycles[0]), (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_EQ(Steps(slots.Cycles[1]), (std::vector<std::pair<int, int>>{{3, 3}}));
}

TEST(SetSlot, EveryPauseIsAStepOfItsOwn) {
    SlotType slots = Slots({"A", "B", "PAUSE 0.05s", "PAUSE 0.05s", "C"});
    ASSERT_EQ(slots.Cycles.size(), 1u);
    EXPECT_EQ(Steps(slots.Cycles[0]), (std::vector<std::pair<int, int>>{{0, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_EQ(slots.SequenceState, Ready);
}

TEST(SetSlot, ACombinationIsOneSimpleStep) {
    SlotType slots = Slots({"Left Shift", "A"});
    ASSERT_EQ(slots.Cycles.size(), 1u);
    EXPECT_EQ(Steps(slots.Cycles[0]), (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(slots.SequenceState, Simple);
}

}  // namespace
}  // namespace velmora
