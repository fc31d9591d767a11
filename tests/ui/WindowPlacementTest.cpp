#include <gtest/gtest.h>

#include "ui/WindowPlacement.h"

namespace velmora {
namespace {

constexpr WindowSize Window{526, 389};
constexpr WindowSize Desktop{1024, 768};

ConfigurationType Remembering(int left, int top) {
    ConfigurationType config;
    config.RememberWindowPositions = true;
    config.WindowPositions[MainWindowPosition] = {left, top};
    return config;
}

TEST(WindowPlacementTest, CentresWithoutTheOptionOrWithoutASavedPlace) {
    ConfigurationType config = Remembering(10, 20);
    config.RememberWindowPositions = false;
    const WindowPoint centred = MainWindowPlace(config, Window, Desktop);
    EXPECT_EQ(centred.Left, (1024 - 526) / 2);
    EXPECT_EQ(centred.Top, (768 - 389) / 2);  // 189.5 rounds toward zero
    EXPECT_EQ(MainWindowPlace(Remembering(NoWindowPosition, NoWindowPosition), Window, Desktop).Top, 189);
}

TEST(WindowPlacementTest, KeepsASavedPlaceOnTheDesktop) {
    const WindowPoint inside = MainWindowPlace(Remembering(100, 50), Window, Desktop);
    EXPECT_EQ(inside.Left, 100);
    EXPECT_EQ(inside.Top, 50);
    // Past the right and bottom edges: the last column and row of the window are the desktop's last.
    const WindowPoint moved = MainWindowPlace(Remembering(900, 700), Window, Desktop);
    EXPECT_EQ(moved.Left + Window.Width, 1024);
    EXPECT_EQ(moved.Top + Window.Height, 768);
    const WindowPoint negative = MainWindowPlace(Remembering(-40, -3), Window, Desktop);
    EXPECT_EQ(negative.Left, 0);
    EXPECT_EQ(negative.Top, 0);
    // A desktop smaller than the window: moved back, then the top-left corner wins.
    const WindowPoint small = MainWindowPlace(Remembering(10, 10), Window, {500, 300});
    EXPECT_EQ(small.Left, 0);
    EXPECT_EQ(small.Top, 0);
}

// A work area that does not start at the screen's corner (a task bar on the left or top).
constexpr DesktopArea WorkArea{60, 30, 964, 738};

TEST(WindowPlacementTest, SettingsWindowsKeepTheirOwnOrSavedPlaceOnTheWorkArea) {
    ConfigurationType config;
    config.WindowPositions[StickSettingsWindowPosition] = {5, 5};
    // Without the option: the window's own place (here below a button near the bottom edge), kept on the
    // area.
    const WindowPoint own =
        SettingsWindowPlace(config, StickSettingsWindowPosition, Window, WorkArea, {700, 600});
    EXPECT_EQ(own.Left + Window.Width, 1024);
    EXPECT_EQ(own.Top + Window.Height, 768);
    // With it: the saved place, moved onto the area's left and top edges.
    config.RememberWindowPositions = true;
    const WindowPoint saved =
        SettingsWindowPlace(config, StickSettingsWindowPosition, Window, WorkArea, {700, 600});
    EXPECT_EQ(saved.Left, 60);
    EXPECT_EQ(saved.Top, 30);
    // Nothing saved for this window: its own place again.
    const WindowPoint none =
        SettingsWindowPlace(config, DPadSettingsWindowPosition, Window, WorkArea, {100, 90});
    EXPECT_EQ(none.Left, 100);
    EXPECT_EQ(none.Top, 90);
    const WindowPoint centred = CentredOn(Window, WorkArea);
    EXPECT_EQ(centred.Left, 60 + (964 - 526) / 2);
}

TEST(WindowPlacementTest, AStoredPlaceChangesTheConfigurationOnlyWhenItMovedAndWhenAsked) {
    ConfigurationType config;
    StoreWindowPlace(config, HelpWindowPosition, {10, 20});
    EXPECT_EQ(config.WindowPositions[HelpWindowPosition].Left, NoWindowPosition);
    EXPECT_FALSE(config.ConfigurationChanged);
    config.RememberWindowPositions = true;
    StoreWindowPlace(config, HelpWindowPosition, {10, 20});
    EXPECT_EQ(config.WindowPositions[HelpWindowPosition], (WindowPositionType{10, 20}));
    EXPECT_TRUE(config.ConfigurationChanged);
    config.ConfigurationChanged = false;
    StoreWindowPlace(config, HelpWindowPosition, {10, 20});
    EXPECT_FALSE(config.ConfigurationChanged);
}

}  // namespace
}  // namespace velmora
