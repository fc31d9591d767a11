#include <gtest/gtest.h>

#include "app/settings/SettingsWorld.h"

namespace velmora::test {
namespace {

std::size_t OptionIndex(bool ConfigurationType::*field) {
    for (std::size_t i = 0; i < OptionSwitches.size(); ++i)
        if (OptionSwitches[i].Field == field) return i;
    return OptionSwitches.size();
}

// Clicks the box of the option as a user would: its box flips, the others stay.
void Click(SettingsWorld& w, bool ConfigurationType::*field) {
    std::array<bool, OptionCount> boxes = OptionBoxes(w.Config);
    const std::size_t i = OptionIndex(field);
    boxes[i] = !boxes[i];
    ClickOption(w.Settings, boxes, OptionSwitches[i].Tag);
}

// Three pads, the second selected, the third rumbling.
void ThreePads(SettingsWorld& w) {
    for (std::uint8_t i = 1; i <= 3; ++i) w.Api.Plug(MakeFakeDevice("Pad", 1, i));
    w.Rescan();
    SelectController(w.Context, 1);
    w.Pad(2).RumbleNow = {200, 0};
    w.Pad(2).RumblePasses = 50;
}

std::vector<bool> Processing(SettingsWorld& w) {
    std::vector<bool> result;
    for (const ControllerDataType& c : w.List.Controllers) result.push_back(c.Processing);
    return result;
}

TEST(GlobalSettingsOptions, ProcessNonSelectedOffLeavesOnlyTheSelectedProcessedAndStopsTheOthersRumble) {
    SettingsWorld w;
    ThreePads(w);
    ASSERT_EQ(Processing(w), (std::vector<bool>{true, true, true}));
    Click(w, &ConfigurationType::ProcessNonSelectedControllers);
    EXPECT_FALSE(w.Config.ProcessNonSelectedControllers);
    EXPECT_EQ(Processing(w), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(w.Pad(2).RumbleNow, (std::array<std::uint8_t, 2>{0, 0}));
    EXPECT_TRUE(w.Config.ConfigurationChanged);
}

TEST(GlobalSettingsOptions, ProcessNonSelectedOnProcessesEveryControllerAtOnce) {
    SettingsWorld w;
    w.Config.ProcessNonSelectedControllers = false;
    ThreePads(w);
    ASSERT_EQ(Processing(w), (std::vector<bool>{false, true, false}));
    Click(w, &ConfigurationType::ProcessNonSelectedControllers);
    EXPECT_EQ(Processing(w), (std::vector<bool>{true, true, true}));
}

TEST(GlobalSettingsOptions, AClickCopiesAllTwelveBoxesBackNotOnlyTheClickedOne) {
    SettingsWorld w;
    std::array<bool, OptionCount> boxes = OptionBoxes(w.Config);
    for (bool& box : boxes) box = !box;
    ClickOption(w.Settings, boxes, 0);
    EXPECT_EQ(OptionBoxes(w.Config), boxes);
    EXPECT_TRUE(w.Config.ConfigurationChanged);
    EXPECT_TRUE(w.Shell.TrayIcon.empty());  // only the icon's own box adds or removes it
    EXPECT_FALSE(w.RunValue());             // and only its own box writes the entry
}

TEST(GlobalSettingsOptions, StartWithWindowsWritesAndRemovesTheRunEntry) {
    SettingsWorld w;
    Click(w, &ConfigurationType::StartWithWindows);
    EXPECT_EQ(w.RunValue(), "\"C:\\Velmora\\Velmora.exe\" /m");
    Click(w, &ConfigurationType::StartWithWindows);
    EXPECT_FALSE(w.RunValue());
}

TEST(GlobalSettingsOptions, NotificationIconBoxRemovesAndAddsTheIcon) {
    SettingsWorld w;
    Click(w, &ConfigurationType::ShowIconInNotificationArea);
    Click(w, &ConfigurationType::ShowIconInNotificationArea);
    EXPECT_EQ(w.Shell.TrayIcon, (std::vector<bool>{false, true}));
}

TEST(GlobalSettingsOptions, EveryBoxHasAnOptionOfItsOwn) {
    for (std::size_t i = 0; i < OptionSwitches.size(); ++i)
        for (std::size_t j = i + 1; j < OptionSwitches.size(); ++j)
            EXPECT_NE(OptionSwitches[i].Field, OptionSwitches[j].Field) << i << " " << j;
}

TEST(GlobalSettingsValues, StickLabelShowsOnePercentForTheSmallestZonesAnd99AtTheTop) {
    for (int value : {1, 2, 3}) EXPECT_EQ(StickDeadZoneLabel(value), "(1%)") << value;
    EXPECT_EQ(StickDeadZoneLabel(64), "(25%)");
    EXPECT_EQ(StickDeadZoneLabel(255), "(99%)");
}

TEST(GlobalSettingsValues, TriggerLabelRunsFromZeroAtOneTo99At255) {
    EXPECT_EQ(TriggerDeadZoneLabel(1), "(0%)");
    EXPECT_EQ(TriggerDeadZoneLabel(2), "(0%)");
    EXPECT_EQ(TriggerDeadZoneLabel(255), "(99%)");
}

TEST(GlobalSettingsValues, MovingABarStoresBothPositions) {
    ConfigurationType config;
    MoveDeadZoneBars(config, 100, 7);
    EXPECT_EQ(config.DefaultStickDeadZone, 100);
    EXPECT_EQ(config.DefaultTriggerDeadZone, 7);
    EXPECT_TRUE(config.ConfigurationChanged);
}

TEST(GlobalSettingsWindow, ChangingTabsHidesThePaletteAndClearsTheListSelection) {
    GlobalSettingsState state;
    state.Selection = 2;
    PressColourButton(state.Palette, 12);
    ASSERT_TRUE(state.Palette.Shown);
    ChangeGlobalSettingsTab(state, GlobalSettingsTab::Controllers);
    EXPECT_FALSE(state.Palette.Shown);
    EXPECT_EQ(state.Selection, NoListSelection);
    ShowGlobalSettings(state);
    EXPECT_EQ(state.Tab, GlobalSettingsTab::Options);
}

}  // namespace
}  // namespace velmora::test
