#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Emission.h"
#include "engine/HeldInput.h"
#include "engine/SimulationTrace.h"
#include "support/RecordingInputSink.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

// The engine's emission sending through the held record, pass by pass.
struct HeldWorld {
    HeldInput Held;
    test::RecordingInputSink Output;
    HeldInputSink Sink{Output, Held};
    EmissionState State;

    void Pass(std::initializer_list<std::string_view> wanted) {
        for (auto name : wanted) State.Keys[*FindSlotCode(name)].Wanted = true;
        EmitKeys(State, Sink);
        CountDownRepeats(State);
    }
};

Lines Format(std::span<const InputRelease> releases) {
    Lines lines;
    for (const InputRelease& r : releases)
        lines.push_back(r.Mouse ? FormatMouse(r.Button) : FormatKeyboard(r.Key));
    return lines;
}

// What a crash would send now.
Lines TakeAll(HeldInput& held) {
    std::array<InputRelease, HeldInputSlots> out{};
    return Format(std::span(out).first(TakeReleases(held, out)));
}

TEST(HeldInput, ACrashReleasesOtherKeysBeforeModifiers) {
    HeldWorld w;
    w.Pass({"X", "Left Shift", "Right Control"});
    EXPECT_EQ(TakeAll(w.Held), (Lines{"key up 2D", "key up 1D ext", "key up 2A"}));

    HeldWorld later;  // a modifier pressed after the key still comes up after it
    later.Pass({"X"});
    later.Pass({"X", "Left Shift"});
    EXPECT_EQ(TakeAll(later.Held), (Lines{"key up 2D", "key up 2A"}));
}

TEST(HeldInput, EachGroupIsReleasedLatestPressFirst) {
    HeldWorld w;
    w.Pass({"A", "Left Shift"});
    w.Pass({"A", "Left Shift", "S", "Right Control", "Left Mouse Button (1)"});
    EXPECT_EQ(TakeAll(w.Held),
              (Lines{"mouse up left", "key up 1F", "key up 1E", "key up 1D ext", "key up 2A"}));
}

// A held key repeats every few passes: each repeat is a press of its own,
// which must not move the key behind what was pressed after it (a mouse
// button leaves the key the one that repeats).
TEST(HeldInput, ARepeatKeepsThePlaceOfTheFirstPress) {
    HeldWorld w;
    w.Pass({"A"});
    for (int i = 0; i < KeyRepeatDelay + 2 * KeyRepeatPeriod; ++i) w.Pass({"A", "Left Mouse Button (1)"});
    ASSERT_GT(w.Output.Keyboard.size(), 2u) << "the test needs repeats";
    EXPECT_EQ(TakeAll(w.Held), (Lines{"mouse up left", "key up 1E"}));
}

TEST(HeldInput, WhatTheEngineReleasedIsNotReleasedAgain) {
    HeldWorld w;
    w.Pass({"X", "Left Shift", "Middle Mouse Button (3)"});
    w.Pass({"Left Shift"});
    EXPECT_EQ(TakeAll(w.Held), Lines{"key up 2A"});

    HeldWorld all;
    all.Pass({"X", "Left Shift", "Right Mouse Button (2)"});
    ReleaseAllInput(all.State, all.Sink);
    EXPECT_EQ(TakeAll(all.Held), Lines{});
}

TEST(HeldInput, WheelStepsAndMovesAreNeverHeld) {
    HeldWorld w;
    w.Pass({"Mouse Wheel Up"});
    w.Sink.SendMouse({5, -3, 0, MouseMoveFlag});
    w.Sink.SendMouse({100, 100, 0, MouseMoveFlag | MouseAbsolute});
    ASSERT_EQ(w.Output.Mouse.size(), 3u);
    EXPECT_EQ(TakeAll(w.Held), Lines{});
}

TEST(HeldInput, TheSinkHandsOnEveryRecordUnchanged) {
    HeldWorld w;
    test::RecordingInputSink plain;
    EmissionState state;
    for (auto name : {"X", "Left Shift"}) {
        w.State.Keys[*FindSlotCode(name)].Wanted = true;
        state.Keys[*FindSlotCode(name)].Wanted = true;
    }
    EmitKeys(w.State, w.Sink);
    EmitKeys(state, plain);
    w.Sink.SendMouse({0, 0, -120, MouseWheelFlag});
    plain.SendMouse({0, 0, -120, MouseWheelFlag});
    EXPECT_EQ(w.Output.Lines, plain.Lines);
}

TEST(HeldInput, VirtualKeyReleasesKeepTheCodeAndTheExtendedFlag) {
    HeldWorld w;
    w.State.Mode = KeyCodeMode::VirtualKeys;
    w.Pass({"Right Control", "X"});
    EXPECT_EQ(TakeAll(w.Held), (Lines{"key up vk=58", "key up vk=11 ext"}));
}

// The exception filter and then the terminate handler may both run: the
// second finds nothing left to send.
TEST(HeldInput, TakingTwiceSendsEachReleaseOnce) {
    HeldWorld w;
    w.Pass({"X", "Left Mouse Button (1)"});
    EXPECT_EQ(TakeAll(w.Held).size(), 2u);
    EXPECT_EQ(TakeAll(w.Held), Lines{});
}

TEST(HeldInput, ReleasesThatDoNotFitStayForTheNextTake) {
    HeldWorld w;
    w.Pass({"A"});
    w.Pass({"A", "S"});
    w.Pass({"A", "S", "D"});
    std::array<InputRelease, 2> two{};
    ASSERT_EQ(TakeReleases(w.Held, two), 2u);
    EXPECT_EQ(Format(two), (Lines{"key up 20", "key up 1F"}));
    EXPECT_EQ(TakeAll(w.Held), Lines{"key up 1E"});
}

// A sink that crashes inside sending: what would the crash release then?
class CrashingSink : public InputSink {
public:
    explicit CrashingSink(HeldInput& held) : held_(held) {}
    Lines AtCrash;
    void SendKeyboard(const KeyboardRecord&) override { AtCrash = TakeAll(held_); }
    void SendMouse(const MouseRecord&) override { AtCrash = TakeAll(held_); }

private:
    HeldInput& held_;
};

TEST(HeldInput, ACrashWhileAPressGoesOutReleasesThatKey) {
    HeldInput held;
    CrashingSink output(held);
    HeldInputSink sink(output, held);
    sink.SendKeyboard(KeyRecord(*FindSlotCode("X"), false, KeyCodeMode::ScanCodes));
    EXPECT_EQ(output.AtCrash, Lines{"key up 2D"});
    sink.SendMouse(ButtonRecord(1, false));
    EXPECT_EQ(output.AtCrash, Lines{"mouse up right"});
}

TEST(HeldInput, ACrashWhileAReleaseGoesOutReleasesThatKeyAgain) {
    HeldInput held;
    test::RecordingInputSink quiet;
    HeldInputSink(quiet, held).SendKeyboard(KeyRecord(*FindSlotCode("X"), false, KeyCodeMode::ScanCodes));
    CrashingSink output(held);
    HeldInputSink(output, held).SendKeyboard(KeyRecord(*FindSlotCode("X"), true, KeyCodeMode::ScanCodes));
    EXPECT_EQ(output.AtCrash, Lines{"key up 2D"});
}

}  // namespace
}  // namespace velmora
