// The watch over the window in front: when it asks the system, which levels
// block input, and when the top bar, the tray tip and the balloon speak.

#include <gtest/gtest.h>

#include <map>

#include "app/ElevationWatch.h"

namespace velmora {
namespace {

constexpr ProcessLevel Medium{ProcessLevel::Known, MediumLevel};
constexpr ProcessLevel High{ProcessLevel::Known, HighLevel};
constexpr ProcessLevel Low{ProcessLevel::Known, 0x1000};
constexpr ProcessLevel System{ProcessLevel::Known, 0x4000};
constexpr ProcessLevel Denied{ProcessLevel::Denied, 0};
constexpr ProcessLevel Unknown{ProcessLevel::Unknown, 0};

TEST(InputBlocked, OnlyAHigherLevelThanOursBlocks) {
    EXPECT_TRUE(InputBlocked(High, Medium));
    EXPECT_TRUE(InputBlocked(System, High));
    EXPECT_FALSE(InputBlocked(High, High));
    EXPECT_FALSE(InputBlocked(Medium, Medium));
    EXPECT_FALSE(InputBlocked(Low, Medium));
    EXPECT_FALSE(InputBlocked(Medium, High));
}

TEST(InputBlocked, AProcessThatMayNotBeAskedCountsAsAnAdministrators) {
    EXPECT_TRUE(InputBlocked(Denied, Medium));
    EXPECT_TRUE(InputBlocked(Denied, Low));
    EXPECT_FALSE(InputBlocked(Denied, High));  // an elevated Velmora reaches it
}

TEST(InputBlocked, UnknownLevelsNeverRaiseAFalseAlarm) {
    EXPECT_FALSE(InputBlocked(Unknown, Medium));
    EXPECT_FALSE(InputBlocked(Unknown, Low));
    // A system without integrity levels cannot tell ours, and blocks nothing.
    EXPECT_FALSE(InputBlocked(High, Unknown));
    EXPECT_FALSE(InputBlocked(Denied, Unknown));
}

// Windows by number with their processes' levels, and every question counted.
class ScriptedForeground : public ForegroundSeam {
public:
    std::uintptr_t InFront = 0;
    std::map<std::uintptr_t, ProcessLevel> Levels;
    ProcessLevel Own = Medium;
    int ForegroundCalls = 0, WindowCalls = 0, OwnCalls = 0;

    std::uintptr_t ForegroundWindow() override {
        ++ForegroundCalls;
        return InFront;
    }
    ProcessLevel WindowLevel(std::uintptr_t window) override {
        ++WindowCalls;
        const auto found = Levels.find(window);
        return found == Levels.end() ? Unknown : found->second;
    }
    ProcessLevel OwnLevel() override {
        ++OwnCalls;
        return Own;
    }
};

constexpr std::uintptr_t Game = 0x100, TaskManager = 0x200, Editor = 0x300;

struct Watch : ::testing::Test {
    ScriptedForeground Seam;
    ElevationWatch State;
    bool Minimised = false;
    bool TrayIcon = true;

