// The controller menu's file commands, the layout save questions and the
// close check that asks about layouts, then profiles.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/CloseQuery.h"
#include "app/LayoutFlows.h"
#include "files/FileDialogs.h"
#include "support/ProfileFlowsWorld.h"

namespace velmora::test {
namespace {

// A layout file whose first button is called as given.
std::string WriteLayoutFile(ProfileFlowsWorld& w, const std::string& title, const std::string& buttonName) {
    auto layout = std::make_unique<ControllerFileType>();
    layout->FileName = w.Folder.File(title + ".velmoracontroller");
    layout->ButtonNames[0] = buttonName;
    RecordingUserInterface quiet;
    WriteControllerFile(*layout, quiet);
    return layout->FileName;
}

TEST(LayoutFlows, SaveAsSuggestsMyDeviceNameWritesAndLinksTheModel) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Add("Pad", 0);
    w.LayoutOf(0).Changed = 1;
    const std::string file = w.Folder.File("Pad layout.velmoracontroller");
    w.Ui.ChosenFiles = {file};

    EXPECT_TRUE(SaveControllerFileAs(w.Context, 0));
    ASSERT_EQ(w.Ui.SaveDialogs.size(), 1u);
    EXPECT_EQ(w.Ui.SaveDialogs[0].SuggestedName, "My Pad");
    EXPECT_EQ(w.Ui.SaveDialogs[0].Caption, "Controller [Pad]");
    EXPECT_EQ(w.Ui.SaveDialogs[0].Extension, "velmoracontroller");
    EXPECT_EQ(w.LayoutOf(0).Name, "Pad layout");
    EXPECT_EQ(w.LayoutOf(0).Changed, 0);
    EXPECT_TRUE(std::filesystem::exists(file));

    ASSERT_EQ(w.Config.KnownCount, 1);
    EXPECT_EQ(w.Config.KnownControllers[0].ControllerFile, file);
    EXPECT_EQ(w.Config.KnownControllers[0].ConnectedCount, 2);
    EXPECT_EQ(w.Pad(0).KnownIndex, 0);
    EXPECT_EQ(w.Pad(1).KnownIndex, 0);
    EXPECT_EQ(w.Headings(), "Automatic controller file selection added|");
}

TEST(LayoutFlows, TheSaveDialogGetsACleanNameAndTheWindowsItsTitleAndFilter) {
    ProfileFlowsWorld w;
    ControllerDataType& pad = w.Add("Pad");
    pad.Identity.DeviceName = "Pad: Pro/X";
    EXPECT_FALSE(SaveControllerFileAs(w.Context, 0));
    ASSERT_EQ(w.Ui.SaveDialogs.size(), 1u);
    const FileDialog& dialog = w.Ui.SaveDialogs[0];
    EXPECT_EQ(dialog.SuggestedName, "My Pad ProX");
    EXPECT_EQ(FileDialogTitle(dialog, true), "Save Controller [Pad: Pro/X]");
    EXPECT_EQ(FileDialogTitle(dialog, false), "Open Controller [Pad: Pro/X]");
    EXPECT_EQ(FileDialogFilterName(dialog), "Controllers (*.velmoracontroller)");
    EXPECT_EQ(FileDialogFilterPattern(dialog), "*.velmoracontroller");
}

TEST(LayoutFlows, DecliningTheOverwriteLeavesTheDefaultFolderAlone) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    TempFolder elsewhere;
    const std::string taken = elsewhere.Write("Taken.velmoracontroller", "old bytes");
    w.Ui.ChosenFiles = {taken, taken};
    w.Ui.Answers = {DoNotSave, SaveAnswer};
    EXPECT_FALSE(SaveControllerFileAs(w.Context, 0));
    EXPECT_EQ(w.Config.DefaultControllerLocation, w.Folder.Folder());
    EXPECT_FALSE(w.Config.ConfigurationChanged);
    EXPECT_TRUE(SaveControllerFileAs(w.Context, 0));
    EXPECT_EQ(w.Config.DefaultControllerLocation, elsewhere.Folder());
    EXPECT_NE(ReadBytes(taken), "old bytes");
}

TEST(LayoutFlows, SavingAKnownModelUnderANewNameUpdatesItsEntry) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Config.KnownControllers[0] = {w.Pad(0).Identity, "old.velmoracontroller", {}, 1, 0};
    w.Config.KnownCount = 1;
    w.Pad(0).KnownIndex = 0;
    w.LayoutOf(0).Name = "Old";
    const std::string file = w.Folder.File("New.velmoracontroller");
    w.Ui.ChosenFiles = {file};
    EXPECT_TRUE(SaveControllerFileAs(w.Context, 0));
    EXPECT_EQ(w.Ui.SaveDialogs[0].SuggestedName, "Old");
    EXPECT_EQ(w.Config.KnownCount, 1);
    EXPECT_EQ(w.Config.KnownControllers[0].ControllerFile, file);
    EXPECT_EQ(w.Headings(), "Automatic controller file selection updated|");
}

