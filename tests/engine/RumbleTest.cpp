#include <gtest/gtest.h>

#include <vector>

#include "engine/Rumble.h"

namespace velmora {
namespace {

struct MotorLog : RumbleOutput {
    std::vector<std::array<int, 2>> Sent;
    void StartRumble(ControllerDataType&, std::uint8_t s0, std::uint8_t s1) override {
        Sent.push_back({s0, s1});
    }
    void StopRumble(ControllerDataType&) override { Sent.push_back({0, 0}); }
};

TEST(SetRumble, AStopBeforeTenPassesIsRefusedAndKeepsRumbleNow) {
    ControllerDataType c;
    MotorLog log;
    SetRumble(c, 255, 1, false, log);
    c.RumblePasses = 9;
    SetRumble(c, 0, 0, false, log);
    EXPECT_EQ(c.RumbleNow, (std::array<std::uint8_t, 2>{255, 1}));
    c.RumblePasses = 10;
    SetRumble(c, 0, 0, false, log);
    EXPECT_EQ(c.RumbleNow, (std::array<std::uint8_t, 2>{0, 0}));
    EXPECT_EQ(c.RumblePasses, 0u);
    EXPECT_EQ(log.Sent, (std::vector<std::array<int, 2>>{{255, 1}, {0, 0}}));
}

TEST(SetRumble, AForcedStopActsAtOnceAndAChangeRestartsTheCount) {
    ControllerDataType c;
    MotorLog log;
    SetRumble(c, 10, 0, false, log);
    c.RumblePasses = 5;
    SetRumble(c, 20, 0, false, log);
    EXPECT_EQ(c.RumblePasses, 0u);
    SetRumble(c, 0, 0, true, log);
    EXPECT_EQ(log.Sent, (std::vector<std::array<int, 2>>{{10, 0}, {20, 0}, {0, 0}}));
}

}  // namespace
}  // namespace velmora
