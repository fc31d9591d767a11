// CaptureKeyboard over scripted keyboard states, pass by pass.

#include <gtest/gtest.h>

#include "app/settings/KeyboardCapture.h"
#include "support/KeyboardKeys.h"

namespace velmora {
namespace {

using namespace test::keys;
constexpr std::uint8_t RightShift = 101;

struct Keyboard {
    KeyboardStateType State{};
    std::uint8_t Last = NoCapturedKey;
    CaptureGuards Guards{.AssignmentWindowActive = true};

    Keyboard& Down(std::uint8_t virtualKey) {
        State[virtualKey] = 0x80;
        return *this;
    }
    Keyboard& Up(std::uint8_t virtualKey) {
        State[virtualKey] = 0;
        return *this;
    }
    CaptureResult Pass() { return CaptureKeyboard(State, Guards, Last); }
};

TEST(CaptureKeyboard, OneKeyDownIsAssignedOnceWhileHeld) {
    Keyboard keyboard;
    keyboard.Down(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, A);
    EXPECT_EQ(keyboard.Pass().Assign, std::nullopt);
    EXPECT_EQ(keyboard.Pass().Assign, std::nullopt);
    // Released and pressed again, it is assigned again.
    keyboard.Up(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, std::nullopt);
    EXPECT_EQ(keyboard.Last, NoCapturedKey);
    keyboard.Down(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, A);
}

TEST(CaptureKeyboard, ShiftThenAAssignsShiftThenA) {
    Keyboard keyboard;
    keyboard.Down(0xA0).Down(0x10);  // the system sets the generic Shift too
    EXPECT_EQ(keyboard.Pass().Assign, LeftShift);
    keyboard.Up(0xA0).Up(0x10);
    keyboard.Pass();
    keyboard.Down(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, A);
}

TEST(CaptureKeyboard, TwoKeysAtOnceAssignNeither) {
    Keyboard keyboard;
    keyboard.Down(0x41).Down(0x42);
    const CaptureResult result = keyboard.Pass();
    EXPECT_EQ(result.Assign, std::nullopt);
    EXPECT_TRUE(result.TakeFocus);
}

// After a chord the highest code is remembered: the modifier still held once
// the letter is released is not assigned a second time.
TEST(CaptureKeyboard, AModifierStillHeldAfterAChordIsNotAssignedAgain) {
    Keyboard keyboard;
    keyboard.Down(0xA0);
    EXPECT_EQ(keyboard.Pass().Assign, LeftShift);
    keyboard.Down(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, std::nullopt);
    EXPECT_EQ(keyboard.Last, LeftShift);
    keyboard.Up(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, std::nullopt);
    // The letter held on after the modifier went up is a new single key.
    keyboard.Down(0x42);
    keyboard.Pass();
    keyboard.Up(0xA0);
    EXPECT_EQ(keyboard.Pass().Assign, B);
}

TEST(CaptureKeyboard, NothingWhileTheEngineEmitsOrTextHasTheFocus) {
    const auto assigned = [](CaptureGuards guards) {
        Keyboard keyboard;
        keyboard.Guards = guards;
        keyboard.Down(0x41);
        const CaptureResult result = keyboard.Pass();
        return result.Assign.has_value() || result.TakeFocus;
    };
    EXPECT_FALSE(assigned({.KeyEmitting = true, .AssignmentWindowActive = true}));
    EXPECT_FALSE(assigned({.AssignmentWindowActive = true, .NameBoxFocused = true}));
    EXPECT_FALSE(assigned({.AdvancedWindowActive = true, .AdvancedOpen = true, .TestBoxFocused = true}));
    EXPECT_FALSE(assigned({}));  // neither window active
    EXPECT_TRUE(assigned({.AdvancedWindowActive = true, .AdvancedOpen = true}));
}

TEST(CaptureKeyboard, TheKeyDownWhileCaptureWaitedIsAssignedWhenItResumes) {
    Keyboard keyboard;
    keyboard.Guards.KeyEmitting = true;
    keyboard.Down(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, std::nullopt);
    keyboard.Guards.KeyEmitting = false;
    EXPECT_EQ(keyboard.Pass().Assign, A);
}

// Alt Gr, NumPad Enter and the unnamed keys have capture code 0: a state byte
// 0 with its high bit set must not make them count as down.
TEST(CaptureKeyboard, KeysWithoutACaptureCodeNeverCount) {
    Keyboard keyboard;
    keyboard.Down(0x00);
    EXPECT_FALSE(keyboard.Pass().TakeFocus);
    keyboard.Down(0x41);
    EXPECT_EQ(keyboard.Pass().Assign, A);
}

TEST(CaptureKeyboard, OlderWindowsTellNoRightShiftButTheirShiftIsLeftShift) {
    Keyboard keyboard;
    keyboard.Guards.LegacyWindows = true;
    keyboard.Down(0x10).Down(0xA1);  // legacy systems show the generic Shift only
    EXPECT_EQ(keyboard.Pass().Assign, LeftShift);
    keyboard.Guards.LegacyWindows = false;
    keyboard.Last = NoCapturedKey;
    keyboard.Up(0x10);
    EXPECT_EQ(keyboard.Pass().Assign, RightShift);
}

}  // namespace
}  // namespace velmora
