#pragma once
// What the device side works with: the controller list, the device seam, the
// windows, the configuration (known controllers and options) and the rumble
// output that stops a device's motors.

#include "base/UserInterface.h"
#include "devices/ControllerList.h"
#include "devices/DeviceApi.h"
#include "engine/Rumble.h"
#include "model/Configuration.h"

namespace velmora {

struct DeviceContext {
    ControllerListType& List;
    DeviceApi& Devices;
    UserInterface& Ui;
    ConfigurationType& Config;
    RumbleOutput& Rumble;
};

}  // namespace velmora
