#include <gtest/gtest.h>

#include "app/settings/ControllerEnableBoxes.h"
#include "app/settings/ControllerSelectors.h"
#include "app/settings/ControllerWindow.h"
#include "app/settings/ControllerWindowWorld.h"

namespace velmora::test {
namespace {

using ControllerWindowTest = ControllerWindowWorld;

TEST_F(ControllerWindowTest, CaptionNamesTheLayoutOrElseTheDevice) {
    EXPECT_EQ(ControllerWindowCaption(layout, "Pad X"), "Controller Settings - \"Pad X\"");
    layout.Name = "Arcade";
    EXPECT_EQ(ControllerWindowCaption(layout, "Pad X"), "Controller Settings - \"Arcade\"");
}

TEST_F(ControllerWindowTest, TabsComeInTheirOrder) {
    EXPECT_EQ(ControllerTabCaptions(), (std::vector<std::string>{"Start", "Image", "Sticks", "DPad",
                                                                 "Buttons", "Triggers", "Finish"}));
}

TEST_F(ControllerWindowTest, ASmallDesktopIsWarnedAboutOncePerRun) {
    EXPECT_FALSE(ControllerDesktopWarning(window, 800, 600).has_value());
    const auto warning = ControllerDesktopWarning(window, 800, 599);
    ASSERT_TRUE(warning.has_value());
    EXPECT_EQ(warning->Kind, DialogKind::Warning);
    EXPECT_NE(warning->Message.find("The Controller Settings window will appear unoptimized."),
              std::string::npos);
    EXPECT_FALSE(ControllerDesktopWarning(window, 640, 480).has_value());
}

TEST_F(ControllerWindowTest, PlacementUsesTheRememberedPlaceKeptOnTheDesktop) {
    ConfigurationType config;
    config.WindowPositions[ControllerSettingsWindowPosition] = {900, 700};
    const WindowSize size{600, 450};
    const WindowSize desktop{1024, 768};
    EXPECT_EQ(ControllerWindowPlace(config, size, desktop).Left, 212);  // not remembered: centred
    config.RememberWindowPositions = true;
    const WindowPoint kept = ControllerWindowPlace(config, size, desktop);
    EXPECT_EQ(kept.Left, 424);
    EXPECT_EQ(kept.Top, 318);
    config.WindowPositions[ControllerSettingsWindowPosition] = {NoWindowPosition, NoWindowPosition};
    EXPECT_EQ(ControllerWindowPlace(config, size, desktop).Top, 159);
}

TEST_F(ControllerWindowTest, ShowingStartsCleanAndClosingStoresThePlace) {
    window.Drawing = {DrawMode::Pen, 0x123456, 10, true};
    window.Drag.Item = 5;
    StartDetection(window.Detection, DPadUpTarget, raw);
    raw.X = 100;
    ShowControllerWindow(window, raw);
    EXPECT_EQ(window.Drawing.Mode, DrawMode::None);
    EXPECT_EQ(window.Drawing.Colour, 0u);
    EXPECT_EQ(window.Drag.Item, NoItem);
    EXPECT_EQ(window.Detection.Target, NoDetection);
    EXPECT_TRUE(window.Detection.WaitForRelease);
    EXPECT_EQ(window.Detection.Baseline.X, 100);
    EXPECT_EQ(window.Tab, ControllerTab::Start);
    EXPECT_TRUE(window.WindowOpen);

    ConfigurationType config;
    config.RememberWindowPositions = true;
    CloseControllerWindow(window, config, {30, 40}, ui, raw);
    EXPECT_EQ(config.WindowPositions[ControllerSettingsWindowPosition], (WindowPositionType{30, 40}));
    EXPECT_TRUE(config.ConfigurationChanged);
    EXPECT_EQ(ui.LayoutRedraws, 1);
    EXPECT_FALSE(window.WindowOpen);
}

TEST_F(ControllerWindowTest, ChangingTabsEndsDetectionAndTheSelection) {
    StartDetection(window.Detection, LeftTriggerTarget, raw);
    window.SelectedButton = 4;
    ChangeControllerTab(window, ControllerTab::Triggers, raw);
    EXPECT_EQ(window.Detection.Target, NoDetection);
    EXPECT_FALSE(window.Detection.Panel.Shown);
    EXPECT_EQ(window.SelectedButton, NoItem);
}

TEST_F(ControllerWindowTest, DeleteRemovesTheSelectedButtonAfterClosingTheAssignmentWindow) {
    layout.Locations[9] = {20, 20};
    layout.ButtonNames[9] = "Jump";
    window.SelectedButton = 9;
    EXPECT_EQ(SelectedButtonDetails(window), "Details: Button 10");
    ui.SetOpen(SettingsWindow::Assignment);
    DeleteSelectedButton(window, layout, ui);
    EXPECT_EQ(At(9), Location{});
    EXPECT_EQ(layout.ButtonNames[9], "");
    EXPECT_EQ(window.SelectedButton, NoItem);
    EXPECT_EQ(ui.Closed, std::vector<SettingsWindow>{SettingsWindow::Assignment});
    EXPECT_EQ(layout.Changed, 1);
    EXPECT_EQ(SelectedButtonDetails(window), "");
}

TEST_F(ControllerWindowTest, NameEditsWriteAtOnceExceptWhileRefreshing) {
    EditName(window, layout, ui, NameEdit::StickDirection, 2, "South");
    EXPECT_EQ(layout.StickDirectionNames[2], "South");
    EXPECT_EQ(ui.LayoutRedraws, 1);
    window.Refreshing = true;
    EditName(window, layout, ui, NameEdit::Trigger, 1, "R2");
    EXPECT_EQ(layout.TriggerNames[1], "");
    window.Refreshing = false;
    EditName(window, layout, ui, NameEdit::SelectedButton, 0, "ignored without a selection");
    EXPECT_EQ(layout.ButtonNames[0], "");
    window.SelectedButton = 31;
    EditName(window, layout, ui, NameEdit::SelectedButton, 0, "Home");
    EXPECT_EQ(NameEditText(window, layout, NameEdit::SelectedButton, 0), "Home");
}

TEST_F(ControllerWindowTest, EveryEditTellsTheOpenLayoutWindowsToRefresh) {
    ui.SetOpen(SettingsWindow::Stick);
    EditName(window, layout, ui, NameEdit::DPad, 0, "Cross");
    EXPECT_EQ(ui.Refreshed, std::vector<SettingsWindow>{SettingsWindow::Stick});
}

using EnableBoxTest = ControllerWindowWorld;

TEST_F(EnableBoxTest, TickingPlacesTheGroupAtItsDefaultsWithNamesAndDiagonals) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, true, raw);
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick2, true, raw);
    SetGroupEnabled(window, layout, ui, LayoutGroup::DPad, true, raw);
    SetGroupEnabled(window, layout, ui, LayoutGroup::Triggers, true, raw);
    EXPECT_EQ(At(36), (Location{158, 36}));
    EXPECT_EQ(At(39), (Location{190, 4}));
    EXPECT_EQ(At(41), (Location{190, 478}));
    EXPECT_EQ(At(34), (Location{222, 241}));
    EXPECT_EQ(At(44), (Location{4, 4}));
    EXPECT_EQ(At(45), (Location{4, 478}));
    EXPECT_EQ(At(47), (Location{222, 68}));   // Stick 1 DownRight follows Down and Right
    EXPECT_EQ(At(57), (Location{158, 209}));  // DPad UpLeft
    EXPECT_EQ(layout.StickNames[1], "Stick 2");
    EXPECT_EQ(layout.StickDirectionNames[3], "Left");
    EXPECT_EQ(layout.DPadDirectionNames[0], "Up");
    EXPECT_EQ(layout.TriggerNames[1], "Trigger Right");
    EXPECT_EQ(window.Detection.Target, LeftTriggerTarget);  // the last group ticked is detected
    EXPECT_EQ(layout.Indicators[TriggersIndicator].Present, 1);
}

