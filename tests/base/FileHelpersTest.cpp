// File-name helpers, number helpers, byte-level access and the bitmap header.

#include <gtest/gtest.h>

#include "base/FileAccess.h"
#include "base/NumberText.h"
#include "base/Paths.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

class FileNames : public testing::Test {
protected:
    void SetUp() override { saved = ProgramFolder(); }
    void TearDown() override { SetProgramFolder(saved); }
    std::string saved;
};

TEST_F(FileNames, TitleExtensionAndFolder) {
    EXPECT_EQ(FileTitle("C:\\Games\\my.game.velmoraprofile"), "my");
    EXPECT_EQ(FileExtension("C:\\Games\\my.game.velmoraprofile"), "velmoraprofile");
    EXPECT_EQ(FileFolder("C:\\Games\\my.game.velmoraprofile"), "C:\\Games");
    EXPECT_EQ(FileFolder("name.velmoraprofile"), "name.velmoraprofile");
    EXPECT_EQ(FileExtension("C:\\my.folder\\file"), "");
    EXPECT_EQ(FileTitle("/home/me/pad.velmoraprofile"), "pad");
    EXPECT_EQ(FileFolder("/home/me/pad.velmoraprofile"), "/home/me");
}

TEST_F(FileNames, AbsolutePathsOnWindows) {
    SetProgramFolder("C:\\Program Files\\Velmora");
    EXPECT_EQ(AbsolutePath(""), "C:\\Program Files\\Velmora");
    EXPECT_EQ(AbsolutePathOrEmpty(""), "");
    EXPECT_EQ(AbsolutePath("D:\\x.velmoraprofile"), "D:\\x.velmoraprofile");
    EXPECT_EQ(AbsolutePath("\\Pads\\x"), "C:\\Pads\\x");
    EXPECT_EQ(AbsolutePath("Layouts\\pad.velmoracontroller"),
              "C:\\Program Files\\Velmora\\Layouts\\pad.velmoracontroller");
}

TEST_F(FileNames, AbsolutePathsNatively) {
    SetProgramFolder("/opt/velmora");
    EXPECT_EQ(AbsolutePath("/home/x"), "/home/x");
    EXPECT_EQ(AbsolutePath("Layouts/pad"), "/opt/velmora/Layouts/pad");
}

// Regression: network paths were given the program's drive ("C:\\nas\..."),
// so a profile on a share could not open and Velmora.ini saved them so.
TEST_F(FileNames, NetworkAndLongPathsStayAsTheyAre) {
    SetProgramFolder("C:\\Program Files\\Velmora");
    for (const std::string path :
         {"\\\\nas\\pads\\x.velmoraprofile", "\\\\?\\C:\\Very\\Long\\x.velmoraprofile",
          "\\\\?\\UNC\\nas\\pads\\x.velmoraprofile"}) {
        EXPECT_EQ(AbsolutePath(path), path);
        EXPECT_EQ(AbsolutePathOrEmpty(path), path);
        EXPECT_EQ(RelativePath(path), path);
        EXPECT_EQ(FileTitle(path), "x");
    }
    EXPECT_EQ(FileFolder("\\\\nas\\pads\\x.velmoraprofile"), "\\\\nas\\pads");
    EXPECT_EQ(DisplayName("\\\\nas\\pads\\x.velmoraprofile"), "x (\\\\nas\\pads)");
}

// Run from a share, a rooted path is taken on that share, and a plain name
// goes into the program's folder with Windows separators.
TEST_F(FileNames, AProgramOnAShareRootsPathsOnItsShare) {
    SetProgramFolder("\\\\nas\\tools\\Velmora");
    EXPECT_EQ(AbsolutePath("\\Pads\\x"), "\\\\nas\\tools\\Pads\\x");
    EXPECT_EQ(AbsolutePath("Layouts\\pad"), "\\\\nas\\tools\\Velmora\\Layouts\\pad");
    EXPECT_EQ(RelativePath("\\\\NAS\\tools\\Velmora\\Pads\\x"), "Pads\\x");
    SetProgramFolder("\\\\?\\D:\\Velmora");
    EXPECT_EQ(AbsolutePath("\\Pads\\x"), "\\\\?\\D:\\Pads\\x");
}

