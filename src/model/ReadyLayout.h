#pragma once
// Ready layouts: the layout Velmora makes by itself for a model the
// controller database knows, or for an XInput pad, so that a pad works and
// shows a picture of itself without detection and without a file. Buttons
// keep their numbers (device button b is control button b); the entry gives
// the sticks, triggers and DPad their inputs and the buttons their names.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/Configuration.h"
#include "model/ControllerLayout.h"
#include "model/PadMapping.h"
#include "model/ReadyPicture.h"

namespace velmora {

// What the device has: its axes (X, Y, Z, RX, RY, RZ, Slider 1, Slider 2),
// buttons and hats.
struct PadCapabilities {
    std::array<bool, AxisCount> Axes{};
    std::uint8_t ButtonCount = 0;  // 0: not known; only the entry's buttons are named
    std::uint8_t POVCount = 0;
};

// What the picture needs besides the accesses.
struct ReadyPlan {
    PadFamily Family = PadFamily::Generic;
    std::array<PadButtonRole, 32> Roles{};
};

// The family whose picture and names suit the entry.
PadFamily FamilyOf(const PadMapping& entry, std::uint32_t vendorProduct);

// The name of device button b (0-based) with this role on a pad of the family;
// generic pads and buttons without a role are numbered from 1.
std::string ButtonName(PadFamily family, PadButtonRole role, std::size_t button);
std::array<std::string, 2> TriggerNamesOf(PadFamily family);

// Sets the layout's accesses and names from the entry, after ResetLayout.
// None, and the layout untouched, when the entry reads an axis the device
// does not have: its numbering then does not fit this device.
std::optional<ReadyPlan> MapPadEntry(ControllerFileType& layout, const PadMapping& entry,
                                     const PadCapabilities& device);

// The same for an XInput pad from XInput's fixed layout as DirectInput shows
// it: thumbs on X/Y and RX/RY, the triggers the two halves of Z, buttons A B
// X Y, shoulders, Back, Start and the thumbs as buttons 1..10, the hat.
ReadyPlan MapXInputPad(ControllerFileType& layout);

// Draws the plan's picture and places the controls; a group the picture did
// not place loses its accesses (an unplaced group reads nothing).
void FinishReadyLayout(ControllerFileType& layout, const ReadyPlan& plan,
                       const std::array<ColourType, 3>& colours);

// Both steps for an entry; false, the layout untouched, when the entry does not fit.
bool MakeReadyLayout(ControllerFileType& layout, const PadMapping& entry, const PadCapabilities& device,
                     const std::array<ColourType, 3>& colours);

}  // namespace velmora
