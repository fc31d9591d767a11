#pragma once
// What the device side works with: the controller list, the device seam, the
// windows, the configuration (known controllers and options) and the rumble
// output that stops a device's motors.

#include "core/UserInterface.h"
#include "devices/ControllerList.h"
#include "devices/DeviceApi.h"
#include "devices/Rumble.h"
#include "files/Configuration.h"

namespace velmora {

struct DeviceContext {
    ControllerListType& List;
    DeviceApi& Devices;
    UserInterface& Ui;
    ConfigurationType& Config;
    RumbleOutput& Rumble;
};

}  // namespace velmora
