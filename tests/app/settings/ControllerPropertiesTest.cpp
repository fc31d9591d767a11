#include <gtest/gtest.h>

#include "app/settings/ControllerPropertiesWindow.h"
#include "support/DeviceWorld.h"
#include "ui/Markup.h"

namespace velmora::test {
namespace {

// A force-feedback pad opened by a real scan: four axes with X and Y as actuators.
ControllerDataType& ForcePad(DeviceWorld& w) {
    FakeDevice pad = MakeFakeDevice("Velmora Pad", 1, 1, 0x1209, 0x0001);
    pad.Caps = {4, 12, 1, true};
    pad.Axes = {{AxisObjectType::X, true},
                {AxisObjectType::Y, true},
                {AxisObjectType::RX, false},
                {AxisObjectType::RY, false}};
    w.Api.Plug(pad);
    w.Rescan();
    return w.Pad(0);
}

std::string Details(DeviceWorld& w, const ControllerDataType& c) {
    return ControllerDetailsText(c, w.List.DetectionOf(c), w.Api.XInputStatus());
}

// The value line that follows a label in the details text.
std::string ValueOf(const std::string& text, const std::string& label) {
    const std::string start = "$" + label + "$# ";
    const std::size_t at = text.find(start);
    if (at == std::string::npos) return "(missing)";
    const std::size_t from = at + start.size();
    return text.substr(from, text.find("##", from) - from);
}

TEST(ControllerDetails, ADirectInputPadWithForceFeedbackListsItsAxesButtonsHatsAndActuators) {
    DeviceWorld w;
    ControllerDataType& pad = ForcePad(w);
    pad.DeviceKind = DirectInputDevice;  // as the pairing decides for a pad XInput does not know
    EXPECT_EQ(Details(w, pad),
              "$Name$# \"Velmora Pad\"##"
              "$ID$# 1209:0001##"
              "$Axes$# 4 (X,Y,RX,RY)##"
              "$Buttons$# 12##"
              "$DPads (POV)$# 1##"
              "$Rumble (Force Feedback)$# Yes (X,Y)##"
              "$XInput Compatible$# No##");
}

// Regression: a "#" in a device name broke its line and a "$" made the rest bold.
TEST(ControllerDetails, ADeviceNameWithMarkupCharactersShowsAsItIs) {
    DeviceWorld w;
    w.Api.Plug(MakeFakeDevice("Pad #1 $pro", 1, 1, 0x1209, 0x0001));
    w.Rescan();
    const std::vector<MarkupLine> lines = ParseMarkup(Details(w, w.Pad(0)));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(LineText(lines[1]), " \"Pad #1 $pro\"");
    EXPECT_EQ(LineText(lines[3]), "ID");
    EXPECT_TRUE(!lines[3].Spans.empty() && lines[3].Spans[0].Bold);
}

TEST(ControllerDetails, APadWhoseYAxisCannotRumbleHasNoForceFeedback) {
    DeviceWorld w;
    FakeDevice pad = MakeFakeDevice("Half", 1, 1);
    pad.Caps = {2, 4, 0, true};
    pad.Axes = {{AxisObjectType::X, true}, {AxisObjectType::Y, false}};
    w.Api.Plug(pad);
    w.Rescan();
    EXPECT_EQ(ValueOf(Details(w, w.Pad(0)), "Rumble (Force Feedback)"), "No (X)");
}

TEST(ControllerDetails, XInputCompatibleSaysHowXInputReadsThePadInEachStatus) {
    struct Case {
        std::uint8_t Kind;
        XInputStatusValue Status;
        std::string Expected;
    };
    const std::vector<Case> cases{
        {XInputDevice, XInputLoaded, "Yes - using ID 3"},
        {UnidentifiedDevice, XInputLoaded, "Unknown. Press a button, trigger or DPad direction"},
        {DirectInputDevice, XInputLoaded, "No"},
        {NoXInputDevice, XInputNotFound, "XInput not found. Click the Help button for more information"},
        {NoXInputDevice, XInputDisabled, "XInput scanning was disabled in the main settings window"},
        {NoXInputDevice, XInputUnsupported, "XInput is not supported in this version of Windows"},
    };
    for (const Case& c : cases) {
        DeviceWorld w;
        w.Api.Status = c.Status;
        ControllerDataType& pad = ForcePad(w);
        pad.DeviceKind = c.Kind;
        pad.XInputIndex = 2;
        const std::string text = Details(w, pad);
        EXPECT_EQ(ValueOf(text, "XInput Compatible"), c.Expected) << int{c.Kind} << " " << int{c.Status};
        EXPECT_EQ(ValueOf(text, "Rumble (Force Feedback)"),
                  c.Kind == XInputDevice ? "Rumble via XInput" : "Yes (X,Y)");
    }
}

// The battery line ends the details of a pad whose battery XInput reported, and only then.
TEST(ControllerDetails, APadWithAKnownBatteryShowsItsLevelLast) {
    DeviceWorld w;
    ControllerDataType& pad = ForcePad(w);
    pad.DeviceKind = XInputDevice;
    EXPECT_EQ(ValueOf(Details(w, pad), "Battery"), "(missing)");
    w.List.Detection[pad.DetectionSlot].Battery = BatteryState{BatteryNiMH, BatteryMedium};
    const std::string text = Details(w, pad);
    EXPECT_EQ(ValueOf(text, "Battery"), "Medium");
    EXPECT_TRUE(text.ends_with("$Battery$# Medium##")) << text;
}

TEST(ControllerDetails, AControllerWhoseDeviceIsGoneOffersNothing) {
    ControllerDataType pad;
    pad.Identity = {"Gone", 0x00010002};
    const std::string text = ControllerDetailsText(pad, nullptr, XInputLoaded);
    EXPECT_EQ(ValueOf(text, "ID"), "0001:0002");
    EXPECT_EQ(ValueOf(text, "Axes"), "0 ()");
    EXPECT_EQ(ValueOf(text, "Rumble (Force Feedback)"), "No");
}

TEST(PropertiesPanels, ShowRawValuesWithThumbsShiftedAndButtonsPressedFrom128) {
    ControllerDataType pad;
    pad.RawJoy.X = 0;
    pad.RawJoy.Sliders[1] = 65535;
    pad.RawJoy.Buttons[0] = 128;
    pad.RawJoy.Buttons[1] = 127;
    pad.RawJoy.POV[1] = 9000;
    pad.RawXInput.ThumbLX = -32768;
    pad.RawXInput.ThumbRY = 32767;
    pad.RawXInput.RightTrigger = 255;
    pad.RawXInput.Buttons = XInputA | XInputDPadUp;
    PropertiesPanels panels = RawValuePanels(pad);
    EXPECT_EQ(panels.Axes[0].Label, "Axis X");
    EXPECT_EQ(panels.Axes[0].Value, 0);
    EXPECT_EQ(panels.Axes[7].Label, "Slider 2");
    EXPECT_EQ(panels.Axes[7].Value, 65535);
    EXPECT_TRUE(panels.Buttons[0]);
    EXPECT_FALSE(panels.Buttons[1]);
    EXPECT_EQ(panels.POVs[0].Value, 65535);  // centred
    EXPECT_EQ(panels.POVs[1].Value, 9000);
    EXPECT_FALSE(panels.XInputShown);
    EXPECT_EQ(panels.XInput[0].Value, 0);
    EXPECT_EQ(panels.XInput[3].Value, 65535);
    EXPECT_EQ(panels.XInput[5].Value, 255);
    EXPECT_EQ(panels.XInput[6].Value, 0x1001);
    pad.DeviceKind = XInputDevice;
    EXPECT_TRUE(RawValuePanels(pad).XInputShown);
}

TEST(PropertiesPanels, BarsFillInProportionAndNeverPastTheirWidth) {
    EXPECT_EQ(BarLength({"", 255, 255}, 100), 100);
    EXPECT_EQ(BarLength({"", 128, 256}, 100), 50);
    EXPECT_EQ(BarLength({"", 70000, 65535}, 100), 100);
    EXPECT_EQ(BarLength({"", -5, 255}, 100), 0);
}

TEST(ControlPanel, RunsOnTheControllersOwnDeviceWithItsOwnerAndNotForALostController) {
    DeviceWorld w;
    w.Api.Plug(MakeFakeDevice("First", 1, 1));
    w.Api.Plug(MakeFakeDevice("Second", 2, 1));
    w.Rescan();
    ControllerDataType& second = w.Pad(1);
    EXPECT_TRUE(RunControllerControlPanel(w.Api, w.List, second, 77));
    EXPECT_EQ(w.Api.Calls.back(), "ControlPanel " + std::to_string(second.DetectionSlot) + " owner 77");
    w.Api.Unplug(1);
    ControllerLost(w.Context, 1);
    const std::size_t calls = w.Api.Calls.size();
    EXPECT_FALSE(RunControllerControlPanel(w.Api, w.List, second, 77));
    EXPECT_EQ(w.Api.Calls.size(), calls);
}

}  // namespace
}  // namespace velmora::test
