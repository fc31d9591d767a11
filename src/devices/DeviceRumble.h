#pragma once
// The rumble output over the device seam: XInput pads get two motor speeds,
// other devices their constant-force effect with a magnitude and a direction.

#include "devices/DeviceApi.h"
#include "engine/Rumble.h"

namespace velmora {

// 39 maps strength 255 to 9945, just under DirectInput's maximum of 10000.
inline constexpr std::int32_t ForceMagnitudeFactor = 39;

struct ConstantForce {
    std::int32_t Magnitude = 0;
    std::int32_t Direction = 0;  // hundredths of a degree
};

// The left motor pushes along 0 degrees, the right along 90; both at once
// push at 45 degrees with their mean strength.
ConstantForce ForceFor(std::uint8_t strength0, std::uint8_t strength1);

class DeviceRumble : public RumbleOutput {
public:
    explicit DeviceRumble(DeviceApi& devices) : devices_(devices) {}
    void StartRumble(ControllerDataType& controller, std::uint8_t strength0, std::uint8_t strength1) override;
    void StopRumble(ControllerDataType& controller) override;

private:
    DeviceApi& devices_;
};

}  // namespace velmora
