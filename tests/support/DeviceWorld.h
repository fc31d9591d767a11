#pragma once
// A controller list over fake devices, with the recording user interface,
// a configuration and the real rumble output over the fake seam.

#include "devices/ControllerLinks.h"
#include "devices/DeviceRumble.h"
#include "support/FakeDeviceApi.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {

struct DeviceWorld {
    FakeDeviceApi Api;
    ControllerListType List;
    RecordingUserInterface Ui;
    ConfigurationType Config;
    DeviceRumble Rumble{Api};
    DeviceContext Context{List, Api, Ui, Config, Rumble};
    std::vector<std::string> Queue;  // profiles named on the command line

    DeviceWorld() { Ui.Showing = true; }

    void Rescan() {
        RescanControllers(Context, [this]() -> std::optional<std::string> {
            if (Queue.empty()) return std::nullopt;
            std::string first = Queue.front();
            Queue.erase(Queue.begin());
            return first;
        });
    }
    ControllerDataType& Pad(std::size_t k) { return List.Controllers[k]; }
    // Makes the identity of a model known, with its recent profiles.
    KnownControllerDataType& Know(const std::string& name, std::uint32_t vendorProduct,
                                  std::string controllerFile, std::array<std::string, 4> recent = {}) {
        KnownControllerDataType& k = Config.KnownControllers[Config.KnownCount++];
        k.Identity = {name, vendorProduct};
        k.ControllerFile = std::move(controllerFile);
        k.RecentProfiles = std::move(recent);
        return k;
    }
};

}  // namespace velmora::test
