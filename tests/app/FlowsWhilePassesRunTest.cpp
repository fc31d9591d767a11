// Passes run while a dialog is up: a pad plugged in then re-sorts the
// controller list, one pulled out is lost. Every flow with a dialog must act
// on the controller it was started for when the dialog returns.

#include <gtest/gtest.h>

#include "app/CloseQuery.h"
#include "app/LayoutFlows.h"
#include "app/ProfileFlows.h"
#include "files/ControllerFiles.h"
#include "support/MainPassWorld.h"

namespace velmora::test {
namespace {

// "Pad" is plugged in, selected and given changes; "Alpha", plugged in while
// a dialog is up, sorts before it and takes its place in the list.
struct FlowWorld : MainPassWorld {
    FlowWorld() {
        Config.DefaultProfileLocation = Folder.Folder();
        Config.DefaultControllerLocation = Folder.Folder();
        Api.Plug(MakeFakeDevice("Pad", 1, 1));
        Run();
        SetSlot(Pad().Profile.Sets[0].Assignments[Button1].Slots, 0, *FindSlotCode("B"));
        Pad().Profile.Changed = true;
        List().LayoutOf(Pad()).ButtonNames[0] = "Jump";
        List().LayoutOf(Pad()).Changed = true;
    }
    ControllerDataType& Pad() { return *Named("Pad"); }
    ControllerDataType& Alpha() { return *Named("Alpha"); }
    // While the next dialog is up: a pad of another model is plugged in.
    void PlugAlphaDuringDialog() {
        Ui.WhileDialogsUp.push_back([this] {
            Api.Plug(MakeFakeDevice("Alpha", 2, 1));
            Rescan();
            ASSERT_EQ(List().Controllers[0].Identity.DeviceName, "Alpha");
        });
    }
    // While the next dialog is up: the pad is pulled out and the next pass loses it.
    void PullPadDuringDialog() {
        Ui.WhileDialogsUp.push_back([this] {
            Api.Unplug(0);
            Run();
            ASSERT_EQ(Pad().Connection, Lost);
        });
    }
    void LetDialogGoBy() { Ui.WhileDialogsUp.push_back(nullptr); }
    std::uint8_t FileButton1(const std::string& file) {
        ProfileType p;
        NewProfile(p, Config);
        RecordingUserInterface quiet;
        EXPECT_TRUE(ReadProfile(file, p, Config, quiet));
        return FirstCode(p);
    }
    static std::uint8_t FirstCode(const ProfileType& p) {
        const auto& codes = p.Sets[0].Assignments[Button1].Slots.Codes;
        return codes.empty() ? NoneCode : codes[0];
    }
    std::string Headings() const {
        std::string all;
        for (const MessageDialog& d : Ui.Dialogs) all += d.Heading + "|";
        return all;
    }
};

// The fault: the other controller's profile was written into the file the
// user named, and that file remembered for the other model.
TEST(FlowsWhilePassesRun, ProfileSaveAsWritesTheProfileItWasStartedFor) {
    FlowWorld w;
    const std::string file = w.Folder.File("Mine.velmoraprofile");
    w.PlugAlphaDuringDialog();
    w.Ui.ChosenFiles.push_back(file);
    EXPECT_TRUE(SaveProfileAs(w.Context, w.List().Selected));
    EXPECT_EQ(w.Pad().Profile.FileName, file);
    EXPECT_TRUE(w.Alpha().Profile.FileName.empty());
    EXPECT_EQ(w.FileButton1(file), *FindSlotCode("B"));
}

TEST(FlowsWhilePassesRun, SaveAsFromTheCloseQuestionWritesTheProfileItAskedAbout) {
    FlowWorld w;
    w.List().LayoutOf(w.Pad()).Changed = false;
    const std::string file = w.Folder.File("Mine.velmoraprofile");
    w.Ui.Answers = {1};  // "Save As..."
    w.PlugAlphaDuringDialog();
    w.Ui.ChosenFiles.push_back(file);
    CommandLineType commandLine;
    EXPECT_TRUE(CloseQuery(w.Context, commandLine));
    EXPECT_EQ(w.Pad().Profile.FileName, file);
    EXPECT_EQ(w.FileButton1(file), *FindSlotCode("B"));
}

// The fault: New blanked the profile of whichever controller sat at the
// selected place after the question, and went on for a pad lost meanwhile.
TEST(FlowsWhilePassesRun, ProfileNewBlanksTheProfileItWasStartedForAndStopsForALostPad) {
    FlowWorld w;
    w.Ui.Answers = {2};  // "Do not Save"
    w.PlugAlphaDuringDialog();
    NewProfileCommand(w.Context);
    EXPECT_EQ(FlowWorld::FirstCode(w.Pad().Profile), NoneCode);
    EXPECT_FALSE(w.Pad().Profile.Changed);

    FlowWorld lost;
    lost.Ui.Answers = {2};
    lost.PullPadDuringDialog();
    NewProfileCommand(lost.Context);
    EXPECT_EQ(FlowWorld::FirstCode(lost.Pad().Profile), *FindSlotCode("B"));
    EXPECT_EQ(lost.Ui.Dialogs.back().Heading, "Controller disconnected");
}

TEST(FlowsWhilePassesRun, ProfileOpenGivesThePickedProfileToTheControllerItWasStartedFor) {
    FlowWorld w;
    w.Pad().Profile.Changed = false;
    const std::string file = w.WriteProfileFile("Picked", "C");
    w.Pad().OpenProfileRequest = {ChooseProfileFile, ""};
    w.PlugAlphaDuringDialog();
    w.Ui.ChosenFiles.push_back(file);
    std::string shortcut;
    OpenRequestedProfile(w.Context, w.List().Selected, shortcut);
    EXPECT_EQ(w.Pad().Profile.FileName, file);
    EXPECT_TRUE(w.Alpha().Profile.FileName.empty());
}

// The fault: the other model's layout was replaced and its model linked to
// the file for good.
TEST(FlowsWhilePassesRun, ControllerOpenReplacesTheLayoutOfTheModelItWasStartedFor) {
    FlowWorld w;
    ControllerFileType picked;
    picked.FileName = w.Folder.File("Picked.velmoracontroller");
    ASSERT_TRUE(WriteControllerFile(picked, w.Ui));
    w.Ui.Answers = {2};  // "Do not Save" the edited layout
    w.LetDialogGoBy();
    w.PlugAlphaDuringDialog();
    w.Ui.ChosenFiles.push_back(picked.FileName);
    OpenControllerFile(w.Context);
    EXPECT_EQ(w.List().LayoutOf(w.Pad()).FileName, picked.FileName);
    EXPECT_TRUE(w.List().LayoutOf(w.Alpha()).FileName.empty());
    ASSERT_EQ(w.Config.KnownCount, 1);
    EXPECT_EQ(w.Config.KnownControllers[0].Identity.DeviceName, "Pad");
}

TEST(FlowsWhilePassesRun, ControllerOpenStopsForAPadLostWhileTheDialogWasUp) {
    FlowWorld w;
    w.List().LayoutOf(w.Pad()).Changed = false;
    ControllerFileType picked;
    picked.FileName = w.Folder.File("Picked.velmoracontroller");
    ASSERT_TRUE(WriteControllerFile(picked, w.Ui));
    w.PullPadDuringDialog();
    w.Ui.ChosenFiles.push_back(picked.FileName);
    OpenControllerFile(w.Context);
    EXPECT_EQ(w.List().LayoutOf(w.Pad()).ButtonNames[0], "Jump");
    EXPECT_EQ(w.Config.KnownCount, 0);
    EXPECT_EQ(w.Ui.Dialogs.back().Heading, "Controller disconnected");
}

// Pads plugged in while a flow's messages are up are scanned once they are
// closed: a scan meanwhile re-sorted the list under the code that held a
// controller across its question (Clear cleared another pad's assignment).
TEST(FlowsWhilePassesRun, PadsPluggedWhileTheDialogsAreUpAreScannedOnceTheyClose) {
    FlowWorld w;
    w.List().LayoutOf(w.Pad()).Changed = false;
    ControllerFileType picked;
    picked.FileName = w.Folder.File("Picked.velmoracontroller");
    ASSERT_TRUE(WriteControllerFile(picked, w.Ui));
    w.PullPadDuringDialog();
    int heldKeys = 0;
    w.Ui.WhileDialogsUp.push_back([&w, &heldKeys] {
        w.Api.Device(0).Attached = true;
        MainPassWorld::Press(w.Api.Device(0), 0);
        w.Api.Plug(MakeFakeDevice("Alpha", 2, 1));
        w.List().RescanFlag = true;  // as the system's notice of a device change
        w.Sink.Clear();
        w.Pass(2);
        heldKeys = Count(w.Sink.Lines, "key down");
        EXPECT_EQ(w.Pad().Connection, Lost);
        EXPECT_EQ(w.List().Count(), 1u);
    });
    w.Ui.ChosenFiles.push_back(picked.FileName);
    OpenControllerFile(w.Context);
    ASSERT_EQ(w.Ui.Dialogs.back().Heading, "Controller disconnected");
    EXPECT_EQ(heldKeys, 0);
    w.Run(2);
    EXPECT_EQ(w.List().Count(), 2u);
    EXPECT_NE(w.Pad().Connection, Lost);
    EXPECT_EQ(Count(w.Sink.Lines, "key down"), 1);  // Button1 presses B once the message is closed
}

// A pad of a known model plugged in while the save question is up is scanned
// once it is answered, and its last profile opens then (inside the dialog its
// scan would re-sort the list under the question, and the open would run its
// own questions and close windows under it), with nothing left pending: its
// button then presses its key.
TEST(FlowsWhilePassesRun, TheLastProfileOfAPadPluggedWhileTheSaveQuestionIsUpOpensOnceItIsAnswered) {
    FlowWorld w;
    w.KnowModel("Alpha", {w.WriteProfileFile("AlphaLast", "C"), "", "", ""});
    const std::size_t dialogs = w.Ui.Dialogs.size();
    w.Ui.Answers = {2};  // "Do not Save"
    w.Ui.WhileDialogsUp.push_back([&w] {
        w.Api.Plug(MakeFakeDevice("Alpha", 2, 1));
        w.List().RescanFlag = true;  // as the system's notice of a device change
        w.Pass(2);
        EXPECT_EQ(w.Named("Alpha"), nullptr);
    });
    NewProfileCommand(w.Context);
    EXPECT_EQ(FlowWorld::FirstCode(w.Pad().Profile), NoneCode);  // the question's own pad
    w.Run(2);
    ASSERT_NE(w.Named("Alpha"), nullptr);
    EXPECT_EQ(w.Alpha().Profile.Name, "AlphaLast");
    EXPECT_EQ(w.Alpha().OpenProfileRequest.Request, NoProfileRequest);
    EXPECT_EQ(w.Ui.Dialogs.size(), dialogs + 1) << w.Headings();
    w.Sink.Clear();
    MainPassWorld::Press(w.Api.Device(1), 0);
    w.Run(2);
    EXPECT_EQ(Count(w.Sink.Lines, "key down"), 1);
}

TEST(FlowsWhilePassesRun, ControllerNewBlanksTheLayoutOfTheModelItWasStartedFor) {
    FlowWorld w;
    w.Ui.Answers = {2};  // "Do not Save"
    w.PlugAlphaDuringDialog();
    NewControllerFile(w.Context);
    EXPECT_TRUE(w.List().LayoutOf(w.Pad()).ButtonNames[0].empty());
    EXPECT_FALSE(w.List().LayoutOf(w.Pad()).Changed);
}

TEST(FlowsWhilePassesRun, ControllerSaveAsWritesTheLayoutItWasStartedForAndLinksItsModel) {
    FlowWorld w;
    const std::string file = w.Folder.File("Mine.velmoracontroller");
    w.PlugAlphaDuringDialog();
    w.Ui.ChosenFiles.push_back(file);
    EXPECT_TRUE(SaveControllerFileAs(w.Context, w.List().Selected));
    EXPECT_EQ(w.List().LayoutOf(w.Pad()).FileName, file);
    EXPECT_TRUE(w.List().LayoutOf(w.Alpha()).FileName.empty());
    ControllerFileType written;
    ASSERT_TRUE(ReadControllerFile(file, written, w.Ui));
    EXPECT_EQ(written.ButtonNames[0], "Jump");
    ASSERT_EQ(w.Config.KnownCount, 1);
    EXPECT_EQ(w.Config.KnownControllers[0].Identity.DeviceName, "Pad");
}

TEST(FlowsWhilePassesRun, TheCloseQuestionAsksEachLayoutAndProfileOnceWhileTheListIsResorted) {
    FlowWorld w;
    w.Ui.Answers = {2, 2};  // "Do not Save" both
    w.PlugAlphaDuringDialog();
    CommandLineType commandLine;
    EXPECT_TRUE(CloseQuery(w.Context, commandLine));
    EXPECT_EQ(w.Headings(), "Save new controller before closing?|Save new profile before closing?|");
}

// Regression: a refused profile's message let passes run, and the file was
// then forgotten from whatever model sat at the controller's old place.
TEST(FlowsWhilePassesRun, ARefusedProfileIsForgottenByItsOwnModelWhenTheListIsResorted) {
    MainPassWorld w;
    w.Config.AutoOpenLastProfile = false;
    const std::string missing = w.Folder.File("Gone.velmoraprofile");
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1, 0x045E, 0x0028));
    w.Run();
    ControllerDataType& pad = *w.Named("Pad");
    w.Config.KnownCount = 2;  // Alpha, known first, sorts before Pad when it is plugged in
    w.Config.KnownControllers[0] = {};
    w.Config.KnownControllers[0].Identity = {"Alpha", 0x045E0029};
    w.Config.KnownControllers[0].RecentProfiles[0] = missing;
    w.Config.KnownControllers[1] = {};
    w.Config.KnownControllers[1].Identity = pad.Identity;
    w.Config.KnownControllers[1].RecentProfiles[0] = missing;
    w.Config.KnownControllers[1].ConnectedCount = 1;
    pad.KnownIndex = 1;
    pad.OpenProfileRequest = {OpenProfileFile, missing};
    w.Ui.WhileDialogsUp.push_back([&w] {
        w.Api.Plug(MakeFakeDevice("Alpha", 2, 1, 0x045E, 0x0029));
        w.Rescan();
        ASSERT_EQ(w.List().Controllers[0].Identity.DeviceName, "Alpha");
    });
    std::string shortcut;
    OpenRequestedProfile(w.Context, w.List().IndexOf(pad.Arrival), shortcut);
    EXPECT_TRUE(w.Config.KnownControllers[1].RecentProfiles[0].empty());
    EXPECT_EQ(w.Config.KnownControllers[0].RecentProfiles[0], missing);
}

