// The main window's clicks: which region answers a click, the menus it
// opens (where, and with the button pressed) and the commands it runs.

#include <gtest/gtest.h>

#include "app/MainClicks.h"
#include "app/MainMenus.h"
#include "app/ProfileFlows.h"  // ProfileFlowsWorld.h needs the device context first
#include "support/ProfileFlowsWorld.h"
#include "ui/Tabs.h"

namespace velmora::test {
namespace {

struct ClicksWorld : ProfileFlowsWorld {
    MainWindowStatus Status;

    void Click(int x, int y, MouseButton button = MouseButton::Left) {
        UserClicksLayout(Context, Status, button, x, y);
    }
    // A click on the layout picture, in the picture's own coordinates.
    void ClickPicture(int x, int y, MouseButton button = MouseButton::Left) {
        Click(LayoutPictureLeft + x, LayoutPictureTop + y, button);
    }
    void Place(int control, int top, int left) {
        LayoutOf(0).Locations[static_cast<std::size_t>(control)] = {top, left};
    }
    bool NothingHappened() const {
        return Ui.Menus.empty() && Ui.Opened.empty() && Ui.Closed.empty() && Ui.LayoutRedraws == 0 &&
               Ui.HelpTopics.empty() && Ui.DrawnButtons.empty();
    }
};

TEST(MainClicks, TabsSelectAnotherControllerOrToggleTheSelectedOnesProperties) {
    ClicksWorld w;
    w.Add("First");
    w.Add("Second");
    const TabGeometry tabs = TabsFor(2);
    const int lastColumnOfFirst = TabLeft(tabs, 0) + tabs.Width - 1, bottomRow = tabs.Top + tabs.Height - 1;

    w.Click(lastColumnOfFirst, bottomRow);  // the selected controller's own tab
    EXPECT_EQ(w.Ui.Opened, std::vector{SettingsWindow::ControllerProperties});
    w.Click(TabLeft(tabs, 0), tabs.Top);
    EXPECT_EQ(w.Ui.Closed, std::vector{SettingsWindow::ControllerProperties});

    w.Click(TabLeft(tabs, 1), tabs.Top, MouseButton::Right);  // only the left button selects
    EXPECT_EQ(w.List->Selected, 0);
    EXPECT_EQ(w.Ui.Opened.size(), 2u);
    w.Click(TabLeft(tabs, 1), tabs.Top);
    EXPECT_EQ(w.List->Selected, 1);

    // Beside a tab, and on a lost controller's own tab, nothing happens.
    w.Ui = {};
    w.Click(lastColumnOfFirst + 1, bottomRow);
    w.Click(lastColumnOfFirst, bottomRow + 1);
    w.Pad(1).Connection = Lost;
    w.Click(TabLeft(tabs, 1), tabs.Top);
    EXPECT_TRUE(w.NothingHappened());
}

// A tab's tip names its controller; an XInput pad whose battery XInput
// reported adds the level, whatever other device holds the same slot.
TEST(MainClicks, ATabsTipNamesItsControllerAndAnXInputPadsBattery) {
    ClicksWorld w;
    ControllerDataType& pad = w.Add("Pad");
    ControllerDataType& stick = w.Add("Stick");
    pad.DeviceKind = XInputDevice;
    pad.DetectionSlot = 0;
    stick.DetectionSlot = 1;
    EXPECT_EQ(TabTip(*w.List, 0), "Pad");  // nothing read yet
    w.List->Detection[0].Battery = BatteryState{BatteryAlkaline, BatteryLow};
    EXPECT_EQ(TabTip(*w.List, 0), "Pad\r\nBattery: Low");
    w.List->Detection[0].Battery = BatteryState{BatteryWired, BatteryFull};
    EXPECT_EQ(TabTip(*w.List, 0), "Pad\r\nBattery: Wired");
    w.List->Detection[1].Battery = BatteryState{BatteryNiMH, BatteryMedium};  // left from an XInput pad
    EXPECT_EQ(TabTip(*w.List, 1), "Stick");
    EXPECT_EQ(TabTip(*w.List, 2), "");

    const TabGeometry tabs = TabsFor(2);
    EXPECT_EQ(TabAt(2, TabLeft(tabs, 1) + tabs.Width - 1, tabs.Top + tabs.Height - 1), 1);
    EXPECT_EQ(TabAt(2, TabLeft(tabs, 1) + tabs.Width, tabs.Top), -1);
    EXPECT_EQ(TabAt(2, TabLeft(tabs, 0), tabs.Top - 1), -1);
}

TEST(MainClicks, WithoutControllersOnlyTheTopBarActs) {
    ClicksWorld w;
    w.Click(470, 13);
    EXPECT_EQ(w.Ui.Opened, std::vector{SettingsWindow::GlobalSettings});
    w.Ui.MenuChoices = {103};
    w.Click(512, 31);
    ASSERT_EQ(w.Ui.Menus.size(), 1u);
    EXPECT_EQ(w.Ui.HelpTopics, std::vector{103});

    w.Ui = {};
    for (auto [x, y] :
         {std::pair{5, 53}, {30, 60}, {265, 60}, {300, 60}, {100, 100}, {5, 340}, {330, 340}, {350, 340}})
        w.Click(x, y);
    EXPECT_TRUE(w.NothingHappened());
}

TEST(MainClicks, AClickOutsideEveryRegionDoesNothing) {
    ClicksWorld w;
    w.Add("Pad");
    w.Pad(0).Profile.RequestedSet = 4;
    for (auto [x, y] :
         {std::pair{300, 20}, {0, 0}, {519, 359}, {260, 60}, {2, 200}, {25, 340}, {341, 340}, {342, 357}})
        w.Click(x, y);
    EXPECT_TRUE(w.NothingHappened());
    EXPECT_EQ(w.Pad(0).Profile.RequestedSet, 4);
}

TEST(MainClicks, MenusOpenBelowTheirButtonWhichLooksPressedMeanwhile) {
    ClicksWorld w;
    w.Add("Pad");
    std::vector<int> pressedWhileShown, redrawsWhileShown;
    w.Ui.WhileMenuShown = [&] {
        pressedWhileShown.push_back(w.Status.ProfileButtonPressed + 2 * w.Status.BottomButtonPressed +
                                    4 * w.Status.ControllerButtonPressed + 8 * w.Status.TopRightPressed[1]);
        redrawsWhileShown.push_back(w.Ui.LayoutRedraws);
    };
    w.Click(283, 71);  // the profile button's last pixel
    w.Click(320, 337);
    w.Click(4, 52);
    w.Click(493, 12);
    ASSERT_EQ(w.Ui.Menus.size(), 4u);
    const std::pair<int, int> places[] = {{264, 72}, {320, 357}, {4, 72}, {493, 32}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(w.Ui.Menus[i].Place.Left, places[i].first);
        EXPECT_EQ(w.Ui.Menus[i].Place.Top, places[i].second);
        EXPECT_FALSE(w.Ui.Menus[i].Place.AtCursor);
    }
    EXPECT_EQ(pressedWhileShown, (std::vector{1, 2, 4, 8}));
    EXPECT_EQ(redrawsWhileShown,
              (std::vector{1, 3, 5, 7}));  // drawn pressed before each menu, released after
    EXPECT_EQ(w.Status.ProfileButtonPressed + w.Status.BottomButtonPressed +
                  w.Status.ControllerButtonPressed + w.Status.TopRightPressed[1],
              0);
}

TEST(MainClicks, DisconnectedControllerCommandsAreNotRun) {
    ClicksWorld w;
    w.Add("Pad").Connection = Lost;
    w.Change(0);
    w.Ui.MenuChoices = {1, 6};
    w.Click(270, 60);  // profile menu: New
    w.Click(10, 60);   // controller menu: Properties
    w.Click(100, 60);  // the controller name box
    EXPECT_TRUE(w.Ui.Dialogs.empty());
    EXPECT_TRUE(w.Pad(0).Profile.Changed);
    EXPECT_TRUE(w.Ui.Opened.empty());

    w.Pad(0).Connection = Connected;
    w.Ui.MenuChoices = {6};
    w.Click(10, 60);
    w.Click(100, 60);
    EXPECT_EQ(w.Ui.Opened,
              (std::vector{SettingsWindow::ControllerProperties, SettingsWindow::ControllerSettings}));
}

TEST(MainClicks, TheSetStripRequestsASetAndItsGapsWithdrawTheRequest) {
    ClicksWorld w;
    w.Add("Pad");
    ProfileType& profile = w.Pad(0).Profile;
    profile.CurrentSet = 1;

    w.Click(342 + 2 * 22 + 19, 340);  // the last column of set 3
    EXPECT_EQ(profile.RequestedSet, 2);
    w.Click(342 + 2 * 22 + 20, 340);  // the gap after it
    EXPECT_EQ(profile.RequestedSet, NoSet);
    w.Click(342 + 7 * 22, 356);
    EXPECT_EQ(profile.RequestedSet, 7);
    w.Click(342 + 22, 340);  // the current set
    EXPECT_EQ(profile.RequestedSet, NoSet);

    w.Ui.MenuChoices = {5, 2};
    w.Click(330, 345);  // the set menu
    EXPECT_EQ(profile.RequestedSet, 4);
    w.Click(330, 345);  // choosing the current set requests nothing
    EXPECT_EQ(profile.RequestedSet, 4);
    EXPECT_TRUE(w.Ui.Menus[1].Items[1].Checked);
}

TEST(MainClicks, NamesSwitchFlipsTheNamesAndRedrawsOnce) {
    ClicksWorld w;
    w.Add("Pad");
    w.Click(23, 356);
    EXPECT_TRUE(w.List->NamesShown);
    EXPECT_EQ(w.Ui.LayoutRedraws, 1);
    w.Click(4, 337);
    EXPECT_FALSE(w.List->NamesShown);
}

TEST(MainClicks, ALostControllersLayoutIsNotOnScreenAndDoesNotAnswer) {
    ClicksWorld w;
    w.Add("Pad").Connection = Lost;
    w.Click(10, 340);   // names switch
    w.Click(350, 340);  // set strip
    w.Click(300, 60);   // profile name box
    EXPECT_FALSE(w.List->NamesShown);
    EXPECT_EQ(w.Pad(0).Profile.RequestedSet, NoSet);
    EXPECT_TRUE(w.NothingHappened());
}

TEST(MainClicks, ControlButtonsOpenAndCloseTheAssignmentWindowAndShowTheirMenu) {
    ClicksWorld w;
    w.Add("Pad");
    w.Place(Button1 + 2, 10, 20);
    w.ClickPicture(20, 10);
    w.ClickPicture(49, 39);  // the square's last pixel: the window edits this control
    w.ClickPicture(50, 39);  // beside it
    EXPECT_EQ(w.Ui.Opened, std::vector{SettingsWindow::Assignment});
    EXPECT_EQ(w.Ui.Subjects[static_cast<std::size_t>(SettingsWindow::Assignment)], 2);
    EXPECT_EQ(w.Ui.Closed, std::vector{SettingsWindow::Assignment});

    w.Ui.MenuChoices = {2};
    w.ClickPicture(30, 20, MouseButton::Right);
    ASSERT_EQ(w.Ui.Menus.size(), 1u);
    EXPECT_EQ(w.Ui.Menus[0].Place.Left, LayoutPictureLeft + 20);
    EXPECT_EQ(w.Ui.Menus[0].Place.Top, LayoutPictureTop + 40);
    EXPECT_TRUE(w.Pad(0).Profile.Current(2).Turbo);
    EXPECT_TRUE(w.Pad(0).Profile.Changed);
}

TEST(MainClicks, MiddleClickOnTheEditedControlClosesTheWindowAndClearsIt) {
    ClicksWorld w;
    w.Add("Pad");
    w.Change(0);
    w.Pad(0).Profile.Changed = false;
    w.Place(Button1, 100, 200);
    w.Ui.OpenWindowFor(SettingsWindow::Assignment, Button1);
    w.ClickPicture(210, 110, MouseButton::Middle);
    EXPECT_EQ(w.Ui.Closed, std::vector{SettingsWindow::Assignment});
    EXPECT_TRUE(w.Pad(0).Profile.Current(Button1).Slots.Codes.empty());
    EXPECT_TRUE(w.Pad(0).Profile.Changed);
    EXPECT_EQ(w.Ui.DrawnButtons, std::vector{static_cast<int>(Button1)});
}

TEST(MainClicks, OnlyDrawnControlsAnswer) {
    ClicksWorld w;
    w.Add("Pad");
    w.Place(Stick1UpRight, 50, 50);  // a diagonal is drawn only in the diagonal modes
    w.Place(Stick1Up, 100, 100);     // a straight direction in all but 4-Way Diagonal
    w.ClickPicture(62, 62);
    EXPECT_TRUE(w.NothingHappened());
    w.Pad(0).Profile.Sets[0].StickModes[0] = Diagonal;
    w.ClickPicture(100, 100);
    EXPECT_TRUE(w.NothingHappened());
    w.ClickPicture(62, 62, MouseButton::Right);
    ASSERT_EQ(w.Ui.Menus.size(), 1u);
    EXPECT_EQ(w.Ui.Menus[0].Place.Top, LayoutPictureTop + 80);  // below the diagonal's square
}

TEST(MainClicks, IndicatorsComeBeforeControls) {
    ClicksWorld w;
    w.Add("Pad");
    w.Place(Button1, 10, 10);
    IndicatorBox& dpad = w.LayoutOf(0).Indicators[DPadIndicator];
    dpad.Present = 1;
    dpad.Top = 20;
    dpad.Left = 20;
    w.Ui.MenuChoices = {23};
    w.ClickPicture(35, 35);
    ASSERT_EQ(w.Ui.Menus.size(), 1u);
    EXPECT_EQ(w.Ui.Menus[0].Items[0].Caption, "Settings...");
    EXPECT_EQ(w.Ui.Menus[0].Place.Left, LayoutPictureLeft + 20);
    EXPECT_EQ(w.Ui.Menus[0].Place.Top, LayoutPictureTop + 36);
    EXPECT_EQ(w.Pad(0).Profile.Sets[0].DPadMode, EightWay);
    EXPECT_TRUE(w.Ui.Opened.empty());

    dpad.Present = 0;  // an absent indicator lets the control answer
    w.ClickPicture(35, 35);
    EXPECT_EQ(w.Ui.Opened, std::vector{SettingsWindow::Assignment});
}

TEST(MainClicks, ProfileNameBoxListsTheRecentProfilesThatStillExist) {
    ClicksWorld w;
    w.Add("Pad").KnownIndex = 0;
    w.Config.KnownCount = 1;
    const std::string racing = w.WriteProfileFile("Racing.v2");
    w.Config.KnownControllers[0].RecentProfiles = {w.Folder.File("Gone.velmoraprofile"), racing, "", ""};
    w.Ui.MenuChoices = {10};
    w.Click(300, 60);
    ASSERT_EQ(w.Ui.Menus.size(), 1u);
    ASSERT_EQ(w.Ui.Menus[0].Items.size(), 2u);
    EXPECT_EQ(w.Ui.Menus[0].Items[0].Caption, "Racing");
    EXPECT_EQ(w.Ui.Menus[0].Items[1].Caption, "[All...]");
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, OpenRecentProfile);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Path, racing);

