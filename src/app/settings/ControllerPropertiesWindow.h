#pragma once
// The controller properties window's logic: the details text about the
// selected controller (identity, what the device offers, rumble, how XInput
// reads it), the raw values its two panels show, and the device's own
// control panel. The window changes nothing in the model.

#include <array>
#include <cstdint>
#include <string>

#include "devices/ControllerList.h"
#include "devices/DeviceApi.h"

namespace velmora {

inline constexpr int ControllerPropertiesHelpTopic = 21;
// The raw-value panels are refreshed on every fifth pass while the window is open.
inline constexpr std::uint32_t PropertiesRefreshPasses = 5;

// The vendor and product numbers as "045E:028E".
std::string VendorProductText(std::uint32_t vendorProduct);

// The details text in the markup: each entry is its bold label, a line
// break, a space, the value and an empty line. The detection slot may be
// null (the device is gone): it then offers nothing.
std::string ControllerDetailsText(const ControllerDataType& controller,
                                  const ControllerDetectionDataType* detection,
                                  XInputStatusValue xinputStatus);

// One raw value as its panel shows it: a bar from 0 to Maximum with its number.
struct RawValueBar {
    std::string Label;
    std::int32_t Value = 0;
    std::int32_t Maximum = 0;
};

// What the two panels show. The XInput panel is shown only for a controller
// read through XInput.
struct PropertiesPanels {
    std::array<RawValueBar, 8> Axes;  // X, Y, Z, Rx, Ry, Rz, Slider 1, Slider 2: 0..65535
    std::array<bool, 32> Buttons{};   // pressed
    std::array<RawValueBar, 4> POVs;  // hundredths of a degree; 65535 (a full bar) when centred
    bool XInputShown = false;
    std::array<RawValueBar, 7> XInput;  // thumbs shifted to 0..65535, triggers 0..255, the button word
};
PropertiesPanels RawValuePanels(const ControllerDataType& controller);

// Whether a pass of the main loop refreshes the panels.
bool PropertiesRefreshDue(std::uint32_t passCounter);

// Pixels of a bar of the given width for a value, held inside 0..width.
int BarLength(const RawValueBar& bar, int width);

// Asks the controller's DirectInput device to run its own control panel,
// owned by the window given by its native handle. False when the controller
// has no open device or the device refuses.
bool RunControllerControlPanel(DeviceApi& devices, const ControllerListType& list,
                               const ControllerDataType& controller, std::uintptr_t ownerWindow);

}  // namespace velmora
