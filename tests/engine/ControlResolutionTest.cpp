#include <gtest/gtest.h>

#include <cmath>

#include "engine/ControlResolution.h"

namespace velmora {
namespace {

// A stick position at a whole angle from the vertical, in the up-right quadrant.
std::pair<int, int> AtAngle(int degrees) {
    const double r = degrees * 3.14159265358979323846 / 180.0;
    return {static_cast<int>(std::lround(200 * std::sin(r))),
            static_cast<int>(std::lround(200 * std::cos(r)))};
}

StickDirectionStates Stick(int degrees, std::uint8_t mode, std::uint8_t diagonal,
                           std::uint8_t deadZone = 64) {
    const auto [x, y] = AtAngle(degrees);
    const StickGeometry g = MeasureStick(x, y, deadZone);
    EXPECT_EQ(g.Angle, degrees);
    return ResolveStick(x, y, g, mode, diagonal);
}

TEST(StickGeometry, DistanceIsTruncatedAndCappedAt255) {
    EXPECT_EQ(MeasureStick(3, 4, 1).Distance, 5);
    EXPECT_EQ(MeasureStick(10, 10, 1).Distance, 14);  // 14.14
    EXPECT_EQ(MeasureStick(255, 255, 1).Distance, 255);
    EXPECT_EQ(MeasureStick(-255, 0, 1).Distance, 255);
}

TEST(StickGeometry, AngleIsMeasuredFromTheVerticalInEveryQuadrant) {
    EXPECT_EQ(MeasureStick(0, 0, 1).Angle, 0);
    EXPECT_EQ(MeasureStick(-100, 0, 1).Angle, 90);
    EXPECT_EQ(MeasureStick(0, -100, 1).Angle, 0);
    EXPECT_EQ(MeasureStick(-100, -100, 1).Angle, 45);
    EXPECT_EQ(MeasureStick(100, 173, 1).Angle, 30);  // 30.03
    EXPECT_EQ(MeasureStick(-1, 255, 1).Angle, 0);    // 0.22
}

TEST(StickGeometry, DeadZoneIsADistanceBelowTheSetting) {
    EXPECT_TRUE(MeasureStick(0, 63, 64).InDeadZone);
    EXPECT_FALSE(MeasureStick(0, 64, 64).InDeadZone);
    EXPECT_FALSE(MeasureStick(0, 1, 0).InDeadZone);
    EXPECT_TRUE(MeasureStick(0, 0, 0).InDeadZone) << "a centred stick never points anywhere";
}

TEST(StickResolution, StandardDiagonalSizeDecidesTheSharedBandAt45Degrees) {
    StickDirectionStates s = Stick(44, Standard, 1);
    EXPECT_EQ(s.Straight[0], Active);
    EXPECT_EQ(s.Straight[1], Inactive);
    s = Stick(45, Standard, 1);
    EXPECT_EQ(s.Straight[0], Inactive);
    EXPECT_EQ(s.Straight[1], Active);
    s = Stick(45, Standard, 2);
    EXPECT_EQ(s.Straight[0], Active);
    EXPECT_EQ(s.Straight[1], Active);
    s = Stick(45, Standard, 0);
    EXPECT_EQ(s.Straight[0], Inactive);
    EXPECT_EQ(s.Straight[1], Inactive);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(s.Diagonal[d], Inactive);
}

TEST(StickResolution, FourWayGivesExactlyOneDirection) {
    EXPECT_EQ(Stick(44, FourWay, 60).Straight[0], Active);
    EXPECT_EQ(Stick(44, FourWay, 60).Straight[1], Inactive);
    EXPECT_EQ(Stick(45, FourWay, 60).Straight[0], Inactive);
    EXPECT_EQ(Stick(45, FourWay, 60).Straight[1], Active);
}

TEST(StickResolution, EightWayGivesTheBandToTheDiagonalAlone) {
    for (int a = 0; a <= 90; ++a) {
        const StickDirectionStates s = Stick(a, EightWay, 30);
        EXPECT_EQ(s.Straight[0], a < 30 ? Active : Inactive) << a;
        EXPECT_EQ(s.Diagonal[0], a >= 30 && a < 60 ? Active : Inactive) << a;
        EXPECT_EQ(s.Straight[1], a >= 60 ? Active : Inactive) << a;
    }
}

TEST(StickResolution, HorizontalAndVerticalWidenTheirSectors) {
    // d = 30: lo 30, hi 60.
    EXPECT_EQ(Stick(30, Horizontal, 30).Straight[1], Active);
    EXPECT_EQ(Stick(30, Horizontal, 30).Straight[0], Inactive);
    EXPECT_EQ(Stick(59, Vertical, 30).Straight[0], Active);
    EXPECT_EQ(Stick(59, Vertical, 30).Straight[1], Inactive);
}

TEST(StickResolution, DiagonalModeQuadrantsAndTheCentre) {
    StickDirectionStates s = ResolveStick(0, 0, MeasureStick(0, 0, 64), Diagonal, 45);
    EXPECT_EQ(s.Diagonal[0], Filtered) << "the centre belongs to the up-right quadrant";
    s = ResolveStick(0, 0, MeasureStick(0, 0, 0), Diagonal, 45);
    EXPECT_EQ(s.Diagonal[0], Filtered) << "a dead zone of 0 must not hold up-right on a resting stick";
    s = ResolveStick(-100, -5, MeasureStick(-100, -5, 64), Diagonal, 45);
    EXPECT_EQ(s.Diagonal[2], Active);
    EXPECT_EQ(s.Diagonal[0] + s.Diagonal[1] + s.Diagonal[3], 0);
}

TEST(StickResolution, ADiagonalSizeAbove90BehavesLike90) {
    for (int a : {0, 10, 45, 80, 90}) {
        const StickDirectionStates wide = Stick(a, EightWay, 200);
        const StickDirectionStates ninety = Stick(a, EightWay, 90);
        for (int d = 0; d < 4; ++d) {
            EXPECT_EQ(wide.Straight[d], ninety.Straight[d]) << a;
            EXPECT_EQ(wide.Diagonal[d], ninety.Diagonal[d]) << a;
        }
    }
    EXPECT_EQ(Stick(0, EightWay, 200).Straight[0], Inactive);
    EXPECT_EQ(Stick(0, Standard, 200).Straight[0], Active);
}

TEST(DPadResolution, ModesOfADiagonalPress) {
    const std::uint8_t upRight = DPadUpBit | DPadRightBit;
    StickDirectionStates s = ResolveDPad(upRight, FourWay);
    EXPECT_EQ(s.Straight[0], Filtered);
    EXPECT_EQ(s.Straight[1], Filtered);
    s = ResolveDPad(upRight, Horizontal);
    EXPECT_EQ(s.Straight[0], Filtered);
    EXPECT_EQ(s.Straight[1], Active);
    s = ResolveDPad(upRight, Vertical);
    EXPECT_EQ(s.Straight[0], Active);
    EXPECT_EQ(s.Straight[1], Filtered);
    s = ResolveDPad(upRight, Standard);
    EXPECT_EQ(s.Straight[0], Active);
    EXPECT_EQ(s.Straight[1], Active);
    EXPECT_EQ(s.Diagonal[0], Inactive);
    s = ResolveDPad(upRight, EightWay);
    EXPECT_EQ(s.Straight[0], Inactive);
    EXPECT_EQ(s.Diagonal[0], Active);
    s = ResolveDPad(upRight, Diagonal);
    EXPECT_EQ(s.Straight[0], Filtered);
    EXPECT_EQ(s.Diagonal[0], Active);
    EXPECT_EQ(ResolveDPad(DPadLeftBit | DPadUpBit, EightWay).Diagonal[3], Active);
}

TEST(TriggerResolution, ThresholdFiltersATouch) {
    EXPECT_EQ(ResolveTrigger(0, 30), Inactive);
    EXPECT_EQ(ResolveTrigger(1, 30), Filtered);
    EXPECT_EQ(ResolveTrigger(30, 30), Active);
    EXPECT_EQ(ResolveTrigger(0, 0), Inactive);
}

TEST(ResolveControls, FillsEveryGroupFromTheCurrentSet) {
    ControllerDataType c;
    c.Profile.CurrentSet = 2;
    SetType& set = c.Profile.Sets[2];
    set.StickModes = {FourWay, EightWay};
    set.TriggerDeadZones = {30, 30};
    c.Input.Buttons = 1u << 4;
    c.Input.DPad = DPadDownBit;
    c.Input.StickX = {-200, 100};
    c.Input.StickY = {0, 100};
    c.Input.Triggers = {10, 200};
    ResolveControls(c);
    EXPECT_EQ(c.ControlState[4], Active);
    EXPECT_EQ(c.ControlState[3], Inactive);
    EXPECT_EQ(c.ControlState[DPadDown], Active);
    EXPECT_EQ(c.ControlState[Stick1Left], Active);
    EXPECT_EQ(c.ControlState[Stick2UpRight], Active);
    EXPECT_EQ(c.ControlState[Stick2Up], Inactive);
    EXPECT_EQ(c.ControlState[TriggerLeft], Filtered);
    EXPECT_EQ(c.ControlState[TriggerRight], Active);
    EXPECT_EQ(c.Sticks[0].Angle, 90);
    EXPECT_EQ(c.Sticks[1].Distance, 141);
}

}  // namespace
}  // namespace velmora
