// Profiles that follow the program in front, with a fake clock and a fake
// window in front: the half-second rule, the controller limit, going back
// to the user's own profile, and the controllers that keep unsaved changes.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "app/ProgramProfiles.h"
#include "support/ProfileFlowsWorld.h"

namespace velmora::test {
namespace {

constexpr std::uintptr_t GameWindow = 1, OtherWindow = 2, OwnWindow = 3, EditorWindow = 4;

class FakeFront : public FrontProgramSeam {
public:
    std::uintptr_t InFront = 0;
    std::map<std::uintptr_t, FrontProgram> Programs{{GameWindow, {"C:\\Games\\game.exe", "Game"}},
                                                    {OtherWindow, {"C:\\Games\\other.exe", "Other"}},
                                                    {EditorWindow, {"C:\\Tools\\editor.exe", "Editor"}}};
    int Describes = 0;
    std::set<std::uintptr_t> Closed;
    std::string KeptTitle;  // as the system side keeps the title it read last
    int TitleReads = 0;
    bool TrayIcon = true;
    std::vector<std::string> Balloons;  // "title | text"

    std::uintptr_t FrontWindow() override { return InFront; }
    bool Ignored(std::uintptr_t window) override { return window == OwnWindow; }
    FrontProgram Describe(std::uintptr_t window) override {
        ++Describes;
        KeptTitle = Programs[window].Title;
        return Programs[window];
    }
    bool WindowExists(std::uintptr_t window) override { return !Closed.contains(window); }
    bool TitleChanged(std::uintptr_t window) override {
        ++TitleReads;
        const std::string& now = Programs[window].Title;
        if (now == KeptTitle) return false;
        KeptTitle = now;
        return true;
    }
    bool ShowBalloon(const std::string& title, const std::string& text) override {
        if (TrayIcon) Balloons.push_back(title + " | " + text);
        return TrayIcon;
    }
};

struct Following : ::testing::Test {
    ProfileFlowsWorld W;
    FakeFront Front;
    ProgramWatch Watch;
    std::uint64_t Now = 1000;
    std::string Shortcut;
    std::string Own, GameProfile, OtherProfile;

    void SetUp() override {
        W.Add("Pad X");
        W.Add("Pad Y");
        Own = W.WriteProfileFile("Own", "C");
        GameProfile = W.WriteProfileFile("Game", "A");
        OtherProfile = W.WriteProfileFile("Other", "B");
        W.Pad(0).Profile.FileName = W.Pad(1).Profile.FileName = Own;
        W.Config.ProgramRules = {{"game.exe", "", "", GameProfile}, {"other.exe", "", "Pad X", OtherProfile}};
    }
    bool Step() { return StepProgramWatch(Watch, Front, W.Context, Shortcut, Now); }
    // Advances the clock by ms in steps of 10 ms, as the loop calls between passes.
    bool RunFor(std::uint64_t ms) {
        bool waiting = Watch.WaitingForSave;
        for (std::uint64_t t = 0; t < ms; t += 10) {
            Now += 10;
            waiting = Step();
        }
        return waiting;
    }
    std::string ProfileOf(std::size_t k) { return W.Pad(k).Profile.FileName; }
};

TEST_F(Following, AProgramMustStayInFrontHalfASecondAndIsFollowedWithinOne) {
    Front.InFront = GameWindow;
    RunFor(400);
    EXPECT_EQ(ProfileOf(0), Own);
    RunFor(600);  // half a second settles, the next quarter-second check switches
    EXPECT_EQ(ProfileOf(0), GameProfile);
    EXPECT_EQ(ProfileOf(1), GameProfile);
    EXPECT_EQ(W.Button1Code(0), *FindSlotCode("A"));
    EXPECT_TRUE(W.Ui.Dialogs.empty());
}

TEST_F(Following, AltTabbingPastAProgramFlipsNothing) {
    Front.InFront = GameWindow;
    RunFor(1000);
    Front.InFront = EditorWindow;
    RunFor(300);
    Front.InFront = GameWindow;
    RunFor(2000);
    EXPECT_EQ(ProfileOf(0), GameProfile);
    Front.InFront = OtherWindow;  // a launcher's moment
    RunFor(260);
    Front.InFront = EditorWindow;
    RunFor(260);
    EXPECT_EQ(ProfileOf(0), GameProfile);
}

TEST_F(Following, LeavingTheProgramGivesBackTheProfileEachControllerHad) {
    W.Pad(1).Profile.FileName = OtherProfile;
    Front.InFront = GameWindow;
    RunFor(1000);
    Front.InFront = EditorWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), OtherProfile);
    EXPECT_EQ(W.Button1Code(0), *FindSlotCode("C"));
    EXPECT_FALSE(W.Pad(0).ProgramSwitch.Switched);
}

