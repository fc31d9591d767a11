#include <gtest/gtest.h>

#include <algorithm>

#include "support/EngineRun.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;
using test::EngineRun;

constexpr int Button2 = 1, Button3 = 2;

TEST(Turbo, Rate10HeldFor30PassesIsActiveIn0To4And10To14And20To24) {
    EngineRun e;
    AssignmentType& a = e.Assign(Button1, {"A"});
    a.Turbo = true;
    a.TurboRate = 10;
    e.Tap(Button1, 30);
    e.Run(5);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "5 key up 1E", "10 key down 1E", "15 key up 1E",
                                   "20 key down 1E", "25 key up 1E"}));
}

TEST(Turbo, Rate3IsActiveOnePassInThree) {
    EngineRun e;
    AssignmentType& a = e.Assign(Button1, {"A"});
    a.Turbo = true;
    a.TurboRate = 3;
    e.Tap(Button1, 8);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "1 key up 1E", "3 key down 1E", "4 key up 1E",
                                   "6 key down 1E", "7 key up 1E"}));
}

TEST(Toggle, KeyStaysDownUntilTheReleaseOfTheNextPress) {
    EngineRun e;
    e.Assign(Button1, {"A"}).Toggle = true;
    e.Tap(Button1, 2);
    e.Run(3);
    e.Tap(Button1, 2);
    e.Run(3);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "7 key up 1E"}));
}

TEST(Cycle, EachPressTakesTheNextCycle) {
    EngineRun e;
    e.Assign(Button1, {"A", "CYCLE STOP", "B"});
    for (int i = 0; i < 3; ++i) {
        e.Tap(Button1, 1);
        e.Run(2);
    }
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "1 key up 1E", "3 key down 30", "4 key up 30",
                                   "6 key down 1E", "7 key up 1E"}));
}

TEST(Cycle, WithTurboAdvancesOnEveryOffPhaseWhileHeld) {
    EngineRun e;
    AssignmentType& a = e.Assign(Button1, {"A", "CYCLE STOP", "B"});
    a.Turbo = true;
    a.TurboRate = 4;
    e.Tap(Button1, 8);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "2 key up 1E", "4 key down 30", "6 key up 30"}));
}

// The first step is also wanted in the pass that starts the sequence (the
// press itself), so it is held for two passes; every later step without a
// pause lasts one pass and each pause its full length with nothing held.
TEST(Sequence, PlaysTheStepsAndPausesOfTheHelpExample) {
    EngineRun e;
    e.Assign(Button1, {"Left Shift", "X", "PAUSE 1.00s", "Y", "PAUSE 1.00s", "Z"});
    e.Tap(Button1, 1);
    e.Run(249);
    e.Tap(Button1, 1);  // played to the end: the next press starts again
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 2A", "0 key down 2D", "2 key up 2D", "2 key up 2A",
                                   "102 key down 15", "103 key up 15", "203 key down 2C", "204 key up 2C",
                                   "250 key down 2A", "250 key down 2D"}));
}

TEST(Sequence, APressWhilePlayingStopsItAndHoldsTheStepItStoppedIn) {
    EngineRun e;
    e.Assign(Button1, {"Left Shift", "X", "PAUSE 1.00s", "Y", "PAUSE 1.00s", "Z"});
    e.Tap(Button1, 1);
    e.Run(101);
    e.Tap(Button1, 9);  // pass 102 plays Y: the stopping press holds it
    e.Run(9);
    e.Tap(Button1, 1);  // pass 120 starts from the beginning
    EXPECT_EQ(e.Sink.Lines,
              (Lines{"0 key down 2A", "0 key down 2D", "2 key up 2D", "2 key up 2A", "102 key down 15",
                     "111 key up 15", "120 key down 2A", "120 key down 2D"}));
    EXPECT_EQ(e.Pad().Profile.Current(Button1).Slots.SequenceState, Running);
}

TEST(Sequence, HeldWhenItFinishesItWaitsForTheRelease) {
    EngineRun e;
    e.Assign(Button1, {"A", "PAUSE 0.01s", "B"});
    e.Tap(Button1, 20);
    e.Run(5);
    e.Tap(Button1, 1);
    EXPECT_EQ(e.Sink.Lines,
              (Lines{"0 key down 1E", "2 key up 1E", "3 key down 30", "4 key up 30", "25 key down 1E"}));
}

