// The language-file commands go through the program's own file dialogs:
// the folder they start in and the question before replacing a file.
#include <gtest/gtest.h>

#include "base/Language.h"
#include "base/Paths.h"
#include "files/FileDialogs.h"
#include "support/FileTestSupport.h"
#include "files/LanguageFiles.h"
#include "model/Configuration.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::RecordingUserInterface;
using test::TempFolder;

class LanguageDialogs : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingUserInterface ui;
    ConfigurationType config;
    std::string savedFolder = ProgramFolder();
    FilePlaces savedPlaces = CurrentFilePlaces();

    void SetUp() override {
        SetProgramFolder(folder.Folder());
        CurrentFilePlaces().DocumentsFolder = folder.File("Documents");
        ResetLanguage();
    }
    void TearDown() override {
        SetProgramFolder(savedFolder);
        CurrentFilePlaces() = savedPlaces;
        ResetLanguage();
    }
};

// Regression: the language commands called the window's dialog directly and
// replaced an existing file without asking.
TEST_F(LanguageDialogs, NewFileOverAnExistingOneAsksAndKeepsItUnlessOverwrite) {
    const std::string existing = folder.Write("Mine.velmoralanguage", "Save=Sichern\r\n");
    ui.ChosenFiles = {existing};
    ui.Answers = {2};  // "Do not Overwrite"
    NewLanguageFile(config, ui);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Overwrite existing file?");
    EXPECT_EQ(ReadBytes(existing), "Save=Sichern\r\n");

    ui.ChosenFiles = {existing};
    ui.Answers = {1};  // "Overwrite"
    NewLanguageFile(config, ui);
    ASSERT_EQ(ui.Dialogs.size(), 3u);
    EXPECT_EQ(ui.Dialogs[2].Heading, "New Language file created");
    EXPECT_NE(ReadBytes(existing).find("Change the lines below"), std::string::npos);
}

TEST_F(LanguageDialogs, AMissingDefaultFolderStartsInTheDocumentsFolder) {
    config.DefaultLanguageLocation = folder.File("gone");
    CheckLanguageFile(config, ui);
    ASSERT_EQ(ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(ui.OpenDialogs[0].Folder, folder.File("Documents"));
    EXPECT_EQ(config.DefaultLanguageLocation, folder.File("gone")) << "a cancelled dialog changes nothing";
    EXPECT_FALSE(config.ConfigurationChanged);
}

}  // namespace
}  // namespace velmora