TEST_F(Following, VelmorasOwnWindowInFrontKeepsTheGamesProfile) {
    Front.InFront = GameWindow;
    RunFor(1000);
    Front.InFront = OwnWindow;
    RunFor(2000);
    Front.InFront = 0;  // the desktop, or a switch in progress
    RunFor(2000);
    EXPECT_EQ(ProfileOf(0), GameProfile);
}

// The fault: a game that ended left Velmora's window in front, which counts
// as no change, and the game's profile stayed for good.
TEST_F(Following, AGameThatEndsWithVelmorasWindowInFrontGivesTheProfileBack) {
    Front.InFront = GameWindow;
    RunFor(1000);
    Front.InFront = OwnWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), GameProfile);
    Front.Closed.insert(GameWindow);
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), Own);
}

TEST_F(Following, ARuleLimitedToAModelSwitchesOnlyThoseControllers) {
    Front.InFront = OtherWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), OtherProfile);
    EXPECT_EQ(ProfileOf(1), Own);
    // From one rule's program straight to another's: each pad follows its own rule or goes back.
    Front.InFront = GameWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), GameProfile);
    EXPECT_EQ(ProfileOf(1), GameProfile);
    Front.InFront = EditorWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), Own);
}

TEST_F(Following, AProfileTheUserOpenedMeanwhileStays) {
    Front.InFront = GameWindow;
    RunFor(1000);
    W.Pad(0).Profile.FileName = OtherProfile;  // opened from the menu while the game ran
    Front.InFront = EditorWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), OtherProfile);
    EXPECT_EQ(ProfileOf(1), Own);
}

TEST_F(Following, AChangedProfileIsNeverSwitchedAndNoQuestionIsAsked) {
    W.Change(0);
    Front.InFront = GameWindow;
    EXPECT_TRUE(RunFor(1000));
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_TRUE(W.Pad(0).Profile.Changed);
    EXPECT_EQ(ProfileOf(1), GameProfile);
    EXPECT_TRUE(W.Ui.Dialogs.empty());
    W.Pad(0).Profile.Changed = false;  // the user saved
    EXPECT_FALSE(RunFor(300));
    EXPECT_EQ(ProfileOf(0), GameProfile);
}

TEST_F(Following, AChangedGameProfileWaitsBeforeGoingBack) {
    Front.InFront = GameWindow;
    RunFor(1000);
    W.Change(0);  // the user edits the game's profile
    Front.InFront = EditorWindow;
    EXPECT_TRUE(RunFor(1000));
    EXPECT_EQ(ProfileOf(0), GameProfile);
    EXPECT_EQ(ProfileOf(1), Own);
    W.Pad(0).Profile.Changed = false;
    EXPECT_FALSE(RunFor(300));
    EXPECT_EQ(ProfileOf(0), Own);
}

TEST_F(Following, AProfileThatCannotBeOpenedIsReportedOnceAndItsRuleSkipped) {
    W.Config.ProgramRules[0].Profile = W.Folder.File("missing.velmoraprofile");
    Front.InFront = GameWindow;
    RunFor(5000);
    EXPECT_EQ(W.Headings(), "Cannot open requested or last used profile|");
    EXPECT_TRUE(Front.Balloons.empty());  // the main window shows: its own dialog
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_FALSE(W.Pad(0).ProgramSwitch.Switched);
    Front.InFront = EditorWindow;
    RunFor(1000);
    Front.InFront = GameWindow;
    RunFor(1000);
    EXPECT_EQ(W.Ui.Dialogs.size(), 1u);
}

// The fault: the first rule for the game won for every pad, so a second rule
// for the same game, for another model, never applied.
TEST_F(Following, EachModelGetsTheFirstRuleForTheGameThatCoversIt) {
    W.Config.ProgramRules = {{"game.exe", "", "Pad Y", OtherProfile}, {"game.exe", "", "", GameProfile}};
    Front.InFront = GameWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), GameProfile);
    EXPECT_EQ(ProfileOf(1), OtherProfile);
    Front.InFront = EditorWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), Own);
}

