// The system's sleep and wake: what is held goes up and the motors stop at
// sleep, nothing is pressed while asleep, and a pad pulled out and plugged in
// again while the system slept returns to its own entry with its profile,
// paired with the XInput user index it has now.

#include <gtest/gtest.h>

#include "app/SleepAndWake.h"
#include "support/MainPassWorld.h"

namespace velmora::test {
namespace {

struct Sleeper : MainPassWorld {
    void Suspend() { SystemSuspending(*State, Context, Sink); }
    void Resume() { SystemResumed(*State, Context); }
};

// Regression: a key held when the machine slept was still down at the wake.
TEST(SleepAndWake,
     SleepReleasesHeldKeysAndStopsRumble_NothingPressesWhileAsleep_TheHeldButtonPressesAgainAtWake) {
    Sleeper w;
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Api.Pads[0] = RawXInputState{};
    w.Api.Pads[0]->Buttons = XInputA;
    MainPassWorld::Press(w.Api.Device(0), 0);
    w.Run();
    ASSERT_EQ(w.Pad(0).DeviceKind, XInputDevice);
    AssignmentType& a = Button1Of(w.Pad(0));
    SetSlot(a.Slots, 0, *FindSlotCode("A"));
    a.Rumble = true;
    a.RumbleStrengths = {255, 1};
    w.Run();
    ASSERT_EQ(Count(w.Sink.Lines, "key down"), 1);
    w.Api.Calls.clear();
    w.Sink.Clear();

    w.Suspend();
    EXPECT_EQ(w.Sink.Lines.size(), 1u);
    EXPECT_EQ(Count(w.Sink.Lines, "key up"), 1);
    EXPECT_EQ(w.Api.Calls, (std::vector<std::string>{"XInput 0 0 0"}));
    w.Suspend();  // a second notice
    w.Run(5);     // the button is still held
    EXPECT_EQ(w.Sink.Lines.size(), 1u);
    EXPECT_EQ(w.Api.Calls.size(), 1u);

    w.Resume();
    w.Run(3);
    EXPECT_EQ(Count(w.Sink.Lines, "key down"), 1);
    EXPECT_EQ(w.Pad(0).DeviceKind, XInputDevice);  // paired again: the only pad
}

TEST(SleepAndWake, AToggledKeyIsReleasedAtSleepAndDoesNotComeBackAtWake) {
    Sleeper w;
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Run();
    AssignmentType& a = Button1Of(w.Pad(0));
    SetSlot(a.Slots, 0, *FindSlotCode("A"));
    a.Toggle = true;
    MainPassWorld::Press(w.Api.Device(0), 0);
    w.Run();
    MainPassWorld::Press(w.Api.Device(0), 0, false);
    w.Run(2);
    ASSERT_EQ(a.ToggleState, 1);
    w.Sink.Clear();

    w.Suspend();
    w.Resume();
    w.Run(5);
    EXPECT_EQ(w.Sink.Lines.size(), 1u);
    EXPECT_EQ(Count(w.Sink.Lines, "key up"), 1);
    EXPECT_EQ(a.ToggleState, 0);
}

// Regression: the rescan that the device change asked for ran before the
// stale device's read failed, took the plugged-in pad for the one still
// connected and left it out; then the read failed and the pad never came back.
TEST(SleepAndWake, APadReplugedWhileAsleepReturnsToItsEntryWithItsProfile) {
    Sleeper w;
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Run();
    SetSlot(Button1Of(w.Pad(0)).Slots, 0, *FindSlotCode("A"));
    w.Suspend();
    w.Api.Unplug(0);
    w.Api.Plug(MakeFakeDevice("Pad", 1, 2));  // the same model, back on another port
    w.List().RescanFlag = true;               // the system's device-change notice
    w.Run(3);
    w.Resume();
    w.Run(3);
    MainPassWorld::Press(w.Api.Device(1), 0);
    w.Run(2);
    ASSERT_EQ(w.List().Count(), 1u);
    EXPECT_EQ(w.Pad(0).Connection, Connected);
    EXPECT_EQ(Button1Of(w.Pad(0)).Slots.Codes, std::vector<std::uint8_t>{*FindSlotCode("A")});
    EXPECT_EQ(Count(w.Sink.Lines, "key down"), 1);
}

// Another pad took the user index of the pad that slept: without a new
// pairing it would be read and rumbled through the other one's.
TEST(SleepAndWake, AnXInputPadIsPairedAgainAtWake_WithTheUserIndexItHasNow) {
    Sleeper w;
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Api.Pads[0] = RawXInputState{};
    w.Run();
    ASSERT_EQ(w.Pad(0).XInputIndex, 0);
    w.Suspend();
    w.Api.Pads[0].reset();
    w.Api.Pads[1] = RawXInputState{};  // the same pad, now at index 1
    w.Resume();
    EXPECT_EQ(w.Pad(0).DeviceKind, UnidentifiedDevice);
    w.Run(2);
    EXPECT_EQ(w.Pad(0).DeviceKind, XInputDevice);
    EXPECT_EQ(w.Pad(0).XInputIndex, 1);
    EXPECT_EQ(w.Pad(0).Connection, Connected);
}

}  // namespace
}  // namespace velmora::test
