// Opening a requested profile over a changed one, Save As, the save
// questions and the New command.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/ProfileFlows.h"
#include "support/ProfileFlowsWorld.h"
#include "support/SlotCode.h"

namespace velmora::test {
namespace {

TEST(ProfileFlows, CancellingTheSaveQuestionKeepsTheOldProfileAndOpensNothing) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Pad(0).Profile.FileName = w.WriteProfileFile("Old", "C");
    w.Change(0, "B");
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, w.WriteProfileFile("New", "A")};
    w.Ui.Answers = {Cancel};
    std::string shortcut = "game.lnk";

    OpenRequestedProfile(w.Context, 0, shortcut);

    EXPECT_EQ(w.Headings(), "Save profile changes before opening another profile?|");
    EXPECT_EQ(w.Button1Code(0), Code("B"));
    EXPECT_TRUE(w.Pad(0).Profile.Changed);
    EXPECT_EQ(w.Pad(0).Profile.FileName, w.Folder.File("Old.velmoraprofile"));
    EXPECT_TRUE(shortcut.empty());
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, NoProfileRequest);
}

TEST(ProfileFlows, CancellingTheSaveQuestionOfRequestTwoShowsNoOpenDialog) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Change(0);
    w.Pad(0).OpenProfileRequest = {ChooseProfileFile, {}};
    w.Ui.ChosenFiles = {w.WriteProfileFile("New")};
    std::string shortcut;
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_TRUE(w.Ui.OpenDialogs.empty());
    EXPECT_EQ(w.Button1Code(0), Code("B"));
}

TEST(ProfileFlows, DoNotSaveDropsTheChangesAndOpensTheRequestedProfile) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Change(0);
    const std::string file = w.WriteProfileFile("New", "A");
    w.Pad(0).OpenProfileRequest = {OpenProfileFile, file};
    w.Ui.Answers = {DoNotSave};
    std::string shortcut = "game.lnk";
    OpenRequestedProfile(w.Context, 0, shortcut);

    ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(w.Ui.Dialogs[0].Heading, "Save new profile before opening another profile?");
    EXPECT_EQ(w.Ui.Dialogs[0].Buttons, SaveAsButtons);
    EXPECT_EQ(w.Button1Code(0), Code("A"));
    EXPECT_EQ(w.Pad(0).Profile.Name, "New");
    EXPECT_FALSE(w.Pad(0).Profile.Changed);
    EXPECT_EQ(shortcut, "game.lnk");
}

TEST(ProfileFlows, SavingANewProfileFirstAsksForItsNameThenOpensTheChosenOne) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Change(0, "B");
    const std::string saved = w.Folder.File("Mine.velmoraprofile");
    w.Pad(0).OpenProfileRequest = {ChooseProfileFile, {}};
    w.Ui.Answers = {SaveAnswer};
    w.Ui.ChosenFiles = {saved, w.WriteProfileFile("Other", "A")};
    std::string shortcut;
    OpenRequestedProfile(w.Context, 0, shortcut);

    ASSERT_EQ(w.Ui.SaveDialogs.size(), 1u);
    ASSERT_EQ(w.Ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(w.Ui.OpenDialogs[0].Caption, "Profile [Pad]");
    EXPECT_EQ(w.Ui.OpenDialogs[0].Extension, "velmoraprofile");
    EXPECT_EQ(w.Ui.OpenDialogs[0].Folder, w.Folder.Folder());
    EXPECT_EQ(w.Button1Code(0), Code("A"));

    ProfileType back;
    ASSERT_TRUE(ReadProfile(saved, back, w.Config, w.Ui));
    EXPECT_EQ(back.Sets[0].Assignments[static_cast<std::size_t>(Button1)].Slots.Codes[0], Code("B"));
}

