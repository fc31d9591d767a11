// The battery of XInput pads: read at pairing and then every 30 s, forgotten
// when the pad is not one any more, and one balloon per fall to low.

#include <gtest/gtest.h>

#include "devices/BatteryWatch.h"
#include "support/FakeDeviceApi.h"

namespace velmora::test {
namespace {

struct Batteries {
    FakeDeviceApi Api;
    ControllerListType List;

    Batteries() {
        ControllerDataType pad;
        pad.Name = "Pad";
        pad.DeviceKind = XInputDevice;
        pad.XInputIndex = 2;
        pad.DetectionSlot = 5;
        List.Controllers.push_back(pad);
    }
    ControllerDataType& Pad() { return List.Controllers[0]; }
    const ControllerDetectionDataType* Slot() const { return &List.Detection[5]; }
    const std::optional<BatteryState>& Battery() const { return List.Detection[5].Battery; }
    void Report(std::uint8_t type, std::uint8_t level) { Api.Batteries[2] = BatteryState{type, level}; }
    // Passes until the next read, and its answer.
    std::vector<std::size_t> NextRead() {
        const int before = Api.BatteryReads;
        std::vector<std::size_t> low;
        for (int pass = 0; pass <= BatteryReadPasses && Api.BatteryReads == before; ++pass)
            low = StepBatteries(List, Api);
        return low;
    }
};

TEST(BatteryWatch, APadIsReadAtOnceThenEvery3000Passes_AndForgottenWhenItIsNoPadAnyMore) {
    Batteries b;
    b.Report(BatteryNiMH, BatteryFull);
    StepBatteries(b.List, b.Api);
    EXPECT_EQ(b.Api.BatteryReads, 1);
    ASSERT_TRUE(b.Battery());
    for (int pass = 1; pass < BatteryReadPasses; ++pass) StepBatteries(b.List, b.Api);
    EXPECT_EQ(b.Api.BatteryReads, 1);
    StepBatteries(b.List, b.Api);
    EXPECT_EQ(b.Api.BatteryReads, 2);

    b.Pad().Connection = Lost;
    StepBatteries(b.List, b.Api);
    EXPECT_FALSE(b.Battery());
    b.Pad().Connection = Connected;
    StepBatteries(b.List, b.Api);  // back: read at once
    EXPECT_EQ(b.Api.BatteryReads, 3);

    b.Pad().DeviceKind = DirectInputDevice;
    StepBatteries(b.List, b.Api);
    EXPECT_EQ(b.Api.BatteryReads, 3);
    EXPECT_EQ(BatteryText(b.Slot()), "");
}

TEST(BatteryWatch, AWirelessPadIsToldLowOnce_AndAgainOnlyAfterALevelAboveLow) {
    Batteries b;
    b.Report(BatteryAlkaline, BatteryMedium);
    EXPECT_TRUE(b.NextRead().empty());
    b.Report(BatteryAlkaline, BatteryLow);
    EXPECT_EQ(b.NextRead(), std::vector<std::size_t>{0});
    EXPECT_TRUE(b.NextRead().empty());  // still low
    b.Report(BatteryAlkaline, BatteryEmpty);
    EXPECT_TRUE(b.NextRead().empty());         // lower still: told already
    b.Report(BatteryAlkaline, BatteryMedium);  // new batteries
    EXPECT_TRUE(b.NextRead().empty());
    b.Report(BatteryAlkaline, BatteryLow);
    EXPECT_EQ(b.NextRead(), std::vector<std::size_t>{0});
}

TEST(BatteryWatch, AWiredPadOrOneWithoutAnswerIsNeverLow) {
    Batteries b;
    b.Report(BatteryWired, BatteryEmpty);  // wired pads report no level worth a word
    EXPECT_TRUE(b.NextRead().empty());
    EXPECT_EQ(BatteryText(b.Slot()), "Wired");
    b.Api.Batteries[2].reset();  // XInput 9.1.0 has no battery entry
    EXPECT_TRUE(b.NextRead().empty());
    EXPECT_FALSE(b.Battery());
    EXPECT_EQ(BatteryText(b.Slot()), "");
    b.Report(BatteryNiMH, BatteryLow);
    EXPECT_EQ(BatteryText(b.Slot()), "");  // until it is read
    b.NextRead();
    EXPECT_EQ(BatteryText(b.Slot()), "Low");
}

}  // namespace
}  // namespace velmora::test
