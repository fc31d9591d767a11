#pragma once
// Rumble output: turns the pair of strengths the engine decided into motor
// commands, enforcing a minimum rumble time of 10 passes.

#include <array>
#include <cstdint>

#include "model/Controller.h"

namespace velmora {

// What a device backend does to the motors. The Win32 backend drives
// XInput pads and DirectInput constant-force effects; tests record calls.
class RumbleOutput {
public:
    virtual ~RumbleOutput() = default;
    // Run the two motors (0..255 each, at least one non-zero) until told otherwise.
    virtual void StartRumble(ControllerDataType& controller, std::uint8_t strength0,
                             std::uint8_t strength1) = 0;
    virtual void StopRumble(ControllerDataType& controller) = 0;
};

// A stop is accepted only after 10 passes of rumble, so that a short press
// of a rumble assignment is still felt; forced stops (deselection, loss of
// the device, program end) act at once.
inline constexpr std::uint32_t MinimumRumblePasses = 10;

void SetRumble(ControllerDataType& controller, std::uint8_t strength0, std::uint8_t strength1, bool forced,
               RumbleOutput& output);

}  // namespace velmora
