// The controller database as shipped and as users may save it.

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "files/ControllerDatabase.h"
#include "support/EncodingTestSupport.h"
#include "support/FileTestSupport.h"

namespace velmora {
namespace {

const std::string Shipped = std::string(VELMORA_SOURCE_DIR) + "/data/gamecontrollerdb.txt";

TEST(ControllerDatabase, ShippedCopyHasEveryWindowsEntryAndNoMalformedLine) {
    const ControllerDatabase database = ReadControllerDatabase(Shipped);
    ASSERT_TRUE(database.Found);
    EXPECT_EQ(database.MalformedLines, 0u);
    EXPECT_GT(database.Entries.size(), 800u);
    ASSERT_NE(database.Find(0x054C05C4), nullptr);
    EXPECT_EQ(database.Find(0x054C05C4)->Name, "PS4 Controller");
    ASSERT_NE(database.XInputEntry, nullptr);
    EXPECT_EQ(database.Find(0x12345678), nullptr);
}

TEST(ControllerDatabase, MalformedLinesAreSkippedAndCountedAndTheRestIsRead) {
    const ControllerDatabase database = ParseControllerDatabase(
        "# a comment\r\n"
        "03000000aaaa0000bbbb000000000000,Broken,a:q7,platform:Windows,\r\n"
        "03000000aaaa0000cccc000000000000,Good,a:b0,platform:Windows,\r\n"
        "garbage\n"
        "03000000aaaa0000dddd000000000000,Mac pad,a:b0,platform:Mac OS X,\n"
        "03000000aaaa0000cccc000000000000,Second of the model,a:b1,platform:Windows,\n"
        "03000000aaaa0000eeee000000000000,Last line without an end,a:b2");
    EXPECT_EQ(database.MalformedLines, 2u);
    EXPECT_EQ(database.Entries.size(), 3u);
    EXPECT_EQ(database.Find(0xAAAABBBB), nullptr);
    EXPECT_EQ(database.Find(0xAAAADDDD), nullptr) << "another platform's line";
    ASSERT_NE(database.Find(0xAAAACCCC), nullptr);
    EXPECT_EQ(database.Find(0xAAAACCCC)->Name, "Second of the model") << "a later line of a model wins";
    ASSERT_EQ(database.FindAll(0xAAAACCCC).size(), 2u);
    EXPECT_EQ(database.FindAll(0xAAAACCCC)[1]->Name, "Good") << "the earlier line is kept to fall back on";
    ASSERT_NE(database.Find(0xAAAAEEEE), nullptr);
}

TEST(ControllerDatabase, ReadsEveryEncodingAndAMissingFileAsEmpty) {
    const std::string text =
        "03000000aaaa0000cccc000000000000,\xD0\x9F\xD1\x83\xD0\xBB\xD1\x8C\xD1\x82,a:b0,platform:Windows,"
        "\r\n";
    for (const test::WrittenEncoding& encoding : test::EveryEncoding()) {
        SCOPED_TRACE(encoding.Name);
        test::AnsiPageScope page(encoding.SystemPage);
        test::TempFolder folder;
        const ControllerDatabase database =
            ReadControllerDatabase(folder.Write("gamecontrollerdb.txt", encoding.Encode(text)));
        EXPECT_EQ(database.MalformedLines, 0u);
        ASSERT_NE(database.Find(0xAAAACCCC), nullptr);
        EXPECT_EQ(database.Find(0xAAAACCCC)->Name, "\xD0\x9F\xD1\x83\xD0\xBB\xD1\x8C\xD1\x82");
    }
    test::TempFolder folder;
    const ControllerDatabase missing = ReadControllerDatabase(folder.File("gamecontrollerdb.txt"));
    EXPECT_FALSE(missing.Found);
    EXPECT_TRUE(missing.Entries.empty());
}

TEST(ControllerDatabase, ProgramCopyIsReadOnceFromTheProgramFolder) {
    test::TempFolder folder;
    const std::string saved = ProgramFolder();
    SetProgramFolder(folder.Folder());
    folder.Write("gamecontrollerdb.txt", "03000000aaaa0000cccc000000000000,Pad,a:b0,\n");
    ForgetProgramControllerDatabase();
    EXPECT_NE(ProgramControllerDatabase().Find(0xAAAACCCC), nullptr);
    folder.Write("gamecontrollerdb.txt", "");
    EXPECT_NE(ProgramControllerDatabase().Find(0xAAAACCCC), nullptr) << "kept for the run";
    ForgetProgramControllerDatabase();
    EXPECT_EQ(ProgramControllerDatabase().Find(0xAAAACCCC), nullptr);
    SetProgramFolder(saved);
    ForgetProgramControllerDatabase();
}

}  // namespace
}  // namespace velmora