    void SetUp() override { Seam.Levels = {{Game, High}, {TaskManager, Denied}, {Editor, Medium}}; }
    ElevationShow Pass() { return StepElevationWatch(State, Seam, Minimised, TrayIcon); }
    // Runs passes up to and including the next check; answers the last pass's show.
    ElevationShow ToNextCheck() {
        ElevationShow show;
        for (int i = 0; i < ElevationCheckPasses; ++i) show = Pass();
        return show;
    }
    int Balloons(int passes) {
        int count = 0;
        for (int i = 0; i < passes; ++i) count += Pass().Balloon ? 1 : 0;
        return count;
    }
};

TEST_F(Watch, LooksAtTheWindowInFrontOnlyEveryThirtiethPass) {
    Seam.InFront = Editor;
    for (int pass = 0; pass < 3 * ElevationCheckPasses; ++pass) {
        Pass();
        EXPECT_EQ(Seam.ForegroundCalls, pass / ElevationCheckPasses + 1) << "pass " << pass;
    }
}

TEST_F(Watch, AsksForLevelsOnlyWhenTheWindowInFrontChanged) {
    Seam.InFront = Game;
    for (int i = 0; i < 5; ++i) ToNextCheck();
    EXPECT_EQ(Seam.WindowCalls, 1);
    Seam.InFront = Editor;
    ToNextCheck();
    EXPECT_EQ(Seam.WindowCalls, 2);
    Seam.InFront = Game;
    ToNextCheck();
    EXPECT_EQ(Seam.WindowCalls, 3);
    EXPECT_EQ(Seam.OwnCalls, 1);  // our own level does not change while we run
}

TEST_F(Watch, TopBarNoticeFollowsTheWindowInFrontAtTheChecks) {
    Seam.InFront = Game;
    EXPECT_TRUE(Pass().TopBarNotice);
    Seam.InFront = Editor;
    // Until the next check the notice stays as it was.
    for (int i = 1; i < ElevationCheckPasses; ++i) EXPECT_TRUE(Pass().TopBarNotice) << "pass " << i;
    EXPECT_FALSE(Pass().TopBarNotice);
    Seam.InFront = TaskManager;
    EXPECT_TRUE(ToNextCheck().TopBarNotice);
    const int asked = Seam.WindowCalls;
    Seam.InFront = 0;  // no window in front: nothing to ask, nothing blocked
    EXPECT_FALSE(ToNextCheck().TopBarNotice);
    EXPECT_EQ(Seam.WindowCalls, asked);
}

TEST_F(Watch, TrayTipSpeaksOnlyWhileMinimised) {
    Seam.InFront = Game;
    EXPECT_FALSE(Pass().TrayTipNotice);
    Minimised = true;
    // Minimising shows in the very next pass; no system call is needed for it.
    EXPECT_TRUE(Pass().TrayTipNotice);
    Minimised = false;
    EXPECT_FALSE(Pass().TrayTipNotice);
    EXPECT_EQ(Seam.ForegroundCalls, 1);
}

TEST_F(Watch, OneBalloonPerWindowInFront) {
    Minimised = true;
    Seam.InFront = Game;
    EXPECT_EQ(Balloons(5 * ElevationCheckPasses), 1);
    Seam.InFront = TaskManager;
    EXPECT_EQ(Balloons(3 * ElevationCheckPasses), 1);
    // Back to the game, by way of an ordinary window: it was told already.
    Seam.InFront = Editor;
    EXPECT_EQ(Balloons(ElevationCheckPasses), 0);
    Seam.InFront = Game;
    EXPECT_EQ(Balloons(3 * ElevationCheckPasses), 0);
}

TEST_F(Watch, BalloonWaitsForTheWindowToBeMinimised) {
    Seam.InFront = Game;
    EXPECT_EQ(Balloons(3 * ElevationCheckPasses), 0);
    Minimised = true;
    EXPECT_EQ(Balloons(ElevationCheckPasses), 1);
}

TEST_F(Watch, BalloonWithoutTrayIconIsKeptForWhenTheIconIsThere) {
    Minimised = true;
    TrayIcon = false;
    Seam.InFront = Game;
    EXPECT_EQ(Balloons(2 * ElevationCheckPasses), 0);
    TrayIcon = true;
    EXPECT_EQ(Balloons(2 * ElevationCheckPasses), 1);
}

TEST_F(Watch, BalloonsForManyWindowsForgetTheOldestFirst) {
    Minimised = true;
    const std::uintptr_t first = 0x1000;
    const std::size_t windows = State.Told.size() + 1;
    for (std::size_t i = 0; i < windows; ++i) Seam.Levels[first + i] = High;
    int balloons = 0;
    for (std::size_t i = 0; i < windows; ++i) {
        Seam.InFront = first + i;
        balloons += Balloons(ElevationCheckPasses);
    }
    EXPECT_EQ(balloons, static_cast<int>(windows));
    Seam.InFront = first;  // forgotten: told again
    EXPECT_EQ(Balloons(ElevationCheckPasses), 1);
    Seam.InFront = first + windows - 1;  // recent: not told again
    EXPECT_EQ(Balloons(ElevationCheckPasses), 0);
}

}  // namespace
}  // namespace velmora
