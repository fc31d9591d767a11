#include <gtest/gtest.h>

#include "app/settings/SettingsWorld.h"
#include "app/settings/ThemeImageTemplate.h"
#include "base/FileAccess.h"
#include "support/FileTestSupport.h"
#include "ui/ThemeImage.h"

namespace velmora::test {
namespace {

struct ThemeWorld : SettingsWorld {
    TempFolder Folder;
    PaletteState Palette;
    ThemeWorld() { Config.DefaultImageLocation = Folder.Folder(); }
};

// A palette bitmap of the theme size whose header claims a 24-bit picture:
// every pixel is palette entry 7.
std::string PaletteFileWithColourHeader(std::size_t length) {
    std::string bytes;
    WriteBitmapHeader(bytes, 520, 360);
    bytes.resize(length, '\x07');
    const std::size_t entry7 = 54 + 7 * 4;
    bytes[entry7] = 10;      // blue
    bytes[entry7 + 1] = 20;  // green
    bytes[entry7 + 2] = 30;  // red
    return bytes;
}

TEST(ThemeImageOpen, A188278ByteFileIsAPaletteBitmapWhateverItsHeaderSays) {
    ThemeWorld w;
    w.Ui.ChosenFiles.push_back(
        w.Folder.Write("theme.bmp", PaletteFileWithColourHeader(PaletteThemeFileSize)));
    EXPECT_TRUE(OpenThemeImage(w.Settings));
    EXPECT_EQ(w.Config.ThemeImage, w.Folder.File("theme.bmp"));
    EXPECT_TRUE(w.Config.ConfigurationChanged);
    ASSERT_EQ(w.Shell.ThemeImages.size(), 1u);
    const std::vector<std::uint8_t>& pixels = *w.Shell.ThemeImages[0];
    ASSERT_EQ(pixels.size(), 520u * 360u * 3u);
    EXPECT_EQ((std::vector<std::uint8_t>(pixels.begin(), pixels.begin() + 3)),
              (std::vector<std::uint8_t>{10, 20, 30}));
    EXPECT_EQ(w.Ui.LayoutRedraws, 1);
}

TEST(ThemeImageOpen, AFileOfAnyOtherLengthIsRefusedAndTheOldImageStays) {
    ThemeWorld w;
    w.Config.ThemeImage = "old.bmp";
    w.Ui.ChosenFiles.push_back(
        w.Folder.Write("odd.bmp", PaletteFileWithColourHeader(PaletteThemeFileSize + 1)));
    EXPECT_FALSE(OpenThemeImage(w.Settings));
    EXPECT_EQ(w.Config.ThemeImage, "old.bmp");
    EXPECT_TRUE(w.Shell.ThemeImages.empty());
    ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(w.Ui.Dialogs[0].Kind, DialogKind::Warning);
    EXPECT_EQ(w.Ui.Dialogs[0].Heading, "Invalid image detected");
    ASSERT_EQ(w.Ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(w.Ui.OpenDialogs[0].Extension, "bmp");
    EXPECT_TRUE(w.Ui.OpenDialogs[0].Thumbnails);
}

TEST(ThemeImageClear, DropsTheImageAndItsName) {
    ThemeWorld w;
    w.Config.ThemeImage = "old.bmp";
    ClearThemeImage(w.Settings);
    EXPECT_TRUE(w.Config.ThemeImage.empty());
    ASSERT_EQ(w.Shell.ThemeImages.size(), 1u);
    EXPECT_FALSE(w.Shell.ThemeImages[0]);
    EXPECT_EQ(w.Ui.LayoutRedraws, 1);
}

TEST(ThemeImageTemplate, GuideLinesRunAlongTheLayoutPicturesEdgesAndNotInside) {
    const PictureType picture = ThemeImageTemplate();
    for (int x = LayoutLeft; x < LayoutLeft + 512; ++x) {
        ASSERT_EQ(picture.Get(x, LayoutTop), TemplateLayoutGuide) << x;
        ASSERT_EQ(picture.Get(x, LayoutTop + 255), TemplateLayoutGuide) << x;
    }
    for (int y = LayoutTop; y < LayoutTop + 256; ++y) {
        ASSERT_EQ(picture.Get(LayoutLeft, y), TemplateLayoutGuide) << y;
        ASSERT_EQ(picture.Get(LayoutLeft + 511, y), TemplateLayoutGuide) << y;
    }
    EXPECT_EQ(picture.Get(LayoutLeft + 256, LayoutTop + 128), TemplateFill);
    EXPECT_NE(picture.Get(LayoutLeft - 1, LayoutTop + 128), TemplateLayoutGuide);
    EXPECT_NE(picture.Get(LayoutLeft + 512, LayoutTop + 128), TemplateLayoutGuide);
}

TEST(ThemeImageNew, WritesA24BitTemplateThatOpensAsAThemeImageTheRightWayUp) {
    ThemeWorld w;
    const std::string path = w.Folder.File("new.bmp");
    w.Ui.ChosenFiles.push_back(path);
    EXPECT_TRUE(NewThemeImage(w.Settings));
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), ColourThemeFileSize);
    const std::optional<std::vector<std::uint8_t>> pixels = DecodeThemeImage(bytes);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(*pixels, ThemeImageTemplate().Bytes());
    ASSERT_EQ(w.Ui.SaveDialogs.size(), 1u);
    EXPECT_EQ(w.Ui.SaveDialogs[0].TypeName, "Images");
}

TEST(ThemePalette, ASecondColourButtonHidesThePaletteFor25PassesAndRelabelsIt) {
    PaletteState palette;
    PressColourButton(palette, 12);
    EXPECT_TRUE(palette.Shown);
    EXPECT_EQ(palette.Label, "Interface 2");
    PressColourButton(palette, 21);
    EXPECT_EQ(palette.Label, "Background 1");
    for (std::uint32_t pass = 1; pass < PaletteBlinkPasses; ++pass) {
        ASSERT_FALSE(PalettePass(palette)) << pass;
        ASSERT_FALSE(palette.Shown) << pass;
    }
    EXPECT_TRUE(PalettePass(palette));
    EXPECT_TRUE(palette.Shown);
    EXPECT_EQ(palette.Target, 21);
}

TEST(ThemePalette, DraggingPicksColoursInsideTheBorderUntilThePointerLeavesThePicture) {
    ThemeWorld w;
    PressColourButton(w.Palette, 12);
    EXPECT_FALSE(PressPalette(w.Settings, w.Palette, 0, 40));  // on the border: nothing yet
    EXPECT_TRUE(DragPalette(w.Settings, w.Palette, 10, 40));
    EXPECT_EQ(w.Config.Interface[1], PaletteColour(10, 40));
    EXPECT_FALSE(DragPalette(w.Settings, w.Palette, -1, 40));  // left the picture
    EXPECT_FALSE(DragPalette(w.Settings, w.Palette, 100, 120));
    EXPECT_EQ(w.Config.Interface[1], PaletteColour(10, 40));
    EXPECT_EQ(w.Ui.LayoutRedraws, 1);
    EXPECT_TRUE(w.Config.ConfigurationChanged);
}

TEST(ThemePalette, OffersLightAndDarkColoursAndGreys) {
    EXPECT_EQ(PaletteColour(1, 128), (ColourType{0, 0, 0}));
    EXPECT_EQ(PaletteColour(128, 128), (ColourType{255, 255, 255}));
    const ColourType light = PaletteColour(1, 1);
    const ColourType dark = PaletteColour(1, 108);
    EXPECT_GT(light.Green + light.Blue, 400);  // red ramped toward white
    EXPECT_LT(dark.Red, 40);                   // and toward black
}

TEST(ThemeRandom, EachColourOfTheGroupTakesARandomPixelInsideTheBorder) {
    ThemeWorld w;
    const std::array<ColourType, 3> interface = w.Config.Interface;
    std::vector<int> asked;
    std::vector<int> answers{0, 127, 64, 3, 127, 0};
    RandomThemeColours(w.Settings, w.Palette, BackgroundRandomTag, [&](int bound) {
        asked.push_back(bound);
        const int answer = answers[asked.size() - 1];
        return answer;
    });
    EXPECT_EQ(asked, std::vector<int>(6, 128));
    EXPECT_EQ(w.Config.Background[0], PaletteColour(1, 128));
    EXPECT_EQ(w.Config.Background[1], PaletteColour(65, 4));
    EXPECT_EQ(w.Config.Background[2], PaletteColour(128, 1));
    EXPECT_EQ(w.Config.Interface, interface);
    EXPECT_EQ(w.Ui.LayoutRedraws, 1);
}

TEST(ThemeButtons, AStyleButtonSetsTheStyleShowsItBoldAndRedrawsEveryButton) {
    ThemeWorld w;
    ChooseButtonStyle(w.Settings, 11);
    EXPECT_EQ(w.Config.ThemeButtons, GradientButtons);
    EXPECT_FALSE(ButtonStyleBold(w.Config, 10));
    EXPECT_TRUE(ButtonStyleBold(w.Config, 11));
    EXPECT_FALSE(ButtonStyleBold(w.Config, 12));
    EXPECT_EQ(w.Ui.SlotDisplayRedraws, 1);
    EXPECT_EQ(w.Ui.LayoutRedraws, 1);
    EXPECT_TRUE(w.Config.ConfigurationChanged);
}

}  // namespace
}  // namespace velmora::test
