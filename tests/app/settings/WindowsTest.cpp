#include <gtest/gtest.h>

#include "app/settings/DPadWindow.h"
#include "app/settings/MouseWindow.h"
#include "app/settings/StickWindow.h"
#include "app/settings/TriggerWindow.h"
#include "model/AutoAssign.h"
#include "model/ProfileModel.h"
#include "support/RecordingUserInterface.h"
#include "ui/DisplayScale.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;

std::vector<int> MarkedValues(const std::vector<ChoiceButton>& buttons) {
    std::vector<int> marked;
    for (const ChoiceButton& b : buttons)
        if (b.Marked) marked.push_back(b.Value);
    return marked;
}

TEST(SettingsLabels, ThresholdPercentIsShiftedByEightBitsButAtLeastOne) {
    EXPECT_EQ(PercentLabel(64), "(25%)");
    EXPECT_EQ(PercentLabel(255), "(99%)");
    EXPECT_EQ(PercentLabel(1), "(1%)");
    EXPECT_EQ(PercentLabel(2), "(1%)");  // 200 >> 8 is 0
    EXPECT_EQ(PercentLabel(128), "(50%)");
    EXPECT_EQ(BracketLabel(45), "(45)");
}

TEST(SettingsLabels, LiveValuesAreTruncatedTowardZero) {
    EXPECT_EQ(LivePercent(255), 100);
    EXPECT_EQ(LivePercent(254), 99);
    EXPECT_EQ(LivePercent(-254), -99);
    EXPECT_EQ(TriggerValueLabel(102), "40%");
}

TEST(SettingsButtons, EveryMouseChoiceMarksMouseAndNoneMarksNothing) {
    for (int choice = 2; choice <= 5; ++choice)
        EXPECT_EQ(MarkedValues(GroupAutoAssignButtons(static_cast<std::uint8_t>(choice))),
                  std::vector<int>{2});
    EXPECT_EQ(MarkedValues(GroupAutoAssignButtons(6)), std::vector<int>{6});
    EXPECT_TRUE(MarkedValues(GroupAutoAssignButtons(NoAutoAssignChoice)).empty());
    EXPECT_EQ(MarkedValues(ModeButtons(Vertical)), std::vector<int>{Vertical});
}