TEST(LayoutFlows, AFailedSaveAsKeepsTheOldFileNameAndLinksNothing) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.LayoutOf(0).FileName = w.Folder.File("Old.velmoracontroller");
    w.LayoutOf(0).Changed = 1;
    w.Ui.ChosenFiles = {w.Folder.File("missing/New.velmoracontroller")};
    EXPECT_FALSE(SaveControllerFileAs(w.Context, 0));
    EXPECT_EQ(w.LayoutOf(0).FileName, w.Folder.File("Old.velmoracontroller"));
    EXPECT_EQ(w.LayoutOf(0).Changed, 1);
    EXPECT_EQ(w.Config.KnownCount, 0);
}

TEST(LayoutFlows, OpenReplacesTheLayoutOfEveryControllerOfTheModel) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Add("Pad", 0);
    w.Ui.ChosenFiles = {WriteLayoutFile(w, "Arcade", "Fire")};
    OpenControllerFile(w.Context);

    EXPECT_EQ(w.Ui.OpenDialogs[0].Caption, "Controller [Pad]");
    EXPECT_EQ(w.Ui.OpenDialogs[0].TypeName, "Controllers");
    EXPECT_EQ(w.LayoutOf(1).ButtonNames[0], "Fire");
    EXPECT_EQ(w.LayoutOf(1).Name, "Arcade");
    EXPECT_EQ(w.LayoutOf(1).Identity, w.Pad(0).Identity);
    EXPECT_EQ(w.Pad(1).KnownIndex, 0);
}

// The controller settings window stayed open on the old layout, and typing in
// a name box wrote the old names into the new one.
TEST(LayoutFlows, OpeningALayoutClosesTheSettingsWindowsShowingTheOldOne) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Ui.SetOpen(SettingsWindow::ControllerSettings);
    w.Ui.ChosenFiles = {WriteLayoutFile(w, "Arcade", "Fire")};
    OpenControllerFile(w.Context);
    EXPECT_FALSE(w.Ui.IsWindowOpen(SettingsWindow::ControllerSettings));

    w.Ui.SetOpen(SettingsWindow::ControllerSettings);
    OpenControllerFile(w.Context);  // the dialog is cancelled: nothing changes
    EXPECT_TRUE(w.Ui.IsWindowOpen(SettingsWindow::ControllerSettings));
}

TEST(LayoutFlows, CancellingTheQuestionOrTheDialogOrAFailedReadKeepsTheLayout) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.LayoutOf(0).ButtonNames[0] = "Mine";
    w.LayoutOf(0).Changed = 1;
    const std::string other = WriteLayoutFile(w, "Arcade", "Fire");
    w.Ui.ChosenFiles = {other};
    OpenControllerFile(w.Context);  // the save question is closed
    EXPECT_EQ(w.Headings(), "Save new controller before opening another controller?|");
    EXPECT_TRUE(w.Ui.OpenDialogs.empty());

    w.LayoutOf(0).Changed = 0;
    w.Ui.ChosenFiles = {w.Folder.Write("Broken.velmoracontroller", "Version=2099.01\r\n")};
    OpenControllerFile(w.Context);
    EXPECT_EQ(w.LayoutOf(0).ButtonNames[0], "Mine");
    EXPECT_EQ(w.Config.KnownCount, 0);
}

TEST(LayoutFlows, TheSaveQuestionNamesTheReasonAndTheFile) {
    const char* const newHeadings[] = {"Save new controller before creating a new controller?",
                                       "Save new controller before opening another controller?",
                                       "Save new controller before closing?"};
    const char* const changedHeadings[] = {"Save controller changes before creating a new controller?",
                                           "Save controller changes before opening another controller?",
                                           "Save controller changes before closing?"};
    for (const SaveReason reason : {SaveBeforeNew, SaveBeforeOpen, SaveBeforeClose}) {
        ProfileFlowsWorld w;
        w.Add("Pad");
        w.Add("Wheel");
        w.LayoutOf(1).FileName = w.Folder.File("Wheel.velmoracontroller");
        w.LayoutOf(1).Name = "Wheel";
        EXPECT_FALSE(AskSaveLayout(w.Context, 0, reason));
        EXPECT_FALSE(AskSaveLayout(w.Context, 1, reason));
        const auto r = static_cast<std::size_t>(reason);
        ASSERT_EQ(w.Ui.Dialogs.size(), 2u);
        EXPECT_EQ(w.Ui.Dialogs[0].Heading, newHeadings[r]);
        EXPECT_EQ(w.Ui.Dialogs[0].Buttons, SaveAsButtons);
        EXPECT_EQ(w.Ui.Dialogs[1].Heading, changedHeadings[r]);
        EXPECT_EQ(w.Ui.Dialogs[1].Buttons, SaveButtons);
        EXPECT_EQ(w.Ui.Dialogs[1].Captions, "$Controller$#$Controller File$");
        EXPECT_EQ(w.Ui.Dialogs[1].Values, "Wheel#Wheel");
    }
}

