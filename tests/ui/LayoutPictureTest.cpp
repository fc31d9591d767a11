// The picture at exact pixels: regions, separator, tabs, frame and strip.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "files/ControllerFiles.h"
#include "support/FileTestSupport.h"
#include "support/PictureWorld.h"
#include "support/RecordingUserInterface.h"
#include "ui/Ramps.h"
#include "ui/Tabs.h"

namespace velmora {
namespace {

using test::World;

// A part put in row by row lands where it is put, and a part overhanging the
// picture's edges loses only what lies outside: nothing is written past a row.
TEST(PicturePaste, APartLandsAtItsPlaceAndWhatOverhangsIsDropped) {
    PictureType part(3, 2);
    part.Fill(0, 0, 3, 2, palette::Red);
    part.Put(0, 0, palette::Blue);
    PictureType picture(8, 4);
    picture.Paste(part, 2, 1);
    EXPECT_EQ(picture.Get(2, 1), palette::Blue);
    EXPECT_EQ(picture.Get(4, 2), palette::Red);
    EXPECT_EQ(picture.Get(5, 1), palette::Black) << "right of the part";
    EXPECT_EQ(picture.Get(2, 3), palette::Black) << "under the part";
    for (const auto& [x, y] : {std::pair{-1, -1}, std::pair{6, 3}, std::pair{-3, 0}, std::pair{8, 0}}) {
        PictureType edge(8, 4);
        edge.Paste(part, x, y);
        int red = 0, blue = 0;
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 8; ++column) {
                red += edge.Get(column, row) == palette::Red;
                blue += edge.Get(column, row) == palette::Blue;
            }
        const int inside = (std::min(x + 3, 8) - std::max(x, 0)) * (std::min(y + 2, 4) - std::max(y, 0));
        EXPECT_EQ(red + blue, std::max(inside, 0)) << x << "," << y;
        EXPECT_EQ(blue, x >= 0 && y >= 0 && x < 8 && y < 4 ? 1 : 0) << x << "," << y;
    }
}

TEST(TabGeometry, OneTabIs64WideAtNineAndSixTabsNarrowTo57) {
    const TabGeometry one = TabsFor(1);
    EXPECT_EQ(one.Width, 64);
    EXPECT_EQ(one.Height, 32);
    EXPECT_EQ(one.Top, 9);
    EXPECT_EQ(TabLeft(one, 0), 9);
    const TabGeometry six = TabsFor(6);
    EXPECT_EQ(six.Width, 57);  // 73 * 6 = 438 < 439
    EXPECT_EQ(six.Height, 28);
    EXPECT_EQ(six.Top, 11);
    EXPECT_EQ(TabLeft(six, 2), 155);
    EXPECT_EQ(TabsFor(16).Width, 11);
}

TEST(Thumbnail, AveragesEachCellAndCountsMagentaAsWhite) {
    ControllerFileType layout;
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth / 2; ++x) SetPixel(layout, y, x, 0);  // left half black
    BuildThumbnail(layout, TabsFor(1));
    ASSERT_EQ(layout.ThumbnailWidth, 64);
    ASSERT_EQ(layout.ThumbnailHeight, 32);
    ASSERT_EQ(layout.Thumbnail.size(), 64u * 32u * 3u);
    EXPECT_EQ(layout.Thumbnail[0], 0);
    EXPECT_EQ(layout.Thumbnail[(5 * 64 + 63) * 3], 255);
    // Cell 32 gathers columns 252..259 (x * 64 / 512 rounds to 32): four black, four white.
    EXPECT_EQ(layout.Thumbnail[(5 * 64 + 32) * 3 + 1], 127);
}

// A picture whose top-left corner is black, so that the tab's first cell is dark.
void PaintCorner(ControllerFileType& layout) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) SetPixel(layout, y, x, 0);
}

TEST(Thumbnails, FollowEveryPictureChangeAndTheTabCountAndNothingElse) {
    std::vector<ControllerFileType> layouts(2);
    ThumbnailsKey built;
    EXPECT_EQ(UpdateThumbnails(layouts, 2, built), 2);
    EXPECT_EQ(UpdateThumbnails(layouts, 2, built), 0);
    layouts[1].Name = "Renamed";  // the name is not in the picture
    layouts[1].Locations[Button1] = {10, 10};
    EXPECT_EQ(UpdateThumbnails(layouts, 2, built), 0);

    PaintCorner(layouts[1]);
    EXPECT_EQ(UpdateThumbnails(layouts, 2, built), 1);
    EXPECT_EQ(layouts[1].Thumbnail[0], 0);
    EXPECT_EQ(layouts[0].Thumbnail[0], 255);
    ResetLayout(layouts[1]);
    EXPECT_EQ(UpdateThumbnails(layouts, 2, built), 1);
    EXPECT_EQ(layouts[1].Thumbnail[0], 255);

    EXPECT_EQ(UpdateThumbnails(layouts, 3, built), 2);
    EXPECT_EQ(layouts[0].ThumbnailWidth, TabsFor(3).Width);
    layouts.emplace_back();  // the layout of a new identity
    EXPECT_EQ(UpdateThumbnails(layouts, 3, built), 1);
    EXPECT_EQ(layouts[2].ThumbnailWidth, TabsFor(3).Width);
}