TEST(Sequence, AStickFallenBackToFilteredCountsAsStillHeld) {
    EngineRun e;
    e.Assign(Stick1Up, {"A", "PAUSE 0.01s", "B"});
    NormalisedInput& in = e.Pad().Input;
    in.StickY[0] = 200;
    e.Run(10);
    in.StickY[0] = 30;  // inside the dead zone of 64: filtered
    e.Run(10);
    in.StickY[0] = 200;  // active again, but the sequence never saw a release
    e.Run(5);
    in.StickY[0] = 0;
    e.Run(5);
    in.StickY[0] = 200;
    e.Run(1);
    EXPECT_EQ(e.Sink.Lines,
              (Lines{"0 key down 1E", "2 key up 1E", "3 key down 30", "4 key up 30", "30 key down 1E"}));
}

TEST(Sequence, WithTurboRestartsAsSoonAsItFinishesWhileHeld) {
    EngineRun e;
    AssignmentType& a = e.Assign(Button1, {"A", "PAUSE 0.01s", "B"});
    a.Turbo = true;
    a.TurboRate = 10;
    e.Tap(Button1, 20);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "2 key up 1E", "3 key down 30", "4 key up 30",
                                   "10 key down 1E", "12 key up 1E", "13 key down 30", "14 key up 30"}));
}

// Button1 selects set 2 from set 1 and back; Button2 types A in set 1, B in set 2.
EngineRun SetSelectorRun(bool toggle) {
    EngineRun e;
    AssignmentType& there = e.Assign(Button1, {}, 0);
    there.SetSelect = 1;
    there.Toggle = toggle;
    AssignmentType& back = e.Assign(Button1, {}, 1);
    back.SetSelect = 0;
    back.Toggle = toggle;
    e.Assign(Button2, {"A"}, 0);
    e.Assign(Button2, {"B"}, 1);
    return e;
}

TEST(SetSelection, WithoutToggleTheSetHoldsOnlyWhileTheControlIsHeld) {
    EngineRun e = SetSelectorRun(false);
    e.Press(Button2);
    e.Run(5);
    e.Tap(Button1, 5);
    e.Run(3);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "5 set 0 2", "6 key up 1E", "6 key down 30", "10 set 0 1",
                                   "11 key up 30", "11 key down 1E"}));
}

TEST(SetSelection, WithToggleEveryReleaseSwitches) {
    EngineRun e = SetSelectorRun(true);
    e.Run(5);
    e.Tap(Button1, 3);
    e.Run(4);
    e.Tap(Button1, 3);
    e.Run(2);
    EXPECT_EQ(e.Sink.Lines, (Lines{"8 set 0 2", "15 set 0 1"}));
    EXPECT_EQ(e.Pad().Profile.Sets[0].Assignments[Button1].ToggleState, 0) << "a set selector does not latch";
}

TEST(SetSelection, TheLowerControlIndexWins) {
    EngineRun e;
    e.Assign(Button3, {}).SetSelect = 2;
    e.Assign(Button2, {}).SetSelect = 1;
    e.Press(Button3);
    e.Press(Button2);
    e.Run();
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 set 0 2"}));
}

TEST(SetSelection, ChangingSetResetsARunningSequenceAndReleasesItsKeysOnePassLater) {
    EngineRun e = SetSelectorRun(false);
    AssignmentType& seq = e.Assign(Button3, {"A", "PAUSE 0.50s", "B"}, 0);
    e.Tap(Button3, 1);  // pass 0: A down, held again in pass 1
    e.Tap(Button1, 1);  // pass 1: the set changes at the end of the pass
    e.Run(100);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "1 set 0 2", "2 set 0 1", "2 key up 1E"}));
    EXPECT_EQ(seq.Slots.SequenceState, Ready);
    EXPECT_EQ(seq.Slots.StepIndex, 0);
}

TEST(SetSelection, ChangingSetClosesTheSettingsWindowsAndRedrawsTheLayout) {
    EngineRun e = SetSelectorRun(true);
    e.Ui.Showing = true;
    e.Ui.SetOpen(SettingsWindow::Stick);
    e.Ui.SetOpen(SettingsWindow::Mouse);
    e.Tap(Button1, 1);
    e.Run();
    EXPECT_EQ(e.Ui.Closed, (std::vector<SettingsWindow>{SettingsWindow::Stick}));
    EXPECT_EQ(e.Ui.LayoutRedraws, 2);
}

TEST(Rumble, TwoAssignmentsAverageEachMotorOverItsNonZeroStrengths) {
    EngineRun e;
    AssignmentType& a = e.Assign(Button1, {});
    a.Rumble = true;
    a.RumbleStrengths = {200, 0};
    AssignmentType& b = e.Assign(Button2, {});
    b.Rumble = true;
    b.RumbleStrengths = {100, 50};
    e.Press(Button1);
    e.Press(Button2);
    e.Run(3);
    e.Press(Button2, false);
    e.Run(2);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 rumble 0 150 50", "3 rumble 0 200 0"}));
}

