// The controller settings window's pictures: its layout picture matches the
// main window's, the detection arrows point the way they name, and the
// palette's and swatch's bytes keep their colours as pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/settings/ControllerPictures.h"
#include "app/settings/LayoutImageTools.h"
#include "support/PictureWorld.h"

namespace velmora::test {
namespace {

constexpr int SecondButton = Button1 + 1;

// Button 1 at Top 100, Left 200 and button 2 at Top 20, Left 40, over an image with a red band.
struct EditorWorld : World {
    EditorWorld() {
        Config.ThemeButtons = SolidButtons;
        Layout->Locations[Button1] = {100, 200};
        Layout->Locations[SecondButton] = {20, 40};
        for (int row = 60; row < 70; ++row)
            for (int column = 0; column < ImageWidth; ++column) {
                const std::size_t at = PixelOffset(row, column);
                Layout->Image[at] = 0;
                Layout->Image[at + 1] = 0;
                Layout->Image[at + 2] = 255;
            }
        Connect(1, 0);
    }
    PictureType Editor(int selected = NoItem) { return ControllerLayoutPicture(Scene, *Text, selected); }
};

TEST(ControllerLayoutPictureTest, ShowsWhatTheMainPictureShowsInsideItsLayoutArea) {
    EditorWorld w;
    w.Draw();
    const PictureType editor = w.Editor();
    ASSERT_EQ(editor.Width(), ImageWidth);
    ASSERT_EQ(editor.Height(), ImageHeight);
    int differences = 0;
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth; ++x)
            differences += editor.Get(x, y) != w.At(LayoutLeft + x, LayoutTop + y);
    EXPECT_EQ(differences, 0);
    // Each button at its own location of the layout, not shifted by the main picture's margins.
    EXPECT_EQ(editor.Get(215, 100), palette::Black);
    EXPECT_EQ(editor.Get(215, 101), palette::White);
    EXPECT_EQ(editor.Get(55, 20), palette::Black);
    EXPECT_EQ(editor.Get(300, 65), palette::Red);  // the image's band
}

TEST(ControllerLayoutPictureTest, TheSelectedButtonAloneTakesTheEditedLook) {
    EditorWorld w;
    const PictureType editor = w.Editor(Button1);
    EXPECT_EQ(editor.Get(215, 101), palette::Yellow);
    EXPECT_EQ(editor.Get(55, 21), palette::White);
    EXPECT_EQ(w.Editor(SecondButton).Get(215, 101), palette::White);
}

// The picture stayed in the resting look while the user pressed buttons.
TEST(ControllerLayoutPictureTest, ControlsShowWhileTheMainWindowHidesItsLayoutAndLightAsItLightsThem) {
    EditorWorld w;
    w.Scene.Status.LayoutShown = false;  // a lost controller's layout slid out of the main picture
    EXPECT_EQ(w.Editor().Get(215, 101), palette::White);
    w.Scene.DrawnStates[Button1] = DrawnActive;
    EXPECT_NE(w.Editor().Get(215, 101), palette::White);
    EXPECT_EQ(w.Editor().Get(55, 21), palette::White);  // the others stay at rest
}

// The ink along the first and the last inked line, counted in the direction the arrow points.
struct ArrowEnds {
    int Tip = 0, Tail = 0, Ink = 0;
};

ArrowEnds EndsOf(const PictureType& arrow, bool vertical, bool reversed) {
    std::vector<int> lines(DetectionArrowSize, 0);
    ArrowEnds ends;
    for (int y = 0; y < DetectionArrowSize; ++y)
        for (int x = 0; x < DetectionArrowSize; ++x)
            if (arrow.Get(x, y) == palette::Black) {
                ++lines[static_cast<std::size_t>(vertical ? y : x)];
                ++ends.Ink;
            }
    if (reversed) std::reverse(lines.begin(), lines.end());
    std::erase(lines, 0);
    if (lines.empty()) return ends;
    ends.Tip = lines.front();
    ends.Tail = lines.back();
    return ends;
}

TEST(DetectionArrowTest, EachArrowIsNarrowAtTheSideItNamesAndAllFourAreOneShape) {
    const ArrowEnds up = EndsOf(DetectionArrowPicture(DirectionPicture::Up), true, false);
    const ArrowEnds down = EndsOf(DetectionArrowPicture(DirectionPicture::Down), true, true);
    const ArrowEnds left = EndsOf(DetectionArrowPicture(DirectionPicture::Left), false, false);
    const ArrowEnds right = EndsOf(DetectionArrowPicture(DirectionPicture::Right), false, true);
    for (const ArrowEnds& arrow : {up, down, left, right}) {
        EXPECT_LT(arrow.Tip, arrow.Tail);
        EXPECT_EQ(arrow.Tip, up.Tip);
        EXPECT_EQ(arrow.Tail, up.Tail);
        EXPECT_EQ(arrow.Ink, up.Ink);
    }
    EXPECT_GT(up.Ink, 0);
}

TEST(ToolPicturesTest, PaletteAndSwatchKeepTheirColours) {
    const PictureType swatch = PictureFromPixels(SwatchSize, SwatchSize, SwatchPixels(0x0000FF));  // red
    EXPECT_EQ(swatch.Get(0, 0), palette::Black);
    EXPECT_EQ(swatch.Get(8, 8), palette::Red);
    const std::vector<std::uint8_t> pixels = PalettePixels();
    const PictureType palettePicture = PictureFromPixels(PaletteWidth, PaletteHeight, pixels);
    ControllerWindowState window;
    ASSERT_TRUE(PickPaletteColour(window, 40, 70));
    const ColourType shown = palettePicture.Get(70, 40);
    EXPECT_EQ(window.Drawing.Colour,
              std::uint32_t{shown.Blue} << 16 | std::uint32_t{shown.Green} << 8 | shown.Red);
}

}  // namespace
}  // namespace velmora::test
