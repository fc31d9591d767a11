#include <gtest/gtest.h>

#include "app/settings/StickWindow.h"
#include "app/settings/StickZoneMap.h"
#include "engine/ControlResolution.h"

namespace velmora {
namespace {

// Points on the map's grid (multiples of 4) with known whole-degree angles
// from the vertical: 44 and 45 degrees, and the EightWay, Horizontal and
// Vertical borders of the default sizes.
struct Point {
    int X, Y;
};
constexpr Point At44{116, 120}, At45{120, 120};
constexpr Point At21{76, 200}, At22{80, 200}, At29{112, 200}, At30{116, 200};
constexpr Point At59{200, 120}, At60{200, 116}, At66{200, 88}, At67{200, 84};

ZoneRamp RampAt(Point p, std::uint8_t mode, std::uint8_t diagonal, std::uint8_t deadZone = 64) {
    return ClassifyStickPoint(p.X, p.Y, deadZone, mode, diagonal).Ramp;
}

TEST(StickZoneMap, TestPointsHaveTheAnglesTheBordersNeed) {
    // Guards the points below: a wrong angle would make the border tests pass for the wrong reason.
    EXPECT_EQ(MeasureStick(At44.X, At44.Y, 64).Angle, 44);
    EXPECT_EQ(MeasureStick(At45.X, At45.Y, 64).Angle, 45);
    EXPECT_EQ(MeasureStick(At21.X, At21.Y, 64).Angle, 21);
    EXPECT_EQ(MeasureStick(At22.X, At22.Y, 64).Angle, 22);
    EXPECT_EQ(MeasureStick(At29.X, At29.Y, 64).Angle, 29);
    EXPECT_EQ(MeasureStick(At30.X, At30.Y, 64).Angle, 30);
    EXPECT_EQ(MeasureStick(At59.X, At59.Y, 64).Angle, 59);
    EXPECT_EQ(MeasureStick(At60.X, At60.Y, 64).Angle, 60);
    EXPECT_EQ(MeasureStick(At66.X, At66.Y, 64).Angle, 66);
    EXPECT_EQ(MeasureStick(At67.X, At67.Y, 64).Angle, 67);
}

TEST(StickZoneMap, StandardGivesTheOverlapOfTwoDirectionsTheSecondRamp) {
    EXPECT_EQ(RampAt(At44, Standard, 1), ZoneRamp::First);   // up only
    EXPECT_EQ(RampAt(At45, Standard, 1), ZoneRamp::First);   // right only
    EXPECT_EQ(RampAt(At45, Standard, 2), ZoneRamp::Second);  // both: the diagonal band
    EXPECT_EQ(RampAt(At22, Standard, 45), ZoneRamp::First);
    EXPECT_EQ(RampAt(At30, Standard, 45), ZoneRamp::Second);
}

TEST(StickZoneMap, FourWayStandardTellsVerticalFromHorizontalAt45Degrees) {
    EXPECT_EQ(RampAt(At44, FourWay, 45), ZoneRamp::First);
    EXPECT_EQ(RampAt(At45, FourWay, 45), ZoneRamp::Second);
    EXPECT_EQ(RampAt({At44.X, -At44.Y}, FourWay, 45), ZoneRamp::First);   // down
    EXPECT_EQ(RampAt({-At45.X, At45.Y}, FourWay, 45), ZoneRamp::Second);  // left
}

TEST(StickZoneMap, FourWayDiagonalAlternatesQuadrants) {
    EXPECT_EQ(RampAt({40, 40}, Diagonal, 45), ZoneRamp::First);    // up-right
    EXPECT_EQ(RampAt({40, -40}, Diagonal, 45), ZoneRamp::Second);  // down-right
    EXPECT_EQ(RampAt({-40, -40}, Diagonal, 45), ZoneRamp::First);  // down-left
    EXPECT_EQ(RampAt({-40, 40}, Diagonal, 45), ZoneRamp::Second);  // up-left
    // The centre belongs to the up-right quadrant, held back by the dead zone.
    const ZonePoint centre = ClassifyStickPoint(0, 0, 64, Diagonal, 45);
    EXPECT_EQ(centre.Ramp, ZoneRamp::First);
    EXPECT_TRUE(centre.InDeadZone);
}

TEST(StickZoneMap, EightWayGivesTheDiagonalBandTheSecondRamp) {
    EXPECT_EQ(RampAt(At29, EightWay, 30), ZoneRamp::First);
    EXPECT_EQ(RampAt(At30, EightWay, 30), ZoneRamp::Second);
    EXPECT_EQ(RampAt(At59, EightWay, 30), ZoneRamp::Second);
    EXPECT_EQ(RampAt(At60, EightWay, 30), ZoneRamp::First);
}

TEST(StickZoneMap, PrioritizedModesGiveTheWidenedAxisTheFirstRamp) {
    EXPECT_EQ(RampAt(At21, Horizontal, 45), ZoneRamp::Second);  // up, narrowed
    EXPECT_EQ(RampAt(At22, Horizontal, 45), ZoneRamp::First);   // right, widened
    EXPECT_EQ(RampAt(At66, Vertical, 45), ZoneRamp::First);     // up, widened
    EXPECT_EQ(RampAt(At67, Vertical, 45), ZoneRamp::Second);    // right
}

TEST(StickZoneMap, DeadZoneEdgeSwitchesToTheOutsideVariantStartingAtItsFirstColour) {
    const ZoneRamps ramps = MakeZoneRamps(ConfigurationType{});
    const ZonePoint inside = ClassifyStickPoint(0, 60, 64, Standard, 45);
    const ZonePoint edge = ClassifyStickPoint(0, 64, 64, Standard, 45);
    EXPECT_TRUE(inside.InDeadZone);
    EXPECT_FALSE(edge.InDeadZone);
    EXPECT_EQ(ZoneColour(inside, 64, ramps), ramps.Inside[0][15]);  // distance 60 / 4
    EXPECT_EQ(ZoneColour(edge, 64, ramps), ramps.Outside[0][0]);    // (64 - 64) / 4
    EXPECT_NE(ramps.Inside[0][15], ramps.Outside[0][0]);
    EXPECT_NE(ramps.Outside[0][0], ramps.Outside[1][0]);
}

TEST(StickZoneMap, RimEndsAtDistance255) {
    EXPECT_NE(ClassifyStickPoint(0, 252, 64, Standard, 45).Ramp, ZoneRamp::None);
    EXPECT_NE(ClassifyStickPoint(180, 180, 64, Standard, 45).Ramp, ZoneRamp::None);  // 254.5
    EXPECT_EQ(ClassifyStickPoint(184, 180, 64, Standard, 45).Ramp, ZoneRamp::None);  // 257.4
    PictureType picture;
    ConfigurationType config;
    DrawStickZoneMap(picture, 0, 0, 64, Standard, 45, config);
    EXPECT_EQ(picture.Get(0, 0), config.Background[0]);
    EXPECT_NE(picture.Get(ZoneMapCentre, 0), config.Background[0]);
}

TEST(StickZoneMap, EveryPixelIsColouredExactlyWhenTheEngineGivesItAZoneInEveryMode) {
    ConfigurationType config;
    config.Background[0] = palette::Magenta;  // in no ramp, so a background pixel is unmistakable
    for (std::uint8_t mode = Standard; mode <= Vertical; ++mode) {
        PictureType picture;
        DrawStickZoneMap(picture, 5, 7, 100, mode, 30, config);
        for (int row = 0; row < ZoneMapSize; ++row)
            for (int column = 0; column < ZoneMapSize; ++column) {
                const int x = (column - ZoneMapCentre) * 4, y = (ZoneMapCentre - row) * 4;
                const StickDirectionStates s = ResolveStick(x, y, MeasureStick(x, y, 100), mode, 30);
                bool zone = x * x + y * y <= 255 * 255;
                bool any = false;
                for (int d = 0; d < 4; ++d) any = any || s.Straight[d] || s.Diagonal[d];
                zone = zone && any;
                ASSERT_EQ(picture.Get(5 + column, 7 + row) != palette::Magenta, zone)
                    << "mode " << int(mode) << " pixel " << column << "," << row;
            }
    }
}

TEST(StickDot, CornerPushShowsFullDistanceOnTheRim) {
    const StickLive live = MeasureStickLive(255, 255);
    EXPECT_EQ(live.Distance, 255);
    EXPECT_EQ(live.X, 180);  // trunc(sin 45 * 255)
    EXPECT_EQ(live.Y, 180);
    EXPECT_EQ(live.Bearing, 45);
    EXPECT_EQ(StickLiveLines(live)[2], ": 100%");
    const StickLive opposite = MeasureStickLive(-255, -255);
    EXPECT_EQ(opposite.X, -180);
    EXPECT_EQ(opposite.Y, -180);
    EXPECT_EQ(opposite.Bearing, 225);
}

TEST(StickDot, BearingRunsClockwiseFromUp) {
    EXPECT_EQ(MeasureStickLive(0, 0).Bearing, 0);
    EXPECT_EQ(MeasureStickLive(0, 100).Bearing, 0);
    EXPECT_EQ(MeasureStickLive(100, 0).Bearing, 90);
    EXPECT_EQ(MeasureStickLive(0, -100).Bearing, 180);
    EXPECT_EQ(MeasureStickLive(-100, 0).Bearing, 270);
    EXPECT_EQ(MeasureStickLive(-100, 100).Bearing, 315);
}

TEST(StickDot, IsSevenBySevenWithoutCornersBlackInsideWhiteRing) {
    ConfigurationType config;
    config.Background[0] = palette::Magenta;
    PictureType picture;
    SetType set;
    DrawStickStatus(picture, 0, 0, set, 0, 0, 0, config);
    const MapPoint c = DotPlace(MeasureStickLive(0, 0));
    EXPECT_EQ(c.Column, ZoneMapCentre);
    EXPECT_EQ(c.Row, ZoneMapCentre);
    EXPECT_EQ(picture.Get(c.Column, c.Row), palette::Black);
    EXPECT_EQ(picture.Get(c.Column + 2, c.Row - 2), palette::Black);
    EXPECT_EQ(picture.Get(c.Column + 3, c.Row), palette::White);
    EXPECT_EQ(picture.Get(c.Column - 2, c.Row + 3), palette::White);
    EXPECT_NE(picture.Get(c.Column + 3, c.Row + 3), palette::White);  // corner left out
    EXPECT_NE(picture.Get(c.Column + 4, c.Row), palette::White);
}

TEST(StickDot, IsClippedToTheMap) {
    PictureType picture;
    picture.Fill(0, 0, 200, 200, palette::Magenta);
    DrawStickDot(picture, 10, 10, MeasureStickLive(255, 0));
    EXPECT_EQ(DotPlace(MeasureStickLive(255, 0)).Column, 127);
    EXPECT_EQ(picture.Get(10 + 124, 10 + ZoneMapCentre), palette::White);
    EXPECT_EQ(picture.Get(10 + 126, 10 + ZoneMapCentre), palette::Black);
    for (int column = 10 + ZoneMapSize; column < 10 + ZoneMapSize + 4; ++column)
        EXPECT_EQ(picture.Get(column, 10 + ZoneMapCentre), palette::Magenta);
}

}  // namespace
}  // namespace velmora
