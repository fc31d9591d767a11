// Cutting files into lines and entries, and the limits of the entry table.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/FileAccess.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;
using test::TempFolder;

struct Loaded {
    bool Ok;
    std::vector<FileEntry> Entries;
};

Loaded Load(const std::string& bytes, RecordingUserInterface& ui, FileLimits limits = TextFileLimits) {
    TempFolder folder;
    FileAccess file(ui, limits);
    const bool ok = file.LoadTextFile(folder.Write("t.velmoralanguage", bytes), true);
    return {ok, file.Entries};
}

Loaded Load(const std::string& bytes) {
    RecordingUserInterface ui;
    Loaded loaded = Load(bytes, ui);
    EXPECT_TRUE(ui.Dialogs.empty());
    return loaded;
}

MATCHER_P2(IsEntry, name, value, "") {
    return arg.Name == name && arg.Value == value;
}

std::string Lines(int count, const std::string& end) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "Key" + std::to_string(i) + "=" + std::to_string(i) + end;
    return text;
}

TEST(LineCutting, CrLfCrAndLfGiveTheSameEntries) {
    const auto crlf = Load("A=1\r\nB=2\r\n\r\nC=3");
    const auto cr = Load("A=1\rB=2\r\rC=3\r");
    const auto lf = Load("A=1\nB=2\n\nC=3\n");
    ASSERT_TRUE(crlf.Ok && cr.Ok && lf.Ok);
    EXPECT_THAT(crlf.Entries, testing::ElementsAre(IsEntry("A", "1"), IsEntry("B", "2"), IsEntry("C", "3")));
    EXPECT_THAT(cr.Entries, testing::ElementsAre(IsEntry("A", "1"), IsEntry("B", "2"), IsEntry("C", "3")));
    EXPECT_THAT(lf.Entries, testing::ElementsAre(IsEntry("A", "1"), IsEntry("B", "2"), IsEntry("C", "3")));
}

TEST(LineCutting, SpacesAroundTheSignStayAndLeadingSpacesGo) {
    const auto loaded = Load("   Name = Value \nEmpty=\nTwo=a=b\n");
    EXPECT_THAT(loaded.Entries, testing::ElementsAre(IsEntry("Name ", " Value "), IsEntry("Empty", ""),
                                                     IsEntry("Two", "a=b")));
}

TEST(LineCutting, SectionsCommentsSignFirstAndShortLinesAreIgnored) {
    const auto loaded = Load("[Sec=tion]\n;A=1\n=B=2\n  =C\nx\nNoSign\nK=v\n");
    EXPECT_THAT(loaded.Entries, testing::ElementsAre(IsEntry("K", "v")));
}

TEST(LineCutting, ControlCharactersBecomeSpaces) {
    const auto loaded = Load(
        "\tK=a\tb\x01"
        "c\n");
    EXPECT_THAT(loaded.Entries, testing::ElementsAre(IsEntry("K", "a b c")));
}

TEST(LineCutting, AnEmptyFileLoadsWithoutEntries) {
    const auto loaded = Load("");
    EXPECT_TRUE(loaded.Ok);
    EXPECT_TRUE(loaded.Entries.empty());
}

TEST(LineCutting, AMissingFileFailsSilently) {
    RecordingUserInterface ui;
    FileAccess file(ui);
    EXPECT_FALSE(file.LoadTextFile("/nonexistent-velmora/x.velmoraprofile", true));
    EXPECT_TRUE(ui.Dialogs.empty());
}

TEST(LineCutting, AFileBeyondTheBufferIsReadAsItsFirstMebibyteSilently) {
    std::string text = "First=1\n";
    text += std::string(TextFileLimits.MaxBytes - text.size() - 7, ';') + "\nA=12345678";
    const auto loaded = Load(text);
    EXPECT_TRUE(loaded.Ok);
    EXPECT_THAT(loaded.Entries, testing::ElementsAre(IsEntry("First", "1"), IsEntry("A", "1234")));
}

