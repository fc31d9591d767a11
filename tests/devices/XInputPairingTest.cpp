#include <gtest/gtest.h>

#include "support/DeviceWorld.h"
#include "devices/XInputPairing.h"

namespace velmora::test {
namespace {

// Two unidentified controllers and whatever pads the test connects.
struct Pairing : DeviceWorld {
    explicit Pairing(int controllers = 2) {
        for (int k = 0; k < controllers; ++k)
            Api.Plug(MakeFakeDevice("Pad", 1, static_cast<std::uint8_t>(k)));
        Rescan();
    }
    void Pass() { IdentifyXInput(Context); }
};

TEST(XInputPairing, OneCandidateAndOneFreePadArePairedAtOnceEvenIfTheyDiffer) {
    Pairing p(1);
    p.Api.Pads[2] = RawXInputState{};
    p.Pad(0).RawJoy.Buttons[3] = 0x80;  // not even the same presses
    p.Pass();
    EXPECT_EQ(p.Pad(0).DeviceKind, XInputDevice);
    EXPECT_EQ(p.Pad(0).XInputIndex, 2);
    EXPECT_TRUE(p.List.IdentificationDone);
    EXPECT_TRUE(p.Pad(0).CanRumble);
}

TEST(XInputPairing, TwoIdenticalPadsWaitUntilOnePressSinglesOneOut) {
    Pairing p;
    p.Api.Pads[0] = RawXInputState{};
    p.Api.Pads[1] = RawXInputState{};
    p.Pass();
    EXPECT_EQ(p.Pad(0).DeviceKind, UnidentifiedDevice);
    EXPECT_EQ(p.Pad(1).DeviceKind, UnidentifiedDevice);
    EXPECT_FALSE(p.List.IdentificationDone);
    // Controller 1 presses A and pad 1 reports it: the only active pair.
    p.Pad(1).RawJoy.Buttons[0] = 0x80;
    p.Api.Pads[1]->Buttons = XInputA;
    p.Pass();
    EXPECT_EQ(p.Pad(1).DeviceKind, XInputDevice);
    EXPECT_EQ(p.Pad(1).XInputIndex, 1);
    // The remaining pair now is one candidate and one free pad.
    p.Pad(1).RawJoy.Buttons[0] = 0;
    p.Pass();
    EXPECT_EQ(p.Pad(0).DeviceKind, XInputDevice);
    EXPECT_EQ(p.Pad(0).XInputIndex, 0);
    EXPECT_TRUE(p.List.IdentificationDone);
}

TEST(XInputPairing, WithSeveralActivePairsOnlyAMatchingOneIsTaken) {
    Pairing p;
    p.Api.Pads[0] = RawXInputState{};
    p.Api.Pads[3] = RawXInputState{};
    p.Pad(0).RawJoy.Buttons[1] = 0x80;  // B
    p.Pad(1).RawJoy.POV[0] = 13500;     // down-right
    p.Api.Pads[0]->Buttons = XInputDPadDown | XInputDPadRight;
    p.Api.Pads[3]->Buttons = XInputX;
    p.Pass();
    EXPECT_EQ(p.Pad(0).DeviceKind, UnidentifiedDevice);
    EXPECT_EQ(p.Pad(1).DeviceKind, XInputDevice);
    EXPECT_EQ(p.Pad(1).XInputIndex, 0);
}

TEST(XInputPairing, AMovingControllerIsDirectInputWhenNoFreePadMoves) {
    Pairing p;
    p.Api.Pads[0] = RawXInputState{};
    p.Api.Pads[1] = RawXInputState{};
    p.Pad(0).RawJoy.Z = 40000;
    p.Pass();
    EXPECT_EQ(p.Pad(0).DeviceKind, DirectInputDevice);
    EXPECT_EQ(p.Pad(0).XInputIndex, NoXInputIndex);
    EXPECT_EQ(p.Pad(1).DeviceKind, UnidentifiedDevice);
}

TEST(XInputPairing, APadInUseIsNotFree) {
    Pairing p;
    p.Api.Pads[0] = RawXInputState{};
    p.Api.Pads[1] = RawXInputState{};
    SetDeviceKind(p.Context, 0, XInputDevice, 1);
    p.Pass();  // one candidate left, one free pad: index 0
    EXPECT_EQ(p.Pad(1).XInputIndex, 0);
}

TEST(XInputPairing, WithoutFreePadsEveryCandidateIsDirectInput) {
    Pairing p;
    p.Pass();
    EXPECT_EQ(p.Pad(0).DeviceKind, DirectInputDevice);
    EXPECT_EQ(p.Pad(1).DeviceKind, DirectInputDevice);
    EXPECT_TRUE(p.List.IdentificationDone);
}

TEST(XInputPairing, WithoutXInputEveryControllerIsNoXInput) {
    Pairing p;
    p.Api.Status = XInputNotFound;
    p.Api.Pads[0] = RawXInputState{};
    p.Pass();
    EXPECT_EQ(p.Pad(0).DeviceKind, NoXInputDevice);
    EXPECT_EQ(p.Pad(1).DeviceKind, NoXInputDevice);
    EXPECT_TRUE(p.List.IdentificationDone);
}

TEST(XInputPairing, TriggersMatchThroughTheSharedZAxis) {
    RawJoyState joy;
    RawXInputState pad;
    joy.Z = 32767 + 128 * 10;
    pad.LeftTrigger = 10;
    EXPECT_TRUE(PadMatches(joy, pad));
    pad.RightTrigger = 1;
    EXPECT_FALSE(PadMatches(joy, pad));
    joy.Z = 32767 - 128 * 3;
    pad.LeftTrigger = 0;
    pad.RightTrigger = 3;
    EXPECT_TRUE(PadMatches(joy, pad));
}

TEST(XInputPairing, HatMustShowExactlyThePadsDirections) {
    RawJoyState joy;
    RawXInputState pad;
    joy.POV[0] = 31500;
    pad.Buttons = XInputDPadUp | XInputDPadLeft;
    EXPECT_TRUE(PadMatches(joy, pad));
    joy.POV[0] = 31000;  // between the eight positions: no match
    EXPECT_FALSE(PadMatches(joy, pad));
    joy.POV[0] = 0xFFFFFFFFu;
    pad.Buttons = 0;
    EXPECT_TRUE(PadMatches(joy, pad));
    pad.Buttons = XInputStart;  // button 8
    EXPECT_FALSE(PadMatches(joy, pad));
    joy.Buttons[7] = 0x80;
    EXPECT_TRUE(PadMatches(joy, pad));
}

}  // namespace
}  // namespace velmora::test