    // Without recent profiles the box goes straight to the open dialog.
    w.Config.KnownControllers[0].RecentProfiles = {};
    w.Click(300, 60);
    EXPECT_EQ(w.Ui.Menus.size(), 1u);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, ChooseProfileFile);
}

TEST(MainClicks, ProfileMenusOpenListsTheRecentProfilesWhoseAllItemLeadsToTheOpenDialog) {
    ClicksWorld w;
    w.Add("Pad").KnownIndex = 0;
    w.Config.KnownCount = 1;
    const std::string racing = w.WriteProfileFile("Racing");
    w.Config.KnownControllers[0].RecentProfiles = {racing, w.Folder.File("Gone.velmoraprofile"), "", ""};
    std::vector<int> namePressedWhileShown;
    w.Ui.WhileMenuShown = [&] { namePressedWhileShown.push_back(w.Status.ProfileNamePressed); };
    w.Ui.MenuChoices = {2, 10};
    w.Click(270, 60);
    ASSERT_EQ(w.Ui.Menus.size(), 2u);
    ASSERT_EQ(w.Ui.Menus[1].Items.size(), 2u);  // the file that is gone is not offered
    EXPECT_EQ(w.Ui.Menus[1].Items[0].Caption, "Racing");
    EXPECT_EQ(w.Ui.Menus[1].Items[1].Caption, "[All...]");
    // The list is the profile name box's own menu, in its place.
    EXPECT_EQ(w.Ui.Menus[1].Place.Left, 288);
    EXPECT_EQ(w.Ui.Menus[1].Place.Top, 72);
    EXPECT_EQ(namePressedWhileShown, (std::vector{0, 1}));
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, OpenRecentProfile);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Path, racing);

    w.Pad(0).OpenProfileRequest = {};
    w.Ui.MenuChoices = {ProfileMenu::Open, RecentProfileMenu::OpenDialog};
    w.Click(270, 60);
    EXPECT_EQ(w.Ui.Menus.size(), 4u);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, ChooseProfileFile);

    // Nothing chosen from the list: nothing is requested.
    w.Pad(0).OpenProfileRequest = {};
    w.Ui.MenuChoices = {2};
    w.Click(270, 60);
    EXPECT_EQ(w.Ui.Menus.size(), 6u);
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, NoProfileRequest);
}

TEST(MainClicks, ProfileMenuCommands) {
    ClicksWorld w;
    w.Add("Pad");
    w.Change(0);
    const std::string file = w.Folder.File("Saved.velmoraprofile");
    w.Ui.ChosenFiles = {file};
    w.Ui.MenuChoices = {4, 3, 2};
    w.Click(270, 60);  // Save As
    EXPECT_EQ(w.Pad(0).Profile.FileName, file);
    EXPECT_FALSE(w.Pad(0).Profile.Changed);
    w.Change(0, "C");
    w.Click(270, 60);  // Save
    EXPECT_FALSE(w.Pad(0).Profile.Changed);
    w.Click(270, 60);  // Open, without recent profiles: the open dialog, at the next pass
    EXPECT_EQ(w.Pad(0).OpenProfileRequest.Request, ChooseProfileFile);
}

}  // namespace
}  // namespace velmora::test