TEST(Thumbnails, ALayoutFileOpenedAgainShowsItsNewPictureInTheTab) {
    test::TempFolder folder;
    test::RecordingUserInterface ui;
    ControllerFileType saved;
    saved.FileName = folder.File("Pad.velmoracontroller");
    ASSERT_TRUE(WriteControllerFile(saved, ui));
    std::vector<ControllerFileType> layouts(1);
    ASSERT_TRUE(ReadControllerFile(saved.FileName, layouts[0], ui));
    ThumbnailsKey built;
    UpdateThumbnails(layouts, 1, built);
    ASSERT_EQ(layouts[0].Thumbnail[0], 255);

    // The same file saved with another picture elsewhere, then opened again
    // over the shown layout, the way the controller menu's Open replaces it.
    PaintCorner(saved);
    ASSERT_TRUE(WriteControllerFile(saved, ui));
    ControllerFileType fresh;
    ASSERT_TRUE(ReadControllerFile(saved.FileName, fresh, ui));
    layouts[0] = std::move(fresh);
    EXPECT_EQ(UpdateThumbnails(layouts, 1, built), 1);
    EXPECT_EQ(layouts[0].Thumbnail[0], 0);
}

TEST(MainPicture, BarsAndStripFollowTheInterfaceColours) {
    World w;
    w.Connect(1, 0);
    w.Draw();
    const RampType bar = BuildRamp(45, w.Config.Interface[0], w.Config.Interface[1], w.Config.Interface[2]);
    EXPECT_EQ(w.At(300, 0), bar[0]);
    EXPECT_EQ(w.At(300, 44), bar[44]);
    const RampType strip = BuildRamp(26, w.Config.Interface[0], w.Config.Interface[1], w.Config.Interface[2]);
    EXPECT_EQ(w.At(200, 359), strip[0]);
    EXPECT_EQ(w.At(200, 334), strip[25]);
    EXPECT_EQ(w.At(0, 200), w.Config.Interface[2]);
    EXPECT_EQ(w.At(519, 48), w.Config.Interface[2]);
}

TEST(MainPicture, WhiteFrameLeavesOutItsCorners) {
    World w;
    w.Connect(1, 0);
    w.Draw();
    EXPECT_EQ(w.At(4, 76), palette::White);
    EXPECT_EQ(w.At(515, 333), palette::White);
    EXPECT_EQ(w.At(3, 77), palette::White);
    EXPECT_EQ(w.At(516, 332), palette::White);
    EXPECT_EQ(w.At(3, 76), w.Config.Interface[2]);
    EXPECT_EQ(w.At(516, 333), w.Config.Interface[2]);
}

TEST(MainPicture, PictureBackgroundIsTheBackgroundRampWhereTheImageIsMagenta) {
    World w;
    w.Connect(1, 0);
    SetPixel(*w.Layout, 10, 20, 0x0000FF);  // red
    w.Draw();
    const RampType ramp =
        BuildRamp(256, w.Config.Background[0], w.Config.Background[1], w.Config.Background[2]);
    EXPECT_EQ(w.At(4, 77), ramp[0]);
    EXPECT_EQ(w.At(515, 77 + 200), ramp[200]);
    EXPECT_EQ(w.At(4 + 20, 77 + 10), palette::Red);
}

TEST(MainPicture, SeparatorOpensUnderTheSelectedTab) {
    World w;
    w.Connect(2, 1);  // tab 1 of two: left 89, width 64
    w.Draw();
    const int x = 89, r = x + 64;
    EXPECT_EQ(w.At(x - 7, 45), palette::Silver);
    EXPECT_EQ(w.At(x - 6, 45), palette::Black);
    EXPECT_EQ(w.At(x - 5, 45), palette::Silver);
    EXPECT_EQ(w.At(r + 5, 45), palette::Black);
    EXPECT_EQ(w.At(r + 6, 46), palette::Black);
    EXPECT_EQ(w.At(r + 5, 46), palette::Silver);
    EXPECT_EQ(w.At(x - 7, 47), palette::Grey);
    for (int y = 45; y <= 47; ++y) EXPECT_EQ(w.At(x + 10, y), w.Config.Interface[2]);
    // Outside the span the three rows run across: under tab 0 too.
    EXPECT_EQ(w.At(30, 45), palette::Silver);
    EXPECT_EQ(w.At(30, 46), palette::Black);
    EXPECT_EQ(w.At(30, 47), palette::Grey);
}