TEST_F(Following, ALaterRuleForTheGameServesWhenTheFirstsProfileCannotBeOpened) {
    W.Config.ProgramRules = {{"game.exe", "", "", W.Folder.File("missing.velmoraprofile")},
                             {"game.exe", "", "", OtherProfile}};
    Front.InFront = GameWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), OtherProfile);
    EXPECT_EQ(ProfileOf(1), OtherProfile);
    EXPECT_EQ(W.Ui.Dialogs.size(), 1u);
}

// The fault: minimised, the open's error dialog came up over the game.
TEST_F(Following, MinimisedAProfileThatCannotBeOpenedIsToldOnceInTheBalloonAndNoDialogComes) {
    W.Ui.Showing = false;
    W.Config.ProgramRules[0].Profile = W.Folder.File("missing.velmoraprofile");
    Front.InFront = GameWindow;
    RunFor(5000);
    Front.InFront = EditorWindow;
    RunFor(1000);
    Front.InFront = GameWindow;
    RunFor(1000);
    EXPECT_TRUE(W.Ui.Dialogs.empty());
    ASSERT_EQ(Front.Balloons.size(), 1u);
    EXPECT_EQ(Front.Balloons[0],
              "Cannot open requested or last used profile | \"missing\" This profile cannot be opened. If it "
              "exists in the recent list it will now be removed.");
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), Own);
}

TEST_F(Following, MinimisedWithoutATrayIconTheErrorWaitsForTheMainWindow) {
    W.Ui.Showing = false;
    Front.TrayIcon = false;
    W.Config.ProgramRules[0].Profile = W.Folder.File("missing.velmoraprofile");
    Front.InFront = GameWindow;
    RunFor(3000);
    EXPECT_TRUE(W.Ui.Dialogs.empty());
    W.Ui.Showing = true;  // the user brings Velmora back
    RunFor(1000);
    EXPECT_EQ(W.Headings(), "Cannot open requested or last used profile|");
}

TEST_F(Following, MinimisedAProfileWithABadValueOpensAndItsMessageGoesToTheBalloon) {
    W.Ui.Showing = false;
    W.Config.ProgramRules[0].Profile =
        W.Folder.Write("Odd.velmoraprofile", "[Assignments]\r\nSet1Button1Slots=A,Nonsense\r\n");
    Front.InFront = GameWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), W.Config.ProgramRules[0].Profile);
    EXPECT_EQ(W.Button1Code(0), *FindSlotCode("A"));
    EXPECT_TRUE(W.Ui.Dialogs.empty());
    ASSERT_EQ(Front.Balloons.size(), 2u);  // each pad's open reads it
    EXPECT_EQ(Front.Balloons[0].substr(0, Front.Balloons[0].find(" | ")),
              "Bad slot code value found in profile");
}

// A launcher that becomes the game, or a game that shows its level in the
// title, keeps its window: only its title says that the rule fits now.
TEST_F(Following, AWindowWhoseTitleChangesIsMatchedByItsNewTitle) {
    W.Config.ProgramRules = {{"game.exe", "Level", "", GameProfile}};
    Front.Programs[GameWindow].Title = "Loading";
    Front.InFront = GameWindow;
    RunFor(2000);
    EXPECT_EQ(ProfileOf(0), Own);
    Front.Programs[GameWindow].Title = "Level 1";
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), GameProfile);
    EXPECT_EQ(Front.Describes, 2);  // once at the front, once for the new title
    Front.Programs[GameWindow].Title = "Main Menu";
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), Own);
}

TEST_F(Following, ANewProfileWithoutAFileComesBackAsANewProfile) {
    W.Pad(0).Profile.FileName.clear();
    Front.InFront = GameWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), GameProfile);
    Front.InFront = EditorWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), "");
    EXPECT_TRUE(W.Pad(0).Profile.Sets[0].Assignments[Button1].Slots.Codes.empty());
}

TEST_F(Following, TurningTheOptionOffGivesBackTheOwnProfilesAndWithoutRulesNothingIsAsked) {
    Front.InFront = GameWindow;
    RunFor(1000);
    W.Config.SwitchProfilesByProgram = false;
    RunFor(300);
    EXPECT_EQ(ProfileOf(0), Own);
    W.Config.ProgramRules.clear();
    const int describes = Front.Describes;
    Front.InFront = OtherWindow;
    RunFor(2000);
    EXPECT_EQ(Front.Describes, describes);
}

