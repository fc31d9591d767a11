// The assignment window's logic: captions, placement, opening and closing,
// the options, the name and assigning by clicks and key presses.

#include <gtest/gtest.h>

#include <memory>

#include "app/settings/AssignmentKeyboard.h"
#include "app/settings/AssignmentWindow.h"
#include "app/settings/KeyboardCapture.h"
#include "support/KeyboardKeys.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using namespace test::keys;

struct WindowWorld {
    std::unique_ptr<ProfileType> Profile = std::make_unique<ProfileType>();
    AssignmentWindowState State;
    RumbleTestRequest RumbleTest;
    test::RecordingUserInterface Ui;

    WindowWorld() {
        Ui.SetOpen(SettingsWindow::Assignment);
        State.Open = true;
    }
    const std::vector<std::uint8_t>& Codes() { return Profile->Current(State.Edit.Control).Slots.Codes; }
    // A press of the virtual key alone, then its release, through the capture.
    void Press(std::uint8_t virtualKey) {
        KeyboardStateType keyboard{};
        keyboard[virtualKey] = 0x80;
        for (const KeyboardStateType& pass : {keyboard, KeyboardStateType{}}) {
            const CaptureResult result =
                CaptureKeyboard(pass, {.AssignmentWindowActive = true}, State.LastCaptured);
            if (result.Assign) AssignSlot(*Profile, State.Edit, *result.Assign, Ui);
        }
    }
};

ControllerFileType NamedLayout() {
    ControllerFileType layout;
    layout.ButtonNames[2] = "Cross";
    layout.StickNames = {"Left Stick", "Right Stick"};
    layout.StickDirectionNames = {"Up", "Right", "Down", "Left"};
    return layout;
}

TEST(AssignmentCaption, ControlNameWithTheSetAfterTheFirst) {
    const ControllerFileType layout = NamedLayout();
    EXPECT_EQ(AssignmentCaption(layout, 2, 0), "Cross");
    EXPECT_EQ(AssignmentCaption(layout, 2, 2), "Cross [Set 3]");
    EXPECT_EQ(AssignmentCaption(layout, 41, 0), "Right Stick Right");
    EXPECT_EQ(AssignmentCaption(layout, 49, 0), "Left Stick Up Left");  // Stick1UpLeft
    EXPECT_EQ(AssignmentCaption(layout, 0, 0), "Button1");              // the layout names it not
    EXPECT_EQ(AdvancedAssignmentCaption("Cross [Set 3]"), "Cross [Set 3]: Advanced Settings");
}

TEST(KeyboardHoverCaption, NamesTheKeyAndTheSlotAfterTheFirst) {
    EXPECT_EQ(KeyboardHoverCaption("Cross", 0, A), "Cross - Press any key or click to assign \"A\"");
    EXPECT_EQ(KeyboardHoverCaption("Cross", 1, A), "Cross (Slot 2) - Press any key or click to assign \"A\"");
    EXPECT_EQ(KeyboardHoverCaption("Cross", 1, 137), "Cross - This key is currently not supported");
    EXPECT_EQ(KeyboardHoverCaption("Cross", 1, std::nullopt), "Cross");
}

TEST(AssignmentWindowPlace, BelowTheButtonAboveItNearTheBottomAndRememberedWhenAsked) {
    ConfigurationType config;
    const WindowSize window{745, 300}, desktop{1024, 768};
    const WindowPoint picture{100, 200};
    // Centred on the button: 100 + 300 + 19 - 372 = 47; just below it: 200 + 50 + 30.
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 1, {50, 300}).Left, 47);
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 1, {50, 300}).Top, 280);
    // 200 + 250 + 30 + 300 reaches past 768: above the button, 450 - 300.
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 1, {250, 300}).Top, 150);
    // Neither fits: below anyway, then kept on the desktop.
    EXPECT_EQ(AssignmentWindowPlace(config, {745, 700}, desktop, {0, 10}, 1, {50, 0}).Top, 68);
    // Left of the desktop is not allowed either.
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 1, {50, 10}).Left, 0);
    config.RememberWindowPositions = true;
    config.WindowPositions[AssignmentSettingsWindowPosition] = {900, 10};
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 1, {50, 300}).Left, 1024 - 745);
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 1, {50, 300}).Top, 10);
}

