#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "engine/Pass.h"
#include "model/Controller.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;

// The program lives in C:\Velmora; files are looked up in a set.
class CommandLine : public ::testing::Test {
protected:
    std::string savedFolder = ProgramFolder();
    RecordingUserInterface ui;
    std::set<std::string> existing;
    CommandLineType line;

    void SetUp() override {
        SetProgramFolder("C:\\Velmora");
        UseEnglish();
    }
    void TearDown() override {
        SetProgramFolder(savedFolder);
        ResetLanguage();
    }
    void Parse(const std::vector<std::string>& params) {
        StoreParams(line, params);
        ParseCommandLine(line, ui, [this](const std::string& path) { return existing.contains(path); });
    }
    std::vector<std::string> Queue() const {
        return {line.Profiles.begin(), line.Profiles.begin() + line.ProfileCount};
    }
};

TEST_F(CommandLine, SwitchesAreExactAndEveryParseSetsThemAnew) {
    Parse({"/m", " /C ", "/?"});
    EXPECT_TRUE(line.MinimizeSwitch);
    EXPECT_TRUE(line.CloseSwitch);
    EXPECT_TRUE(line.HelpSwitch);
    EXPECT_EQ(line.Params[1], "/C");  // trimmed text is stored back

    Parse({"/x", "-m", "/MM"});
    EXPECT_FALSE(line.MinimizeSwitch);
    EXPECT_FALSE(line.CloseSwitch);
    EXPECT_FALSE(line.HelpSwitch);
}