TEST_F(Following, TheWindowInFrontIsDescribedOnlyWhenItChanges) {
    Front.InFront = GameWindow;
    RunFor(3000);
    EXPECT_EQ(Front.Describes, 1);
    W.Config.ProgramRules.push_back({"editor.exe", "", "", OtherProfile});
    ++W.Config.ProgramRuleEdits;  // an edited list decides again
    RunFor(300);
    EXPECT_EQ(Front.Describes, 2);
    EXPECT_EQ(Front.TitleReads, 0);  // no rule has a title part
}

// The rules are edited in Velmora's own window while the game runs behind it.
struct EditingRules : Following {
    void ApplyTheGamesRule() {
        Front.InFront = GameWindow;
        RunFor(1000);
        ASSERT_EQ(ProfileOf(0), GameProfile);
        Front.InFront = OwnWindow;
        RunFor(300);
    }
    void Edit(const std::function<void(std::vector<ProgramRuleType>&)>& edit) {
        edit(W.Config.ProgramRules);
        ++W.Config.ProgramRuleEdits;
        RunFor(300);
    }
};

// The fault: every edit of the rules tried the profile again, and each letter
// typed in a title is one: the error came back with every letter.
TEST_F(EditingRules, AProfileThatCannotBeOpenedIsTriedAgainOnlyOnceAnotherWasPicked) {
    const std::string missing = W.Folder.File("missing.velmoraprofile");
    W.Config.ProgramRules[0].Profile = missing;
    Front.InFront = GameWindow;
    RunFor(1000);
    Front.InFront = OwnWindow;
    for (const char* title : {"G", "Ga", "Gam"}) Edit([&](auto& rules) { rules[0].Title = title; });
    EXPECT_EQ(W.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(ProfileOf(0), Own);
    Edit([&](auto& rules) { rules[0].Profile = GameProfile; });
    EXPECT_EQ(ProfileOf(0), GameProfile);
    Edit([&](auto& rules) { rules[0].Profile = missing; });  // picked again: tried again
    EXPECT_EQ(W.Ui.Dialogs.size(), 2u);
}

// The fault: the watch kept the deleted rule's number, so the pads kept the
// game's profile, and a later step read past the end of the list.
TEST_F(EditingRules, DeletingTheAppliedRuleGivesBackTheOwnProfiles) {
    ApplyTheGamesRule();
    Edit([](auto& rules) { rules.erase(rules.begin()); });
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), Own);
    Front.InFront = OtherWindow;  // the remaining rule still works
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), OtherProfile);
}

TEST_F(EditingRules, AnEarlierRuleThatNowFitsTheGameWinsAndAnEditedProfileIsOpened) {
    W.Config.ProgramRules.push_back({"game.exe", "Game", "", OtherProfile});
    ApplyTheGamesRule();
    Edit([](auto& rules) { std::swap(rules[0], rules[2]); });  // moved to the top
    EXPECT_EQ(ProfileOf(0), OtherProfile);
    EXPECT_EQ(ProfileOf(1), OtherProfile);
    Edit([&](auto& rules) { rules[0].Profile = GameProfile; });  // another profile picked
    EXPECT_EQ(ProfileOf(0), GameProfile);
    Edit([](auto& rules) { rules[1].Title = "Other"; });  // another rule: nothing moves
    EXPECT_EQ(ProfileOf(0), GameProfile);
    Edit([&](auto& rules) {
        rules[0].Controller = "Pad Y";
        rules[0].Profile = OtherProfile;
    });
    EXPECT_EQ(ProfileOf(0), GameProfile);  // the later rule for the game, for every model
    EXPECT_EQ(ProfileOf(1), OtherProfile);
    Edit([](auto& rules) { rules.pop_back(); });  // none left for Pad X
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), OtherProfile);
}

// The fault: with the option off the watch missed the deletion, and turned
// on again it read the game's rule at its old number, past the list's end.
TEST_F(EditingRules, TheOptionOffAndOnAgainFollowsTheRulesAsTheyAreThen) {
    ApplyTheGamesRule();
    Edit([&](auto&) { W.Config.SwitchProfilesByProgram = false; });
    EXPECT_EQ(ProfileOf(0), Own);
    Edit([&](auto&) { W.Config.SwitchProfilesByProgram = true; });
    EXPECT_EQ(ProfileOf(0), GameProfile);  // the game still runs behind
    Edit([&](auto&) { W.Config.SwitchProfilesByProgram = false; });
    Edit([](auto& rules) { rules.erase(rules.begin()); });
    Edit([&](auto&) { W.Config.SwitchProfilesByProgram = true; });
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), Own);
}

