#include "core/ProfileModel.h"

namespace velmora {
namespace {

bool IsCycleStop(std::uint8_t code) { return SlotCodeTable[code].Kind == SlotKind::CycleStop; }
bool IsPause(std::uint8_t code) { return SlotCodeTable[code].Kind == SlotKind::Pause; }

void EditCodes(std::vector<std::uint8_t>& codes, std::int32_t index, std::uint8_t code) {
    const auto count = static_cast<std::int32_t>(codes.size());
    if (index == -1) {
        codes.clear();
        if (code != NoneCode) codes.push_back(code);
    } else if (index == count) {
        if (code != NoneCode) codes.push_back(code);
    } else if (index >= 0 && index < count) {
        if (code == NoneCode)
            codes.erase(codes.begin() + index);
        else
            codes[static_cast<std::size_t>(index)] = code;
    }
}

// Cycle stops cut the list into cycles; within a cycle every pause is a step
// of its own and every run of other codes is one step.
void RebuildCycles(SlotType& slots) {
    slots.Cycles.clear();
    const std::int32_t count = slots.CodeCount();
    std::int32_t i = 0;
    for (;;) {
        while (i < count && IsCycleStop(slots.Codes[static_cast<std::size_t>(i)])) ++i;
        if (i >= count) break;
        CycleType& cycle = slots.Cycles.emplace_back();
        while (i < count && !IsCycleStop(slots.Codes[static_cast<std::size_t>(i)])) {
            SlotRange step{i, i};
            if (!IsPause(slots.Codes[static_cast<std::size_t>(i)])) {
                while (i + 1 < count && !IsCycleStop(slots.Codes[static_cast<std::size_t>(i + 1)]) &&
                       !IsPause(slots.Codes[static_cast<std::size_t>(i + 1)]))
                    ++i;
            }
            step.Last = i;
            cycle.Steps.push_back(step);
            ++i;
        }
    }
}

}  // namespace

void SetSlot(SlotType& slots, std::int32_t index, std::uint8_t code) {
    EditCodes(slots.Codes, index, code);
    RebuildCycles(slots);
    slots.CycleIndex = 0;
    slots.StepIndex = 0;
    if (!slots.Cycles.empty()) slots.SequenceState = slots.Cycles[0].Steps.size() == 1 ? Simple : Ready;
}

}  // namespace velmora