TEST(EntryTable, CrLfAfterTheLastOfAFullTableFails) {
    RecordingUserInterface ui;
    const auto loaded = Load(Lines(4096, "\r\n"), ui);
    EXPECT_FALSE(loaded.Ok);
    EXPECT_EQ(loaded.Entries.size(), 4096u);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File too large to open");
    EXPECT_EQ(ui.Dialogs[0].Kind, DialogKind::Error);
    EXPECT_EQ(ui.Dialogs[0].Captions, "$Name$#$Type$#$Location$#$Maximum Lines$");
    EXPECT_TRUE(ui.Dialogs[0].Values.starts_with("t#velmoralanguage#"));
    EXPECT_NE(ui.Dialogs[0].Values.find("velmora-files-"), std::string::npos) << "the folder is the file's";
    EXPECT_TRUE(ui.Dialogs[0].Values.ends_with("#4096"));
}

TEST(EntryTable, FullTableLoadsWithLineFeedsOrWithoutAFinalLineEnd) {
    EXPECT_TRUE(Load(Lines(4096, "\n")).Ok);
    std::string unended = Lines(4096, "\r\n");
    unended.resize(unended.size() - 2);
    EXPECT_TRUE(Load(unended).Ok);
    EXPECT_EQ(Load(Lines(4095, "\r\n")).Entries.size(), 4095u);
}

TEST(EntryTable, ALineTooLongStopsWithItsBeginning) {
    RecordingUserInterface ui;
    const auto loaded = Load("A=1\nB=123456\n", ui, FileLimits{1024, 5, 16});
    EXPECT_FALSE(loaded.Ok);
    EXPECT_THAT(loaded.Entries, testing::ElementsAre(IsEntry("A", "1")));
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File line too long");
    EXPECT_TRUE(ui.Dialogs[0].Values.ends_with("#B=123#5"));
    EXPECT_TRUE(Load("A=1\nB=12\n", ui, FileLimits{1024, 5, 16}).Ok);
}

TEST(EntryTable, WrittenEntriesReadBackInOrderWithoutCommentsAndSections) {
    TempFolder folder;
    RecordingUserInterface ui;
    FileAccess writer(ui);
    writer.AddComment(" head=er");
    writer.AddSection("Part");
    writer.AddEntry("A", " spaced ");
    writer.AddBlankLine();
    writer.AddBoolean("B", false);
    writer.AddNumbers("C", {1, 22, 333});
    writer.AddEntry("D", "tab\there");
    ASSERT_TRUE(writer.SaveTextFile(folder.File("w.txt"), true));
    EXPECT_EQ(test::ReadBytes(folder.File("w.txt")),
              "; head=er\r\n[Part]\r\nA= spaced \r\n\r\nB=0\r\nC=1,22,333\r\nD=tab here\r\n");
    FileAccess reader(ui);
    ASSERT_TRUE(reader.LoadTextFile(folder.File("w.txt"), true));
    EXPECT_THAT(reader.Entries, testing::ElementsAre(IsEntry("A", " spaced "), IsEntry("B", "0"),
                                                     IsEntry("C", "1,22,333"), IsEntry("D", "tab here")));
}

// Regression: a writer must never produce a file its reader refuses.
TEST(EntryTable, WriterRefusesWhatTheReaderCouldNotReadBack) {
    TempFolder folder;
    RecordingUserInterface ui;
    FileAccess full(ui, FileLimits{1 << 20, 1 << 20, 4});
    for (int i = 0; i < 4; ++i) full.AddEntry("K" + std::to_string(i), "v");
    EXPECT_FALSE(full.SaveTextFile(folder.File("full.txt"), true));
    FileAccess fits(ui, FileLimits{1 << 20, 1 << 20, 4});
    for (int i = 0; i < 3; ++i) fits.AddEntry("K" + std::to_string(i), "v");
    EXPECT_TRUE(fits.SaveTextFile(folder.File("fits.txt"), true));
    FileAccess big(ui, FileLimits{16, 16, 100});
    big.AddEntry("Key", std::string(20, 'x'));
    EXPECT_FALSE(big.SaveTextFile(folder.File("big.txt"), true));
    ASSERT_EQ(ui.Dialogs.size(), 2u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File too large to save");
    EXPECT_FALSE(std::filesystem::exists(folder.File("full.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("big.txt")));
}

}  // namespace
}  // namespace velmora