// The fault: the waiting pad's next try read the deleted rule past the list's end.
TEST_F(EditingRules, DeletingTheRuleAPadWaitsForEndsTheWait) {
    W.Config.ProgramRules = {{"other.exe", "", "", OtherProfile}, {"game.exe", "", "", GameProfile}};
    W.Change(0);
    Front.InFront = GameWindow;
    EXPECT_TRUE(RunFor(1000));
    Front.InFront = OwnWindow;
    Edit([](auto& rules) { rules.pop_back(); });
    EXPECT_FALSE(Watch.WaitingForSave);
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_TRUE(W.Pad(0).Profile.Changed);
    EXPECT_EQ(ProfileOf(1), Own);
    EXPECT_TRUE(W.Ui.Dialogs.empty());
}

// The fault: the list was walked only when the rule changed, so a pad that
// came during the game kept its own profile, and one that left during it
// kept the game's for good.
TEST_F(Following, APadThatComesOrGoesDuringTheGameFollowsItToo) {
    Front.InFront = GameWindow;
    RunFor(1000);
    W.Pad(1).Connection = Lost;
    ControllerDataType& late = W.Add("Pad X", 0);  // a second pad of the same model
    late.Profile.FileName = OtherProfile;
    late.OpenProfileRequest = {OpenProfileFile, OtherProfile};  // its own profile opens first
    RunFor(500);
    EXPECT_EQ(ProfileOf(2), OtherProfile);
    W.Pad(2).OpenProfileRequest = {};
    RunFor(300);
    EXPECT_EQ(ProfileOf(2), GameProfile);
    Front.InFront = EditorWindow;
    RunFor(1000);
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(2), OtherProfile);
    EXPECT_EQ(ProfileOf(1), GameProfile);  // away: nothing is opened on it
    W.Pad(1).Connection = Connected;
    RunFor(300);
    EXPECT_EQ(ProfileOf(1), Own);
}

// The fault: the game's profile became the pad's last profile, so a pad
// plugged again after the game, or Velmora started again, opened it.
TEST_F(Following, TheGamesProfileIsNeverRememberedAsThePadsOwn) {
    W.Config.KnownCount = 1;
    KnownControllerDataType& known = W.Config.KnownControllers[0];
    known.Identity = W.Pad(0).Identity;
    known.ConnectedCount = 1;
    known.RecentProfiles = {Own, "", "", ""};
    W.Pad(0).KnownIndex = 0;
    Front.InFront = GameWindow;
    RunFor(1000);
    ASSERT_EQ(ProfileOf(0), GameProfile);
    Front.InFront = EditorWindow;
    RunFor(1000);
    ASSERT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(known.RecentProfiles, (std::array<std::string, 4>{Own, "", "", ""}));
}

// The fault: giving the profile back went through the user's own open, which
// closes the settings windows, and the unticked option's window went away.
TEST_F(Following, ASwitchClosesNoWindowAndWaitsForTheWindowsOnTheSelectedPad) {
    W.Config.AutoMinimizeOnOpenProfile = true;
    Front.InFront = GameWindow;
    RunFor(1000);
    Front.InFront = OwnWindow;
    W.Ui.SetOpen(SettingsWindow::GlobalSettings);
    W.Ui.SetOpen(SettingsWindow::Help);
    W.Config.SwitchProfilesByProgram = false;
    ++W.Config.ProgramRuleEdits;
    RunFor(300);
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_TRUE(W.Ui.Closed.empty());
    W.Ui.SetOpen(SettingsWindow::GlobalSettings, false);
    W.Ui.SetOpen(SettingsWindow::Assignment);  // on pad 0, the selected one
    W.Config.SwitchProfilesByProgram = true;
    ++W.Config.ProgramRuleEdits;
    EXPECT_TRUE(RunFor(300));
    EXPECT_EQ(ProfileOf(0), Own);
    EXPECT_EQ(ProfileOf(1), GameProfile);
    EXPECT_TRUE(W.Ui.IsWindowOpen(SettingsWindow::Assignment));
    W.Ui.SetOpen(SettingsWindow::Assignment, false);
    EXPECT_FALSE(RunFor(300));
    EXPECT_EQ(ProfileOf(0), GameProfile);
    EXPECT_EQ(W.Ui.Minimizes, 0);
}

}  // namespace
}  // namespace velmora::test
