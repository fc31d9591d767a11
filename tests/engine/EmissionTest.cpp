#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "engine/Emission.h"
#include "support/RecordingInputSink.h"
#include "support/SlotCode.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

using test::Code;

// Runs the emission of passes first..last with the given codes wanted in
// each, as the main loop would (countdowns drop at the end of every pass).
struct Emitter {
    EmissionState State;
    test::RecordingInputSink Sink;
    int Pass = 0;

    bool Run(std::initializer_list<std::string_view> wanted) {
        for (auto name : wanted) State.Keys[Code(name)].Wanted = true;
        Sink.Pass = Pass++;
        const bool emitting = EmitKeys(State, Sink);
        CountDownRepeats(State);
        return emitting;
    }
    void Hold(std::initializer_list<std::string_view> wanted, int passes) {
        for (int i = 0; i < passes; ++i) Run(wanted);
    }
};

TEST(EmitKeys, ModifierGoesDownFirstAndUpLast) {
    Emitter e;
    e.Run({"X", "Left Shift"});
    e.Run({});
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 2A", "0 key down 2D", "1 key up 2D", "1 key up 2A"}));
}

TEST(EmitKeys, ACombinationPressesInCodeOrderNotSlotOrder) {
    Emitter e;
    e.Run({"X", "A"});
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "0 key down 2D"}));
}

TEST(EmitKeys, ScanAndVirtualKeyRecordsCarryExactlyTheirFieldsAndFlags) {
    const KeyboardRecord scanDown = KeyRecord(Code("Arrow Up"), false, KeyCodeMode::ScanCodes);
    EXPECT_EQ(scanDown.ScanCode, 0x48);
    EXPECT_EQ(scanDown.VirtualKey, 0);
    EXPECT_EQ(scanDown.Flags, 9u);
    EXPECT_EQ(KeyRecord(Code("A"), true, KeyCodeMode::ScanCodes).Flags, 10u);
    EXPECT_EQ(KeyRecord(Code("Arrow Up"), true, KeyCodeMode::ScanCodes).Flags, 11u);
    const KeyboardRecord vkUp = KeyRecord(Code("Arrow Up"), true, KeyCodeMode::VirtualKeys);
    EXPECT_EQ(vkUp.VirtualKey, 0x26);
    EXPECT_EQ(vkUp.ScanCode, 0);
    EXPECT_EQ(vkUp.Flags, 3u);
    EXPECT_EQ(KeyRecord(Code("A"), false, KeyCodeMode::VirtualKeys).Flags, 0u);
    // NumPad Enter has no capture key but still its virtual key for emission.
    EXPECT_EQ(KeyRecord(Code("NumPad Enter"), false, KeyCodeMode::VirtualKeys).VirtualKey, 0x0D);
}

TEST(EmitKeys, AHeldKeyRepeatsAfter50PassesThenEvery4) {
    Emitter e;
    e.Hold({"A"}, 60);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "50 key down 1E", "54 key down 1E", "58 key down 1E"}));
}

TEST(EmitKeys, ASecondKeyTakesOverTheRepeat) {
    Emitter e;
    e.Hold({"A"}, 10);
    e.Hold({"A", "B"}, 55);  // B pressed at pass 10, repeats from pass 60
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "10 key down 30", "60 key down 30", "64 key down 30"}));
}

TEST(EmitKeys, ReleasingAModifierDelaysTheRepeatBy50Passes) {
    Emitter e;
    e.Hold({"A", "Left Control"}, 52);  // A repeats at 50; Control never repeats
    e.Hold({"A"}, 60);                  // Control up at 52: next repeat at 102
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1D", "0 key down 1E", "50 key down 1E", "52 key up 1D",
                                   "102 key down 1E", "106 key down 1E", "110 key down 1E"}));
}

TEST(EmitKeys, AHeldWheelStepsAt0And50ThenEvery25) {
    Emitter e;
    e.Hold({"Mouse Wheel Down"}, 101);
    e.Run({});
    e.Run({"Mouse Wheel Up"});
    EXPECT_EQ(e.Sink.Lines,
              (Lines{"0 wheel -120", "50 wheel -120", "75 wheel -120", "100 wheel -120", "102 wheel +120"}));
}

TEST(EmitKeys, MouseButtonsPressOnceAndNeverRepeat) {
    Emitter e;
    e.Hold({"Left Mouse Button (1)", "Middle Mouse Button (3)"}, 70);
    e.Run({"Middle Mouse Button (3)"});
    e.Run({});
    EXPECT_EQ(e.Sink.Lines,
              (Lines{"0 mouse down left", "0 mouse down middle", "70 mouse up left", "71 mouse up middle"}));
    EXPECT_EQ(e.Sink.Mouse[0].Dx, 0);
    EXPECT_EQ(e.Sink.Mouse[0].Data, 0);
}

TEST(EmitKeys, KeyEmittingIsTrueOnlyWhileAKeyIsWanted) {
    Emitter e;
    EXPECT_FALSE(e.Run({"Left Mouse Button (1)", "Mouse Wheel Up"}));
    EXPECT_TRUE(e.Run({"A"}));
    EXPECT_FALSE(e.Run({}));
}

TEST(ReleaseAllInput, ReleasesEveryHeldKeyAndButtonOthersBeforeModifiers) {
    Emitter e;
    e.Run({"Left Shift", "Z", "Right Mouse Button (2)", "Mouse Wheel Up"});
    e.Sink.Clear();
    e.Sink.Pass = 7;
    e.State.Keys[Code("Q")].Wanted = true;  // a want of an unfinished pass is dropped
    ReleaseAllInput(e.State, e.Sink);
    EXPECT_EQ(e.Sink.Lines, (Lines{"7 key up 2C", "7 mouse up right", "7 key up 2A"}));
    e.Sink.Clear();
    e.Run({});
    EXPECT_TRUE(e.Sink.Lines.empty()) << "nothing is released twice";
}

}  // namespace
}  // namespace velmora
