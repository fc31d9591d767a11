// velmora-cli render --elevated-window: the picture with the notice that input
// cannot reach the window in front, for the README's screenshot and for people
// checking a translation's line breaks.

#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace velmora {
namespace {

const std::string GoldenFolder = std::string(VELMORA_SOURCE_DIR) + "/tests/ui/data/";
constexpr std::size_t Header = 54, RowBytes = 520 * 3;

std::string Render(const test::TempFolder& folder, const std::string& name, const std::string& extra) {
    const std::string out = folder.File(name);
    const test::CliRun run = test::RunCli(
        folder, "render --profile \"" + GoldenFolder + "pad.velmoraprofile\" --layout \"" + GoldenFolder +
                    "pad.velmoracontroller\" " + extra + " --out \"" + out + "\"");
    EXPECT_EQ(run.Status, 0) << run.Err;
    return test::ReadBytes(out);
}

// Picture row y (top row 0) of a bottom-up bitmap.
std::string Row(const std::string& bitmap, int y) {
    return bitmap.substr(Header + static_cast<std::size_t>(359 - y) * RowBytes, RowBytes);
}

TEST(RenderNotice, ElevatedWindowChangesTheTopBarAndNothingElse) {
    test::TempFolder folder;
    const std::string plain = Render(folder, "plain.bmp", "--state Button1=2");
    const std::string noticed = Render(folder, "noticed.bmp", "--elevated-window --state Button1=2");
    ASSERT_EQ(noticed.size(), Header + 360 * RowBytes);
    ASSERT_EQ(plain.size(), noticed.size());
    int changedBarRows = 0;
    for (int y = 0; y < 45; ++y) changedBarRows += Row(plain, y) != Row(noticed, y) ? 1 : 0;
    EXPECT_GE(changedBarRows, 30);
    for (int y = 45; y < 360; ++y) EXPECT_EQ(Row(plain, y), Row(noticed, y)) << "row " << y;
}

}  // namespace
}  // namespace velmora
