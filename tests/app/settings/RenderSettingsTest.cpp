#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace velmora {
namespace {

const std::string DemoProfile = "\"" + std::string(VELMORA_SOURCE_DIR) + "/demo/demo.velmoraprofile\"";

std::uint32_t Field(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) value |= std::uint32_t(std::uint8_t(bytes[at + k])) << (8 * k);
    return value;
}

// The pixel at (x, y) from the top of a 24-bit BMP, as blue, green, red.
std::array<int, 3> Pixel(const std::string& bmp, int x, int y) {
    const std::size_t width = Field(bmp, 18), height = Field(bmp, 22);
    const std::size_t stride = (width * 3 + 3) / 4 * 4;
    const std::size_t at = 54 + (height - 1 - std::size_t(y)) * stride + std::size_t(x) * 3;
    return {std::uint8_t(bmp[at]), std::uint8_t(bmp[at + 1]), std::uint8_t(bmp[at + 2])};
}

TEST(RenderSettingsCommand, TriggersAreTwoPaddedBarsOfTheirOwnSize) {
    test::TempFolder folder;
    const std::string out = folder.File("t.bmp");
    const auto run = test::RunCli(folder, "render --window triggers --profile " + DemoProfile +
                                              " --trigger 255 0 --out \"" + out + "\"");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string bmp = test::ReadBytes(out);
    EXPECT_EQ(Field(bmp, 18), 255u);
    EXPECT_EQ(Field(bmp, 22), 36u);
    EXPECT_EQ(bmp.size(), 54u + 36u * 768u);  // 765 bytes a row, padded to 768
    EXPECT_EQ(Field(bmp, 2), bmp.size());
    const auto full = Pixel(bmp, 254, 8);   // left trigger fully pressed: green in the last column
    const auto none = Pixel(bmp, 254, 28);  // right trigger released: empty
    EXPECT_GT(full[1], full[2]);
    EXPECT_EQ(none[0], none[1]);
}

TEST(RenderSettingsCommand, StickMapHasTheDotWhereTheStickIs) {
    test::TempFolder folder;
    const std::string out = folder.File("s.bmp");
    const auto run = test::RunCli(
        folder, "render --window stick2 --profile " + DemoProfile + " --stick -255 0 --out \"" + out + "\"");
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string bmp = test::ReadBytes(out);
    EXPECT_EQ(Field(bmp, 18), 127u);
    EXPECT_EQ(Pixel(bmp, 0, 63), (std::array<int, 3>{0, 0, 0}));        // the dot's black middle
    EXPECT_EQ(Pixel(bmp, 3, 63), (std::array<int, 3>{255, 255, 255}));  // its ring
}

TEST(RenderSettingsCommand, BadValuesGiveTheUsage) {
    test::TempFolder folder;
    const std::string out = " --out \"" + folder.File("x.bmp") + "\"";
    EXPECT_EQ(test::RunCli(folder, "render --window stick1 --profile " + DemoProfile + " --stick 256 0" + out)
                  .Status,
              2);
    EXPECT_EQ(
        test::RunCli(folder, "render --window dpad --profile " + DemoProfile + " --dpad up+sideways" + out)
            .Status,
        2);
    EXPECT_EQ(test::RunCli(folder, "render --window mouse --profile " + DemoProfile + " --target Nose" + out)
                  .Status,
              2);
    EXPECT_EQ(test::RunCli(folder, "render --window wheel --profile " + DemoProfile + out).Status, 2);
}

}  // namespace
}  // namespace velmora
