#include <gtest/gtest.h>

#include "devices/HeldRumble.h"
#include "support/FakeDeviceApi.h"

namespace velmora::test {
namespace {

TEST(HeldRumble, ACrashStopsEveryRunningMotorOnceThroughItsOwnWay) {
    HeldRumble held;
    FakeDeviceApi api;
    NoteXInputRumble(held, 1, true);
    NoteXInputRumble(held, 2, true);
    NoteXInputRumble(held, 2, false);  // stopped before the crash
    NoteEffectRumble(held, 5, true);
    NoteXInputRumble(held, 9, true);  // no such pad: nothing to hold
    EXPECT_EQ(StopHeldRumble(held, api), 2u);
    EXPECT_EQ(api.Calls, (std::vector<std::string>{"XInput 1 0 0", "StopAll 5"}));
    EXPECT_EQ(StopHeldRumble(held, api), 0u);  // the terminate handler after the exception filter
}

}  // namespace
}  // namespace velmora::test
