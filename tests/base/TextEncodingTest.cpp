// File text: UTF-16 or UTF-8 by mark or zero bytes, UTF-8 when valid, else the
// system's ANSI page (Windows-1252 unless one is installed); written as UTF-8.

#include <gtest/gtest.h>

#include "base/FileAccess.h"
#include "base/TextEncoding.h"
#include "support/EncodingTestSupport.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

TEST(TextEncoding, ValidUtf8StaysAsItIs) {
    const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xAE";
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_EQ(FileTextToUtf8(text, false), text);
}

TEST(TextEncoding, OtherBytesAreWindows1252) {
    EXPECT_EQ(FileTextToUtf8("Caf\xE9 \x80 \x9F", false), "Caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8");
    EXPECT_EQ(Windows1252ToUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(FileTextToUtf8("plain=ascii\r\n", false), "plain=ascii\r\n");
}

TEST(TextEncoding, OverlongSurrogateAndCutSequencesAreInvalid) {
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
    EXPECT_FALSE(IsValidUtf8("a\xE2\x82"));
    EXPECT_TRUE(IsValidUtf8("a\xE2\x82", true));
}

TEST(TextEncoding, AFileCutInsideACharacterDropsOnlyThatCharacter) {
    EXPECT_EQ(FileTextToUtf8("ab\xE2\x82", true), "ab");
    EXPECT_EQ(FileTextToUtf8("ab\xE2\x82", false), "ab\xC3\xA2\xE2\x80\x9A");
}

TEST(TextEncoding, CharacterCounting) {
    EXPECT_EQ(Utf8Length("a\xC3\xA9\xE2\x82\xAC"), 3u);
    EXPECT_EQ(Utf8Prefix("a\xC3\xA9\xE2\x82\xAC", 2), "a\xC3\xA9");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
}

TEST(TextEncoding, AnAnsiFileLoadsAsUtf8) {
    test::TempFolder folder;
    test::RecordingUserInterface ui;
    FileAccess file(ui);
    ASSERT_TRUE(file.LoadTextFile(folder.Write("l.velmoralanguage", "Save=Enregistr\xE9\r\n"), true));
    EXPECT_EQ(file.FindValue("Save", ""), "Enregistr\xC3\xA9");
}

// A game pad emoji needs a surrogate pair; a lone surrogate is no character.
TEST(TextEncoding, Utf16PairsSurrogatesAndReplacesLoneOnes) {
    const std::string pad = "\xF0\x9F\x8E\xAE";
    EXPECT_EQ(DecodeFileText(test::Utf16("a" + pad, false, true), false).Text, "a" + pad);
    EXPECT_EQ(DecodeFileText(test::Utf16("a" + pad, true, false), false).Text, "a" + pad);
    EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE\x00\xD8x\x00", 6), false).Text, "\xEF\xBF\xBDx");
    EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE\x00\xDC", 4), false).Text, "\xEF\xBF\xBD");
}

// A file read up to the size limit may end inside a character or a byte pair.
TEST(TextEncoding, Utf16CutAtTheEndDropsOnlyTheCutCharacter) {
    const std::string cut = test::Utf16("ab\xF0\x9F\x8E\xAE", false, true);
    EXPECT_EQ(DecodeFileText(cut.substr(0, cut.size() - 2), true).Text, "ab");
    EXPECT_EQ(DecodeFileText(cut.substr(0, cut.size() - 5), true).Text, "a");
}

// No mark: the zero bytes say which byte of each pair is the high one, even
// when the text opens with characters whose bytes are both non-zero.
TEST(TextEncoding, Utf16WithoutAMarkIsFoundByItsZeroBytes) {
    const std::string russian = "\xD0\xA1\xD0\xBF=x\r\n";
    const DecodedText little = DecodeFileText(test::Utf16(russian, false, false), false);
    EXPECT_EQ(little.Encoding, FileEncoding::Utf16LENoMark);
    EXPECT_EQ(little.Text, russian);
    const DecodedText big = DecodeFileText(test::Utf16(russian, true, false), false);
    EXPECT_EQ(big.Encoding, FileEncoding::Utf16BENoMark);
    EXPECT_EQ(big.Text, russian);
}

// Regression: one zero byte anywhere (a tail a crash left, a tool's padding)
// made a UTF-8 or ANSI file UTF-16, and every entry was lost.
TEST(TextEncoding, AStrayZeroByteLeavesUtf8AndAnsiFilesAsTheyAre) {
    const std::string utf8 = std::string("Set1Button1Name=Ju\0mp\r\nSet1Button1Slots=A\r\n") + '\0' + '\0';
    const DecodedText text = DecodeFileText(utf8, false);
    EXPECT_EQ(text.Encoding, FileEncoding::Utf8);
    EXPECT_EQ(text.Text, utf8);
    const std::string ansi = std::string("Name=Caf\xE9\r\n") + '\0';
    EXPECT_EQ(DecodeFileText(ansi, false).Encoding, FileEncoding::Ansi);
    const std::string ascii = "Version=2007.12\r\nSet1Button1Slots=A\r\n";
    EXPECT_EQ(DecodeFileText(test::Utf16(ascii, false, false), false).Encoding, FileEncoding::Utf16LENoMark);
}

// Regression: the UTF-8 mark stayed in front of the first name, so the
// first entry of a file saved as "UTF-8 with BOM" was never found.
TEST(TextEncoding, AUtf8MarkIsDroppedBeforeTheFirstEntry) {
    test::TempFolder folder;
    test::RecordingUserInterface ui;
    FileAccess file(ui);
    ASSERT_TRUE(
        file.LoadTextFile(folder.Write("l.velmoralanguage", "\xEF\xBB\xBFSave=Enregistrer\r\n"), true));
    EXPECT_EQ(file.Encoding, FileEncoding::Utf8WithMark);
    EXPECT_EQ(file.FindValue("Save", ""), "Enregistrer");
}

TEST(TextEncoding, TheSystemsAnsiPageIsASeam) {
    {
        test::AnsiPageScope page(&test::FakeCp1251ToUtf8);
        EXPECT_EQ(DecodeFileText("\xD1\xEF", false).Text, "\xD0\xA1\xD0\xBF");
    }
    EXPECT_EQ(DecodeFileText("\xD1\xEF", false).Text, "\xC3\x91\xC3\xAF");  // Windows-1252 again
}

}  // namespace
}  // namespace velmora
