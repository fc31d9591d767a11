// The settings windows' share of a pass: what the main loop asks of the open
// windows, for the selected controller only, while the main window shows.

#include <gtest/gtest.h>

#include "support/EngineRun.h"

namespace velmora {
namespace {

using test::EngineRun;

std::string Live(SettingsWindow w) {
    return "live " + std::to_string(static_cast<int>(w));
}

TEST(PassWindowSteps, LiveDisplaysFollowEveryFifthPassInTheLoopsOrder) {
    EngineRun run;
    run.Ui.Showing = true;
    for (SettingsWindow w :
         {SettingsWindow::ControllerSettings, SettingsWindow::Stick, SettingsWindow::Mouse,
          SettingsWindow::DPad, SettingsWindow::Trigger, SettingsWindow::ControllerProperties})
        run.Ui.SetOpen(w);
    run.Run(1);  // pass 0
    const std::vector<std::string> refresh{Live(SettingsWindow::DPad),
                                           Live(SettingsWindow::Stick),
                                           Live(SettingsWindow::Trigger),
                                           Live(SettingsWindow::Mouse),
                                           Live(SettingsWindow::ControllerProperties),
                                           Live(SettingsWindow::ControllerSettings)};
    std::vector<std::string> expected = refresh;
    expected.push_back("detect");
    EXPECT_EQ(run.Ui.WindowSteps, expected);

    run.Ui.WindowSteps.clear();
    run.Run(4);  // passes 1 to 4: detection only
    EXPECT_EQ(run.Ui.WindowSteps, std::vector<std::string>(4, "detect"));
    run.Ui.WindowSteps.clear();
    run.Run(1);  // pass 5
    EXPECT_EQ(run.Ui.WindowSteps.size(), refresh.size() + 1);
}

TEST(PassWindowSteps, CaptureRunsEveryPassAndKnowsWhenTheProgramEmitsKeys) {
    EngineRun run;
    run.Ui.Showing = true;
    run.Ui.SetOpen(SettingsWindow::Assignment);
    run.Assign(0, {"A"});
    run.Run(1);
    run.Press(0);
    run.Run(2);  // the first sees the previous pass's emission (none), the second the press
    EXPECT_EQ(run.Ui.WindowSteps, (std::vector<std::string>{"capture 0", "capture 0", "capture 1"}));
}

TEST(PassWindowSteps, TurboDemonstrationIsLitOnTheEditedAssignmentsTurboPasses) {
    EngineRun run;
    run.Ui.Showing = true;
    run.Ui.OpenWindowFor(SettingsWindow::AdvancedAssignment, 3);
    AssignmentType& edited = run.Assign(3, {"B"});
    edited.Turbo = true;
    edited.TurboRate = 3;
    run.Run(7);  // passes 0..6: lit on 0, 3 and 6
    EXPECT_EQ(run.Ui.WindowSteps, (std::vector<std::string>{"turbo 1", "turbo 0", "turbo 0", "turbo 1",
                                                            "turbo 0", "turbo 0", "turbo 1"}));
    run.Ui.WindowSteps.clear();
    edited.Turbo = false;
    run.Run(1);
    EXPECT_EQ(run.Ui.WindowSteps, std::vector<std::string>{"turbo 0"});
}

// Regression: the steps ran after the assignments, so a set change in the
// pass closed the assignment window before its capture of that pass.
TEST(PassWindowSteps, WindowsTakeTheirStepBeforeTheAssignmentsChangeTheSet) {
    EngineRun run;
    run.Ui.Showing = true;
    run.Ui.SetOpen(SettingsWindow::Assignment);
    run.Pad(0).Profile.RequestedSet = 1;
    run.Run(1);
    EXPECT_EQ(run.Ui.WindowSteps, std::vector<std::string>{"capture 0"});
    EXPECT_EQ(run.Pad(0).Profile.CurrentSet, 1);
    EXPECT_FALSE(run.Ui.IsWindowOpen(SettingsWindow::Assignment));  // closed by the set change, after it
}

TEST(PassWindowSteps, NothingIsAskedForOtherControllersOrWhileTheWindowIsHidden) {
    EngineRun run(2);
    run.Selected = 1;
    run.Ui.Showing = true;
    run.Ui.SetOpen(SettingsWindow::Assignment);
    run.Ui.SetOpen(SettingsWindow::Stick);
    run.Run(1);
    EXPECT_EQ(run.Ui.WindowSteps, (std::vector<std::string>{"capture 0", Live(SettingsWindow::Stick)}));

    run.Ui.WindowSteps.clear();
    run.Ui.Showing = false;  // minimised
    run.Run(5);
    EXPECT_TRUE(run.Ui.WindowSteps.empty());
}

}  // namespace
}  // namespace velmora
