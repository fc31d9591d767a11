#pragma once
// Which motors run right now, noted by the device backend as it starts and
// stops them: four XInput pads and the effects of the 16 detection slots.
// Lock-free atomics in static storage, like the held-input record, so that
// a crashed program can still stop every rumble without allocating, locking
// or trusting the controller list.

#include <array>
#include <atomic>
#include <cstdint>

#include "devices/DeviceApi.h"

namespace velmora {

inline constexpr std::size_t HeldXInputPads = 4;  // XInput user indexes 0..3

struct HeldRumble {
    std::array<std::atomic<bool>, HeldXInputPads> XInputPads{};
    std::array<std::atomic<bool>, MaxDevices> Effects{};
};

// Motor speeds sent to a pad: it runs unless both are 0.
void NoteXInputRumble(HeldRumble& held, std::uint8_t userIndex, bool running);
// A constant force started (true) or every effect of the slot stopped or released (false).
void NoteEffectRumble(HeldRumble& held, DeviceSlot slot, bool running);

// Stops every motor the record holds, each through the way it runs, and
// empties the record: a second call stops nothing twice. Returns how many.
std::size_t StopHeldRumble(HeldRumble& held, DeviceApi& devices);

}  // namespace velmora
