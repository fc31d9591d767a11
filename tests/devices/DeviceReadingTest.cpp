#include <gtest/gtest.h>

#include "devices/DeviceReading.h"
#include "support/FakeDeviceApi.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {
namespace {

ControllerFileType StandardLayout() {
    ControllerFileType l;
    l.StickAccess[0] = {AxisAccess{0, 0, 0}, AxisAccess{1, 0, 0}};
    l.StickAccess[1] = {AxisAccess{3, 0, 0}, AxisAccess{4, 0, 0}};
    l.TriggerAccess = {AxisAccess{2, 0, 0}, AxisAccess{2, 1, 0}};  // upper and lower half of Z
    for (std::size_t d = 0; d < 4; ++d) l.DPadAccess[d].Kind = DPadKind::POV;
    return l;
}

TEST(StickConversion, EndsAndCentreOfAnAxis) {
    EXPECT_EQ(AxisToStick(65535), 255);
    EXPECT_EQ(AxisToStick(0), -255);
    for (std::int32_t r = 32640; r <= 32895; ++r) EXPECT_EQ(AxisToStick(r), 0) << r;
    EXPECT_EQ(AxisToStick(32639), -1);
    EXPECT_EQ(AxisToStick(32896), 1);
    EXPECT_EQ(ThumbToStick(-32768), -255);
    EXPECT_EQ(ThumbToStick(32767), 255);
}

TEST(StickConversion, YAxisIsTurnedSoThatUpIsPositiveUnlessTheLayoutInvertsIt) {
    ControllerDataType c;
    ControllerFileType l = StandardLayout();
    c.RawJoy.Y = 0;  // the device's top
    c.RawJoy.X = 65535;
    NormaliseInput(c, l, false);
    EXPECT_EQ(c.Input.StickY[0], 255);
    EXPECT_EQ(c.Input.StickX[0], 255);
    l.StickAccess[0][1].Inverted = 1;
    NormaliseInput(c, l, false);
    EXPECT_EQ(c.Input.StickY[0], -255);
    l.StickAccess[0][0].Axis = NoAxis;
    NormaliseInput(c, l, false);
    EXPECT_EQ(c.Input.StickX[0], 0);
}

TEST(TriggerConversion, HalvesAndFullRange) {
    const AxisAccess upper{2, 0, 0}, lower{2, 1, 0}, full{2, 0, 1}, fullInverted{2, 1, 1};
    EXPECT_EQ(AxisToTrigger(32767, upper), 0);
    EXPECT_EQ(AxisToTrigger(32767, lower), 0);
    EXPECT_EQ(AxisToTrigger(0, lower), 255);
    EXPECT_EQ(AxisToTrigger(65535, upper), 255);
    EXPECT_EQ(AxisToTrigger(0, upper), 0);
    EXPECT_EQ(AxisToTrigger(65535, lower), 0);
    EXPECT_EQ(AxisToTrigger(65535, full), 255);
    EXPECT_EQ(AxisToTrigger(0, full), 0);
    EXPECT_EQ(AxisToTrigger(0, fullInverted), 255);
}

TEST(TriggerConversion, WithoutALeftTriggerBothTriggersReadZero) {
    ControllerDataType c;
    ControllerFileType l = StandardLayout();
    c.RawJoy.Z = 0;
    c.RawJoy.RZ = 65535;
    l.TriggerAccess = {AxisAccess{NoAxis, 0, 0}, AxisAccess{5, 0, 1}};
    NormaliseInput(c, l, false);
    EXPECT_EQ(c.Input.Triggers, (std::array<std::uint8_t, 2>{0, 0}));
    l.TriggerAccess = {AxisAccess{2, 1, 0}, AxisAccess{NoAxis, 0, 0}};
    NormaliseInput(c, l, false);
    EXPECT_EQ(c.Input.Triggers, (std::array<std::uint8_t, 2>{255, 0}));
}

TEST(DPadConversion, HatPositionsAndDiagonals) {
    EXPECT_EQ(POVBits(0xFFFFFFFFu), 0);
    EXPECT_EQ(POVBits(0x0000FFFFu), 0);  // only the low word tells a centred hat
    EXPECT_EQ(POVBits(0), DPadUpBit);
    EXPECT_EQ(POVBits(4498), DPadUpBit | DPadRightBit);
    EXPECT_EQ(POVBits(4495), DPadUpBit);
    EXPECT_EQ(POVBits(4501), DPadRightBit);
    EXPECT_EQ(POVBits(13500), DPadRightBit | DPadDownBit);
    EXPECT_EQ(POVBits(22500), DPadDownBit | DPadLeftBit);
    EXPECT_EQ(POVBits(31500), DPadLeftBit | DPadUpBit);
    EXPECT_EQ(POVBits(27000), DPadLeftBit);
}

TEST(DPadConversion, AxisAndButtonDirections) {
    ControllerDataType c;
    ControllerFileType l = StandardLayout();
    l.DPadAccess = {DPadDirectionAccess{DPadKind::Axis, 6, 0}, DPadDirectionAccess{DPadKind::Button, 0, 12},
                    DPadDirectionAccess{DPadKind::Axis, 6, 0}, DPadDirectionAccess{DPadKind::None, 0, 0}};
    c.RawJoy.Sliders[0] = 10000;
    c.RawJoy.Buttons[12] = 0x80;
    NormaliseInput(c, l, false);
    EXPECT_EQ(c.Input.DPad, DPadUpBit | DPadRightBit);
    c.RawJoy.Sliders[0] = 50000;
    c.RawJoy.Buttons[12] = 0x7F;  // only bit 7 means pressed
    NormaliseInput(c, l, false);
    EXPECT_EQ(c.Input.DPad, DPadDownBit);
}

TEST(ButtonConversion, ButtonsAreDeviceButtonsByBitSeven) {
    ControllerDataType c;
    c.RawJoy.Buttons[0] = 0x80;
    c.RawJoy.Buttons[31] = 0xFF;
    c.RawJoy.Buttons[5] = 0x01;
    NormaliseInput(c, StandardLayout(), false);
    EXPECT_EQ(c.Input.Buttons, 0x80000001u);
}

TEST(XInputConversion, PadButtonsThumbsTriggersAndOpposedDirections) {
    ControllerDataType c;
    c.DeviceKind = XInputDevice;
    c.RawXInput.Buttons =
        XInputA | XInputY | XInputRightThumb | XInputDPadUp | XInputDPadDown | XInputDPadLeft;
    c.RawXInput.ThumbLX = -32768;
    c.RawXInput.ThumbLY = 32767;  // up without any turning
    c.RawXInput.ThumbRY = -32768;
    c.RawXInput.LeftTrigger = 17;
    c.RawXInput.RightTrigger = 255;
    c.RawJoy.Buttons[20] = 0x80;  // the DirectInput state plays no part
    NormaliseInput(c, StandardLayout(), false);
    EXPECT_EQ(c.Input.Buttons, (1u << 0) | (1u << 3) | (1u << 9));
    EXPECT_EQ(c.Input.StickX[0], -255);
    EXPECT_EQ(c.Input.StickY[0], 255);
    EXPECT_EQ(c.Input.StickY[1], -255);
    EXPECT_EQ(c.Input.DPad, DPadLeftBit);  // up and down cancel out
    EXPECT_EQ(c.Input.Triggers, (std::array<std::uint8_t, 2>{17, 255}));
}

TEST(XInputConversion, WhileTheLayoutIsEditedThePadIsReadThroughIt) {
    ControllerDataType c;
    c.DeviceKind = XInputDevice;
    c.RawXInput.Buttons = XInputA;
    c.RawXInput.LeftTrigger = 40;
    c.RawJoy.Buttons[7] = 0x80;
    c.RawJoy.Z = 0;  // would be a full lower-half trigger through the layout
    NormaliseInput(c, StandardLayout(), true);
    EXPECT_EQ(c.Input.Buttons, 1u << 7);
    EXPECT_EQ(c.Input.Triggers, (std::array<std::uint8_t, 2>{40, 0}));
}

TEST(ReadController, FailureOnlyFromTheStateRead) {
    FakeDeviceApi api;
    RecordingUserInterface ui;
    api.Plug(MakeFakeDevice("Pad", 1, 1));
    ASSERT_TRUE(api.CreateDevice(0, api.Device(0).Record.Instance));
    ControllerDataType c;
    c.DetectionSlot = 0;
    api.Device(0).State.X = 123;
    EXPECT_TRUE(ReadController(api, ui, c));
    EXPECT_EQ(c.RawJoy.X, 123);
    api.Unplug(0);
    EXPECT_FALSE(ReadController(api, ui, c));
}

TEST(ReadController, XInputPadsReadTheirDirectInputStateOnlyForTheWindowsThatShowIt) {
    FakeDeviceApi api;
    RecordingUserInterface ui;
    api.Plug(MakeFakeDevice("Pad", 1, 1));
    ASSERT_TRUE(api.CreateDevice(0, api.Device(0).Record.Instance));
    api.Device(0).State.X = 999;
    api.Pads[2] = RawXInputState{};
    api.Pads[2]->ThumbLX = 5;
    ControllerDataType c;
    c.DetectionSlot = 0;
    c.DeviceKind = XInputDevice;
    c.XInputIndex = 2;
    EXPECT_TRUE(ReadController(api, ui, c));
    EXPECT_EQ(c.RawXInput.ThumbLX, 5);
    EXPECT_NE(c.RawJoy.X, 999);
    ui.SetOpen(SettingsWindow::ControllerProperties);
    EXPECT_TRUE(ReadController(api, ui, c));
    EXPECT_EQ(c.RawJoy.X, 999);
    api.Pads[2].reset();
    EXPECT_FALSE(ReadController(api, ui, c));
}

}  // namespace
}  // namespace velmora::test