TEST(ProfileFlows, CancellingTheSaveAsDialogOfTheQuestionAlsoKeepsTheOldProfile) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Change(0, "B");
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, w.WriteProfileFile("New", "A")};
    w.Ui.Answers = {SaveAnswer};  // "Save As...", then the save dialog is cancelled
    std::string shortcut = "game.lnk";
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.SaveDialogs.size(), 1u);
    EXPECT_EQ(w.Button1Code(0), Code("B"));
    EXPECT_TRUE(w.Pad(0).Profile.Changed);
    EXPECT_TRUE(shortcut.empty());
}

TEST(ProfileFlows, ACancelledOpenDialogChangesNothingAndKeepsTheShortcut) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Pad(0).OpenProfileRequest = {ChooseProfileFile, {}};
    std::string shortcut = "game.lnk";
    bool pressedWhileUp = false;
    w.Ui.WhileDialogsUp.push_back([&] { pressedWhileUp = w.Ui.ProfileNamePressed; });
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.OpenDialogs.size(), 1u);
    EXPECT_TRUE(pressedWhileUp);  // the fault: the name box never looked pressed
    EXPECT_FALSE(w.Ui.ProfileNamePressed);
    EXPECT_TRUE(w.Ui.Dialogs.empty());
    EXPECT_EQ(shortcut, "game.lnk");
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, NoProfileRequest);
    EXPECT_FALSE(w.Config.ConfigurationChanged);
}

TEST(ProfileFlows, AProfileChosenInAnotherFolderMakesItTheDefault) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    TempFolder elsewhere;
    w.Pad(0).OpenProfileRequest = {ChooseProfileFile, {}};
    w.Ui.ChosenFiles = {elsewhere.Write("Far.velmoraprofile", ReadBytes(w.WriteProfileFile("Near")))};
    std::string shortcut;
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Pad(0).Profile.Name, "Far");
    EXPECT_EQ(w.Config.DefaultProfileLocation, elsewhere.Folder());
    EXPECT_TRUE(w.Config.ConfigurationChanged);
}

TEST(ProfileFlows, AMissingDefaultFolderStartsTheDialogInTheDocuments) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Config.DefaultProfileLocation = w.Folder.File("gone");
    w.Pad(0).OpenProfileRequest = {ChooseProfileFile, {}};
    std::string shortcut;
    OpenRequestedProfile(w.Context, 0, shortcut);
    ASSERT_EQ(w.Ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(w.Ui.OpenDialogs[0].Folder, w.Documents.Folder());
}

TEST(ProfileFlows, SaveAsWritesTheProfileNamesItAndRemembersIt) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Config.KnownControllers[0].Identity = w.Pad(0).Identity;
    w.Config.KnownControllers[0].ConnectedCount = 1;
    w.Config.KnownCount = 1;
    w.Pad(0).KnownIndex = 0;
    w.Change(0);
    const std::string file = w.Folder.File("Racing.velmoraprofile");
    w.Ui.ChosenFiles = {file};

    EXPECT_TRUE(SaveProfileAs(w.Context, 0));
    ASSERT_EQ(w.Ui.SaveDialogs.size(), 1u);
    EXPECT_EQ(w.Ui.SaveDialogs[0].Caption, "Profile [Pad]");
    EXPECT_EQ(w.Ui.SaveDialogs[0].TypeName, "Profiles");
    EXPECT_EQ(w.Ui.SaveDialogs[0].SuggestedName, "New Profile");
    EXPECT_EQ(w.Pad(0).Profile.Name, "Racing");
    EXPECT_FALSE(w.Pad(0).Profile.Changed);
    EXPECT_EQ(w.Config.KnownControllers[0].RecentProfiles[0], file);
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST(ProfileFlows, AFailedSaveAsKeepsTheOldFileNameAndTheChanges) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    const std::string old = w.WriteProfileFile("Old");
    w.Pad(0).Profile.FileName = old;
    w.Pad(0).Profile.Name = "Old";
    w.Change(0);
    w.Ui.ChosenFiles = {w.Folder.File("no-such-folder/New.velmoraprofile")};

    EXPECT_FALSE(SaveProfileAs(w.Context, 0));
    EXPECT_EQ(w.Pad(0).Profile.FileName, old);
    EXPECT_EQ(w.Pad(0).Profile.Name, "Old");
    EXPECT_TRUE(w.Pad(0).Profile.Changed);
    EXPECT_EQ(w.Ui.Dialogs.size(), 1u);  // the write failure
}

