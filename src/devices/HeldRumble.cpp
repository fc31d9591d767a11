#include "devices/HeldRumble.h"

namespace velmora {

void NoteXInputRumble(HeldRumble& held, std::uint8_t userIndex, bool running) {
    if (userIndex < HeldXInputPads) held.XInputPads[userIndex].store(running);
}

void NoteEffectRumble(HeldRumble& held, DeviceSlot slot, bool running) {
    if (slot < MaxDevices) held.Effects[slot].store(running);
}

std::size_t StopHeldRumble(HeldRumble& held, DeviceApi& devices) {
    std::size_t stopped = 0;
    for (std::uint8_t i = 0; i < HeldXInputPads; ++i) {
        if (!held.XInputPads[i].exchange(false)) continue;
        devices.XInputSetState(i, 0, 0);
        ++stopped;
    }
    for (DeviceSlot slot = 0; slot < MaxDevices; ++slot) {
        if (!held.Effects[slot].exchange(false)) continue;
        devices.StopAllEffects(slot);
        ++stopped;
    }
    return stopped;
}

}  // namespace velmora
