#include <gtest/gtest.h>

#include "app/settings/ControllerWindowWorld.h"
#include "app/settings/LayoutEditing.h"
#include "app/settings/LayoutImageTools.h"
#include "base/FileAccess.h"
#include "support/FileTestSupport.h"

namespace velmora::test {
namespace {

constexpr std::uint32_t Red = 0x0000FF;  // blue * 65536 + green * 256 + red
constexpr std::uint32_t Blue = 0xFF0000;

int CountPixels(const ControllerFileType& layout, std::uint32_t colour) {
    int count = 0;
    for (int row = 0; row < ImageHeight; ++row)
        for (int column = 0; column < ImageWidth; ++column)
            count += PixelValue(layout, row, column) == colour;
    return count;
}

// A 24-bit file whose rows are stored bottom first: row r of the picture
// (counted from the top) has blue byte r.
std::string TwentyFourBitFile() {
    std::string file;
    WriteBitmapHeader(file, ImageWidth, ImageHeight);
    for (int fileRow = 0; fileRow < ImageHeight; ++fileRow)
        for (int column = 0; column < ImageWidth; ++column) {
            file += static_cast<char>(ImageHeight - 1 - fileRow);
            file += static_cast<char>(column % 256);
            file += '\x07';
        }
    return file;
}

TEST(LayoutImageFileTest, TwentyFourBitFilesAreReadBottomRowFirst) {
    const auto image = DecodeLayoutImage(TwentyFourBitFile());
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ((*image)[PixelOffset(0, 0)], 0);
    EXPECT_EQ((*image)[PixelOffset(200, 300)], 200);
    EXPECT_EQ((*image)[PixelOffset(200, 300) + 1], 300 % 256);
    EXPECT_EQ((*image)[PixelOffset(255, 511) + 2], 7);
}

TEST(LayoutImageFileTest, EightBitFilesAreReadThroughTheirPalette) {
    std::string file(EightBitImageFileSize, '\0');
    file[54 + 5 * 4] = '\x11';  // palette entry 5: blue, green, red, unused
    file[54 + 5 * 4 + 1] = '\x22';
    file[54 + 5 * 4 + 2] = '\x33';
    file[1078 + 512 * 255 + 10] = '\x05';  // the last stored row is the picture's top row
    const auto image = DecodeLayoutImage(file);
    ASSERT_TRUE(image.has_value());
    const std::size_t at = PixelOffset(0, 10);
    EXPECT_EQ((*image)[at], 0x11);
    EXPECT_EQ((*image)[at + 1], 0x22);
    EXPECT_EQ((*image)[at + 2], 0x33);
    EXPECT_EQ((*image)[PixelOffset(255, 10)], 0);
}

TEST(LayoutImageFileTest, AnyOtherSizeIsRefusedWhateverItsHeaderSays) {
    std::string file = TwentyFourBitFile();
    file += '\0';  // a good header and pixels, one byte too long
    EXPECT_FALSE(DecodeLayoutImage(file).has_value());
    file.resize(TwentyFourBitImageFileSize - 1);
    EXPECT_FALSE(DecodeLayoutImage(file).has_value());
    EXPECT_FALSE(DecodeLayoutImage(std::string(EightBitImageFileSize + 1, '\0')).has_value());
    EXPECT_FALSE(DecodeLayoutImage("").has_value());
}

TEST(LayoutImageFileTest, ExportWritesWhatOpenReadsBack) {
    ControllerFileType layout;
    SetPixel(layout, 0, 0, Red);
    SetPixel(layout, 255, 511, Blue);
    const std::string file = EncodeLayoutImage(layout);
    EXPECT_EQ(file.size(), TwentyFourBitImageFileSize);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(DecodeLayoutImage(file), layout.Image);
}

// A folder of its own per test: the suite's tests run side by side, and a
// shared one was emptied by one test while another read its picture from it.
class ImageTabTest : public ControllerWindowWorld {
protected:
    std::string WriteTemporary(const std::string& bytes) { return folder.Write("picture.bmp", bytes); }
    TempFolder folder;
    ConfigurationType config;
};

TEST_F(ImageTabTest, OpenRefusesAFileOfAnotherSizeAndChangesNothing) {
    ui.ChosenFiles.push_back(WriteTemporary(TwentyFourBitFile() + "extra"));
    window.Drawing.Mode = DrawMode::Pen;
    EXPECT_FALSE(OpenLayoutImage(window, layout, ui, config));
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Kind, DialogKind::Warning);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Invalid image detected");
    EXPECT_EQ(CountPixels(layout, Magenta), ImageWidth * ImageHeight);
    EXPECT_EQ(layout.Changed, 0);
    EXPECT_EQ(window.Drawing.Mode, DrawMode::Pen);
}

TEST_F(ImageTabTest, OpenLoadsAnAcceptedFileAndStopsDrawing) {
    ui.ChosenFiles.push_back(WriteTemporary(TwentyFourBitFile()));
    window.Drawing.Mode = DrawMode::Fill;
    const auto version = layout.PictureVersion;
    EXPECT_TRUE(OpenLayoutImage(window, layout, ui, config));
    EXPECT_EQ(layout.Image[PixelOffset(9, 0)], 9);
    EXPECT_NE(layout.PictureVersion, version);  // so the tab's thumbnail is rebuilt
    EXPECT_EQ(layout.Changed, 1);
    EXPECT_EQ(window.Drawing.Mode, DrawMode::None);
    ASSERT_EQ(ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(ui.OpenDialogs[0].Extension, "bmp");
}

// Open of an unreadable picture said "Invalid image detected"; Export to a
// folder that cannot be written wrote nothing and said nothing.
TEST_F(ImageTabTest, FilesThatCannotBeReadOrWrittenGiveTheFileMessages) {
    ui.ChosenFiles.push_back(folder.File("missing.bmp"));
    EXPECT_FALSE(OpenLayoutImage(window, layout, ui, config));
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Kind, DialogKind::Error);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File cannot be found or cannot be opened");
    EXPECT_EQ(layout.Changed, 0);

    ui.ChosenFiles.push_back(folder.File("no such folder/picture.bmp"));
    EXPECT_FALSE(ExportLayoutImage(layout, ui, config));
    ASSERT_EQ(ui.Dialogs.size(), 2u);
    EXPECT_EQ(ui.Dialogs[1].Kind, DialogKind::Error);
    EXPECT_EQ(ui.Dialogs[1].Heading, "File cannot be saved");
}

TEST_F(ImageTabTest, ClearMakesThePictureTransparent) {
    SetPixel(layout, 100, 100, Red);
    const auto version = layout.PictureVersion;
    ClearLayoutImage(layout, ui);
    EXPECT_EQ(CountPixels(layout, Magenta), ImageWidth * ImageHeight);
    EXPECT_NE(layout.PictureVersion, version);
    EXPECT_EQ(ui.LayoutRedraws, 1);
}

TEST_F(ImageTabTest, PenSquaresAreCentredAndClippedAtEveryEdge) {
    PaintSquare(layout, 100, 100, 4, Red);  // corner 1 up and left of the point
    EXPECT_EQ(PixelValue(layout, 99, 99), Red);
    EXPECT_EQ(PixelValue(layout, 102, 102), Red);
    EXPECT_NE(PixelValue(layout, 103, 102), Red);
    EXPECT_EQ(CountPixels(layout, Red), 16);
    ClearLayoutImage(layout, ui);
    PaintSquare(layout, 0, 0, 4, Red);
    EXPECT_EQ(CountPixels(layout, Red), 9);
    PaintSquare(layout, 255, 511, 5, Blue);  // corner 2 back: rows 253.., columns 509..
    EXPECT_EQ(CountPixels(layout, Blue), 9);
    PaintSquare(layout, 0, 300, 64, Blue);
    EXPECT_EQ(CountPixels(layout, Blue), 9 + 64 * 33);
    PaintSquare(layout, 128, 256, 1, Red);
    EXPECT_EQ(PixelValue(layout, 128, 256), Red);
}

TEST_F(ImageTabTest, PenPaintsOnPressAndWhileHeldAndEraseRestoresMagenta) {
    window.Drawing = {DrawMode::Pen, Red, 2, false};
    EXPECT_EQ(PressOnLayout(window, layout, ui, 100, 300), LayoutPress::Drawing);
    MoveOnLayout(window, layout, ui, 100, 301);
    EXPECT_EQ(CountPixels(layout, Red), 6);  // two 2 x 2 squares sharing a column
    ReleaseOnLayout(window, layout, ui);
    MoveOnLayout(window, layout, ui, 50, 50);  // released: no more paint
    EXPECT_EQ(CountPixels(layout, Red), 6);
    window.Drawing.Mode = DrawMode::Erase;
    PressOnLayout(window, layout, ui, 100, 300);
    EXPECT_EQ(CountPixels(layout, Red), 2);
    EXPECT_EQ(layout.Changed, 1);
}

TEST_F(ImageTabTest, FillTakesTheFourConnectedRegionOnly) {
    // A red box from (10, 10) to (20, 20); one gap pixel of its wall lets no
    // colour through because it touches the inside only diagonally.
    for (int i = 10; i <= 20; ++i) {
        SetPixel(layout, 10, i, Red);
        SetPixel(layout, 20, i, Red);
        SetPixel(layout, i, 10, Red);
        SetPixel(layout, i, 20, Red);
    }
    SetPixel(layout, 10, 10, Magenta);  // the corner: outside touches inside only diagonally
    EXPECT_TRUE(FillRegion(layout, 15, 15, Blue));
    EXPECT_EQ(CountPixels(layout, Blue), 9 * 9);
    EXPECT_EQ(PixelValue(layout, 10, 10), Magenta);
    EXPECT_EQ(PixelValue(layout, 0, 0), Magenta);
}

TEST_F(ImageTabTest, FillOnTheSameColourChangesNothing) {
    window.Drawing = {DrawMode::Fill, Magenta, 32, false};
    EXPECT_EQ(PressOnLayout(window, layout, ui, 5, 200), LayoutPress::Drawing);
    EXPECT_EQ(layout.Changed, 0);
    EXPECT_EQ(ui.LayoutRedraws, 0);
    window.Drawing.Colour = Red;
    PressOnLayout(window, layout, ui, 5, 200);
    EXPECT_EQ(CountPixels(layout, Red), ImageWidth * ImageHeight);
}

TEST(PaletteTest, EachToolShowsOnlyTheControlsItUses) {
    EXPECT_FALSE(PenSizeShown(DrawMode::None));
    EXPECT_FALSE(PaletteShown(DrawMode::None));
    EXPECT_TRUE(PenSizeShown(DrawMode::Pen));
    EXPECT_TRUE(PaletteShown(DrawMode::Pen));
    EXPECT_FALSE(PenSizeShown(DrawMode::Fill));  // a fill has no size
    EXPECT_TRUE(PaletteShown(DrawMode::Fill));
    EXPECT_TRUE(PenSizeShown(DrawMode::Erase));
    EXPECT_FALSE(PaletteShown(DrawMode::Erase));  // erasing paints the transparent colour
}

TEST(PaletteTest, PicksColoursInsideTheBorderOnly) {
    ControllerWindowState window;
    const std::vector<std::uint8_t> palette = PalettePixels();
    EXPECT_FALSE(PickPaletteColour(window, 0, 10));
    EXPECT_FALSE(PickPaletteColour(window, 10, PaletteWidth - 1));
    EXPECT_EQ(window.Drawing.Colour, 0u);
    ASSERT_TRUE(PickPaletteColour(window, 1, 1));
    EXPECT_EQ(window.Drawing.Colour, 0xFFFFFFu);  // the top row starts white
    ASSERT_TRUE(PickPaletteColour(window, 33, 1));
    const std::size_t at = (33u * PaletteWidth + 1u) * 3u;
    EXPECT_EQ(window.Drawing.Colour, std::uint32_t{palette[at]} << 16 | std::uint32_t{palette[at + 1]} << 8 |
                                         std::uint32_t{palette[at + 2]});
    EXPECT_EQ(palette[at + 2], 255);  // the first column is red
    EXPECT_EQ(palette[at], 0);
}

TEST(PaletteTest, TheSwatchFramesTheColourInBlack) {
    const std::vector<std::uint8_t> swatch = SwatchPixels(Blue);
    EXPECT_EQ(swatch[0], 0);
    EXPECT_EQ(swatch[(1u * SwatchSize + 1u) * 3u], 0xFF);
    EXPECT_EQ(swatch[(16u * SwatchSize + 16u) * 3u], 0xFF);
    EXPECT_EQ(swatch[(17u * SwatchSize + 16u) * 3u], 0);
}

}  // namespace
}  // namespace velmora::test
