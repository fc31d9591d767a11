// The Programs tab's edits of the rules: each goes into the configuration,
// marks it changed and counts an edit for the watch of the window in front.

#include <gtest/gtest.h>

#include "app/settings/ProgramRuleList.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {
namespace {

struct Rules : ::testing::Test {
    RecordingUserInterface Ui;
    ConfigurationType Config;

    std::vector<std::string> Programs() const {
        std::vector<std::string> names;
        for (const ProgramRuleRow& row : ProgramRuleRows(Config)) names.push_back(row.Program);
        return names;
    }
    void AddRules(int count) {
        for (int i = 0; i < count; ++i)
            Config.ProgramRules.push_back({"p" + std::to_string(i) + ".exe", {}, {}, "/x.velmoraprofile"});
    }
};

TEST_F(Rules, AddingTakesTheProgramsFileNameThenItsProfileAndCancellingAddsNothing) {
    Ui.ChosenFiles = {"/games/space.velmoraprofile"};
    EXPECT_EQ(AddProgramRule(Ui, Config, "C:\\Games\\Space\\Space.exe", NoListSelection), 0);
    ASSERT_EQ(Config.ProgramRules.size(), 1u);
    EXPECT_EQ(Config.ProgramRules[0], (ProgramRuleType{"Space.exe", "", "", "/games/space.velmoraprofile"}));
    EXPECT_TRUE(Config.ConfigurationChanged);
    EXPECT_EQ(Config.ProgramRuleEdits, 1u);
    ASSERT_EQ(Ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(Ui.OpenDialogs[0].Extension, "velmoraprofile");

    EXPECT_EQ(AddProgramRule(Ui, Config, "other.exe", 0), 0);  // the profile dialog cancelled
    EXPECT_EQ(Config.ProgramRules.size(), 1u);
    const ProgramRuleRow row = ProgramRuleRows(Config)[0];
    EXPECT_EQ(row.Controller, "Every controller");
    EXPECT_EQ(row.Profile, "space");
}

TEST_F(Rules, NoMoreThan32RulesCanBeAdded) {
    AddRules(31);
    EXPECT_TRUE(ProgramRuleButtonStates(Config, NoListSelection).Add);
    AddRules(1);
    EXPECT_FALSE(ProgramRuleButtonStates(Config, NoListSelection).Add);
    Ui.ChosenFiles = {"/y.velmoraprofile"};
    EXPECT_EQ(AddProgramRule(Ui, Config, "more.exe", 3), 3);
    EXPECT_EQ(Config.ProgramRules.size(), 32u);
    EXPECT_TRUE(Ui.OpenDialogs.empty());
}

TEST_F(Rules, TheAddMenuListsTheProgramsWithWindowsThenBrowsesForAnExe) {
    const std::vector<std::string> running{"game.exe", "editor.exe"};
    const std::vector<MenuItem> menu = AddProgramMenu(running);
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[1].Caption, "editor.exe");
    EXPECT_TRUE(menu[2].Separator);
    EXPECT_EQ(menu[3].Tag, BrowseProgramTag);
    EXPECT_EQ(ProgramOfChoice(Ui, Config, running, menu[1].Tag), "editor.exe");
    EXPECT_EQ(ProgramOfChoice(Ui, Config, running, NoMenuChoice), "");
    Ui.ChosenFiles = {"/apps/tool.exe"};
    EXPECT_EQ(ProgramOfChoice(Ui, Config, running, BrowseProgramTag), "/apps/tool.exe");
    ASSERT_EQ(Ui.OpenDialogs.size(), 1u);
    EXPECT_EQ(Ui.OpenDialogs[0].Extension, "exe");
    EXPECT_EQ(AddProgramMenu({}).size(), 1u);  // only "Browse...", no lone separator
}

TEST_F(Rules, MovingAndDeletingKeepTheSelectionOnTheRule) {
    AddRules(3);
    EXPECT_FALSE(ProgramRuleButtonStates(Config, 0).MoveUp);
    EXPECT_FALSE(ProgramRuleButtonStates(Config, 2).MoveDown);
    EXPECT_EQ(MoveProgramRule(Config, 0, -1), 0);
    EXPECT_EQ(Config.ProgramRuleEdits, 0u);
    EXPECT_EQ(MoveProgramRule(Config, 0, 1), 1);
    EXPECT_EQ(Programs(), (std::vector<std::string>{"p1.exe", "p0.exe", "p2.exe"}));
    EXPECT_EQ(DeleteProgramRule(Config, 2), 1);  // the last one: the selection moves up
    EXPECT_EQ(DeleteProgramRule(Config, 0), 0);
    EXPECT_EQ(Programs(), (std::vector<std::string>{"p0.exe"}));
    EXPECT_EQ(DeleteProgramRule(Config, 0), NoListSelection);
    EXPECT_EQ(Config.ProgramRuleEdits, 4u);
}

TEST_F(Rules, TheTitlePartTheControllerModelAndTheProfileEditTheSelectedRule) {
    AddRules(2);
    Config.KnownCount = 2;
    Config.KnownControllers[0].Identity.DeviceName = "Pad X";
    Config.KnownControllers[1].Identity.DeviceName = "Pad X";  // two IDs of one name: listed once
    EXPECT_EQ(RuleControllerChoices(Config, 1), (std::vector<std::string>{"Every controller", "Pad X"}));
    SetRuleController(Config, 1, 1);
    EXPECT_EQ(Config.ProgramRules[1].Controller, "Pad X");
    EXPECT_EQ(RuleControllerChoice(Config, 1), 1);
    SetRuleController(Config, 1, 0);
    EXPECT_EQ(Config.ProgramRules[1].Controller, "");
    SetRuleTitle(Config, 0, "Level");
    EXPECT_EQ(Config.ProgramRules[0].Title, "Level");
    Ui.ChosenFiles = {"/new.velmoraprofile"};
    ChooseRuleProfile(Ui, Config, 0);
    EXPECT_EQ(Config.ProgramRules[0].Profile, "/new.velmoraprofile");
    ChooseRuleProfile(Ui, Config, 0);  // cancelled: kept
    EXPECT_EQ(Config.ProgramRules[0].Profile, "/new.velmoraprofile");
    SwitchProfilesByProgram(Config, false);
    EXPECT_FALSE(Config.SwitchProfilesByProgram);
    EXPECT_EQ(Config.ProgramRuleEdits, 5u);
}

// The fault: a rule for a model no known controller has showed "Every
// controller" in the box, and any change there lost the model.
TEST_F(Rules, ARulesModelThatNoKnownControllerHasIsShownAndKept) {
    AddRules(2);
    Config.KnownCount = 1;
    Config.KnownControllers[0].Identity.DeviceName = "Pad X";
    Config.ProgramRules[1].Controller = "Arcade Stick";
    EXPECT_EQ(RuleControllerChoices(Config, 1),
              (std::vector<std::string>{"Every controller", "Pad X", "Arcade Stick"}));
    EXPECT_EQ(RuleControllerChoice(Config, 1), 2);
    EXPECT_EQ(ProgramRuleRows(Config)[1].Controller, "Arcade Stick");
    EXPECT_EQ(RuleControllerChoices(Config, 0).size(), 2u);  // only for the rule that has it
    SetRuleController(Config, 1, 2);
    EXPECT_EQ(Config.ProgramRules[1].Controller, "Arcade Stick");
}

}  // namespace
}  // namespace velmora::test
