// The "Program Profiles" section of Velmora.ini: rules read and written with
// the rest of the file, bad rules dropped with a note, absent without rules.

#include <gtest/gtest.h>

#include "base/Paths.h"
#include "files/ConfigurationFile.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::TempFolder;

class ProgramRulesFile : public ::testing::Test {
protected:
    TempFolder folder;
    test::RecordingUserInterface ui;
    ConfigurationType config;
    std::string savedFolder = ProgramFolder();

    void SetUp() override { SetProgramFolder(folder.Folder()); }
    void TearDown() override { SetProgramFolder(savedFolder); }

    void ReadFrom(const std::string& text) {
        folder.Write("Velmora.ini", text);
        ReadConfiguration(config, ui, folder.Folder());
    }
    std::string Written() {
        EXPECT_TRUE(WriteConfiguration(config, ui));
        return ReadBytes(folder.File("Velmora.ini"));
    }
};

TEST_F(ProgramRulesFile, NoRulesWriteNoSectionAndTheSwitchDefaultsOn) {
    ReadFrom("[Options]\r\nStartMinimized=1\r\n");
    EXPECT_TRUE(config.ProgramRules.empty());
    EXPECT_TRUE(config.SwitchProfilesByProgram);
    EXPECT_EQ(Written().find("Program"), std::string::npos);
}

TEST_F(ProgramRulesFile, RulesSurviveWritingAndReadingAfterTheControllers) {
    config.ProgramRules = {{"game.exe", "", "", folder.File("profiles/game.velmoraprofile")},
                           {"C:\\Games\\Racer.EXE", "Track", "Pad X", "/elsewhere/race.velmoraprofile"}};
    config.SwitchProfilesByProgram = false;
    const std::string text = Written();
    EXPECT_NE(text.find("[Controllers]\r\n\r\n[Program Profiles]\r\nSwitchProfilesByProgram=0\r\n"
                        "Program1File=game.exe\r\nProgram1Title=\r\nProgram1Controller=\r\n"
                        "Program1Profile=profiles/game.velmoraprofile\r\n"
                        "Program2File=C:\\Games\\Racer.EXE\r\n"),
              std::string::npos)
        << text;
    // A profile comes back as the program's full form of its path (on Windows
    // "/elsewhere" is on the program's drive and the separators are its own).
    auto written = config.ProgramRules;
    for (auto& rule : written) rule.Profile = AbsolutePath(rule.Profile);
    config = ConfigurationType{};
    ReadConfiguration(config, ui, folder.Folder());
    EXPECT_EQ(config.ProgramRules, written);
    EXPECT_FALSE(config.SwitchProfilesByProgram);
    EXPECT_TRUE(config.ProgramRuleNotes.empty());
}

TEST_F(ProgramRulesFile, ARuleWithoutFileOrProfileIsDroppedWithANoteAndTheRestCloseUp) {
    ReadFrom(
        "[Program Profiles]\r\n"
        "Program1File=a.exe\r\nProgram1Profile=\r\n"
        "Program2File=   \r\nProgram2Profile=/p/b.velmoraprofile\r\n"
        "Program3Title=only a title\r\n"
        "Program5File=c.exe\r\nProgram5Profile=/p/c.velmoraprofile\r\n"
        "Program33File=d.exe\r\nProgram33Profile=/p/d.velmoraprofile\r\n");
    ASSERT_EQ(config.ProgramRules.size(), 1u);
    EXPECT_EQ(config.ProgramRules[0].File, "c.exe");
    ASSERT_EQ(config.ProgramRuleNotes.size(), 4u);
    EXPECT_TRUE(config.ProgramRuleNotes[0].starts_with("Program1:"));
    EXPECT_TRUE(config.ProgramRuleNotes[2].starts_with("Program3:"));
    // The fault: a rule past the 32nd was dropped without a word.
    EXPECT_EQ(config.ProgramRuleNotes[3], "Program33: dropped, only 32 rules are kept");
    EXPECT_TRUE(ui.Dialogs.empty());
    EXPECT_NE(Written().find("Program1File=c.exe"), std::string::npos);
}

// The fault: "game.exe " typed by hand never matched the program.
TEST_F(ProgramRulesFile, ValuesAreReadWithoutTheSpacesAroundThem) {
    ReadFrom(
        "[Program Profiles]\r\n"
        "Program1File= game.exe \r\nProgram1Title=\tLevel 1 \r\n"
        "Program1Controller=Pad X  \r\nProgram1Profile= /p/game.velmoraprofile\t\r\n");
    ASSERT_EQ(config.ProgramRules.size(), 1u);
    const ProgramRuleType& rule = config.ProgramRules[0];
    EXPECT_EQ(rule.File, "game.exe");
    EXPECT_EQ(rule.Title, "Level 1");
    EXPECT_EQ(rule.Controller, "Pad X");
    EXPECT_EQ(rule.Profile, AbsolutePath("/p/game.velmoraprofile"));
    EXPECT_TRUE(config.ProgramRuleNotes.empty());
}

}  // namespace
}  // namespace velmora