TEST_F(EnableBoxTest, TickingAPlacedGroupMovesNothingAndDetectsNothing) {
    layout.Locations[36] = {10, 40};
    layout.Locations[37] = {42, 72};
    layout.Locations[38] = {74, 40};
    layout.Locations[39] = {42, 8};
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, true, raw);
    EXPECT_EQ(At(36), (Location{10, 40}));
    EXPECT_EQ(window.Detection.Target, NoDetection);
    EXPECT_EQ(layout.Changed, 0);
}

TEST_F(EnableBoxTest, UntickingStick1TakesStick2AndTheSharedNamesWithIt) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, true, raw);
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick2, true, raw);
    layout.StickAccess[1][0] = {3, 1, 0};
    ui.SetOpen(SettingsWindow::Stick);
    ui.SetOpen(SettingsWindow::Assignment);
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, false, raw);
    EXPECT_EQ(ui.Closed, (std::vector<SettingsWindow>{SettingsWindow::Stick, SettingsWindow::Assignment}));
    for (int i = 36; i < 54; ++i)
        if (i < TriggerLeft || i > TriggerRight) {
            EXPECT_EQ(At(i), Location{}) << i;
        }
    EXPECT_EQ(layout.StickAccess[1][0].Axis, NoAxis);
    EXPECT_EQ(layout.StickNames[1], "");
    EXPECT_EQ(layout.StickDirectionNames[0], "");
    EXPECT_EQ(window.Detection.Target, NoDetection);
    EXPECT_FALSE(EnableBoxUsable(layout, LayoutGroup::Stick2));
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick2, true, raw);
    EXPECT_FALSE(GroupEnabled(layout, LayoutGroup::Stick2));
}

