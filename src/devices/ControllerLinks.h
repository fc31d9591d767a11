#pragma once
// The life of the controllers in the list: linking opened devices (a lost
// controller of the same identity comes back, anything else is added), the
// rescan that completes new controllers with a layout and a profile, losing
// and regaining a device, the selection and the display order.

#include <functional>
#include <optional>
#include <string>

#include "devices/DeviceContext.h"

namespace velmora {

// Hands out the next profile named on the command line, if any.
using TakeQueuedProfileFunction = std::function<std::optional<std::string>()>;

// Re-links a lost controller of the same identity, or adds a new controller
// (not beyond 16: then the answer is false and the device is not taken).
bool LinkDevice(DeviceContext& context, DeviceSlot slot, const ControllerIDType& identity);

// Scans for devices and completes every new controller: layout, blank
// profile, the profile to open first. Clears the rescan flag first.
void RescanControllers(DeviceContext& context, const TakeQueuedProfileFunction& takeQueuedProfile);

// Loads the known controller file of the controller's identity into its layout.
bool AutoOpenControllerFile(DeviceContext& context, ControllerDataType& controller);

// The device stopped answering: neutral input, the held toggles and running
// sequences dropped, the device released. The entry stays in the list.
void ControllerLost(DeviceContext& context, std::size_t index);

// What the controller's toggles and running sequences hold, dropped: its own
// input cannot release it any more (the device is lost, the system sleeps).
void DropRunningActions(ControllerDataType& controller);

// A lost controller's device was opened again: it is read from this pass on.
void ControllerReturned(DeviceContext& context, std::size_t index);

// Makes a controller the current one.
void SelectController(DeviceContext& context, std::size_t index);

// Known controllers first by known index and instance, then the others by
// device name and instance. The selection follows its controller.
void SortControllers(ControllerListType& list);

// Closes every settings window (the help window is not one).
void CloseSettingsWindows(UserInterface& ui);
// The windows of the selected controller: every settings window but the
// global settings and the help.
void CloseControllerWindows(UserInterface& ui);

}  // namespace velmora
