#include <gtest/gtest.h>

#include "devices/DeviceRumble.h"
#include "support/FakeDeviceApi.h"

namespace velmora::test {
namespace {

TEST(DeviceRumble, DirectInputMagnitudeAndDirectionFollowTheMotors) {
    FakeDeviceApi api;
    DeviceRumble rumble(api);
    ControllerDataType c;
    c.DetectionSlot = 2;
    rumble.StartRumble(c, 200, 100);
    rumble.StartRumble(c, 0, 255);
    rumble.StartRumble(c, 255, 0);
    rumble.StopRumble(c);
    EXPECT_EQ(api.Calls, (std::vector<std::string>{"Force 2 5850 4500", "Force 2 9945 9000", "Force 2 9945 0",
                                                   "StopAll 2"}));
}

TEST(DeviceRumble, XInputPadsGetMotorSpeedsOfStrengthTimes256) {
    FakeDeviceApi api;
    DeviceRumble rumble(api);
    ControllerDataType c;
    c.DeviceKind = XInputDevice;
    c.XInputIndex = 3;
    c.DetectionSlot = 0;
    rumble.StartRumble(c, 255, 1);
    rumble.StopRumble(c);
    EXPECT_EQ(api.Calls, (std::vector<std::string>{"XInput 3 65280 256", "XInput 3 0 0"}));
}

}  // namespace
}  // namespace velmora::test