TEST(AssignmentWindowPlace, UnderTheEnlargedButtonWhenTheMainPictureIsEnlarged) {
    const ConfigurationType config;
    const WindowSize window{1490, 600}, desktop{2560, 1440};
    const WindowPoint picture{100, 200};
    // The button's middle at 100 + (600 + 19) * 2, the window centred on it.
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 2, {50, 600}).Left, 100 + 1238 - 745);
    // Centred under a button at 300 it would start at 738 - 745: kept on the desktop.
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 2, {50, 300}).Left, 0);
    // Just below the enlarged button: 200 + 50 * 2 + 30 * 2.
    EXPECT_EQ(AssignmentWindowPlace(config, window, desktop, picture, 2, {50, 600}).Top, 360);
    // Below the button fits at factor 1 (200 + 200 + 30 + 300 <= 768), not at factor 2: above it.
    const WindowSize small{745, 300}, screen{1024, 768};
    EXPECT_EQ(AssignmentWindowPlace(config, small, screen, picture, 1, {200, 50}).Top, 430);
    EXPECT_EQ(AssignmentWindowPlace(config, small, screen, picture, 2, {200, 50}).Top, 600 - 300);
}

// The smaller window (594 x 229) cut the picture's right 8 pixels and the
// Mouse Settings button on its corner.
TEST(AssignmentClientSize, SmallerWindowOnNarrowDesktopsStillHoldsItsWholePictureAndFooter) {
    EXPECT_EQ(AssignmentClientSize(800).Width, 737);
    EXPECT_EQ(AssignmentClientSize(800).Height, 273);
    for (const int desktop : {640, 799, 800}) {
        const WindowSize client = AssignmentClientSize(desktop);
        const KeyboardGeometry picture = KeyboardGeometryFor(desktop);
        EXPECT_LE(8 + picture.Width, client.Width) << desktop;
        EXPECT_LE(8 + picture.Height + 57, client.Height) << desktop;  // the footer below
        EXPECT_LE(client.Width, desktop) << desktop;
    }
    EXPECT_LT(AssignmentClientSize(640).Width, 737);
}

TEST(OpenAssignmentWindow, ReopensForTheNewControlClosesOthersAndStopsTheRumbleTest) {
    WindowWorld world;
    world.Ui.SetOpen(SettingsWindow::Stick);
    world.State.Edit.SlotPosition = 4;
    world.State.Edit.FirstVisibleSlot = 2;
    world.State.LastCaptured = A;
    world.RumbleTest = {0, 20, {100, 100}};
    OpenAssignmentWindow(world.State, 7, world.RumbleTest, world.Ui);
    EXPECT_EQ(world.Ui.Closed,
              (std::vector<SettingsWindow>{SettingsWindow::Assignment, SettingsWindow::Stick}));
    EXPECT_EQ(world.State.Edit.Control, 7);
    EXPECT_TRUE(world.State.Open);
    EXPECT_EQ(world.State.Edit.SlotPosition, 0);
    EXPECT_EQ(world.State.Edit.FirstVisibleSlot, 0);
    EXPECT_EQ(world.State.LastCaptured, NoCapturedKey);
    EXPECT_EQ(world.RumbleTest.Passes, 0u);
    EXPECT_EQ(world.Ui.DrawnButtons, std::vector<int>{7});
}

TEST(CloseAssignmentWindow, ClosesTheAdvancedWindowAndRemembersThePlaceWhenAsked) {
    WindowWorld world;
    world.Ui.SetOpen(SettingsWindow::AdvancedAssignment);
    world.State.Edit.Control = 3;
    world.RumbleTest.Passes = 9;
    ConfigurationType config;
    config.RememberWindowPositions = true;
    CloseAssignmentWindow(world.State, config, {12, 34}, world.RumbleTest, world.Ui);
    EXPECT_FALSE(world.Ui.IsWindowOpen(SettingsWindow::AdvancedAssignment));
    EXPECT_EQ(config.WindowPositions[AssignmentSettingsWindowPosition].Left, 12);
    EXPECT_EQ(config.WindowPositions[AssignmentSettingsWindowPosition].Top, 34);
    EXPECT_FALSE(world.State.Open);
    EXPECT_EQ(world.RumbleTest.Passes, 0u);
    EXPECT_EQ(world.Ui.DrawnButtons, std::vector<int>{3});
}