// The fault: "-m" or "/min" became the name of a profile to open.
TEST_F(CommandLine, AnUnknownSwitchIsNamedToTheUserAndNeverTakenForAProfile) {
    Parse({"-m", "/min", "Game", "-Race.velmoraprofile"});
    EXPECT_FALSE(line.MinimizeSwitch);
    EXPECT_EQ(Queue(), (std::vector<std::string>{"C:\\Velmora\\Game.velmoraprofile",
                                                 "C:\\Velmora\\-Race.velmoraprofile"}));
    ASSERT_EQ(ui.Dialogs.size(), 2u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Unknown switch");
    EXPECT_EQ(ui.Dialogs[0].Values, "-m");
    EXPECT_EQ(ui.Dialogs[1].Values, "/min");
}

TEST(RegistryRemovalSwitch, FoundAnywhereInEitherCaseButNotInsideAnotherParam) {
    const std::vector<std::string> lower{"game", " /u "}, upper{"/U"}, others{"/m", "/uu", "u", "-u"};
    EXPECT_TRUE(AsksForRegistryRemoval(lower));
    EXPECT_TRUE(AsksForRegistryRemoval(upper));
    EXPECT_FALSE(AsksForRegistryRemoval(others));
}

TEST_F(CommandLine, ProfilesAreMadeAbsoluteAgainstTheProgramFolder) {
    Parse({"a", "b.velmoraprofile", "D:\\games\\c.velmoraprofile", "\\x\\d.velmoraprofile", "  ", "e.txt",
           "f.VELMORAPROFILE", "dotted.folder\\g"});
    EXPECT_EQ(Queue(),
              (std::vector<std::string>{"C:\\Velmora\\a.velmoraprofile", "C:\\Velmora\\b.velmoraprofile",
                                        "D:\\games\\c.velmoraprofile", "C:\\x\\d.velmoraprofile",
                                        "C:\\Velmora\\dotted.folder\\g.velmoraprofile"}));
    EXPECT_TRUE(ui.Dialogs.empty());
}

TEST_F(CommandLine, SeventeenProfilesQueueSixteenAndAHandOverDropsTheOldest) {
    std::vector<std::string> params;
    for (int i = 0; i < 17; ++i) params.push_back("p" + std::to_string(i));
    Parse(params);
    ASSERT_EQ(line.ProfileCount, 16);
    EXPECT_EQ(line.Profiles[15], "C:\\Velmora\\p15.velmoraprofile");

    Parse({"q1", "q2"});
    ASSERT_EQ(line.ProfileCount, 16);
    EXPECT_EQ(line.Profiles[0], "C:\\Velmora\\p2.velmoraprofile");
    EXPECT_EQ(line.Profiles[14], "C:\\Velmora\\q1.velmoraprofile");
    EXPECT_EQ(line.Profiles[15], "C:\\Velmora\\q2.velmoraprofile");
}

TEST_F(CommandLine, AnExistingShortcutIsKeptAndAMissingOneIsReported) {
    existing.insert("C:\\Velmora\\game.lnk");
    Parse({"missing.one.lnk", "game.lnk"});
    EXPECT_EQ(line.ShortcutPath, "C:\\Velmora\\game.lnk");
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    const MessageDialog& shown = ui.Dialogs[0];
    EXPECT_EQ(shown.Kind, DialogKind::Error);
    EXPECT_EQ(shown.Heading, "Invalid shortcut");
    EXPECT_EQ(shown.Values, "missing#C:\\Velmora");
    EXPECT_EQ(shown.Message, "This shortcut cannot be found and so cannot be launched.");

    // Regression: a later hand-over without a shortcut cleared the one still
    // waiting for its controllers.
    Parse({"a"});
    EXPECT_EQ(line.ShortcutPath, "C:\\Velmora\\game.lnk");
    existing.insert("C:\\Velmora\\other.lnk");
    Parse({"other.lnk"});
    EXPECT_EQ(line.ShortcutPath, "C:\\Velmora\\other.lnk");  // a later shortcut replaces it
}

TEST_F(CommandLine, OnlyTheFirstThirtyTwoParamsAreStored) {
    std::vector<std::string> params(40, "/m");
    StoreParams(line, params);
    EXPECT_EQ(line.ParamCount, 32);
}

// The receiver walks what another process sent: it must never read past the
// byte count the message gives.
TEST(HandOverBuffer, RoundTripsAndStopsAtTheEmptyString) {
    const std::vector<std::string> params{"a", "b.velmoraprofile", "/m"};
    const std::string buffer = BuildHandOverBuffer(params);
    EXPECT_EQ(buffer.size(), 2u + 17u + 3u + 1u);
    EXPECT_EQ(ReadHandOverBuffer(buffer.data(), buffer.size()), params);

    const std::string trailing = buffer + std::string("ignored\0", 8);
    EXPECT_EQ(ReadHandOverBuffer(trailing.data(), trailing.size()), params);
}

TEST(HandOverBuffer, TruncatedOrUnterminatedBuffersAreRefused) {
    const std::string buffer = BuildHandOverBuffer(std::vector<std::string>{"first", "second"});
    // Cut inside "second": its zero never comes within the byte count.
    EXPECT_FALSE(ReadHandOverBuffer(buffer.data(), 9).has_value());
    EXPECT_FALSE(ReadHandOverBuffer("abc", 3).has_value());
    EXPECT_FALSE(ReadHandOverBuffer(nullptr, 10).has_value());
    // Every string terminated but the closing empty string missing: all there.
    EXPECT_EQ(ReadHandOverBuffer(buffer.data(), buffer.size() - 1),
              (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(ReadHandOverBuffer(buffer.data(), 0), std::vector<std::string>{});
}

TEST(HandOverBuffer, StopsAfterThirtyTwoParams) {
    const std::string buffer = BuildHandOverBuffer(std::vector<std::string>(40, "x"));
    EXPECT_EQ(ReadHandOverBuffer(buffer.data(), buffer.size())->size(), 32u);
}

TEST_F(CommandLine, TwoHandedOverProfilesGoToTheControllersInOrder) {
    Parse({"a", "b.velmoraprofile"});
    const std::vector<std::uint8_t> connections{Connected, Lost, Connected};
    const auto requests = DistributeHandOverProfiles(line, connections, 2);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Controller, 0);
    EXPECT_EQ(requests[0].RequestCode, RequestOpenNow);
    EXPECT_EQ(requests[0].File, "C:\\Velmora\\a.velmoraprofile");
    EXPECT_EQ(requests[1].Controller, 1);
    EXPECT_EQ(requests[1].RequestCode, RequestOpenWhenConnected);
    EXPECT_EQ(requests[1].File, "C:\\Velmora\\b.velmoraprofile");
    EXPECT_EQ(line.ProfileCount, 0);
}

TEST_F(CommandLine, OneHandedOverProfileGoesToTheSelectedController) {
    Parse({"a"});
    const std::vector<std::uint8_t> connections{Connected, Connected};
    const auto requests = DistributeHandOverProfiles(line, connections, 1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Controller, 1);
    EXPECT_EQ(line.ProfileCount, 0);
}

TEST_F(CommandLine, MoreProfilesThanControllersStayQueuedAndNoControllerKeepsAll) {
    Parse({"a", "b", "c"});
    EXPECT_TRUE(DistributeHandOverProfiles(line, {}, NoController).empty());
    EXPECT_EQ(line.ProfileCount, 3);

    const std::vector<std::uint8_t> one{Connected};
    EXPECT_EQ(DistributeHandOverProfiles(line, one, 0).size(), 1u);
    EXPECT_EQ(Queue(),
              (std::vector<std::string>{"C:\\Velmora\\b.velmoraprofile", "C:\\Velmora\\c.velmoraprofile"}));
}

}  // namespace
}  // namespace velmora