TEST_F(FileNames, RelativePathIgnoresTheCaseOfLetters) {
    SetProgramFolder("C:\\Velmora");
    EXPECT_EQ(RelativePath("c:\\VELMORA\\Pads\\x"), "Pads\\x");
    EXPECT_EQ(RelativePath("C:\\Velmora"), "");
    EXPECT_EQ(RelativePath("C:\\VelmoraOld\\x"), "C:\\VelmoraOld\\x");
    EXPECT_EQ(DisplayName("C:\\Velmora\\Pads\\x.velmoraprofile"), "x (Pads)");
    EXPECT_EQ(DisplayName("C:\\Velmora\\x.velmoraprofile"), "x");
    EXPECT_EQ(DisplayName("D:\\x.velmoraprofile"), "x (D:)");
}

TEST(FileNameCleaning, RemovesCharactersFilesCannotHold) {
    EXPECT_EQ(CleanFileName("a/b\\c:d*e?f\"g<h>i|j"), "abcdefghij");
}

TEST(NumberHelpers, DecimalAcceptsOnlyDigitsUpTo16777215) {
    EXPECT_EQ(ParseDecimal("16777215"), 16777215);
    EXPECT_EQ(ParseDecimal("16777216"), -1);
    EXPECT_EQ(ParseDecimal("000000001"), -1);
    EXPECT_EQ(ParseDecimal(""), -1);
    EXPECT_EQ(ParseDecimal("-1"), -1);
    EXPECT_EQ(ParseDecimal("1 "), -1);
}

TEST(NumberHelpers, HexAcceptsUpperCaseOnly) {
    EXPECT_EQ(ParseHex("FFFFFF"), 16777215);
    EXPECT_EQ(ParseHex("0A"), 10);
    EXPECT_EQ(ParseHex("0a"), -1);
    EXPECT_EQ(ParseHex("1000000"), -1);
    EXPECT_EQ(ParseHex(""), -1);
}

TEST(NumberHelpers, FormattingAndVersion) {
    EXPECT_EQ(FormatHex(0x1ABC, 2), "BC");
    EXPECT_EQ(FormatHex(0xA, 4), "000A");
    EXPECT_EQ(FormatHex(0x1ABC, 0), "1ABC");
    EXPECT_EQ(FormatHex(0, 0), "0");
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(12), "12");
    EXPECT_EQ(VersionString(), "2007.12");
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

TEST(BitmapHeader, LayoutExportHeader) {
    std::string bytes;
    WriteBitmapHeader(bytes, 512, 256);
    ASSERT_EQ(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Le32(bytes, 2), 393270u);
    EXPECT_EQ(Le32(bytes, 10), 54u);
    EXPECT_EQ(Le32(bytes, 14), 40u);
    EXPECT_EQ(Le32(bytes, 18), 512u);
    EXPECT_EQ(Le32(bytes, 22), 256u);
    EXPECT_EQ(Le32(bytes, 26), 1u | (24u << 16));
    EXPECT_EQ(Le32(bytes, 34), 393216u);
    EXPECT_EQ(Le32(bytes, 38), 7874u);
    EXPECT_EQ(Le32(bytes, 42), 7874u);
    EXPECT_EQ(Le32(bytes, 46) | Le32(bytes, 50) | Le32(bytes, 6) | Le32(bytes, 30), 0u);
}

TEST(BitmapHeader, ThemeTemplateThroughTheFileBuffer) {
    test::RecordingUserInterface ui;
    FileAccess file(ui);
    file.AddByte(0xEE);
    file.WriteBitmapHeader(520, 360);
    EXPECT_EQ(file.Position, 55u);
    EXPECT_EQ(Le32(file.Buffer, 3), 561654u);
    EXPECT_EQ(Le32(file.Buffer, 35), 561600u);
}

TEST(ByteAccess, ReadsWordsRangesAndPaddedText) {
    test::RecordingUserInterface ui;
    FileAccess file(ui);
    file.AddText("Ab\x01 ");
    file.AddByte(0x34);
    file.AddByte(0x12);
    file.AddByte(200);
    file.AddText(std::string("Pad\xE9\0\0 ", 7));
    file.Position = 0;
    EXPECT_EQ(file.ReadText(4), "Ab");
    EXPECT_EQ(file.ReadWord(), 0x1234);
    EXPECT_EQ(file.ReadByteInRange(0, 100, 7), 7);
    EXPECT_EQ(file.ReadText(7), "Pad\xC3\xA9");  // the old files' ANSI text becomes UTF-8
    EXPECT_EQ(file.ReadByte(), 0);               // beyond the end
}

}  // namespace
}  // namespace velmora
