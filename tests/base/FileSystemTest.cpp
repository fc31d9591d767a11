// Whole-file reads and writes: failures show their message, and a failed save
// never destroys the previous file.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>

#include "base/FileAccess.h"
#include "base/FileSystem.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;
using test::TempFolder;

TEST(FileSaving, IntoAMissingFolderFailsWithTheMessageAndLeavesNoFile) {
    TempFolder folder;
    RecordingUserInterface ui;
    FileAccess file(ui);
    file.AddEntry("A", "1");
    const std::string path = folder.File("missing") + "/pad.velmoraprofile";
    EXPECT_FALSE(file.SaveTextFile(path, true));
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    const MessageDialog& d = ui.Dialogs[0];
    EXPECT_EQ(d.Kind, DialogKind::Error);
    EXPECT_EQ(d.Buttons, OkButtons);
    EXPECT_EQ(d.Heading, "File cannot be saved");
    EXPECT_EQ(d.Captions, "$Name$#$Type$#$Location$");
    EXPECT_EQ(d.Values, "pad#velmoraprofile#" + folder.File("missing"));
    EXPECT_EQ(d.Message, "File may be read-only or open elsewhere. Folder may not exist. Drive may be full.");
    EXPECT_EQ(folder.Count(), 0u);
}

TEST(FileSaving, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.Write("pad.txt", "old contents that are longer");
    StandardFileSystem files;
    EXPECT_TRUE(files.WriteFile(path, "new"));
    EXPECT_EQ(test::ReadBytes(path), "new");
    EXPECT_EQ(folder.Count(), 1u);
}

TEST(FileSaving, AWriteFailingMidwayKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.Write("pad.txt", "old");
    const bool saved = ReplaceFile(path, [](std::ostream& out) {
        out << "half of the new";
        return false;
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::ReadBytes(path), "old");
    EXPECT_EQ(folder.Count(), 1u);
}

TEST(FileSaving, AFolderInTheWayIsNotReplaced) {
    TempFolder folder;
    std::filesystem::create_directories(folder.File("pad.txt") + "/inside");
    StandardFileSystem files;
    EXPECT_FALSE(files.WriteFile(folder.File("pad.txt"), "new"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("pad.txt") + "/inside"));
    EXPECT_EQ(folder.Count(), 1u);
}

TEST(FileReading, AMissingFileShowsItsNameWhenAsked) {
    TempFolder folder;
    RecordingUserInterface ui;
    FileAccess file(ui);
    EXPECT_FALSE(file.ReadWholeFile(folder.File("gone.velmoracontroller"), false));
    EXPECT_TRUE(ui.Dialogs.empty());
    EXPECT_FALSE(file.ReadWholeFile(folder.File("gone.velmoracontroller"), true));
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File cannot be found or cannot be opened");
    EXPECT_EQ(ui.Dialogs[0].Values, "gone#velmoracontroller#" + folder.Folder());
    EXPECT_EQ(ui.Dialogs[0].Message, "");
}

TEST(FileReading, AFolderIsNotAFile) {
    TempFolder folder;
    StandardFileSystem files;
    EXPECT_FALSE(files.ReadFile(folder.Folder(), 100).has_value());
    EXPECT_EQ(files.ReadFile(folder.Write("x", "abcdef"), 4), "abcd");
}

// A profile's limit is 16 MiB: a buffer of the whole limit for every read
// made the pass that switched profiles by program 150 ms long under Wine.
TEST(FileReading, ASmallFileGetsABufferOfItsOwnSizeNotTheLimit) {
    TempFolder folder;
    StandardFileSystem files;
    const std::optional<std::string> bytes =
        files.ReadFile(folder.Write("pad.txt", "Set1Name=Run"), 16u << 20);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "Set1Name=Run");
    EXPECT_LT(bytes->capacity(), 64u * 1024);
}

// The reads as the system gives them: a few bytes at a time, a file that grew
// since its size was taken, a limit, a failure halfway.
TEST(FileReading, ChunksAreJoinedUpToTheLimitWhateverTheSizeSaidAtFirst) {
    const std::string file(10000, 'x');
    std::size_t at = 0;
    std::size_t failAt = file.size() + 1;
    const ReadChunk chunks = [&](char* buffer, std::size_t room) -> std::optional<std::size_t> {
        if (at >= failAt) return std::nullopt;
        const std::size_t count = std::min({room, std::size_t{3001}, file.size() - at});
        file.copy(buffer, count, at);
        at += count;
        return count;
    };
    EXPECT_EQ(ReadUpTo(1u << 20, 10, chunks), file);  // it was 10 bytes long when opened
    at = 0;
    EXPECT_EQ(ReadUpTo(1u << 20, file.size(), chunks), file);
    at = 0;
    EXPECT_EQ(ReadUpTo(7000, file.size(), chunks), file.substr(0, 7000));
    at = 0;
    EXPECT_EQ(ReadUpTo(0, file.size(), chunks), "");
    at = 0;
    failAt = 6002;
    EXPECT_FALSE(ReadUpTo(1u << 20, file.size(), chunks).has_value());
}

}  // namespace
}  // namespace velmora