TEST(ProfileFlows, SavingOverAnExistingFileGoesOnOnlyWithOverwrite) {
    for (const int answer : {SaveAnswer, DoNotSave, Cancel}) {
        ProfileFlowsWorld w;
        w.Add("Pad");
        w.Change(0);
        const std::string file = w.Folder.Write("Taken.velmoraprofile", "old bytes");
        w.Ui.ChosenFiles = {file};
        w.Ui.Answers = {answer};

        EXPECT_EQ(SaveProfileAs(w.Context, 0), answer == SaveAnswer);
        ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
        const MessageDialog& question = w.Ui.Dialogs[0];
        EXPECT_EQ(question.Heading, "Overwrite existing file?");
        EXPECT_EQ(question.Kind, DialogKind::Confirmation);
        EXPECT_EQ(question.Buttons, OverwriteButtons);
        EXPECT_EQ(question.Captions, "$Name$#$File Type$#$Location$");
        EXPECT_EQ(question.Values, "Taken#velmoraprofile#" + w.Folder.Folder());
        EXPECT_EQ(ReadBytes(file) == "old bytes", answer != SaveAnswer);
        EXPECT_EQ(w.Pad(0).Profile.FileName.empty(), answer != SaveAnswer);
    }
}

TEST(ProfileFlows, TheSaveQuestionNamesTheReason) {
    const char* const newHeadings[] = {"Save new profile before creating a new profile?",
                                       "Save new profile before opening another profile?",
                                       "Save new profile before closing?"};
    const char* const changedHeadings[] = {"Save profile changes before creating a new profile?",
                                           "Save profile changes before opening another profile?",
                                           "Save profile changes before closing?"};
    for (const SaveReason reason : {SaveBeforeNew, SaveBeforeOpen, SaveBeforeClose}) {
        ProfileFlowsWorld w;
        w.Add("Pad");
        w.Add("Stick");
        w.Pad(1).Profile.FileName = w.Folder.File("Flight.velmoraprofile");
        EXPECT_FALSE(AskToSaveProfile(w.Context, 0, reason));
        EXPECT_FALSE(AskToSaveProfile(w.Context, 1, reason));
        ASSERT_EQ(w.Ui.Dialogs.size(), 2u);
        const auto r = static_cast<std::size_t>(reason);
        EXPECT_EQ(w.Ui.Dialogs[0].Heading, newHeadings[r]);
        EXPECT_EQ(w.Ui.Dialogs[0].Captions, "$Controller$");
        EXPECT_EQ(w.Ui.Dialogs[0].Values, "Pad");
        EXPECT_EQ(w.Ui.Dialogs[0].Message,
                  "The profile on this controller will need to be created again if you do not save.");
        EXPECT_EQ(w.Ui.Dialogs[1].Heading, changedHeadings[r]);
        EXPECT_EQ(w.Ui.Dialogs[1].Buttons, SaveButtons);
        EXPECT_EQ(w.Ui.Dialogs[1].Captions, "$Profile Name$#$Controller Name$");
        EXPECT_EQ(w.Ui.Dialogs[1].Values, "Flight#Stick");
        EXPECT_EQ(w.Ui.Dialogs[1].Message, "Any profile changes will be lost if you do not save.");
    }
}