TEST(MainPicture, TabsShowTheThumbnailWithWhiteInTheStatusColour) {
    World w;
    w.Connect(3, 1);
    w.Scene.Controllers[2].Connected = false;
    w.Draw();
    const TabGeometry tabs = TabsFor(3);
    EXPECT_EQ(w.At(TabLeft(tabs, 0) + 5, tabs.Top + 5), palette::Grey);
    EXPECT_EQ(w.At(TabLeft(tabs, 1) + 5, tabs.Top + 5), palette::White);
    EXPECT_EQ(w.At(TabLeft(tabs, 2) + 5, tabs.Top + 5), palette::DarkRed);
    w.Scene.Selected = 2;
    w.Draw();
    EXPECT_EQ(w.At(TabLeft(tabs, 2) + 5, tabs.Top + 5), palette::Red);
    EXPECT_EQ(w.At(TabLeft(tabs, 0) - 3, 20), w.Config.Interface[2]);  // the tab's inside
}

TEST(MainPicture, SetButtonOfTheCurrentSetIsPressedAndNothingShowsWithoutALayout) {
    World w;
    w.Connect(1, 0);
    w.Profile.CurrentSet = 3;
    w.Draw();
    const RampType pressed = BuildRamp(20, palette::LightGreen, palette::DarkGreen, palette::Green);
    EXPECT_EQ(w.At(342 + 22 * 3 + 1, 337 + 1), pressed[1]);
    EXPECT_EQ(w.At(342 + 22 * 2 + 1, 337 + 1), palette::White);  // raised edge of a set button
    EXPECT_EQ(w.At(342, 337), w.At(341, 337));                   // rounded corner shows the strip
    w.Scene.Status.LayoutShown = false;
    w.Draw();
    const RampType strip = BuildRamp(26, w.Config.Interface[0], w.Config.Interface[1], w.Config.Interface[2]);
    EXPECT_EQ(w.At(342 + 22 * 3 + 1, 337 + 1), strip[359 - 338]);
}

TEST(MainPicture, NoControllerLeavesTheSeparatorWholeAndTheControllerLineEmpty) {
    World w;
    w.Connect(0, -1);
    w.Draw();
    EXPECT_EQ(w.At(5, 45), palette::Silver);
    EXPECT_EQ(w.At(5, 46), palette::Black);
    EXPECT_EQ(w.At(10, 60), w.Config.Interface[2]);
    EXPECT_EQ(w.At(300, 60), w.Config.Interface[2]);
}

TEST(MainPicture, NameBoxClipsItsTextInsideTheBox) {
    World w;
    w.Connect(1, 0);
    w.Profile.Name = std::string(80, 'W');
    w.Draw();
    bool ink = false;
    for (int y = 54; y < 70; ++y) ink = ink || w.At(400, y) == palette::Black;
    EXPECT_TRUE(ink);
    for (int y = 52; y < 72; ++y) {
        EXPECT_NE(w.At(514, y), palette::Black) << y;  // the last two columns stay clear
        EXPECT_NE(w.At(515, y), palette::Black) << y;
    }
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// A theme image whose every pixel tells where it came from: red the row, green the column.
std::vector<std::uint8_t> TellingThemeImage() {
    std::vector<std::uint8_t> bytes(std::size_t{PictureWidth} * PictureHeight * 3);
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x) {
            const std::size_t i =
                (static_cast<std::size_t>(y) * PictureWidth + static_cast<std::size_t>(x)) * 3;
            bytes[i] = 7;
            bytes[i + 1] = static_cast<std::uint8_t>(x);
            bytes[i + 2] = static_cast<std::uint8_t>(y);
        }
    return bytes;
}

ColourType Theme(int x, int y) {
    return {static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x), 7};
}

TEST(MainPictureTheme, ThemeImageReplacesBarsAreaBackgroundAndTheOpenTab) {
    test::World w;
    const std::vector<std::uint8_t> theme = TellingThemeImage();
    w.Scene.ThemeImage = &theme;
    w.Connect(1, 0);
    w.Draw();
    EXPECT_EQ(w.At(300, 10), Theme(300, 10));
    EXPECT_EQ(w.At(300, 44), Theme(300, 44));
    EXPECT_EQ(w.At(0, 200), Theme(0, 200));
    EXPECT_EQ(w.At(200, 350), Theme(200, 350));
    EXPECT_EQ(w.At(4 + 10, 77 + 5), Theme(14, 82));  // the layout picture is all magenta
    // Under the selected tab (left 9, width 64) the separator takes rows 51, 50 and 49.
    EXPECT_EQ(w.At(30, 45), Theme(30, 51));
    EXPECT_EQ(w.At(30, 46), Theme(30, 50));
    EXPECT_EQ(w.At(30, 47), Theme(30, 49));
    EXPECT_EQ(w.At(100, 46), palette::Black);
    // The tab's inside: row r from row 49 + (49 - r) / 2.
    EXPECT_EQ(w.At(6, 20), Theme(6, 63));
    EXPECT_EQ(w.At(6, 44), Theme(6, 51));
}

}  // namespace
}  // namespace velmora
