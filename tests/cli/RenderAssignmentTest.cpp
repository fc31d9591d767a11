// velmora-cli render --window assignment, run as a process.

#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace velmora {
namespace {

const std::string Layout = std::string(VELMORA_SOURCE_DIR) + "/tests/ui/data/pad.velmoracontroller";

std::string QuotedPath(const std::string& path) {
    return "\"" + path + "\"";
}

// Button1 holds Space and, in a second cycle, Caps Lock; Button2 holds Tab.
// In set 2 Button1 holds Backspace only.
constexpr const char* Profile =
    "Version=2007.12\r\n\r\n[Assignments]\r\nSet1Button1Slots=Space,CYCLE STOP,Caps Lock\r\n"
    "Set1Button2Slots=Tab\r\nSet2Button1Slots=Backspace\r\n";

struct Rendered {
    test::CliRun Run;
    std::string Bytes;
    int Width = 0, Height = 0;

    // The pixel (x, y) as red, green, blue; rows are stored bottom-up.
    std::array<int, 3> Pixel(int x, int y) const {
        const std::size_t at = 54 + (static_cast<std::size_t>(Height - 1 - y) * Width + x) * 3;
        return {static_cast<std::uint8_t>(Bytes[at + 2]), static_cast<std::uint8_t>(Bytes[at + 1]),
                static_cast<std::uint8_t>(Bytes[at])};
    }
    // The middle row of a key of the 24-pixel picture, left of its glyph:
    // with the default Vista buttons the ramp's middle entry is the key's base colour.
    std::array<int, 3> KeyFill(int cellX, int cellY) const {
        return Pixel(4 + cellX * 12 + 2, 4 + cellY * 12 + 11);
    }
};

Rendered Render(const test::TempFolder& folder, const std::string& options) {
    const std::string profile = folder.Write("p.velmoraprofile", Profile);
    const std::string out = folder.File("keys.bmp");
    Rendered r;
    r.Run =
        test::RunCli(folder, "render --window assignment --profile " + QuotedPath(profile) + " --layout " +
                                 QuotedPath(Layout) + " " + options + " --out " + QuotedPath(out));
    r.Bytes = test::ReadBytes(out);
    if (r.Bytes.size() >= 26) {
        r.Width = static_cast<std::uint8_t>(r.Bytes[18]) | static_cast<std::uint8_t>(r.Bytes[19]) << 8;
        r.Height = static_cast<std::uint8_t>(r.Bytes[22]) | static_cast<std::uint8_t>(r.Bytes[23]) << 8;
    }
    return r;
}

constexpr std::array<int, 3> Yellow{255, 255, 0}, Cyan{0, 255, 255}, Blue{0, 0, 255}, White{255, 255, 255};

TEST(RenderAssignmentCommand, ColoursTheKeysForTheEditedControl) {
    test::TempFolder folder;
    const Rendered r = Render(folder, "--control Button1");
    ASSERT_EQ(r.Run.Status, 0) << r.Run.Err;
    ASSERT_EQ(r.Bytes.size(), 54u + 716u * 200u * 3u);
    EXPECT_EQ(r.Width, 716);
    EXPECT_EQ(r.KeyFill(9, 14), Yellow);  // Space: the current cycle
    EXPECT_EQ(r.KeyFill(0, 10), Cyan);    // Caps Lock: the other cycle
    EXPECT_EQ(r.KeyFill(0, 8), Blue);     // Tab: Button2's
    EXPECT_EQ(r.KeyFill(26, 6), White);   // Backspace: only set 2 uses it
}

TEST(RenderAssignmentCommand, OtherControlAndSetChangeTheColours) {
    test::TempFolder folder;
    const Rendered two = Render(folder, "--control Button2");
    ASSERT_EQ(two.Run.Status, 0) << two.Run.Err;
    EXPECT_EQ(two.KeyFill(0, 8), Yellow);
    EXPECT_EQ(two.KeyFill(9, 14), Blue);
    EXPECT_EQ(two.KeyFill(0, 10), Blue);
    const Rendered set2 = Render(folder, "--control Button1 --set 2");
    ASSERT_EQ(set2.Run.Status, 0) << set2.Run.Err;
    EXPECT_EQ(set2.KeyFill(26, 6), Yellow);
    EXPECT_EQ(set2.KeyFill(9, 14), White);
}

TEST(RenderAssignmentCommand, NarrowDesktopsGetTheSmallerPicture) {
    test::TempFolder folder;
    const Rendered r = Render(folder, "--control Button1 --desktop-width 640");
    ASSERT_EQ(r.Run.Status, 0) << r.Run.Err;
    EXPECT_EQ(r.Width, 596);
    EXPECT_EQ(r.Height, 166);
    EXPECT_EQ(r.Bytes.size(), 54u + 596u * 166u * 3u);
    EXPECT_EQ(r.Pixel(4 + 9 * 10 + 2, 4 + 14 * 10 + 9), Yellow);  // Space with 20-pixel keys
}

TEST(RenderAssignmentCommand, WrongOptionsGiveTheUsageAndStatusTwo) {
    test::TempFolder folder;
    for (const std::string options :
         {"", "--control Button99", "--control Button1 --set 9", "--control Button1 --desktop-width wide",
          "--control Button1 --frobnicate 1"}) {
        const Rendered r = Render(folder, options);
        EXPECT_EQ(r.Run.Status, 2) << options;
        EXPECT_NE(r.Run.Err.find("usage: velmora-cli render --window assignment"), std::string::npos)
            << options;
    }
    const test::CliRun other =
        test::RunCli(folder, "render --window stick --profile a --layout b --control Button1 --out c");
    EXPECT_EQ(other.Status, 2);
}

TEST(RenderAssignmentCommand, AMissingProfileIsStatusOne) {
    test::TempFolder folder;
    const test::CliRun run = test::RunCli(
        folder, "render --window assignment --profile " + QuotedPath(folder.File("none.velmoraprofile")) +
                    " --layout " + QuotedPath(Layout) + " --control Button1 --out " +
                    QuotedPath(folder.File("x.bmp")));
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("cannot open the profile"), std::string::npos);
}

}  // namespace
}  // namespace velmora
