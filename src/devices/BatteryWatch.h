#pragma once
// The batteries of XInput pads: read now and then, shown where the
// controller's details are, and a balloon when a wireless pad runs low.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "devices/ControllerList.h"
#include "devices/DeviceApi.h"

namespace velmora {

// A battery drains over hours: a read every 30 s (3,000 passes) is soon
// enough, and most passes make no call for it. A pad is read at once when
// it is paired.
inline constexpr std::uint16_t BatteryReadPasses = 3000;

// One pass: reads the battery of each connected XInput pad whose time has
// come, and forgets it for every other controller. Answers the controllers
// whose wireless pad has just been found low or empty: once, and again only
// after a read above low.
std::vector<std::size_t> StepBatteries(ControllerListType& list, DeviceApi& devices);

// Translated, for the controller's details: "Wired", or the level of a
// wireless pad; empty when nothing is known of the device's battery.
std::string BatteryText(const ControllerDetectionDataType* detection);

}  // namespace velmora
