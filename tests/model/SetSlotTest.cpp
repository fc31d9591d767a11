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

// The profile reader sets a whole list at once; it must leave the slots as
// clearing them and appending code by code does, run state included.
TEST(SetSlotCodes, LeavesTheSlotsAsAppendingCodeByCodeDoes) {
    const std::vector<std::vector<std::string_view>> lists{
        {},
        {"A"},
        {"Left Shift", "A"},
        {"A", "PAUSE 0.05s", "B", "CYCLE STOP", "CYCLE STOP", "C", "D", "CYCLE STOP"},
        {"CYCLE STOP", "PAUSE 0.05s"}};
    for (const auto& names : lists) {
        SlotType appended = Slots({"B", "PAUSE 0.05s", "C"});  // a list and a run state to replace
        appended.CycleIndex = 1;
        appended.StepIndex = 2;
        appended.SequenceState = Finished;
        SlotType whole = appended;
        std::vector<std::uint8_t> codes{NoneCode};  // None is never stored
        SetSlot(appended, -1, NoneCode);
        for (const auto name : names) {
            SetSlot(appended, appended.CodeCount(), Code(name));
            codes.push_back(Code(name));
        }
        SetSlotCodes(whole, codes);
        SCOPED_TRACE(names.size());
        EXPECT_EQ(whole.Codes, appended.Codes);
        ASSERT_EQ(whole.Cycles.size(), appended.Cycles.size());
        for (std::size_t c = 0; c < whole.Cycles.size(); ++c)
            EXPECT_EQ(Steps(whole.Cycles[c]), Steps(appended.Cycles[c]));
        EXPECT_EQ(whole.CycleIndex, appended.CycleIndex);
        EXPECT_EQ(whole.StepIndex, appended.StepIndex);
        EXPECT_EQ(whole.SequenceState, appended.SequenceState);
    }
}

}  // namespace
}  // namespace velmora