TEST(Rumble, AOnePassRumbleRunsTenPassesAndStopsInTheEleventh) {
    EngineRun e(2);
    e.Assign(Button1, {}).Rumble = true;
    e.Pad(1).CanRumble = false;
    e.Assign(Button1, {}, 0, 1).Rumble = true;
    e.Press(Button1, true, 1);
    e.Tap(Button1, 1);
    e.Run(15);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 rumble 0 128 128", "10 rumble 0 0 0"}));
}

TEST(Rumble, ATestRequestOverridesTheAssignmentsForExactlyItsPasses) {
    EngineRun e;
    AssignmentType& a = e.Assign(Button1, {});
    a.Rumble = true;
    a.RumbleStrengths = {200, 0};
    e.State.RumbleTest = {0, 3, {50, 60}};
    e.Press(Button1);
    e.Run(5);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 rumble 0 50 60", "3 rumble 0 200 0"}));
}

TEST(Drawing, OnlyTheSelectedControllersChangedButtonsAreDrawn) {
    EngineRun e(2);
    e.Ui.Showing = true;
    e.Selected = 1;
    e.Press(Button2, true, 0);
    e.Press(Button3, true, 1);
    e.Run(3);
    e.Press(Button3, false, 1);
    e.Run();
    EXPECT_EQ(e.Ui.DrawnButtons, (std::vector<int>{Button3, Button3}));
}

TEST(Drawing, NothingIsDrawnWhileTheMainWindowIsHidden) {
    EngineRun e;
    e.Press(Button1);
    e.Run();
    EXPECT_TRUE(e.Ui.DrawnButtons.empty());
}

TEST(RunPass, OutsideTheRunningStateOnlyReleasesAreEmitted) {
    EngineRun e;
    e.Assign(Button1, {"A", "Left Mouse Button (1)"});
    e.Press(Button1);
    e.Run(2);
    e.ProgramState = ProgramQuitting;
    e.Run(2);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "0 mouse down left", "2 key up 1E", "2 mouse up left"}));
}

TEST(RunPass, ALostControllerGetsTheNeutralInputAndReleasesItsKeys) {
    EngineRun e;
    e.Assign(Button1, {"A"});
    e.Press(Button1);
    e.Run(2);
    e.Pad().Connection = Lost;
    e.Run();
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "2 key up 1E"}));
}

TEST(RunPass, TwoControllersWantingOneKeyPressItOnceAndReleaseItWhenNeitherDoes) {
    EngineRun e(2);
    e.Assign(Button1, {"A"}, 0, 0);
    e.Assign(Button1, {"A"}, 0, 1);
    e.Press(Button1, true, 0);
    e.Run(2);
    e.Press(Button1, true, 1);
    e.Press(Button1, false, 0);
    e.Run(2);
    e.Press(Button1, false, 1);
    e.Run();
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key down 1E", "4 key up 1E"}));
}

TEST(RunPass, ButtonMouseAccelerationRestartsAfterARelease) {
    EngineRun e;
    e.Assign(Button1, {"Mouse Move Right"}).MouseSpeed = 255;
    e.Tap(Button1, 3);  // pass 0 raises the level; passes 1 and 2 move
    e.Run(9);
    e.Tap(Button1, 5);  // from pass 12: level 0 until pass 15 raises it
    EXPECT_EQ(e.Pad().MouseAcceleration, 128);
    e.Run();
    std::vector<int> moved;
    for (const std::string& line : e.Sink.Lines) moved.push_back(std::stoi(line));
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(moved.front(), 1);
    EXPECT_EQ(std::count(moved.begin(), moved.end(), 16), 1);
    EXPECT_EQ(std::count_if(moved.begin(), moved.end(), [](int p) { return p >= 12 && p < 16; }), 0);
    EXPECT_EQ(e.Pad().MouseAcceleration, 0);
}

TEST(RunPass, ThePassCounterWrapsAt100IntoTheHundreds) {
    EngineRun e;
    e.Run(250);
    EXPECT_EQ(e.State.PassCounter, 50);
    EXPECT_EQ(e.State.Hundreds, 200u);
}

TEST(ReleaseEverything, LeavesNoKeyOrButtonDown) {
    EngineRun e;
    e.Assign(Button1, {"Left Shift", "A"}).Toggle = true;
    e.Assign(Button2, {"Right Mouse Button (2)"});
    e.Press(Button2);
    e.Tap(Button1, 1);
    e.Sink.Clear();
    ReleaseEverything(e.State, e.Sink);
    EXPECT_EQ(e.Sink.Lines, (Lines{"0 key up 1E", "0 mouse up right", "0 key up 2A"}));
    EXPECT_FALSE(e.State.KeyEmitting);
}

}  // namespace
}  // namespace velmora
