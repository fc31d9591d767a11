#include "devices/DeviceRumble.h"

namespace velmora {

ConstantForce ForceFor(std::uint8_t s0, std::uint8_t s1) {
    if (s0 == 0) return {s1 * ForceMagnitudeFactor, 9000};
    if (s1 == 0) return {s0 * ForceMagnitudeFactor, 0};
    return {((s0 + s1) / 2) * ForceMagnitudeFactor, 4500};
}

void DeviceRumble::StartRumble(ControllerDataType& c, std::uint8_t s0, std::uint8_t s1) {
    if (c.DeviceKind == XInputDevice) {
        devices_.XInputSetState(c.XInputIndex, static_cast<std::uint16_t>(s0 * 256),
                                static_cast<std::uint16_t>(s1 * 256));
        return;
    }
    if (c.DetectionSlot >= MaxDevices) return;
    const ConstantForce force = ForceFor(s0, s1);
    devices_.Acquire(c.DetectionSlot);
    devices_.StartConstantForce(c.DetectionSlot, force.Magnitude, force.Direction);
}

void DeviceRumble::StopRumble(ControllerDataType& c) {
    if (c.DeviceKind == XInputDevice) {
        devices_.XInputSetState(c.XInputIndex, 0, 0);
        return;
    }
    if (c.DetectionSlot >= MaxDevices) return;
    devices_.Acquire(c.DetectionSlot);
    devices_.StopAllEffects(c.DetectionSlot);
}

}  // namespace velmora