TEST(LayoutFlows, AFullKnownListLinksNothingAndSaysNothing) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    for (std::uint8_t k = 0; k < MaxKnownControllers; ++k)
        w.Config.KnownControllers[k].Identity = {"Other " + std::to_string(k), k};
    w.Config.KnownCount = MaxKnownControllers;
    w.Ui.ChosenFiles = {w.Folder.File("Pad.velmoracontroller")};
    EXPECT_TRUE(SaveControllerFileAs(w.Context, 0));
    EXPECT_TRUE(w.Ui.Dialogs.empty());
    EXPECT_EQ(w.Pad(0).KnownIndex, UnknownController);
}

// The fault: after "Do not Save" the layout stayed changed, so the second
// pad sharing it asked the same question again.
TEST(LayoutFlows, ASharedLayoutIsAskedAboutOnceWhateverTheAnswer) {
    for (const int answer : {SaveAnswer, DoNotSave}) {
        ProfileFlowsWorld w;
        w.Add("Pad");
        w.Add("Pad", 0);
        w.LayoutOf(0).FileName = w.Folder.File("Pad.velmoracontroller");
        w.LayoutOf(0).Changed = 1;
        w.Ui.Answers = {answer, Cancel};
        EXPECT_TRUE(SaveChangedLayouts(w.Context, SaveBeforeClose)) << answer;
        EXPECT_EQ(w.Ui.Dialogs.size(), 1u) << answer;
        EXPECT_EQ(std::filesystem::exists(w.LayoutOf(1).FileName), answer == SaveAnswer);
    }
}

TEST(LayoutFlows, NewLayoutAsksFirstThenBlanksItAndOpensTheSettings) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.LayoutOf(0).ButtonNames[0] = "Mine";
    w.LayoutOf(0).Changed = 1;
    NewControllerFile(w.Context);
    EXPECT_EQ(w.LayoutOf(0).ButtonNames[0], "Mine");
    EXPECT_TRUE(w.Ui.Opened.empty());

    w.Ui.Answers = {DoNotSave};
    NewControllerFile(w.Context);
    EXPECT_TRUE(w.LayoutOf(0).ButtonNames[0].empty());
    EXPECT_EQ(w.LayoutOf(0).Identity, w.Pad(0).Identity);
    ASSERT_EQ(w.Ui.Opened.size(), 1u);
    EXPECT_EQ(w.Ui.Opened[0], SettingsWindow::ControllerSettings);
}

TEST(CloseQuery, AsksAboutLayoutsThenProfilesAndClearsTheCloseSwitch) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Add("Wheel");
    w.Change(0);
    w.LayoutOf(1).Changed = 1;
    CommandLineType commandLine;
    commandLine.CloseSwitch = true;
    w.Ui.Answers = {DoNotSave, DoNotSave};
    EXPECT_TRUE(CloseQuery(w.Context, commandLine));
    EXPECT_EQ(w.Headings(), "Save new controller before closing?|Save new profile before closing?|");
    EXPECT_FALSE(commandLine.CloseSwitch);
}

TEST(CloseQuery, ACancelledLayoutQuestionStopsBeforeTheProfiles) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Change(0);
    w.LayoutOf(0).Changed = 1;
    CommandLineType commandLine;
    commandLine.CloseSwitch = true;
    w.Ui.Answers = {Cancel};
    EXPECT_FALSE(CloseQuery(w.Context, commandLine));
    EXPECT_EQ(w.Ui.Dialogs.size(), 1u);
    EXPECT_FALSE(commandLine.CloseSwitch);

    w.Ui.Answers = {DoNotSave, Cancel};
    EXPECT_FALSE(CloseQuery(w.Context, commandLine));
    EXPECT_EQ(w.Ui.Dialogs.size(), 3u);
}

}  // namespace
}  // namespace velmora::test
