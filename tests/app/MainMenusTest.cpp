// The main window's popup menus as data, and the commands behind the
// recent-profile, layout-settings and tray menus.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainMenus.h"
#include "app/ProfileFlows.h"  // ProfileFlowsWorld.h needs the device context first
#include "base/Language.h"
#include "base/Paths.h"
#include "model/AutoAssign.h"
#include "support/FileTestSupport.h"
#include "support/ProfileFlowsWorld.h"

namespace velmora::test {
namespace {

// The items as "Caption:Tag" with marks: "-" a separator, "!" disabled,
// "*" checked, "~" hidden, and a submenu in brackets.
std::string Describe(const std::vector<MenuItem>& items) {
    std::string text;
    for (const MenuItem& item : items) {
        if (!text.empty()) text += " ";
        if (item.Separator) {
            text += item.Visible ? "-" : "~-";
            continue;
        }
        if (!item.Visible) text += "~";
        if (!item.Enabled) text += "!";
        if (item.Checked) text += "*";
        text += item.Caption;
        text += item.Items.empty() ? ":" + std::to_string(item.Tag) : "[" + Describe(item.Items) + "]";
    }
    return text;
}

TEST(MainMenus, ProfileAndControllerMenusWithADisconnectedController) {
    ProfileFlowsWorld w;
    w.Add("Pad").Connection = Lost;
    EXPECT_EQ(Describe(ProfilePopupMenu(*w.List)),
              "!New...:1 !Open...:2 ~!Settings...:5 !Save:3 Save As...:4");
    EXPECT_EQ(Describe(ControllerPopupMenu(*w.List)),
              "!New...:1 !Settings...:2 !Open...:3 !Save:4 Save As...:5 !Properties...:6");

    // Save needs both a change and a file to save to.
    w.Pad(0).Connection = Connected;
    w.Pad(0).Profile.Changed = true;
    w.LayoutOf(0).Changed = 1;
    EXPECT_EQ(Describe(ProfilePopupMenu(*w.List)), "New...:1 Open...:2 ~Settings...:5 !Save:3 Save As...:4");
    EXPECT_EQ(Describe(ControllerPopupMenu(*w.List)),
              "New...:1 Settings...:2 Open...:3 !Save:4 Save As...:5 Properties...:6");
    w.Pad(0).Profile.FileName = "C:\\Profiles\\Racing.velmoraprofile";
    w.LayoutOf(0).FileName = "C:\\Pads\\Pad.velmoracontroller";
    EXPECT_TRUE(ProfilePopupMenu(*w.List)[3].Enabled);
    EXPECT_TRUE(ControllerPopupMenu(*w.List)[3].Enabled);
}

TEST(MainMenus, HelpSetAndAssignmentMenus) {
    EXPECT_EQ(Describe(HelpPopupMenu()),
              "Getting Started:101 Controllers:102 Profiles:103 Settings:106 - Assignments:107 "
              "Layout Settings:111 - Names:108 Set:109 - Advanced Starting:110 About:100");

    ProfileType profile;
    profile.CurrentSet = 2;
    EXPECT_EQ(Describe(SetPopupMenu(profile)),
              "Set 1:1 Set 2:2 *Set 3:3 Set 4:4 Set 5:5 Set 6:6 Set 7:7 Set 8:8");

    profile.Sets[2].Assignments[5].Turbo = true;
    profile.Sets[2].Assignments[5].Rumble = true;
    profile.Sets[0].Assignments[5].Toggle = true;  // another set: not shown
    // An option that is on says so in its caption; no check mark.
    EXPECT_EQ(
        Describe(AssignmentPopupMenu(profile, 5)),
        "Assignment...:0 - Toggle:1 Turbo [ON]:2 Rumble [ON]:3 - Clear (Middle Mouse Button/Wheel Click):4");
}

TEST(MainMenus, AssignmentMenuMarksAnOptionThatIsOnWithTheTranslatedOn) {
    // A language file in the program's folder, forgotten again at the end so
    // that no other test sees it.
    TempFolder folder;
    folder.Write("German.velmoralanguage", "Toggle=Umschalten\r\nON=AN\r\n");
    const std::string savedFolder = ProgramFolder();
    SetProgramFolder(folder.Folder());
    ResetLanguage();
    ProfileType profile;
    profile.Sets[0].Assignments[Button1].Toggle = true;
    const std::vector<MenuItem> items = AssignmentPopupMenu(profile, Button1);
    EXPECT_EQ(items[2].Caption, "Umschalten [AN]");
    EXPECT_FALSE(items[2].Checked);
    SetProgramFolder(savedFolder);
    ResetLanguage();
}

TEST(MainMenus, LayoutSettingsMenuShowsTheGroupsKeysAndMode) {
    ProfileType profile;
    RecordingUserInterface ui;
    AutoAssign(profile, Stick2Group, 1, ui);  // arrows
    profile.Sets[0].StickModes[1] = Horizontal;
    EXPECT_EQ(Describe(LayoutSettingsPopupMenu(profile, Stick2Group)),
              "Settings...:1 Auto-Assign[W,S,A,D:10 *Arrows:11 Mouse[Normal:12 Inverted Y:13 Inverted X:14 "
              "Inverted Y+X:15] NumPad:16 None:17] Mode[Standard:20 4-Way Standard:21 4-Way Diagonal:22 "
              "8-Way:23 *Prioritize Horizontal:24 Prioritize Vertical:25] Mouse Settings...:2");
}

// The fault: the Triggers indicator's menu had only its Settings item.
TEST(MainMenus, TriggersMenuHasEveryItemWithTheMouseSettingsOfATriggerThatMovesTheMouse) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    ProfileType& profile = w.Pad(0).Profile;
    const std::string greyed =
        "Settings...:1 !Auto-Assign[W,S,A,D:10 Arrows:11 Mouse[Normal:12 Inverted Y:13 Inverted X:14 "
        "Inverted Y+X:15] NumPad:16 None:17] !Mode[Standard:20 4-Way Standard:21 4-Way Diagonal:22 "
        "8-Way:23 Prioritize Horizontal:24 Prioritize Vertical:25] ";
    EXPECT_EQ(Describe(LayoutSettingsPopupMenu(profile, TriggersIndicator)), greyed + "!Mouse Settings...:2");
    EXPECT_FALSE(RunLayoutSettingsChoice(w.Context, TriggersIndicator, 2));
    SetSlot(profile.Sets[0].Assignments[TriggerRight].Slots, 0, *FindSlotCode("Mouse Move Up"));
    EXPECT_EQ(Describe(LayoutSettingsPopupMenu(profile, TriggersIndicator)), greyed + "Mouse Settings...:2");
    EXPECT_TRUE(RunLayoutSettingsChoice(w.Context, TriggersIndicator, 2));
    EXPECT_EQ(w.Ui.Subjects[static_cast<std::size_t>(SettingsWindow::Mouse)], TriggerRight);
    EXPECT_FALSE(RunLayoutSettingsChoice(w.Context, TriggersIndicator, 20));  // no mode to set
}

TEST(MainMenus, LayoutSettingsCommandsActOnTheirGroup) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    ProfileType& profile = w.Pad(0).Profile;
    profile.Sets[0].StickModes[0] = EightWay;

