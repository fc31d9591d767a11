// File text: UTF-8 when valid, else Windows-1252; written as UTF-8.

#include <gtest/gtest.h>

#include "base/FileAccess.h"
#include "base/TextEncoding.h"
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

}  // namespace
}  // namespace velmora
