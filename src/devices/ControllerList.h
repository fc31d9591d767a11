#pragma once
// The controller list: every controller met during the run (never removed),
// the selection, the loaded layouts shared by controllers of one identity,
// and the detection slots of the opened devices.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "devices/DeviceApi.h"
#include "model/Controller.h"
#include "model/ControllerLayout.h"

namespace velmora {

inline constexpr std::size_t MaxControllers = 16;
inline constexpr std::uint8_t NoSelection = 255;

// Presence and force-feedback actuator flag of X, Y, Z, RX, RY, RZ, Slider 1, Slider 2.
struct AxisObjectFlags {
    bool Present = false;
    bool Actuator = false;
};

// One opened DirectInput device.
struct ControllerDetectionDataType {
    bool InUse = false;
    DeviceGuid InstanceGuid;
    DeviceGuid ProductGuid;
    std::uint8_t AxisCount = 0;
    std::uint8_t ButtonCount = 0;
    std::uint8_t POVCount = 0;
    bool ForceFeedback = false;  // can rumble through its constant-force effect
    std::array<AxisObjectFlags, 8> AxisObjects{};
    // Passes in which the pairing found the device's undecided controller
    // acting as a DirectInput device although it looks like an XInput pad.
    std::uint8_t DirectInputVotes = 0;
    // An XInput pad's battery as last read (BatteryWatch.h); nothing for other devices.
    std::optional<BatteryState> Battery;
    std::uint16_t BatteryPasses = 0;  // passes until the next read
    bool BatteryLowTold = false;      // the low balloon was shown and waits for a level above low
};

struct ControllerListType {
    // In display order; the storage is reserved for 16 at construction and
    // never grows beyond, so a pass may hold a span over it.
    std::vector<ControllerDataType> Controllers;
    std::uint8_t Selected = NoSelection;
    bool IdentificationDone = false;
    std::vector<ControllerFileType> Layouts;  // up to 16, one per identity met
    std::array<ControllerDetectionDataType, MaxDevices> Detection{};
    bool RescanFlag = true;   // set by every device change, cleared by the rescan
    bool Rescanning = false;  // a rescan is under way (one of its messages may be up)
    // The names switch of the main window: the layout's buttons show the
    // assignments' names instead of their keys.
    bool NamesShown = false;

    ControllerListType() {
        Controllers.reserve(MaxControllers);
        Layouts.reserve(MaxControllers);
    }
    std::size_t Count() const { return Controllers.size(); }
    // Where the controller met as arrival sits now; Count() when none.
    std::size_t IndexOf(std::uint8_t arrival) const {
        for (std::size_t i = 0; i < Controllers.size(); ++i)
            if (Controllers[i].Arrival == arrival) return i;
        return Controllers.size();
    }
    ControllerFileType& LayoutOf(const ControllerDataType& c) { return Layouts[c.ControllerFileIndex]; }
    const ControllerDetectionDataType* DetectionOf(const ControllerDataType& c) const {
        return c.DetectionSlot < MaxDevices ? &Detection[c.DetectionSlot] : nullptr;
    }
};

// XInput pads rumble; other devices only through a working force-feedback effect.
inline void UpdateCanRumble(const ControllerListType& list, ControllerDataType& c) {
    const ControllerDetectionDataType* slot = list.DetectionOf(c);
    c.CanRumble = c.DeviceKind == XInputDevice || (slot && slot->ForceFeedback);
}

}  // namespace velmora
