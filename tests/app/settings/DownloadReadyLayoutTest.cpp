// The controller settings window's Download button: the ready layout of the
// selected pad, or a message that there is none.

#include <gtest/gtest.h>

#include <memory>

#include "app/settings/LayoutImageTools.h"
#include "base/Language.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;

struct DownloadWorld {
    ControllerListType List;
    ConfigurationType Config;
    RecordingUserInterface Ui;
    ControllerDatabase Database = ParseControllerDatabase(
        "030000004c050000c405000000000000,PS4 Controller,a:b1,b:b2,leftx:a0,lefty:a1,dpup:h0.1,dpright:h0.2,"
        "dpdown:h0.4,dpleft:h0.8,platform:Windows,\n");
    ControllerDataType& Pad;

    DownloadWorld() : Pad(List.Controllers.emplace_back()) {
        UseEnglish();
        Pad.Identity = {"Wireless Controller", 0x054C05C4};
        Pad.DetectionSlot = 0;
        List.Detection[0].AxisObjects[0].Present = List.Detection[0].AxisObjects[1].Present = true;
        List.Detection[0].ButtonCount = 14;
        List.Detection[0].POVCount = 1;
        ControllerFileType& layout = List.Layouts.emplace_back();
        layout.Identity = Pad.Identity;
        layout.Name = "mine";
        layout.FileName = "C:\\Pads\\mine.velmoracontroller";
        layout.ButtonNames[1] = "Mine";
    }
    ControllerFileType& Layout() { return List.Layouts[0]; }
    bool Download() { return DownloadReadyLayout(List, Pad, Layout(), Ui, Config, Database, false); }
};

TEST(DownloadReadyLayout, AKnownModelGetsItsReadyLayoutAsAnEditOfTheOpenFileWhenTheUserAgrees) {
    DownloadWorld w;
    w.Ui.Answers = {1};
    EXPECT_TRUE(w.Download());
    ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(w.Ui.Dialogs[0].Heading, "Replace this layout with the ready layout?");
    EXPECT_EQ(w.Layout().ButtonNames[1], "Cross");
    EXPECT_EQ(w.Layout().Name, "mine");
    EXPECT_EQ(w.Layout().FileName, "C:\\Pads\\mine.velmoracontroller");
    EXPECT_EQ(w.Layout().Changed, 1) << "the user saves it or not, as any edit";
}

TEST(DownloadReadyLayout, ALayoutWithAFileOrEditsIsKeptWhenTheUserDeclinesOrThePadGoes) {
    // Regression: Download replaced a loaded or hand-made layout without asking,
    // so the next Save wrote over the user's work.
    for (const bool edited : {false, true}) {
        for (const int answer : {2, 3}) {
            DownloadWorld w;
            if (edited) {  // made by hand, never saved
                w.Layout().FileName.clear();
                w.Layout().Changed = 1;
            }
            w.Ui.Answers = {answer};
            EXPECT_FALSE(w.Download());
            EXPECT_EQ(w.Ui.Dialogs.size(), 1u);
            EXPECT_EQ(w.Layout().ButtonNames[1], "Mine");
            EXPECT_EQ(w.Layout().Changed, edited ? 1 : 0);
        }
    }
    DownloadWorld w;
    w.Ui.Answers = {1};
    w.Ui.WhileDialogShown = [&w] { w.Pad.Connection = Lost; };
    EXPECT_FALSE(w.Download());
    EXPECT_EQ(w.Layout().ButtonNames[1], "Mine");
    EXPECT_EQ(w.Layout().Changed, 0);
}

TEST(DownloadReadyLayout, AnUntouchedLayoutWithoutAFileIsReplacedWithoutAQuestion) {
    DownloadWorld w;
    w.Layout().FileName.clear();
    EXPECT_TRUE(w.Download());
    EXPECT_TRUE(w.Ui.Dialogs.empty());
    EXPECT_EQ(w.Layout().ButtonNames[1], "Cross");
}

TEST(DownloadReadyLayout, AnUnknownModelIsToldAndItsLayoutStays) {
    DownloadWorld w;
    w.Pad.Identity.VendorProduct = 0x12345678;
    w.Layout().FileName.clear();
    // The pad is unplugged while the message is up: nothing is left to do after it.
    w.Ui.WhileDialogShown = [&w] { w.Pad.Connection = Lost; };
    EXPECT_FALSE(w.Download());
    ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(w.Ui.Dialogs[0].Heading, "No ready layout for this controller");
    EXPECT_NE(w.Ui.Dialogs[0].Values.find("Wireless Controller"), std::string::npos);
    EXPECT_EQ(w.Layout().ButtonNames[1], "Mine");
    EXPECT_EQ(w.Layout().Changed, 0);
}

}  // namespace
}  // namespace velmora