TEST(ProfileFlows, SaveOnAProfileWithAFileWritesItWithoutADialog) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Pad(0).Profile.FileName = w.Folder.File("Kept.velmoraprofile");
    w.Change(0);
    w.Ui.Answers = {SaveAnswer};
    EXPECT_TRUE(AskToSaveProfile(w.Context, 0, SaveBeforeClose));
    EXPECT_TRUE(w.Ui.SaveDialogs.empty());
    EXPECT_FALSE(w.Pad(0).Profile.Changed);
    EXPECT_TRUE(std::filesystem::exists(w.Pad(0).Profile.FileName));
}

TEST(ProfileFlows, AskingForAllProfilesStopsAtTheFirstCancel) {
    ProfileFlowsWorld w;
    for (const char* name : {"One", "Two", "Three", "Four"}) w.Add(name);
    w.Change(0);
    w.Change(2);
    w.Change(3);
    w.Ui.Answers = {DoNotSave, Cancel, DoNotSave};
    EXPECT_FALSE(AskToSaveAllProfiles(w.Context, SaveBeforeClose));
    ASSERT_EQ(w.Ui.Dialogs.size(), 2u);
    EXPECT_EQ(w.Ui.Dialogs[0].Values, "One");
    EXPECT_EQ(w.Ui.Dialogs[1].Values, "Three");

    w.Ui.Dialogs.clear();
    w.Ui.Answers = {DoNotSave, DoNotSave, DoNotSave};
    EXPECT_TRUE(AskToSaveAllProfiles(w.Context, SaveBeforeClose));
    EXPECT_EQ(w.Ui.Dialogs.size(), 3u);
}

TEST(ProfileFlows, NewProfileAsksFirstAndCancelKeepsTheChanges) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Add("Stick");
    w.List->Selected = 1;
    w.Change(1);
    w.Ui.SetOpen(SettingsWindow::Assignment);
    NewProfileCommand(w.Context);
    EXPECT_EQ(w.Headings(), "Save new profile before creating a new profile?|");
    EXPECT_EQ(w.Button1Code(1), Code("B"));
    EXPECT_TRUE(w.Ui.IsWindowOpen(SettingsWindow::Assignment));

    w.Ui.Answers = {DoNotSave};
    NewProfileCommand(w.Context);
    EXPECT_TRUE(w.Pad(1).Profile.Sets[0].Assignments[static_cast<std::size_t>(Button1)].Slots.Codes.empty());
    EXPECT_FALSE(w.Pad(1).Profile.Changed);
    EXPECT_FALSE(w.Ui.IsWindowOpen(SettingsWindow::Assignment));
}

TEST(ProfileFlows, AProfileWithNamedAssignmentsFlipsTheNamesDisplay) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    const std::string named = w.WriteProfileFile("Named", "A", "Jump");
    const std::string plain = w.WriteProfileFile("Plain", "A");
    std::string shortcut;
    const auto open = [&](const std::string& file) {
        w.Pad(0).OpenProfileRequest = {OpenRecentProfile, file};
        OpenRequestedProfile(w.Context, 0, shortcut);
    };
    open(named);
    EXPECT_TRUE(w.List->NamesShown);
    open(plain);
    EXPECT_TRUE(w.List->NamesShown);
    open(named);
    EXPECT_FALSE(w.List->NamesShown);
}

// The fault: the option had its box in the global settings and did nothing.
TEST(ProfileFlows, AnOpenedProfileMinimisesTheProgramOnlyWithAutoMinimizeOnOpenProfile) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    const std::string file = w.WriteProfileFile("Game", "A");
    std::string shortcut;
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, file};
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.Minimizes, 0);

    w.Config.AutoMinimizeOnOpenProfile = true;
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, w.Folder.File("Missing.velmoraprofile")};
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.Minimizes, 0);  // nothing was opened
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, file};
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.Minimizes, 1);
    EXPECT_EQ(w.Pad(0).Profile.Name, "Game");
}

}  // namespace
}  // namespace velmora::test
