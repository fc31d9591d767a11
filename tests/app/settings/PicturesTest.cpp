#include <gtest/gtest.h>

#include "app/settings/DPadDisc.h"
#include "app/settings/MouseTestPicture.h"
#include "app/settings/SpeedGraph.h"
#include "app/settings/TriggerBars.h"
#include "model/Profile.h"

namespace velmora {
namespace {

std::vector<std::uint8_t> SectorStates(std::uint8_t mode, std::uint8_t bits) {
    const StickDirectionStates states = ResolveDPad(bits, mode);
    const DiscColours colours = MakeDiscColours(ConfigurationType{});
    std::vector<std::uint8_t> shown;
    for (int s = 0; s < DPadSectorCount; ++s) {
        const ColourType c = SectorColour(mode, s, states, colours);
        shown.push_back(c == colours.Active ? Active : c == colours.Filtered ? Filtered : Inactive);
    }
    return shown;
}

using S = std::vector<std::uint8_t>;

TEST(DPadDisc, SectorsAreNumberedClockwiseFromStraightUp) {
    EXPECT_EQ(SectorAt(0, -10), 0);
    EXPECT_EQ(SectorAt(-1, -10), 15);
    EXPECT_EQ(SectorAt(10, 0), 4);
    EXPECT_EQ(SectorAt(0, 10), 8);
    EXPECT_EQ(SectorAt(-10, 0), 12);
    EXPECT_EQ(SectorAt(10, -10), 2);  // 45 degrees begins sector 2
}

TEST(DPadDisc, StandardLightsBothDirectionsButNotTheSectorsBetween) {
    EXPECT_EQ(SectorStates(Standard, DPadUpBit | DPadRightBit),
              (S{2, 0, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}));
}

TEST(DPadDisc, FourWayStandardGivesEachDirectionAQuarter) {
    EXPECT_EQ(SectorStates(FourWay, DPadRightBit), (S{0, 0, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Pressed diagonally both directions are held back.
    EXPECT_EQ(SectorStates(FourWay, DPadUpBit | DPadRightBit),
              (S{1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
}

TEST(DPadDisc, DiagonalModesLightTheDiagonalSectors) {
    EXPECT_EQ(SectorStates(Diagonal, DPadDownBit | DPadLeftBit),
              (S{0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 0, 0, 0, 0}));
    EXPECT_EQ(SectorStates(EightWay, DPadUpBit | DPadRightBit),
              (S{0, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(SectorStates(EightWay, DPadLeftBit), (S{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 0, 0, 0}));
}

TEST(DPadDisc, PrioritizedModesWidenTheFavouredDirections) {
    EXPECT_EQ(SectorStates(Horizontal, DPadUpBit | DPadRightBit),
              (S{1, 2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(SectorStates(Vertical, DPadDownBit | DPadLeftBit),
              (S{0, 0, 0, 0, 0, 2, 2, 2, 2, 2, 2, 1, 1, 0, 0, 0}));
}

TEST(DPadDisc, NeighbouringSectorsOfDifferentControlsDifferInBaseColourInEveryMode) {
    for (std::uint8_t mode = Standard; mode <= Vertical; ++mode)
        for (int s = 0; s < DPadSectorCount; ++s) {
            const int next = (s + 1) % DPadSectorCount;
            if (SectorControl(mode, s) != SectorControl(mode, next))
                EXPECT_NE(SecondBaseColour(mode, s), SecondBaseColour(mode, next)) << int(mode) << " " << s;
            else
                EXPECT_EQ(SecondBaseColour(mode, s), SecondBaseColour(mode, next)) << int(mode) << " " << s;
        }
}

TEST(DPadDisc, OutsideTheDiscIsBackground) {
    ConfigurationType config;
    config.Background[0] = palette::Magenta;
    PictureType picture;
    DrawDPadDisc(picture, 0, 0, Standard, DPadUpBit, config);
    EXPECT_EQ(picture.Get(0, 0), palette::Magenta);
    EXPECT_EQ(picture.Get(DPadDiscSize / 2, 10), palette::Green);  // straight up, held
    EXPECT_NE(picture.Get(DPadDiscSize / 2, DPadDiscSize - 10), palette::Green);
}

TEST(TriggerBars, Threshold255IsRedInEveryPressedColumnButTheLast) {
    for (int c = 1; c < 255; ++c) EXPECT_EQ(BarColumn(c, 255, 255), BarPart::BelowThreshold) << c;
    EXPECT_EQ(BarColumn(255, 255, 255), BarPart::AboveThreshold);
    PictureType picture;
    DrawTriggerBar(picture, 0, 0, 255, 255);
    EXPECT_EQ(picture.Get(253, 8), BarColour(BarPart::BelowThreshold, 8));
    EXPECT_EQ(picture.Get(254, 8), BarColour(BarPart::AboveThreshold, 8));
}

TEST(TriggerBars, ColumnsAboveTheValueAreEmpty) {
    EXPECT_EQ(BarColumn(1, 1, 30), BarPart::BelowThreshold);
    EXPECT_EQ(BarColumn(2, 1, 30), BarPart::Empty);
    EXPECT_EQ(BarColumn(30, 100, 30), BarPart::AboveThreshold);
    EXPECT_EQ(BarColumn(29, 100, 30), BarPart::BelowThreshold);
    EXPECT_EQ(BarColumn(101, 100, 30), BarPart::Empty);
    EXPECT_EQ(BarColumn(1, 0, 1), BarPart::Empty);
}

TEST(TriggerBars, EachPartIsAVerticalRampOfItsOwnColour) {
    EXPECT_NE(BarColour(BarPart::AboveThreshold, 0), BarColour(BarPart::AboveThreshold, 8));
    EXPECT_GT(BarColour(BarPart::AboveThreshold, 8).Green, BarColour(BarPart::AboveThreshold, 8).Red);
    EXPECT_GT(BarColour(BarPart::BelowThreshold, 8).Red, BarColour(BarPart::BelowThreshold, 8).Green);
}

bool RedAt(const PictureType& p, int x, int y) {
    return p.Get(x, y) == palette::Red;
}

TEST(SpeedGraph, CurveHeightsFollowTheSpeedTable) {
    const SpeedTable& table = SharedSpeedTable();
    EXPECT_EQ(StepMagnitude(SpeedGraphSteps - 1), 255);
    EXPECT_EQ(CurveRow(table, 255, SpeedGraphSteps - 1), 2);   // 62 - 5102 / 84
    EXPECT_EQ(CurveRow(table, 100, SpeedGraphSteps - 1), 39);  // 62 - 2001 / 84
    EXPECT_EQ(CurveRow(table, 50, SpeedGraphSteps - 1), 51);   // 62 - 1001 / 84
    EXPECT_EQ(CurveRow(table, 255, 0), 62);                    // a tenth of a pixel rounds to the floor
}

TEST(SpeedGraph, CurvesAreThreePixelsThickAndOnlyForShownSliders) {
    PictureType picture;
    DrawSpeedGraph(picture, 0, 0, {true, 100, false, 200}, SharedSpeedTable());
    const int x = StepColumn(SpeedGraphSteps - 1);
    EXPECT_FALSE(RedAt(picture, x, 37));
    EXPECT_TRUE(RedAt(picture, x, 38) && RedAt(picture, x, 39) && RedAt(picture, x, 40));
    EXPECT_FALSE(RedAt(picture, x, 41));
    for (int y = 0; y < SpeedGraphHeight; ++y)
        for (int column = 0; column < SpeedGraphWidth; ++column)
            ASSERT_NE(picture.Get(column, y), palette::Green);
    DrawSpeedGraph(picture, 0, 0, {false, 100, true, 255}, SharedSpeedTable());
    EXPECT_EQ(picture.Get(x, 2), palette::Green);
    EXPECT_FALSE(RedAt(picture, x, 39));
}

TEST(MouseTestPicture, SpringShowsTheScreenShrunkAndOtherModesWrap) {
    MouseState mouse;
    mouse.SpringShownX = 65535;
    mouse.SpringShownY = 0;
    EXPECT_EQ(TestPlace(mouse, Spring).X, TestPictureSize - 1);
    EXPECT_EQ(TestPlace(mouse, Spring).Y, 0);
    mouse.PositionX = -66;  // one pixel left of the field's left edge from its centre
    mouse.PositionY = 0.5;
    EXPECT_EQ(TestPlace(mouse, LookCamera).X, TestPictureSize - 1);
    EXPECT_EQ(TestPlace(mouse, Cursor).Y, TestPictureSize / 2);
}

TEST(MouseTestPicture, TrailKeepsTheLastPointsAndDrawsThePointerAtTheNewest) {
    MouseTestTrail trail;
    MouseState mouse;
    for (int i = 0; i < TestTrailLength + 5; ++i) {
        mouse.PositionX = i;
        AddTestPoint(trail, mouse, Cursor);
    }
    EXPECT_EQ(trail.Count, TestTrailLength);
    PictureType picture;
    DrawMouseTestPicture(picture, 0, 0, trail, Cursor);
    const TestPoint newest = TestPlace(mouse, Cursor);
    EXPECT_EQ(picture.Get(newest.X, newest.Y), palette::Black);
    EXPECT_EQ(picture.Get(newest.X + 3, newest.Y), palette::Black);
    // The second point (x 66) was pushed out; the oldest kept one (x 70) stays.
    EXPECT_EQ(picture.Get(66, TestPictureSize / 2 - 1), palette::White);
    EXPECT_NE(picture.Get(70, TestPictureSize / 2 - 1), palette::White);
}

}  // namespace
}  // namespace velmora
