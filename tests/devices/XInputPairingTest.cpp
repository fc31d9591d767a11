#include <gtest/gtest.h>

#include "devices/XInputPairing.h"
#include "support/DeviceWorld.h"
#include "support/FakeDeviceApi.h"

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

// What Windows shows of an XInput pad through DirectInput.
FakeDevice PadLookAlike(std::uint8_t serial) {
    FakeDevice d = MakeFakeDevice("Controller (XBOX 360 For Windows)", 7, serial);
    d.Caps = {5, 10, 1, false};
    d.Axes = {{AxisObjectType::X, false},
              {AxisObjectType::Y, false},
              {AxisObjectType::Z, false},
              {AxisObjectType::RX, false},
              {AxisObjectType::RY, false}};
    return d;
}

// Regression: a pad whose XInput side appeared after its DirectInput side
// was set to DirectInput for good in the first pass.
TEST(XInputPairing, ALookAlikeWaitsAFewPassesForItsXInputSideToAppear) {
    DeviceWorld w;
    w.Api.Plug(PadLookAlike(1));
    w.Rescan();
    for (int pass = 0; pass < 10; ++pass) IdentifyXInput(w.Context);
    EXPECT_EQ(w.Pad(0).DeviceKind, UnidentifiedDevice);
    w.Api.Pads[1] = RawXInputState{};
    IdentifyXInput(w.Context);
    EXPECT_EQ(w.Pad(0).DeviceKind, XInputDevice);
    EXPECT_EQ(w.Pad(0).XInputIndex, 1);
}

// Regression: a press seen on the DirectInput side a pass before the XInput
// side made a free pad's controller DirectInput for good.
TEST(XInputPairing, APressSeenOnTheDirectInputSideAPassEarlierStillPairs) {
    DeviceWorld w;
    w.Api.Plug(PadLookAlike(1));
    w.Api.Plug(PadLookAlike(2));
    w.Rescan();
    w.Api.Pads[0] = RawXInputState{};
    w.Api.Pads[1] = RawXInputState{};
    w.Pad(1).RawJoy.Buttons[0] = 0x80;  // A, on the DirectInput side only
    IdentifyXInput(w.Context);
    EXPECT_EQ(w.Pad(1).DeviceKind, UnidentifiedDevice);
    w.Api.Pads[1]->Buttons = XInputA;  // and a pass later on the XInput side
    IdentifyXInput(w.Context);
    EXPECT_EQ(w.Pad(1).DeviceKind, XInputDevice);
    EXPECT_EQ(w.Pad(1).XInputIndex, 1);
}

TEST(XInputPairing, ALookAlikeWithoutAnyXInputSideIsDirectInputAfterItsPasses) {
    DeviceWorld w;
    w.Api.Plug(PadLookAlike(1));
    w.Rescan();
    for (int pass = 1; pass < XInputLookAlikePasses; ++pass) IdentifyXInput(w.Context);
    EXPECT_EQ(w.Pad(0).DeviceKind, UnidentifiedDevice);
    IdentifyXInput(w.Context);
    EXPECT_EQ(w.Pad(0).DeviceKind, DirectInputDevice);
    EXPECT_TRUE(w.List.IdentificationDone);
}

}  // namespace
}  // namespace velmora::test
