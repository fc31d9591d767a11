#include <gtest/gtest.h>

#include <set>

#include "app/settings/SettingsWindows.h"
#include "model/Configuration.h"

namespace velmora {
namespace {

TEST(SettingsWindows, EveryRowIsItsOwnWindowWithItsOwnPosition) {
    std::set<int> positions;
    for (int i = 0; i < SettingsWindowCount; ++i) {
        const auto window = static_cast<SettingsWindow>(i);
        EXPECT_EQ(SettingsWindowInfo(window).Window, window) << i;
        positions.insert(SettingsWindowInfo(window).PositionIndex);
    }
    EXPECT_EQ(positions.size(), static_cast<std::size_t>(SettingsWindowCount));
    EXPECT_FALSE(positions.contains(MainWindowPosition));
}

TEST(SettingsWindows, OpeningOneClosesTheOthersButItsCompanionAndHelp) {
    EXPECT_TRUE(ClosesWhenOpening(SettingsWindow::Stick, SettingsWindow::Assignment));
    EXPECT_TRUE(ClosesWhenOpening(SettingsWindow::Assignment, SettingsWindow::GlobalSettings));
    EXPECT_TRUE(ClosesWhenOpening(SettingsWindow::Mouse, SettingsWindow::Stick));
    // The advanced window opens beside the assignment window and edits the same control.
    EXPECT_FALSE(ClosesWhenOpening(SettingsWindow::AdvancedAssignment, SettingsWindow::Assignment));
    EXPECT_TRUE(ClosesWhenOpening(SettingsWindow::Assignment, SettingsWindow::AdvancedAssignment));
    EXPECT_FALSE(ClosesWhenOpening(SettingsWindow::ControllerSettings, SettingsWindow::Help));
    EXPECT_FALSE(ClosesWhenOpening(SettingsWindow::Trigger, SettingsWindow::Trigger));
}

TEST(SettingsWindows, HelpButtonsShowTheWindowsOwnTopics) {
    const auto topics = [](SettingsWindow w) {
        const auto span = SettingsWindowInfo(w).HelpTopics;
        return std::vector<int>(span.begin(), span.end());
    };
    EXPECT_EQ(topics(SettingsWindow::Assignment), std::vector<int>{51});
    EXPECT_EQ(topics(SettingsWindow::AdvancedAssignment), (std::vector<int>{52, 53, 54, 55, 56}));
    EXPECT_EQ(topics(SettingsWindow::ControllerSettings), (std::vector<int>{31, 32, 33, 34, 35, 36, 37}));
    EXPECT_EQ(topics(SettingsWindow::GlobalSettings), (std::vector<int>{11, 12, 13, 14}));
}

}  // namespace
}  // namespace velmora
