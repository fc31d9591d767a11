#pragma once
// Reading a controller's device once per pass and turning its raw state into
// the normalised input: sticks -255..255 (right and up positive), 32 buttons,
// the DPad bits and triggers 0..255, through the controller's layout.

#include <cstdint>

#include "base/UserInterface.h"
#include "devices/DeviceApi.h"
#include "model/Controller.h"
#include "model/ControllerLayout.h"

namespace velmora {

// Reads the raw state; false when the device no longer answers. XInput pads
// also fill the DirectInput state while a window shows it.
bool ReadController(DeviceApi& devices, const UserInterface& ui, ControllerDataType& controller);

// Fills Input from the raw state. settingsWindowOpen: the controller
// settings window is open, so an XInput pad is read through its layout
// (sticks, buttons and DPad) like any other device while it is edited.
void NormaliseInput(ControllerDataType& controller, const ControllerFileType& layout,
                    bool settingsWindowOpen);

// The conversions, one value each.
std::int16_t AxisToStick(std::int32_t raw);  // 0..65535 -> -255..255
std::int16_t ThumbToStick(std::int16_t thumb);
std::uint8_t AxisToTrigger(std::int32_t raw, const AxisAccess& access);
std::uint8_t POVBits(std::uint32_t pov);  // the DPad bits of a hat position

}  // namespace velmora