// Regression: a new known entry took its counts before the "added" message,
// and a pad pulled out while the message was up was never counted as lost
// (its controller had no entry yet), so its entry said connected for good.
TEST(FlowsWhilePassesRun, APadLostWhileALinkMessageIsUpIsCountedOnItsNewEntry) {
    MainPassWorld w;
    w.Config.DefaultControllerLocation = w.Folder.Folder();
    w.Api.Plug(MakeFakeDevice("Pad", 1, 1));
    w.Run();
    w.Ui.ChosenFiles.push_back(w.Folder.File("Mine.velmoracontroller"));
    w.Ui.WhileDialogsUp.push_back(nullptr);  // the save dialog
    w.Ui.WhileDialogsUp.push_back([&w] {     // the "added" message
        w.Api.Unplug(0);
        w.Pass();
    });
    EXPECT_TRUE(SaveControllerFileAs(w.Context, w.List().Selected));
    ASSERT_EQ(w.Config.KnownCount, 1);
    ASSERT_EQ(w.Named("Pad")->Connection, Lost);
    EXPECT_EQ(w.Config.KnownControllers[0].ConnectedCount, 0);
    EXPECT_EQ(w.Config.KnownControllers[0].LostCount, 1);
}

}  // namespace
}  // namespace velmora::test