    EXPECT_TRUE(RunLayoutSettingsChoice(w.Context, Stick1Group, 13));  // Mouse, Inverted Y
    EXPECT_EQ(DetectAutoAssign(profile, Stick1Group), 3);
    EXPECT_EQ(profile.Sets[0].StickModes[0], Standard);  // auto-assign resets the mode
    EXPECT_TRUE(RunLayoutSettingsChoice(w.Context, DPadGroup, 25));
    EXPECT_EQ(profile.Sets[0].DPadMode, Vertical);
    EXPECT_TRUE(profile.Changed);
    EXPECT_FALSE(RunLayoutSettingsChoice(w.Context, DPadGroup, 26));
    EXPECT_FALSE(RunLayoutSettingsChoice(w.Context, TriggersIndicator, 10));

    EXPECT_TRUE(RunLayoutSettingsChoice(w.Context, Stick2Group, 1));
    EXPECT_TRUE(RunLayoutSettingsChoice(w.Context, TriggersIndicator, 1));
    EXPECT_TRUE(RunLayoutSettingsChoice(w.Context, DPadGroup, 2));
    EXPECT_EQ(w.Ui.Opened,
              (std::vector{SettingsWindow::Stick, SettingsWindow::Trigger, SettingsWindow::Mouse}));
    EXPECT_EQ(w.Ui.Subjects[static_cast<std::size_t>(SettingsWindow::Stick)], Stick2Group);
    EXPECT_EQ(w.Ui.Subjects[static_cast<std::size_t>(SettingsWindow::Mouse)], 100);  // the DPad group target
}

