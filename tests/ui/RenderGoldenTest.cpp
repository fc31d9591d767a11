// velmora-cli render, run as a process, against stored pictures. After a
// deliberate change to the drawing, rewrite them with
//   VELMORA_UPDATE_GOLDEN=1 ctest --preset debug -R RenderCommand
// and look at them (convert tests/ui/golden/NAME.bmp NAME.png) before committing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/CliRun.h"

namespace velmora {
namespace {

const std::string Data = std::string(VELMORA_SOURCE_DIR) + "/tests/ui/data/";
const std::string Golden = std::string(VELMORA_SOURCE_DIR) + "/tests/ui/golden/";

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// Renders with the given options and compares with (or, when asked, rewrites) the stored picture.
void ExpectGolden(const std::string& name, const std::string& options) {
    test::TempFolder folder;
    const std::string out = folder.File(name + ".bmp");
    const test::CliRun run = test::RunCli(folder, "render --profile " + Quoted(Data + "pad.velmoraprofile") +
                                                      " --layout " + Quoted(Data + "pad.velmoracontroller") +
                                                      " " + options + " --out " + Quoted(out));
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const std::string bytes = test::ReadBytes(out);
    ASSERT_EQ(bytes.size(), 54u + 520u * 360u * 3u);
    if (std::getenv("VELMORA_UPDATE_GOLDEN")) {
        std::ofstream(Golden + name + ".bmp", std::ios::binary) << bytes;
        return;
    }
    EXPECT_TRUE(bytes == test::ReadBytes(Golden + name + ".bmp"))
        << name << " differs from its stored picture";
}

TEST(RenderCommand, KeysAndStatesMatchTheStoredPicture) {
    ExpectGolden("pad-keys", "--state Button1=2 Button2=1 DPadUp=2 Stick1UpRight=1");
}

TEST(RenderCommand, NamesSetTwoAndAGradientThemeMatchTheStoredPicture) {
    ExpectGolden("pad-names",
                 "--ini " + Quoted(Data + "gradient.ini") + " --names --set 2 --state Button1=2");
}

TEST(RenderCommand, WritesABottomUpBitmapOfTheWholePicture) {
    test::TempFolder folder;
    const std::string out = folder.File("plain.bmp");
    const test::CliRun run =
        test::RunCli(folder, "render --profile " + Quoted(Data + "pad.velmoraprofile") + " --layout " +
                                 Quoted(Data + "pad.velmoracontroller") + " --out " + Quoted(out));
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string bytes = test::ReadBytes(out);
    ASSERT_EQ(bytes.substr(0, 2), "BM");
    // The file's first row is the picture's bottom row: row 359 of the strip is Interface1 (0, 15, 63).
    const std::size_t bottomRow = 54 + 200 * 3;
    EXPECT_EQ(static_cast<unsigned char>(bytes[bottomRow]), 63);
    EXPECT_EQ(static_cast<unsigned char>(bytes[bottomRow + 1]), 15);
    EXPECT_EQ(static_cast<unsigned char>(bytes[bottomRow + 2]), 0);
}

TEST(RenderCommand, RefusesUnknownControlsStatesAndSets) {
    test::TempFolder folder;
    const std::string files = "--profile " + Quoted(Data + "pad.velmoraprofile") + " --layout " +
                              Quoted(Data + "pad.velmoracontroller") + " --out " +
                              Quoted(folder.File("x.bmp"));
    EXPECT_EQ(test::RunCli(folder, "render " + files + " --state Button33=1").Status, 2);
    EXPECT_EQ(test::RunCli(folder, "render " + files + " --state Button1=3").Status, 2);
    EXPECT_EQ(test::RunCli(folder, "render " + files + " --set 9").Status, 2);
    EXPECT_EQ(test::RunCli(folder, "render --profile " + Quoted(Data + "pad.velmoraprofile")).Status, 2);
    const test::CliRun missing = test::RunCli(
        folder, "render --profile " + Quoted(folder.File("none.velmoraprofile")) + " --layout " +
                    Quoted(Data + "pad.velmoracontroller") + " --out " + Quoted(folder.File("x.bmp")));
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("cannot open the profile"), std::string::npos);
}

}  // namespace
}  // namespace velmora