TEST_F(EnableBoxTest, UntickingTheDPadLeavesTheSticks) {
    SetGroupEnabled(window, layout, ui, LayoutGroup::Stick1, true, raw);
    SetGroupEnabled(window, layout, ui, LayoutGroup::DPad, true, raw);
    layout.DPadAccess[2] = {DPadKind::POV, 0, 0};
    SetGroupEnabled(window, layout, ui, LayoutGroup::DPad, false, raw);
    EXPECT_EQ(layout.DPadAccess[2].Kind, DPadKind::None);
    EXPECT_EQ(layout.DPadName, "");
    EXPECT_EQ(At(54), Location{});
    EXPECT_TRUE(GroupEnabled(layout, LayoutGroup::Stick1));
    EXPECT_FALSE(GroupControlsUsable(layout, LayoutGroup::DPad));
}

TEST(ControllerSelectorsTest, StickItemsMapBothWays) {
    UseEnglish();
    const std::vector<std::string> items = StickAxisItems();
    ASSERT_EQ(items.size(), static_cast<std::size_t>(StickAxisItemCount));
    EXPECT_EQ(items[1], "Axis X");
    EXPECT_EQ(items[8], "Slider 2");
    EXPECT_EQ(items[14], "Inverted Axis RZ");
    EXPECT_EQ(StickAxisFromItem(0).Axis, NoAxis);
    EXPECT_EQ(StickAxisFromItem(8), (AxisAccess{7, 0, 0}));
    EXPECT_EQ(StickAxisFromItem(9), (AxisAccess{0, 1, 0}));
    EXPECT_EQ(StickAxisFromItem(17).Axis, NoAxis);
    for (int i = 0; i < StickAxisItemCount; ++i) EXPECT_EQ(StickAxisItem(StickAxisFromItem(i)), i);
}

TEST(ControllerSelectorsTest, DPadItemsMapBothWays) {
    UseEnglish();
    const std::vector<std::string> items = DPadDirectionItems();
    ASSERT_EQ(items.size(), static_cast<std::size_t>(DPadDirectionItemCount));
    EXPECT_EQ(items[9], "Button 1");
    EXPECT_EQ(items[40], "Button 32");
    EXPECT_EQ(items[41], "POV");
    EXPECT_EQ(DPadDirectionFromItem(3), (DPadDirectionAccess{DPadKind::Axis, 2, 0}));
    EXPECT_EQ(DPadDirectionFromItem(40), (DPadDirectionAccess{DPadKind::Button, 0, 31}));
    for (int i = 0; i < DPadDirectionItemCount; ++i)
        EXPECT_EQ(DPadDirectionItem(DPadDirectionFromItem(i)), i);
}

TEST(ControllerSelectorsTest, TriggerItemsMapBothWays) {
    UseEnglish();
    const std::vector<std::string> items = TriggerItems();
    ASSERT_EQ(items.size(), static_cast<std::size_t>(TriggerItemCount));
    EXPECT_EQ(items[1], "Axis X-");
    EXPECT_EQ(items[11], "Axis Z+");
    EXPECT_EQ(items[17], "Axis X- Full");
    EXPECT_EQ(items[32], "Slider 2+ Full");
    EXPECT_EQ(TriggerFromItem(3), (AxisAccess{2, 1, 0}));
    EXPECT_EQ(TriggerFromItem(11), (AxisAccess{2, 0, 0}));
    EXPECT_EQ(TriggerFromItem(19), (AxisAccess{2, 1, 1}));
    EXPECT_EQ(TriggerFromItem(27), (AxisAccess{2, 0, 1}));
    for (int i = 0; i < TriggerItemCount; ++i) EXPECT_EQ(TriggerItem(TriggerFromItem(i)), i);
}

TEST_F(ControllerWindowTest, ChoosingAnItemWritesTheAccessUnlessRefreshing) {
    ChooseTrigger(window, layout, ui, 1, 27);
    EXPECT_EQ(layout.TriggerAccess[1], (AxisAccess{2, 0, 1}));
    window.Refreshing = true;
    ChooseStickAxis(window, layout, ui, 1, 1, 5);
    ChooseDPadDirection(window, layout, ui, 0, 41);
    EXPECT_EQ(layout.StickAccess[1][1].Axis, NoAxis);
    EXPECT_EQ(layout.DPadAccess[0].Kind, DPadKind::None);
    EXPECT_EQ(ui.LayoutRedraws, 1);
}

}  // namespace
}  // namespace velmora::test
