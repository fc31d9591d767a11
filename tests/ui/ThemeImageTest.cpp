#include <gtest/gtest.h>

#include "support/FileTestSupport.h"
#include "model/Configuration.h"
#include "support/RecordingUserInterface.h"
#include "ui/ThemeImage.h"

namespace velmora {
namespace {

constexpr std::size_t Width = 520, Height = 360;

// A 24-bit file whose pixel (x, y) (top row 0) is blue x % 256, green y % 256, red 7.
std::string ColourFile() {
    std::string file(54, 'h');
    for (std::size_t row = Height; row-- > 0;)
        for (std::size_t x = 0; x < Width; ++x) {
            file += static_cast<char>(x % 256);
            file += static_cast<char>(row % 256);
            file += static_cast<char>(7);
        }
    return file;
}

// A palette file whose header claims 24 bits: the length alone decides.
std::string PaletteFile() {
    std::string file = "BM" + std::string(26, '\0') + std::string(1, '\x18') + std::string(25, '\0');
    for (int i = 0; i < 256; ++i) file += {static_cast<char>(i), static_cast<char>(255 - i), '\x01', '\0'};
    for (std::size_t row = Height; row-- > 0;)
        for (std::size_t x = 0; x < Width; ++x) file += static_cast<char>(row == 0 ? 200 : 3);
    return file;
}

std::size_t At(std::size_t x, std::size_t y) {
    return (y * Width + x) * 3;
}

TEST(ThemeImageTest, DecodesBothFormsTopRowFirst) {
    const std::string colour = ColourFile();
    ASSERT_EQ(colour.size(), ColourThemeFileSize);
    const auto pixels = DecodeThemeImage(colour);
    ASSERT_TRUE(pixels);
    EXPECT_EQ((*pixels)[At(300, 0)], 300 % 256);
    EXPECT_EQ((*pixels)[At(0, 359) + 1], 359 % 256);
    EXPECT_EQ((*pixels)[At(519, 359) + 2], 7);

    const std::string palette = PaletteFile();
    ASSERT_EQ(palette.size(), PaletteThemeFileSize);
    const auto indexed = DecodeThemeImage(palette);
    ASSERT_TRUE(indexed);
    EXPECT_EQ((*indexed)[At(10, 0)], 200);  // the top row uses entry 200: blue 200, green 55
    EXPECT_EQ((*indexed)[At(10, 0) + 1], 55);
    EXPECT_EQ((*indexed)[At(10, 1)], 3);
    EXPECT_EQ((*indexed)[At(10, 1) + 2], 1);
    EXPECT_FALSE(DecodeThemeImage(palette + "x"));
    EXPECT_FALSE(DecodeThemeImage(""));
}

TEST(ThemeImageTest, AConfiguredImageThatNoLongerLoadsIsDropped) {
    test::TempFolder folder;
    test::RecordingUserInterface ui;
    ConfigurationType config;
    config.ThemeImage = folder.Write("theme.bmp", "too short");
    EXPECT_FALSE(LoadConfiguredThemeImage(config, ui));
    EXPECT_TRUE(config.ThemeImage.empty());
    EXPECT_TRUE(config.ConfigurationChanged);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Kind, DialogKind::Warning);

    config.ThemeImage = folder.Write("good.bmp", ColourFile());
    config.ConfigurationChanged = false;
    EXPECT_TRUE(LoadConfiguredThemeImage(config, ui));
    EXPECT_FALSE(config.ConfigurationChanged);
    EXPECT_EQ(ui.Dialogs.size(), 1u);
}

}  // namespace
}  // namespace velmora