TEST(MainMenus, RecentProfilesAreCutAtTheFirstDotAndRequestTheirFile) {
    ProfileFlowsWorld w;
    w.Add("Pad").KnownIndex = 0;
    w.Config.KnownCount = 1;
    w.Config.KnownControllers[0].RecentProfiles = {"C:\\Games\\Racing.v2.velmoraprofile", "",
                                                   "/home/me/Fly.velmoraprofile", ""};
    EXPECT_EQ(Describe(ProfileOpenPopupMenu(*w.List, w.Config)), "Racing:10 Fly:12 [All...]:9");

    EXPECT_TRUE(RunProfileOpenChoice(w.Context, 12));
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, OpenRecentProfile);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Path, "/home/me/Fly.velmoraprofile");
    EXPECT_TRUE(RunProfileOpenChoice(w.Context, 9));
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, ChooseProfileFile);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Path, "");
    EXPECT_FALSE(RunProfileOpenChoice(w.Context, 11));  // an empty place asks for nothing

    // An unknown controller remembers no profiles.
    w.Pad(0).KnownIndex = UnknownController;
    EXPECT_TRUE(ProfileOpenPopupMenu(*w.List, w.Config).empty());
}

TEST(MainMenus, TrayMenuRestoreOnlyWhileMinimisedAndOpenProfileOnlyWithASelection) {
    ProfileFlowsWorld w;
    EXPECT_EQ(Describe(TrayPopupMenu(*w.List, w.Config, false)),
              "~Open Profile...:9 ~- !Restore (Left Mouse Button):1 Minimize (Left Mouse Button):2 "
              "~Run as administrator:4 - Close (Middle Mouse Button/Wheel Click):3");
    EXPECT_EQ(RunTrayChoice(w.Context, 9), TrayCommand::None);

    w.Add("Pad").KnownIndex = 0;
    EXPECT_EQ(Describe(TrayPopupMenu(*w.List, w.Config, true)),
              "Open Profile...:9 - Restore (Left Mouse Button):1 !Minimize (Left Mouse Button):2 "
              "~Run as administrator:4 - Close (Middle Mouse Button/Wheel Click):3");
    // While input cannot reach the window in front, the menu offers the remedy.
    EXPECT_EQ(Describe(TrayPopupMenu(*w.List, w.Config, true, true)),
              "Open Profile...:9 - Restore (Left Mouse Button):1 !Minimize (Left Mouse Button):2 "
              "Run as administrator:4 - Close (Middle Mouse Button/Wheel Click):3");
    EXPECT_EQ(RunTrayChoice(w.Context, 4), TrayCommand::RunAsAdministrator);
    w.Config.KnownCount = 1;
    w.Config.KnownControllers[0].RecentProfiles[0] = "D:\\Racing.velmoraprofile";
    EXPECT_EQ(Describe(TrayPopupMenu(*w.List, w.Config, true)).substr(0, 40),
              "Open Profile[Racing:10 [All...]:9] - Res");

    EXPECT_EQ(RunTrayChoice(w.Context, 1), TrayCommand::Restore);
    EXPECT_EQ(RunTrayChoice(w.Context, 2), TrayCommand::Minimize);
    EXPECT_EQ(RunTrayChoice(w.Context, 3), TrayCommand::Close);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, NoProfileRequest);
    EXPECT_EQ(RunTrayChoice(w.Context, 10), TrayCommand::None);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, OpenRecentProfile);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Path, "D:\\Racing.velmoraprofile");
}

}  // namespace
}  // namespace velmora::test
