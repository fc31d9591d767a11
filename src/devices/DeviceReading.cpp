#include "devices/DeviceReading.h"

#include <algorithm>

#include "model/RawState.h"

namespace velmora {
namespace {

std::int32_t ClampAxis(std::int32_t raw) {
    return std::clamp<std::int32_t>(raw, 0, 65535);
}

void ReadDirectInput(DeviceApi& devices, ControllerDataType& c, bool& ok) {
    if (c.DetectionSlot >= MaxDevices) {
        ok = false;
        return;
    }
    devices.Acquire(c.DetectionSlot);
    devices.Poll(c.DetectionSlot);
    ok = devices.GetDeviceState(c.DetectionSlot, c.RawJoy);
}

// Sticks: the Y axis is turned so that up is positive; a layout's inversion
// comes on top of that.
void NormaliseSticks(ControllerDataType& c, const ControllerFileType& layout) {
    for (std::size_t s = 0; s < 2; ++s) {
        for (std::size_t axis = 0; axis < 2; ++axis) {
            const AxisAccess& a = layout.StickAccess[s][axis];
            std::int16_t v = 0;
            if (a.Axis < AxisCount) {
                std::int32_t r = ClampAxis(RawAxis(c.RawJoy, a.Axis));
                if (a.Inverted) r = 65535 - r;
                if (axis == 1) r = 65535 - r;
                v = AxisToStick(r);
            }
            (axis == 0 ? c.Input.StickX : c.Input.StickY)[s] = v;
        }
    }
}

void NormaliseButtons(ControllerDataType& c) {
    c.Input.Buttons = 0;
    for (int b = 0; b < 32; ++b)
        if (RawButton(c.RawJoy, b)) c.Input.Buttons |= 1u << b;
}

void NormaliseTriggers(ControllerDataType& c, const ControllerFileType& layout) {
    c.Input.Triggers = {0, 0};
    if (layout.TriggerAccess[0].Axis >= AxisCount) return;  // no left trigger: no triggers at all
    for (std::size_t t = 0; t < 2; ++t) {
        const AxisAccess& a = layout.TriggerAccess[t];
        if (a.Axis < AxisCount) c.Input.Triggers[t] = AxisToTrigger(RawAxis(c.RawJoy, a.Axis), a);
    }
}

bool DPadDirectionOn(const ControllerDataType& c, const DPadDirectionAccess& a, int direction) {
    static constexpr std::uint8_t Bits[4] = {DPadUpBit, DPadRightBit, DPadDownBit, DPadLeftBit};
    switch (a.Kind) {
        case DPadKind::Axis: {
            const std::int32_t r = RawAxis(c.RawJoy, a.Axis);
            return (direction == 0 || direction == 3) ? r < 16384 : r > 49152;
        }
        case DPadKind::Button:
            return RawButton(c.RawJoy, a.Button & 31);
        case DPadKind::POV:
            return (POVBits(c.RawJoy.POV[0]) & Bits[direction]) != 0;
        default:
            return false;
    }
}

void NormaliseDPad(ControllerDataType& c, const ControllerFileType& layout) {
    static constexpr std::uint8_t Bits[4] = {DPadUpBit, DPadRightBit, DPadDownBit, DPadLeftBit};
    c.Input.DPad = 0;
    for (int d = 0; d < 4; ++d)
        if (DPadDirectionOn(c, layout.DPadAccess[static_cast<std::size_t>(d)], d)) c.Input.DPad |= Bits[d];
}

void NormaliseXInputPad(ControllerDataType& c) {
    const RawXInputState& x = c.RawXInput;
    c.Input.StickX = {ThumbToStick(x.ThumbLX), ThumbToStick(x.ThumbRX)};
    c.Input.StickY = {ThumbToStick(x.ThumbLY), ThumbToStick(x.ThumbRY)};
    c.Input.Buttons = 0;
    for (std::size_t b = 0; b < XInputButtonOrder.size(); ++b)
        if (x.Buttons & XInputButtonOrder[b]) c.Input.Buttons |= 1u << b;
    const auto held = [&x](std::uint16_t bit) { return (x.Buttons & bit) != 0; };
    // Opposite directions pressed together cancel out.
    c.Input.DPad = 0;
    if (held(XInputDPadUp) && !held(XInputDPadDown)) c.Input.DPad |= DPadUpBit;
    if (held(XInputDPadRight) && !held(XInputDPadLeft)) c.Input.DPad |= DPadRightBit;
    if (held(XInputDPadDown) && !held(XInputDPadUp)) c.Input.DPad |= DPadDownBit;
    if (held(XInputDPadLeft) && !held(XInputDPadRight)) c.Input.DPad |= DPadLeftBit;
}

}  // namespace

std::int16_t AxisToStick(std::int32_t raw) {
    int v = ClampAxis(raw) / 128 - 255;
    if (v >= 1) --v;
    return static_cast<std::int16_t>(v);
}

std::int16_t ThumbToStick(std::int16_t thumb) {
    return AxisToStick(thumb + 32768);
}

std::uint8_t AxisToTrigger(std::int32_t raw, const AxisAccess& a) {
    const std::int32_t r = ClampAxis(raw);
    if (a.FullRange) return static_cast<std::uint8_t>(a.Inverted ? 255 - r / 256 : r / 256);
    if (a.Inverted)
        return static_cast<std::uint8_t>(r < 32767 ? 255 - (r / 128) % 256 : 0);  // the lower half
    return static_cast<std::uint8_t>(r > 32767 ? ((r / 256) % 128) * 2 + 1 : 0);  // the upper half
}

std::uint8_t POVBits(std::uint32_t pov) {
    if (POVCentred(pov)) return 0;
    // The ranges overlap a little around each diagonal, so that a hat that
    // reports a diagonal slightly off still turns on both directions.
    std::uint8_t bits = 0;
    if (pov <= 4500 || pov >= 31472) bits |= DPadUpBit;
    if (pov >= 4496 && pov <= 13500) bits |= DPadRightBit;
    if (pov >= 13488 && pov <= 22500) bits |= DPadDownBit;
    if (pov >= 22480 && pov <= 31500) bits |= DPadLeftBit;
    return bits;
}

bool ReadController(DeviceApi& devices, const UserInterface& ui, ControllerDataType& c) {
    bool ok = false;
    if (c.DeviceKind != XInputDevice) {
        ReadDirectInput(devices, c, ok);
        return ok;
    }
    if (!devices.XInputGetState(c.XInputIndex, c.RawXInput)) return false;
    const bool windowShowsRaw = ui.IsWindowOpen(SettingsWindow::ControllerSettings) ||
                                ui.IsWindowOpen(SettingsWindow::ControllerProperties);
    if (ui.MainWindowShowing() && windowShowsRaw)
        ReadDirectInput(devices, c, ok);  // the result is not needed
    return true;
}

void NormaliseInput(ControllerDataType& c, const ControllerFileType& layout, bool settingsWindowOpen) {
    if (c.DeviceKind == XInputDevice) {
        c.Input.Triggers = {c.RawXInput.LeftTrigger, c.RawXInput.RightTrigger};
        if (!settingsWindowOpen) {
            NormaliseXInputPad(c);
            return;
        }
    }
    NormaliseSticks(c, layout);
    NormaliseButtons(c);
    if (c.DeviceKind != XInputDevice) NormaliseTriggers(c, layout);
    NormaliseDPad(c, layout);
}

}  // namespace velmora