TEST(StickWindow, RefreshingDoesNotWriteTheSliderBackASecondTime) {
    ProfileType profile;
    ControllerFileType layout;
    StickWindowState state;
    int shown = 0;
    RefreshStickWindow(state, profile, layout, [&](const StickWindowView& view) {
        ++shown;
        EXPECT_FALSE(ChangeStickDeadZone(state, profile, view.DeadZone.Position + 1));
        EXPECT_FALSE(ChangeStickDiagonalSize(state, profile, 10));
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(profile.Sets[0].StickDeadZones[0], 64);
    EXPECT_EQ(profile.Sets[0].StickDiagonalSizes[0], 45);
    EXPECT_FALSE(profile.Changed);
    EXPECT_FALSE(state.Flag.Refreshing);
    EXPECT_TRUE(ChangeStickDeadZone(state, profile, 200));
    EXPECT_EQ(profile.Sets[0].StickDeadZones[0], 200);
    EXPECT_TRUE(profile.Changed);
}

TEST(StickWindow, SlidersEditTheShownStickInTheCurrentSetOnly) {
    ProfileType profile;
    profile.CurrentSet = 2;
    StickWindowState state;
    state.Stick = 1;
    ChangeStickDiagonalSize(state, profile, 30);
    ChangeStickDeadZone(state, profile, 10);
    EXPECT_EQ(profile.Sets[2].StickDiagonalSizes[1], 30);
    EXPECT_EQ(profile.Sets[2].StickDeadZones[1], 10);
    EXPECT_EQ(profile.Sets[2].StickDeadZones[0], 64);
    EXPECT_EQ(profile.Sets[0].StickDeadZones[1], 64);
    const StickWindowView view = StickView(state, profile, ControllerFileType{});
    EXPECT_EQ(view.DeadZone.ValueLabel, "(3%)");
    EXPECT_EQ(view.DiagonalSize.ValueLabel, "(30)");
    EXPECT_EQ(view.Caption, "Settings: Stick 2 [Set 3]");
    EXPECT_EQ(view.MouseSettingsTarget, 102);
}

TEST(StickWindow, DiagonalSliderIsHiddenOnlyInTheFourWayModesAndKeepsItsValue) {
    ProfileType profile;
    RecordingUserInterface ui;
    StickWindowState state;
    for (std::uint8_t mode = Standard; mode <= Vertical; ++mode) {
        PressStickMode(state, profile, mode, ui);
        const StickWindowView view = StickView(state, profile, ControllerFileType{});
        EXPECT_EQ(view.DiagonalSize.Visible, mode != FourWay && mode != Diagonal) << int(mode);
        EXPECT_EQ(view.DiagonalSize.Position, 45);
        EXPECT_EQ(MarkedValues(view.Modes), std::vector<int>{mode});
    }
}

TEST(StickWindow, MouseGivesStick1FourMouseSlotsStandardModeAndIsMarked) {
    ProfileType profile;
    RecordingUserInterface ui;
    StickWindowState state;
    PressStickMode(state, profile, EightWay, ui);
    PressStickAutoAssign(state, profile, 2, ui);
    const std::uint8_t expected[4] = {2, 3, 4, 5};  // mouse up, right, down, left
    for (int d = 0; d < 4; ++d)
        EXPECT_EQ(profile.Current(Stick1Up + d).Slots.Codes, std::vector<std::uint8_t>{expected[d]});
    EXPECT_EQ(profile.Sets[0].StickModes[0], Standard);
    EXPECT_TRUE(profile.Current(Stick2Up).Slots.Codes.empty());
    const StickWindowView view = StickView(state, profile, ControllerFileType{});
    EXPECT_EQ(MarkedValues(view.AutoAssign), std::vector<int>{2});
    EXPECT_EQ(MarkedValues(view.Modes), std::vector<int>{Standard});
}

TEST(StickWindow, OpensAtTheStickUnlessPositionsAreRemembered) {
    ConfigurationType config;
    ControllerFileType layout;
    layout.Locations[Stick1Up] = {100, 50};
    layout.Indicators[Stick1Indicator] = {1, 130, 80, 16, 16};
    const WindowPoint main{200, 100};
    const WindowSize window{300, 200}, desktop{1024, 768};
    EXPECT_EQ(StickWindowPlace(config, layout, 0, main, 1, window, desktop).Left, 200 + LayoutLeft + 80);
    EXPECT_EQ(StickWindowPlace(config, layout, 0, main, 1, window, desktop).Top, 100 + LayoutTop + 130);
    layout.Indicators[Stick1Indicator].Present = 0;
    EXPECT_EQ(StickWindowPlace(config, layout, 0, main, 1, window, desktop).Left, 200 + LayoutLeft + 50);
    // Near the desktop's corner the window is moved back onto it.
    EXPECT_EQ(StickWindowPlace(config, layout, 0, {900, 700}, 1, window, desktop).Left, 1024 - 300);
    config.RememberWindowPositions = true;
    config.WindowPositions[StickSettingsWindowPosition] = {40, 30};
    EXPECT_EQ(StickWindowPlace(config, layout, 0, main, 1, window, desktop).Left, 40);
    EXPECT_EQ(StickWindowPlace(config, layout, 0, main, 1, window, desktop).Top, 30);
}

// On an enlarged main picture the window's corner still lies on the marker's
// top-left pixel: mapped back through the factor, it is that picture pixel.
TEST(StickWindow, OpensOnItsMarkerWhenTheMainPictureIsEnlarged) {
    ConfigurationType config;
    ControllerFileType layout;
    layout.Locations[Stick2Up] = {100, 50};
    layout.Indicators[Stick2Indicator] = {1, 130, 80, 16, 16};
    const WindowPoint main{30, 20};
    const WindowSize window{808, 760}, desktop{2560, 1600};
    for (int scale : {2, 3}) {
        const WindowPoint place = StickWindowPlace(config, layout, 1, main, scale, window, desktop);
        const std::optional<PicturePoint> under =
            PicturePointAt(place.Left - main.Left, place.Top - main.Top, {520, 360}, scale);
        ASSERT_TRUE(under.has_value()) << scale;
        EXPECT_EQ(under->X, LayoutLeft + 80) << scale;
        EXPECT_EQ(under->Y, LayoutTop + 130) << scale;
    }
    // At factor 2 the Up button's place is doubled too: 30 + (4 + 50) * 2.
    layout.Indicators[Stick2Indicator].Present = 0;
    EXPECT_EQ(StickWindowPlace(config, layout, 1, main, 2, window, desktop).Left, 138);
    EXPECT_EQ(StickWindowPlace(config, layout, 1, main, 2, window, desktop).Top, 20 + (77 + 100) * 2);
    // Kept on the desktop by the window's real size: 1280 - 808.
    EXPECT_EQ(StickWindowPlace(config, layout, 1, {900, 20}, 2, window, {1280, 1024}).Left, 472);
}

TEST(StickWindow, OpeningClosesTheMouseWindow) {
    RecordingUserInterface ui;
    ui.SetOpen(SettingsWindow::Mouse);
    PrepareStickWindowOpening(ui);
    EXPECT_EQ(ui.Closed, std::vector<SettingsWindow>{SettingsWindow::Mouse});
}

// Regression: "Mouse" turned an inverted mouse group back to Normal.
TEST(DPadWindow, MouseKeepsTheInversionTheGroupHas) {
    for (const int inverted : {3, 4, 5}) {
        ProfileType profile;
        RecordingUserInterface ui;
        StickWindowState state;
        state.Stick = 1;
        AutoAssign(profile, DPadGroup, inverted, ui);
        AutoAssign(profile, Stick2Group, inverted, ui);
        PressDPadAutoAssign(profile, 2, ui);
        PressStickAutoAssign(state, profile, 2, ui);
        EXPECT_EQ(DetectAutoAssign(profile, DPadGroup), inverted);
        EXPECT_EQ(DetectAutoAssign(profile, Stick2Group), inverted);
    }
    ProfileType arrows;
    RecordingUserInterface ui;
    PressDPadAutoAssign(arrows, 1, ui);
    PressDPadAutoAssign(arrows, 2, ui);
    EXPECT_EQ(DetectAutoAssign(arrows, DPadGroup), 2) << "a group without a mouse gets the plain one";
}

TEST(DPadWindow, ModeAndAutoAssignActOnTheDPadAndTheViewMarksThem) {
    ProfileType profile;
    RecordingUserInterface ui;
    PressDPadAutoAssign(profile, 1, ui);
    PressDPadMode(profile, Horizontal, ui);
    EXPECT_EQ(profile.Sets[0].DPadMode, Horizontal);
    EXPECT_EQ(profile.Sets[0].StickModes[0], Standard);
    ControllerFileType layout;
    layout.DPadName = "Cross";
    const DPadWindowView view = DPadView(profile, layout);
    EXPECT_EQ(view.Caption, "Settings: Cross [Set 1]");
    EXPECT_EQ(MarkedValues(view.AutoAssign), std::vector<int>{1});
    EXPECT_EQ(MarkedValues(view.Modes), std::vector<int>{Horizontal});
    EXPECT_EQ(view.MouseSettingsTarget, 100);
}

TEST(TriggerWindow, ThresholdSlidersAreGuardedAndWriteTheirOwnTrigger) {
    ProfileType profile;
    TriggerWindowState state;
    RefreshTriggerWindow(state, profile, ControllerFileType{}, [&](const TriggerWindowView& view) {
        EXPECT_EQ(view.Thresholds[1].ValueLabel, "(1%)");
        EXPECT_FALSE(ChangeTriggerThreshold(state, profile, 1, 99));
    });
    EXPECT_EQ(profile.Sets[0].TriggerDeadZones[1], 1);
    EXPECT_FALSE(profile.Changed);
    EXPECT_TRUE(ChangeTriggerThreshold(state, profile, 1, 255));
    EXPECT_EQ(profile.Sets[0].TriggerDeadZones, (std::array<std::uint8_t, 2>{1, 255}));
    EXPECT_EQ(TriggerView(profile, ControllerFileType{}).Thresholds[1].ValueLabel, "(99%)");
}

// Stick 1 with mouse slots, each direction at its own speed.
ProfileType MouseStick(std::array<std::uint8_t, 4> speeds) {
    ProfileType profile;
    RecordingUserInterface ui;
    AutoAssign(profile, Stick1Group, 2, ui);
    for (int d = 0; d < 4; ++d)
        profile.Current(Stick1Up + d).MouseSpeed = speeds[static_cast<std::size_t>(d)];
    profile.Changed = false;
    return profile;
}

TEST(MouseWindow, GroupSlidersShowTheAverageOfTheDirectionsMovingThatWay) {
    const ProfileType profile = MouseStick({10, 40, 21, 61});
    const MouseWindowView view = MouseView(MouseWindowState{}, profile, ControllerFileType{});
    EXPECT_EQ(view.SpeedX.Position, 50);  // (40 + 61) / 2
    EXPECT_EQ(view.SpeedY.Position, 15);  // (10 + 21) / 2
    EXPECT_EQ(view.SpeedX.ValueLabel, "(50)");
    EXPECT_TRUE(view.SpeedX.Visible && view.SpeedY.Visible);
    EXPECT_EQ(view.Caption, "Mouse Settings: Stick 1 [Set 1]");
}

// The caption named a single direction by its file key ("DPadUp").
TEST(MouseWindow, ASingleDirectionIsNamedByTheLayoutsNamesAsTheAssignmentWindowNamesIt) {
    ControllerFileType layout;
    layout.DPadName = "Pad";
    layout.DPadDirectionNames = {"North", "East", "South", "West"};
    layout.StickNames = {"Left Stick", "Right Stick"};
    layout.StickDirectionNames = {"Up", "Right", "Down", "Left"};
    MouseWindowState single;
    single.Target = DPadUp;
    EXPECT_EQ(MouseView(single, ProfileType{}, layout).Caption, "Mouse Settings: Pad North [Set 1]");
    single.Target = Stick2Right;
    EXPECT_EQ(MouseView(single, ProfileType{}, layout).Caption, "Mouse Settings: Right Stick Right [Set 1]");
}

TEST(MouseWindow, SlidersOfDirectionsThatDoNotMoveTheMouseAreHidden) {
    ProfileType profile = MouseStick({10, 40, 21, 61});
    SetSlot(profile.Current(Stick1Right).Slots, -1, 19);  // "D"
    SetSlot(profile.Current(Stick1Left).Slots, -1, 16);   // "A"
    MouseWindowState group;
    EXPECT_FALSE(MouseView(group, profile, ControllerFileType{}).SpeedX.Visible);
    EXPECT_TRUE(MouseView(group, profile, ControllerFileType{}).SpeedY.Visible);
    MouseWindowState single;
    single.Target = Stick1Up;
    const MouseWindowView one = MouseView(single, profile, ControllerFileType{});
    EXPECT_FALSE(one.SpeedX.Visible);
    EXPECT_TRUE(one.SpeedY.Visible);
    EXPECT_EQ(one.SpeedY.Position, 10);
    EXPECT_TRUE(one.AutoAssign.empty());
    MouseWindowState dpad;
    dpad.Target = 100;
    EXPECT_FALSE(MouseView(dpad, profile, ControllerFileType{}).SpeedY.Visible);
}

TEST(MouseWindow, GroupSpeedSliderChangesOnlyTheDirectionsMovingThatWay) {
    ProfileType profile = MouseStick({10, 40, 21, 61});
    SetSlot(profile.Current(Stick1Left).Slots, -1, 16);  // "A": left no longer moves the mouse
    MouseWindowState state;
    EXPECT_TRUE(ChangeMouseSpeed(state, profile, MouseAxis::X, 90, 15));
    EXPECT_EQ(profile.Current(Stick1Right).MouseSpeed, 90);
    EXPECT_EQ(profile.Current(Stick1Left).MouseSpeed, 61);
    EXPECT_EQ(profile.Current(Stick1Up).MouseSpeed, 10);
    EXPECT_TRUE(profile.Changed);
}

TEST(MouseWindow, MoveTogetherTakesTheOtherAxisAlong) {
    ProfileType profile = MouseStick({10, 40, 21, 61});
    MouseWindowState state;
    state.MoveTogether = true;
    ChangeMouseSpeed(state, profile, MouseAxis::Y, 120, 50);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(profile.Current(Stick1Up + d).MouseSpeed, 120);
}

TEST(MouseWindow, SingleControlSlidersShareOneSpeedAndAreGuarded) {
    ProfileType profile = MouseStick({10, 40, 21, 61});
    MouseWindowState state;
    state.Target = Stick1Right;
    RefreshMouseWindow(state, profile, ControllerFileType{}, [&](const MouseWindowView&) {
        EXPECT_FALSE(ChangeMouseSpeed(state, profile, MouseAxis::X, 200, 40));
    });
    EXPECT_EQ(profile.Current(Stick1Right).MouseSpeed, 40);
    EXPECT_FALSE(profile.Changed);
    ChangeMouseSpeed(state, profile, MouseAxis::Y, 7, 40);
    EXPECT_EQ(profile.Current(Stick1Right).MouseSpeed, 7);
    EXPECT_EQ(profile.Current(Stick1Left).MouseSpeed, 61);
}

TEST(MouseWindow, ModeButtonsWriteTheTargetAndMarkTheLeftDirectionsMode) {
    ProfileType profile = MouseStick({10, 40, 21, 61});
    MouseWindowState state;
    PressMouseMode(state, profile, Spring);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(profile.Current(Stick1Up + d).MouseMode, Spring);
    profile.Current(Stick1Up).MouseMode = Cursor;
    EXPECT_EQ(MarkedValues(MouseView(state, profile, ControllerFileType{}).Modes), std::vector<int>{Spring});
    profile.Current(Stick1Left).MouseMode = Cursor;
    EXPECT_EQ(MarkedValues(MouseView(state, profile, ControllerFileType{}).Modes), std::vector<int>{Cursor});
}

TEST(MouseWindow, InvertedChoicesAreMarkedByTheirOwnButton) {
    ProfileType profile;
    RecordingUserInterface ui;
    MouseWindowState state;
    state.Target = 102;
    PressMouseAutoAssign(state, profile, 3, ui);
    EXPECT_EQ(profile.Current(Stick2Up).Slots.Codes, std::vector<std::uint8_t>{4});  // mouse down on up
    EXPECT_EQ(MarkedValues(MouseView(state, profile, ControllerFileType{}).AutoAssign), std::vector<int>{3});
    PressMouseAutoAssign(state, profile, 7, ui);
    EXPECT_TRUE(MarkedValues(MouseView(state, profile, ControllerFileType{}).AutoAssign).empty());
}

// The speed follows its coordinate after one space (there were three).
TEST(MouseWindow, StatusShowsPixelsPerSecondOnlyWhileMoving) {
    MouseState mouse;
    mouse.PositionX = 12.9;
    mouse.PositionY = -3.7;
    EXPECT_EQ(MouseStatusLines(mouse), (std::vector<std::string>{"X: 12", "Y: -3"}));
    mouse.SpeedX = 2001;  // 20.01 pixels per 10 ms pass
    mouse.SpeedY = -150;
    EXPECT_EQ(MouseStatusLines(mouse), (std::vector<std::string>{"X: 12 (2001 pps)", "Y: -3 (150 pps)"}));
}

}  // namespace
}  // namespace velmora
