// velmora-cli check, run as a process.

#include <gtest/gtest.h>

#include "support/CliRun.h"
#include "support/EncodingTestSupport.h"

namespace velmora {
namespace {

test::CliRun CheckProfile(const test::TempFolder& folder, const std::string& args) {
    return test::RunCli(folder, "check " + args);
}

TEST(CheckCommand, PrintsEachBadValueAndWritesTheProfileBack) {
    test::TempFolder folder;
    const std::string path =
        folder.Write("pad.velmoraprofile", "Set1Button1Slots=A,Q,Jump\nSet1DPadMode=Up#$\n");
    const test::CliRun run = CheckProfile(folder, path);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(
        run.Err,
        "Error: Bad DPad mode value found in profile | Profile=pad | Location=" + folder.Folder() +
            " | Name=Set1DPadMode | Value=Up#$ | This is not a valid value. The DPad mode has loaded as "
            "\"Standard\".\n"
            "Error: Bad slot code value found in profile | Profile=pad | Location=" +
            folder.Folder() +
            " | Name=Set1Button1Slots | Value=Jump (Slot 3) | This is not a valid value. The slot code has "
            "been loaded as \"Unknown\".\n");
    EXPECT_TRUE(run.Out.starts_with(";----------------------\r\n; Velmora Profile File\r\n"));
    EXPECT_TRUE(run.Out.ends_with("[Assignments]\r\nSet1Button1Slots=A,Q,Unknown\r\n"));

    const test::CliRun written =
        CheckProfile(folder, "--out " + folder.File("copy.velmoraprofile") + " " + path);
    EXPECT_EQ(written.Status, 0);
    EXPECT_EQ(written.Out, "");
    EXPECT_EQ(test::ReadBytes(folder.File("copy.velmoraprofile")), run.Out);
}

// Regression: a UTF-16 profile checked with no message and was written back
// with no assignments.
TEST(CheckCommand, SaysHowAFileThatIsNotUtf8WasReadAndKeepsItsEntries) {
    test::TempFolder folder;
    const std::string path = folder.Write(
        "pad.velmoraprofile", test::Utf16("Set1Button1Slots=A\r\nSet1Button1Name=x\r\n", false, true));
    const test::CliRun run = CheckProfile(folder, path);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "Note: not UTF-8: read as UTF-16 LE, Velmora saves UTF-8\n");
    EXPECT_TRUE(run.Out.ends_with("Set1Button1Name=x\r\nSet1Button1Slots=A\r\n"));

    const test::CliRun plain =
        CheckProfile(folder, folder.Write("ascii.velmoraprofile", "Set1Button1Slots=A\r\n"));
    EXPECT_EQ(plain.Err, "");
}

TEST(CheckCommand, AConfigurationWithNothingReadableIsNotWrittenBack) {
    test::TempFolder folder;
    const std::string path = folder.Write("Velmora.ini", "\x81\x8D nothing\r\n");
    const test::CliRun run = CheckProfile(folder, "--out " + folder.File("copy.ini") + " " + path);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err,
              "Note: not UTF-8: read as ANSI, Velmora saves UTF-8\n"
              "Error: File holds nothing Velmora can read | Name=Velmora | Type=ini | Location=" +
                  folder.Folder() +
                  " | Encoding=ANSI | The file has not been changed. Save it as UTF-8 or ANSI text in a "
                  "text editor.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("copy.ini")));
}

TEST(CheckCommand, RefusedFilesEndWithANonZeroStatusAfterTheirMessages) {
    test::TempFolder folder;
    const test::CliRun newer =
        CheckProfile(folder, folder.Write("new.velmoraprofile", "Version=2008.01\r\n"));
    EXPECT_EQ(newer.Status, 1);
    EXPECT_EQ(newer.Out, "");
    EXPECT_EQ(
        newer.Err,
        "Error: Cannot open newer profile file | Profile File=new | Location=" + folder.Folder() +
            " | This profile file was saved by a newer version and cannot be opened.\n"
            "Error: Cannot open requested or last used profile | Profile=new | Location=" +
            folder.Folder() +
            " | Controller Name= | This profile cannot be opened. If it exists in the recent list it will "
            "now be removed.\n");
    const test::CliRun missing = CheckProfile(folder, folder.File("gone.velmoraprofile"));
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Err.starts_with("Error: Cannot open requested or last used profile | Profile=gone"));
}

TEST(CheckCommand, OtherFileKindsAndBadArgumentsAreUsageErrors) {
    test::TempFolder folder;
    EXPECT_EQ(CheckProfile(folder, folder.Write("pad.txt", "")).Status, 2);
    EXPECT_EQ(CheckProfile(folder, "").Status, 2);
    EXPECT_EQ(CheckProfile(folder, "--out").Status, 2);
}

}  // namespace
}  // namespace velmora
