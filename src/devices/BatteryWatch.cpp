#include "devices/BatteryWatch.h"

#include <array>

#include "base/Language.h"

namespace velmora {
namespace {

bool Wireless(const BatteryState& battery) {
    return battery.Type != BatteryDisconnected && battery.Type != BatteryWired;
}

// True when the low balloon is due.
bool ReadBattery(ControllerDetectionDataType& slot, std::uint8_t userIndex, DeviceApi& devices) {
    slot.BatteryPasses = BatteryReadPasses;
    slot.Battery = devices.XInputGetBattery(userIndex);
    if (!slot.Battery || !Wireless(*slot.Battery)) return false;
    if (slot.Battery->Level > BatteryLow) {
        slot.BatteryLowTold = false;
        return false;
    }
    if (slot.BatteryLowTold) return false;
    slot.BatteryLowTold = true;
    return true;
}

}  // namespace

std::vector<std::size_t> StepBatteries(ControllerListType& list, DeviceApi& devices) {
    std::vector<std::size_t> low;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const ControllerDataType& c = list.Controllers[i];
        if (c.DetectionSlot >= MaxDevices) continue;
        ControllerDetectionDataType& slot = list.Detection[c.DetectionSlot];
        if (c.Connection != Connected || c.DeviceKind != XInputDevice) {
            slot.Battery.reset();
            slot.BatteryPasses = 0;  // read as soon as it is a pad again
        } else if (slot.BatteryPasses > 1) {
            --slot.BatteryPasses;
        } else if (ReadBattery(slot, c.XInputIndex, devices)) {
            low.push_back(i);
        }
    }
    return low;
}

std::string BatteryText(const ControllerDetectionDataType* detection) {
    if (!detection || !detection->Battery || detection->Battery->Type == BatteryDisconnected) return {};
    if (detection->Battery->Type == BatteryWired) return Translate("*Wired*");
    static constexpr std::array<const char*, 4> levels{"*Empty*", "*Low*", "*Medium*", "*Full*"};
    return Translate(levels[detection->Battery->Level & 3u]);
}

}  // namespace velmora
