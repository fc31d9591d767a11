#include <gtest/gtest.h>

#include <memory>

#include "model/ControllerLayout.h"

namespace velmora {
namespace {

// Places a four-direction group with its Up square at (top, left) and the
// other three around it, as the editor does.
void PlaceDPadGroup(ControllerFileType& layout, int up, std::int32_t top, std::int32_t left) {
    layout.Locations[up] = {top, left};
    layout.Locations[up + 1] = {top + 30, left + 30};
    layout.Locations[up + 2] = {top + 60, left};
    layout.Locations[up + 3] = {top + 30, left - 30};
}

TEST(ControllerIdentity, NamesCompareExactlyAndNumbersMustMatch) {
    const ControllerIDType pad{"Game Pad", 0x046DC216};
    EXPECT_EQ(pad, (ControllerIDType{"Game Pad", 0x046DC216}));
    EXPECT_NE(pad, (ControllerIDType{"game pad", 0x046DC216}));
    EXPECT_NE(pad, (ControllerIDType{"Game Pad", 0x046DC217}));
}

TEST(ControllerLayoutWords, AxisNamesAreFoundOnlyExactly) {
    EXPECT_EQ(FindAxisName("Axis X"), 0);
    EXPECT_EQ(FindAxisName("Slider 2"), 7);
    EXPECT_EQ(FindAxisName("axis x"), -1);
    EXPECT_EQ(FindAxisName("Axis X "), -1);
    EXPECT_EQ(ShortAxisNames[6], "Slider1");
}

TEST(ControllerLayoutPixels, BlankPicturesAreMagentaToTheLastPixel) {
    for (std::size_t pixels : {0u, 1u, 2u, 3u, 5u, 1000u, 512u * 256u}) {
        const std::vector<std::uint8_t> image = MagentaPixels(pixels);
        ASSERT_EQ(image.size(), pixels * 3);
        for (std::size_t at = 0; at < image.size(); at += 3)
            ASSERT_TRUE(image[at] == 0xFF && image[at + 1] == 0 && image[at + 2] == 0xFF)
                << "pixel " << at / 3 << " of " << pixels;
    }
}

TEST(ControllerLayoutPixels, RowsAreCopiedWholeAndBlankOnlyWhenAllMagenta) {
    auto layout = std::make_unique<ControllerFileType>();
    std::vector<std::uint32_t> row(ImageWidth, Magenta);
    row.back() = 0x010203;
    SetPixelRow(*layout, 7, row);
    EXPECT_EQ(PixelValue(*layout, 7, 0), Magenta);
    EXPECT_EQ(PixelValue(*layout, 7, ImageWidth - 1), 0x010203u);
    EXPECT_EQ(PixelValue(*layout, 8, 0), Magenta);  // the next row is untouched
    std::vector<std::uint32_t> copy(ImageWidth);
    EXPECT_FALSE(CopyPixelRow(*layout, 7, copy));
    EXPECT_EQ(copy, row);
    EXPECT_TRUE(CopyPixelRow(*layout, 6, copy));
    EXPECT_EQ(copy, std::vector<std::uint32_t>(ImageWidth, Magenta));
}

TEST(ControllerLayoutPixels, ValueIsBlueGreenRedFromTheFirstByte) {
    ControllerFileType layout;
    EXPECT_EQ(PixelValue(layout, 0, 0), Magenta);  // a new layout is blank
    SetPixel(layout, 255, 511, 0x123456);
    EXPECT_EQ(layout.Image[ImageBytes - 3], 0x12);
    EXPECT_EQ(layout.Image[ImageBytes - 1], 0x56);
    EXPECT_EQ(PixelValue(layout, 255, 511), 0x123456u);
}

TEST(FollowDiagonals, DiagonalsTakeTheRowOfTheVerticalAndTheColumnOfTheHorizontal) {
    ControllerFileType layout;
    layout.Locations[Stick1Up] = {10, 50};
    layout.Locations[Stick1Right] = {40, 80};
    layout.Locations[Stick1Down] = {70, 50};
    layout.Locations[Stick1Left] = {40, 20};
    FollowDiagonals(layout, Stick1Up, Stick1UpRight);
    EXPECT_EQ(layout.Locations[Stick1UpRight], (Location{10, 80}));
    EXPECT_EQ(layout.Locations[Stick1DownRight], (Location{70, 80}));
    EXPECT_EQ(layout.Locations[Stick1DownLeft], (Location{70, 20}));
    EXPECT_EQ(layout.Locations[Stick1UpLeft], (Location{10, 20}));
}

TEST(NormaliseLocations, ClampsPlacedSquaresIntoThePicture) {
    ControllerFileType layout;
    layout.Locations[0] = {0, 300};
    layout.Locations[1] = {300, 600};
    layout.Locations[2] = {0, 0};
    layout.Locations[3] = {225, 481};
    layout.Locations[4] = {226, 482};
    layout.Locations[5] = {-5, 0};
    NormaliseLocations(layout);
    EXPECT_EQ(layout.Locations[0], (Location{1, 300}));
    EXPECT_EQ(layout.Locations[1], (Location{225, 481}));
    EXPECT_EQ(layout.Locations[2], (Location{0, 0}));
    EXPECT_EQ(layout.Locations[3], (Location{225, 481}));
    EXPECT_EQ(layout.Locations[4], (Location{225, 481}));
    EXPECT_EQ(layout.Locations[5], (Location{1, 1}));
}

TEST(NormaliseLocations, Stick2WithoutStick1IsRemovedWithAllItsDiagonals) {
    ControllerFileType layout;
    PlaceDPadGroup(layout, Stick2Up, 100, 300);
    layout.Locations[Stick2UpRight] = {5, 5};  // stale diagonal from elsewhere
    NormaliseLocations(layout);
    for (int i = Stick1Up; i <= Stick2Left; ++i) EXPECT_EQ(layout.Locations[i], Location{}) << i;
    for (int i = Stick1UpRight; i <= Stick2UpLeft; ++i) EXPECT_EQ(layout.Locations[i], Location{}) << i;
}

TEST(NormaliseLocations, GroupsAreDecidedByTheirFirstSquare) {
    ControllerFileType layout;
    PlaceDPadGroup(layout, Stick1Up, 100, 100);
    PlaceDPadGroup(layout, Stick2Up, 100, 300);
    PlaceDPadGroup(layout, DPadUp, 10, 200);
    layout.Locations[DPadUp] = {};  // the DPad loses its first square
    layout.Locations[TriggerRight] = {20, 400};
    NormaliseLocations(layout);
    EXPECT_EQ(layout.Locations[Stick2Right], (Location{130, 330}));
    EXPECT_EQ(layout.Locations[Stick2UpRight], (Location{100, 330}));
    EXPECT_EQ(layout.Locations[DPadRight], Location{});
    EXPECT_EQ(layout.Locations[DPadUpLeft], Location{});
    EXPECT_EQ(layout.Locations[TriggerRight], Location{});  // no left trigger
}

TEST(UpdateIndicators, GroupBoxesSitAtDownRowAndRightColumn) {
    ControllerFileType layout;
    PlaceDPadGroup(layout, DPadUp, 10, 200);
    PlaceDPadGroup(layout, Stick2Up, 100, 300);
    UpdateIndicators(layout);
    const IndicatorBox& dpad = layout.Indicators[DPadIndicator];
    EXPECT_EQ(dpad.Present, 1);
    EXPECT_EQ(dpad.Top, 70);
    EXPECT_EQ(dpad.Left, 230);
    EXPECT_EQ(layout.Indicators[Stick1Indicator].Present, 0);
    EXPECT_EQ(layout.Indicators[Stick2Indicator].Present, 1);
    EXPECT_EQ(layout.Indicators[Stick2Indicator].Top, 160);
}

TEST(UpdateIndicators, TriggersBoxGoesBelowInTheUpperHalfAndAboveInTheLowerHalf) {
    ControllerFileType layout;
    layout.Locations[TriggerLeft] = {5, 20};
    layout.Locations[TriggerRight] = {127, 400};
    UpdateIndicators(layout);
    EXPECT_EQ(layout.Indicators[TriggersIndicator].Top, 127 + 32);
    EXPECT_EQ(layout.Indicators[TriggersIndicator].Left, 407);
    layout.Locations[TriggerRight] = {128, 400};
    UpdateIndicators(layout);
    EXPECT_EQ(layout.Indicators[TriggersIndicator].Top, 128 - 18);
    EXPECT_EQ(layout.Indicators[TriggersIndicator].Width, 16);
}

TEST(ResetLayout, KeepsTheIdentityAndClearsEverythingElse) {
    ControllerFileType layout;
    layout.Identity = {"Pad", 42};
    layout.Name = "Pad";
    layout.FileName = "C:\\Pad.velmoracontroller";
    layout.Changed = 1;
    PlaceDPadGroup(layout, DPadUp, 10, 200);
    layout.Locations[TriggerLeft] = {5, 20};
    UpdateIndicators(layout);
    layout.ButtonNames[31] = "Start";
    layout.StickDirectionNames[2] = "Down";
    layout.StickAccess[1][1] = {3, 1, 0};
    layout.DPadAccess[0] = {DPadKind::Button, 0, 4};
    layout.TriggerAccess[1] = {2, 1, 1};
    SetPixel(layout, 3, 3, 0);
    layout.Thumbnail.assign(64 * 32 * 3, 0);

    ResetLayout(layout);
    EXPECT_EQ(layout.Identity, (ControllerIDType{"Pad", 42}));
    EXPECT_TRUE(layout.Name.empty() && layout.FileName.empty());
    EXPECT_EQ(layout.Changed, 0);
    for (const Location& location : layout.Locations) EXPECT_EQ(location, Location{});
    for (const IndicatorBox& box : layout.Indicators) EXPECT_EQ(box.Present, 0);
    EXPECT_TRUE(layout.ButtonNames[31].empty());
    EXPECT_TRUE(layout.StickDirectionNames[2].empty());
    EXPECT_EQ(layout.StickAccess[1][1], (AxisAccess{NoAxis, 1, 0}));  // only the axis is unset
    EXPECT_EQ(layout.DPadAccess[0].Kind, DPadKind::None);
    EXPECT_EQ(layout.TriggerAccess[1].Axis, NoAxis);
    EXPECT_EQ(PixelValue(layout, 3, 3), Magenta);
    EXPECT_EQ(layout.Thumbnail[0], 0xFF);
    EXPECT_EQ(layout.Thumbnail[1], 0x00);
}

}  // namespace
}  // namespace velmora
