#pragma once
// The ready layout of a plugged-in controller: what the controller database
// says of its model, fitted to the axes, buttons and hats the device has, or
// XInput's fixed layout for an XInput pad.

#include <array>

#include "devices/ControllerList.h"
#include "files/ControllerDatabase.h"
#include "model/ReadyLayout.h"

namespace velmora {

// What the opened device has, as the scan found it.
PadCapabilities CapabilitiesOf(const ControllerDetectionDataType& slot);

// Makes the controller's ready layout in layout (its identity stays): from the
// database's entry for the model when the entry fits the device, else from
// XInput's layout when XInput is loaded and the device looks like an XInput
// pad. False, and the layout untouched, when neither knows the controller.
bool MakeControllerReadyLayout(const ControllerListType& list, const ControllerDataType& c,
                               ControllerFileType& layout, const ControllerDatabase& database,
                               bool xinputLoaded, const std::array<ColourType, 3>& colours);

}  // namespace velmora
