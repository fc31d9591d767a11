#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace velmora