TEST(AssignmentOptions, SwitchingOnResetsTheRunStateAndRumbleOffStopsTheTest) {
    WindowWorld world;
    AssignmentType& assignment = world.Profile->Current(0);
    assignment.ToggleState = 1;
    assignment.TurboCounter = 4;
    SetAssignmentOption(world.State, *world.Profile, AssignmentOption::Toggle, true, world.RumbleTest,
                        world.Ui);
    SetAssignmentOption(world.State, *world.Profile, AssignmentOption::Turbo, true, world.RumbleTest,
                        world.Ui);
    EXPECT_TRUE(assignment.Toggle && assignment.Turbo);
    EXPECT_EQ(assignment.ToggleState, 0);
    EXPECT_EQ(assignment.TurboCounter, 0);
    EXPECT_TRUE(world.Profile->Changed);
    world.RumbleTest.Passes = 25;
    SetAssignmentOption(world.State, *world.Profile, AssignmentOption::Rumble, true, world.RumbleTest,
                        world.Ui);
    EXPECT_EQ(world.RumbleTest.Passes, 25u);
    SetAssignmentOption(world.State, *world.Profile, AssignmentOption::Rumble, false, world.RumbleTest,
                        world.Ui);
    EXPECT_EQ(world.RumbleTest.Passes, 0u);
}

TEST(AssignmentOptions, NothingChangesWhileTheWindowRefreshesItself) {
    WindowWorld world;
    world.State.Refreshing = true;
    SetAssignmentOption(world.State, *world.Profile, AssignmentOption::Toggle, true, world.RumbleTest,
                        world.Ui);
    SetAssignmentName(world.State, *world.Profile, "Jump", world.Ui);
    EXPECT_FALSE(world.Profile->Current(0).Toggle);
    EXPECT_EQ(world.Profile->Current(0).Name, "");
    EXPECT_FALSE(world.Profile->Changed);
}

TEST(AssignmentOptions, TheRumbleIconDoesNothingForAControllerThatCannotRumble) {
    AssignmentType assignment;
    EXPECT_EQ(ClickOptionIcon(ViewAssignmentWindow(assignment, false), AssignmentOption::Rumble),
              std::nullopt);
    EXPECT_EQ(ClickOptionIcon(ViewAssignmentWindow(assignment, true), AssignmentOption::Rumble), true);
    assignment.Toggle = true;
    EXPECT_EQ(ClickOptionIcon(ViewAssignmentWindow(assignment, false), AssignmentOption::Toggle), false);
    EXPECT_EQ(ViewAssignmentWindow(assignment, false).AdvancedButton, "Advanced...");
}

TEST(AssignmentName, StoresTheNameAndRedrawsEveryButtonThenThisOne) {
    WindowWorld world;
    world.State.Edit.Control = 5;
    SetAssignmentName(world.State, *world.Profile, "Jump", world.Ui);
    EXPECT_EQ(world.Profile->Current(5).Name, "Jump");
    EXPECT_TRUE(world.Profile->Changed);
    EXPECT_EQ(world.Ui.LayoutRedraws, 1);
    EXPECT_EQ(world.Ui.DrawnButtons, std::vector<int>{5});
}

TEST(AssignmentWindow, PressingShiftKeepsTheWindowOpenAndAThenMakesShiftAAndCloses) {
    WindowWorld world;
    world.Press(0xA0);
    EXPECT_EQ(world.Codes(), (std::vector<std::uint8_t>{LeftShift}));
    EXPECT_TRUE(world.Ui.IsWindowOpen(SettingsWindow::Assignment));
    world.Press(0x41);
    EXPECT_EQ(world.Codes(), (std::vector<std::uint8_t>{LeftShift, A}));
    EXPECT_FALSE(world.Ui.IsWindowOpen(SettingsWindow::Assignment));
}

TEST(AssignmentWindow, ClickingANamedKeyAssignsItAndAnUnnamedOneNothing) {
    WindowWorld world;
    ClickKeyboard(world.State, *world.Profile, 4 + 31 * 12, 4 + 3 * 12, 12, world.Ui);  // code 137
    EXPECT_TRUE(world.Codes().empty());
    ClickKeyboard(world.State, *world.Profile, 4 + 13 * 12 + 5, 4 + 12 * 12 + 5, 12, world.Ui);  // "B"
    EXPECT_EQ(world.Codes(), (std::vector<std::uint8_t>{B}));
}

}  // namespace
}  // namespace velmora
