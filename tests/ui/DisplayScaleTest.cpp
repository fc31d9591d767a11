#include <gtest/gtest.h>

#include <string>

#include "ui/DisplayScale.h"

namespace velmora {
namespace {

constexpr WindowSize Picture{520, 360};

TEST(DisplayScaleTest, FactorIsTheLargestWholeStepTheDpiAllows) {
    EXPECT_EQ(PictureScaleFor(96), 1);
    EXPECT_EQ(PictureScaleFor(120), 1);  // 125 %: a factor of 1.25 would blur or skip pixels
    EXPECT_EQ(PictureScaleFor(144), 1);
    EXPECT_EQ(PictureScaleFor(191), 1);
    EXPECT_EQ(PictureScaleFor(192), 2);
    EXPECT_EQ(PictureScaleFor(287), 2);
    EXPECT_EQ(PictureScaleFor(288), 3);
    // A failed query reads as 0: the picture keeps its own size rather than vanishing.
    EXPECT_EQ(PictureScaleFor(0), 1);
    EXPECT_EQ(PictureScaleFor(-96), 1);
    EXPECT_EQ(PictureScaleFor(72), 1);
}

// The picture pixel a client point lies in, as "x,y", or "none".
std::string CellAt(int x, int y, int factor) {
    const auto point = PicturePointAt(x, y, Picture, factor);
    return point ? std::to_string(point->X) + "," + std::to_string(point->Y) : "none";
}

// Each dpi's cells: the last client pixel of a cell and the first of the next,
// the help button's centre (503, 22), and the picture's last cell.
TEST(DisplayScaleTest, ClientPointsMapToTheCellTheyLieIn) {
    for (const int dpi : {96, 120, 144, 192, 288}) {
        SCOPED_TRACE(dpi);
        const int f = PictureScaleFor(dpi);
        EXPECT_EQ(CellAt(0, 0, f), "0,0");
        EXPECT_EQ(CellAt(f - 1, f - 1, f), "0,0");
        EXPECT_EQ(CellAt(f, 2 * f - 1, f), "1,1");
        EXPECT_EQ(CellAt(503 * f + f - 1, 22 * f, f), "503,22");
        EXPECT_EQ(CellAt(504 * f, 22 * f, f), "504,22");
        EXPECT_EQ(CellAt(520 * f - 1, 360 * f - 1, f), "519,359");
        EXPECT_EQ(CellAt(520 * f, 0, f), "none");
        EXPECT_EQ(CellAt(0, 360 * f, f), "none");
    }
}

TEST(DisplayScaleTest, PointsOutsideOrInTheMarginMapToNothing) {
    // Left of and above the window: integer division alone would give column and row 0.
    EXPECT_FALSE(PicturePointAt(-1, 10, Picture, 2).has_value());
    EXPECT_FALSE(PicturePointAt(10, -1, Picture, 2).has_value());
    EXPECT_FALSE(PicturePointAt(-1, -1, Picture, 3).has_value());
    // A client area wider than the picture (the system kept a minimum width): the margin is no picture.
    EXPECT_FALSE(PicturePointAt(1045, 100, Picture, 2).has_value());
    EXPECT_FALSE(PicturePointAt(100, 725, Picture, 2).has_value());
    // A factor below 1 never reaches the division.
    EXPECT_FALSE(PicturePointAt(10, 10, Picture, 0).has_value());
}

TEST(DisplayScaleTest, DialogLengthsGrowWithTheDpiRoundedAsTheSystemRounds) {
    EXPECT_EQ(ScaledLength(97, 96), 97);
    EXPECT_EQ(ScaledLength(97, 192), 194);
    EXPECT_EQ(ScaledLength(97, 120), 121);  // 121.25
    EXPECT_EQ(ScaledLength(2, 120), 3);     // 2.5: halves go up
    EXPECT_EQ(ScaledLength(11, 144), 17);   // 16.5: the 8-point font at 150 %
    EXPECT_EQ(ScaledLength(25, 144), 38);   // 37.5
    EXPECT_EQ(ScaledLength(11, 120), 14);   // 13.75
    EXPECT_EQ(ScaledLength(0, 288), 0);
    // Halves below zero go away from zero too, so that a place and its mirror stay symmetric.
    EXPECT_EQ(ScaledLength(-2, 120), -3);
    EXPECT_EQ(ScaledLength(-97, 120), -121);
    // Desktop coordinates times a large dpi do not overflow.
    EXPECT_EQ(ScaledLength(30000000, 480), 150000000);
}

// Two buttons of 26 pixels side by side: scaling the width alone would give the
// first one 32.5 -> 33 pixels from 7.5 -> 8 at 120 dpi and overlap the second at 40.
TEST(DisplayScaleTest, PlacesThatMeetAt96DpiStillMeetWhenScaled) {
    for (const int dpi : {96, 120, 144, 168, 192}) {
        SCOPED_TRACE(dpi);
        const ControlPlace left = ScaledPlace({6, 30, 26, 22}, dpi);
        const ControlPlace right = ScaledPlace({32, 30, 26, 22}, dpi);
        EXPECT_EQ(left.Left + left.Width, right.Left);
        EXPECT_EQ(left.Top, right.Top);
        EXPECT_EQ(left.Height, right.Height);
        EXPECT_EQ(right.Left + right.Width, ScaledLength(58, dpi));
    }
    const ControlPlace first = ScaledPlace({6, 30, 26, 22}, 120);
    EXPECT_EQ(first.Left, 8);
    EXPECT_EQ(first.Width, 32);  // 40 - 8, one pixel narrower than 26 scaled alone
    const ControlPlace doubled = ScaledPlace({8, 30, 97, 25}, 192);
    EXPECT_EQ(doubled.Left, 16);
    EXPECT_EQ(doubled.Top, 60);
    EXPECT_EQ(doubled.Width, 194);
    EXPECT_EQ(doubled.Height, 50);
}

TEST(DisplayScaleTest, ScreenCoordinatesMapBackToThe96DpiPixelTheyLieIn) {
    // At 200 % each pixel is two: the second of a pair is still the first pixel.
    EXPECT_EQ(UnscaledCoordinate(0, 192), 0);
    EXPECT_EQ(UnscaledCoordinate(1, 192), 0);
    EXPECT_EQ(UnscaledCoordinate(2, 192), 1);
    EXPECT_EQ(UnscaledCoordinate(1473, 192), 736);  // the last pixel of the 737-pixel assignment window
    // Left of the window, with the pointer captured: not folded onto column 0.
    EXPECT_EQ(UnscaledCoordinate(-1, 192), -1);
    EXPECT_EQ(UnscaledCoordinate(-2, 192), -1);
    EXPECT_EQ(UnscaledCoordinate(-3, 192), -2);
    // At 125 % pixel 1 begins at 1.25 -> 1 and pixel 2 at 2.5 -> 3, as the controls' edges do:
    // a plain quotient would give 0 and 2.
    EXPECT_EQ(UnscaledCoordinate(1, 120), 1);
    EXPECT_EQ(UnscaledCoordinate(2, 120), 1);
    EXPECT_EQ(UnscaledCoordinate(3, 120), 2);
    EXPECT_EQ(UnscaledCoordinate(-3, 120), -2);
    // At 96 dpi and for an unknown dpi nothing changes.
    EXPECT_EQ(UnscaledCoordinate(517, 96), 517);
    EXPECT_EQ(UnscaledCoordinate(-4, 96), -4);
    EXPECT_EQ(UnscaledCoordinate(517, 0), 517);
}

// The first and last screen pixel of every 96-dpi pixel map back to it, so a
// click anywhere on a scaled control lands inside its 96-dpi place.
TEST(DisplayScaleTest, EveryScaledPixelsEdgesMapBackToIt) {
    for (const int dpi : {96, 120, 144, 168, 192, 288}) {
        SCOPED_TRACE(dpi);
        for (int pixel = -8; pixel < 800; ++pixel) {
            ASSERT_EQ(UnscaledCoordinate(ScaledLength(pixel, dpi), dpi), pixel);
            ASSERT_EQ(UnscaledCoordinate(ScaledLength(pixel + 1, dpi) - 1, dpi), pixel);
        }
    }
}

}  // namespace
}  // namespace velmora
