#include "app/settings/ControllerPropertiesWindow.h"

#include <algorithm>

#include "base/Language.h"
#include "base/MarkupText.h"
#include "base/NumberText.h"
#include "devices/BatteryWatch.h"

namespace velmora {
namespace {

constexpr std::array<const char*, 8> AxisNames{"X", "Y", "Z", "RX", "RY", "RZ", "Slider1", "Slider2"};

std::string Entry(const std::string& label, const std::string& value) {
    return "$" + label + "$# " + PlainText(value) + "##";
}

// The names of the axes that pass the test, joined by ",".
template <class Test>
std::string AxisList(const ControllerDetectionDataType& detection, Test test) {
    std::string names;
    for (std::size_t i = 0; i < AxisNames.size(); ++i) {
        if (!test(detection.AxisObjects[i])) continue;
        if (!names.empty()) names += ",";
        names += AxisNames[i];
    }
    return names;
}

std::string RumbleText(const ControllerDataType& controller, const ControllerDetectionDataType& detection) {
    if (controller.DeviceKind == XInputDevice) return Translate("*Rumble via XInput*");
    std::string text = detection.ForceFeedback ? Translate("*Yes*") : Translate("*No*");
    const std::string actuators =
        AxisList(detection, [](const AxisObjectFlags& a) { return a.Present && a.Actuator; });
    if (!actuators.empty()) text += " (" + actuators + ")";
    return text;
}

std::string XInputText(const ControllerDataType& controller, XInputStatusValue status) {
    switch (controller.DeviceKind) {
        case XInputDevice:
            return Translate("*Yes - using ID*") + " " + std::to_string(controller.XInputIndex + 1);
        case UnidentifiedDevice:
            return Translate("*Unknown. Press a button, trigger or DPad direction*");
        case NoXInputDevice:
            break;
        default:
            return Translate("*No*");
    }
    switch (status) {
        case XInputNotFound:
            return Translate("*XInput not found. Click the Help button for more information*");
        case XInputDisabled:
            return Translate("*XInput scanning was disabled in the main settings window*");
        case XInputUnsupported:
            return Translate("*XInput is not supported in this version of Windows*");
        default:
            return Translate("*No*");
    }
}

RawValueBar Bar(std::string label, std::int32_t value, std::int32_t maximum) {
    return {std::move(label), value, maximum};
}

// Only for a pad whose battery XInput reports.
std::string BatteryEntry(const ControllerDetectionDataType* detection) {
    const std::string battery = BatteryText(detection);
    return battery.empty() ? std::string() : Entry(Translate("*Battery*"), battery);
}

}  // namespace

std::string VendorProductText(std::uint32_t vendorProduct) {
    return FormatHex(vendorProduct >> 16, 4) + ":" + FormatHex(vendorProduct & 0xFFFFu, 4);
}

std::string ControllerDetailsText(const ControllerDataType& controller,
                                  const ControllerDetectionDataType* detection,
                                  XInputStatusValue xinputStatus) {
    const ControllerDetectionDataType offered = detection ? *detection : ControllerDetectionDataType{};
    const std::string axes = AxisList(offered, [](const AxisObjectFlags& a) { return a.Present; });
    return Entry(Translate("*Name*"), "\"" + controller.Identity.DeviceName + "\"") +
           Entry(Translate("*ID*"), VendorProductText(controller.Identity.VendorProduct)) +
           Entry(Translate("*Axes*"), std::to_string(offered.AxisCount) + " (" + axes + ")") +
           Entry(Translate("*Buttons*"), std::to_string(offered.ButtonCount)) +
           Entry(Translate("*DPads*") + " (POV)", std::to_string(offered.POVCount)) +
           Entry(Translate("*Rumble*") + " (" + Translate("*Force Feedback*") + ")",
                 RumbleText(controller, offered)) +
           Entry(Translate("*XInput Compatible*"), XInputText(controller, xinputStatus)) +
           BatteryEntry(detection);
}

PropertiesPanels RawValuePanels(const ControllerDataType& controller) {
    PropertiesPanels panels;
    const RawJoyState& joy = controller.RawJoy;
    constexpr std::array<const char*, 6> axisSuffixes{" X", " Y", " Z", " Rx", " Ry", " Rz"};
    for (std::size_t i = 0; i < axisSuffixes.size(); ++i)
        panels.Axes[i] = Bar(Translate("*Axis*") + axisSuffixes[i], RawAxis(joy, static_cast<int>(i)), 65535);
    for (std::size_t i = 0; i < 2; ++i)
        panels.Axes[6 + i] = Bar(Translate("*Slider*") + " " + std::to_string(i + 1), joy.Sliders[i], 65535);
    for (int b = 0; b < 32; ++b) panels.Buttons[static_cast<std::size_t>(b)] = RawButton(joy, b);
    for (std::size_t p = 0; p < joy.POV.size(); ++p)
        panels.POVs[p] =
            Bar("POV " + std::to_string(p + 1), static_cast<std::int32_t>(joy.POV[p] & 0xFFFFu), 65535);
    const RawXInputState& x = controller.RawXInput;
    panels.XInputShown = controller.DeviceKind == XInputDevice;
    panels.XInput = {Bar("LThumbX", x.ThumbLX + 32768, 65535), Bar("LThumbY", x.ThumbLY + 32768, 65535),
                     Bar("RThumbX", x.ThumbRX + 32768, 65535), Bar("RThumbY", x.ThumbRY + 32768, 65535),
                     Bar("LTrigger", x.LeftTrigger, 255),      Bar("RTrigger", x.RightTrigger, 255),
                     Bar("Button", x.Buttons, 65535)};
    return panels;
}

bool PropertiesRefreshDue(std::uint32_t passCounter) {
    return passCounter % PropertiesRefreshPasses == 0;
}

int BarLength(const RawValueBar& bar, int width) {
    if (bar.Maximum <= 0) return 0;
    const std::int64_t length = std::int64_t{bar.Value} * width / bar.Maximum;
    return static_cast<int>(std::clamp<std::int64_t>(length, 0, width));
}

bool RunControllerControlPanel(DeviceApi& devices, const ControllerListType& list,
                               const ControllerDataType& controller, std::uintptr_t ownerWindow) {
    const ControllerDetectionDataType* detection = list.DetectionOf(controller);
    if (!detection || !detection->InUse || controller.Connection == Lost) return false;
    return devices.RunControlPanel(controller.DetectionSlot, ownerWindow);
}

}  // namespace velmora
