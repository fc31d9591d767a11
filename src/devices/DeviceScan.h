#pragma once
// Finding and opening game controllers: the enumeration, leaving out the
// devices of connected controllers, opening each new device into a detection
// slot, and releasing a controller's device again.

#include <string>
#include <string_view>

#include "devices/DeviceContext.h"

namespace velmora {

inline constexpr std::size_t MaxDeviceNameLength = 259;  // characters

// Enumerates the attached game controllers and opens the new ones; each
// opened device is handed to LinkDevice.
void ScanDevices(DeviceContext& context);

// Opens one enumerated device into a free slot and configures it. Answers
// the slot, or NoDetectionSlot after telling the user which command failed
// (or silently when every slot is taken).
DeviceSlot OpenDevice(DeviceContext& context, const DeviceInstanceRecord& entry);

// Stops the controller's rumble at once and releases its device and effect.
void ReleaseDevice(DeviceContext& context, ControllerDataType& controller);

// Releases the device of a slot and frees the slot.
void ReleaseSlot(DeviceContext& context, DeviceSlot slot);

// The first characters of a UTF-8 name.
std::string CutName(std::string_view name, std::size_t characters);

}  // namespace velmora
