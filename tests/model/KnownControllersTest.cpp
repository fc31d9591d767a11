#include <gtest/gtest.h>

#include "model/Configuration.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using Recent = std::array<std::string, 4>;

ConfigurationType WithOneKnown(Recent recent, std::uint8_t connected) {
    ConfigurationType config;
    config.KnownCount = 1;
    config.KnownControllers[0] = {{"Pad", 1}, "pad.velmoracontroller", std::move(recent), connected, 0};
    return config;
}

TEST(KnownControllers, CompactingDropsLaterDuplicatesAndClosesGaps) {
    KnownControllerDataType entry;
    entry.RecentProfiles = {"A", "", "A", "B"};
    CompactRecentProfiles(entry);
    EXPECT_EQ(entry.RecentProfiles, (Recent{"A", "B", "", ""}));
}

TEST(KnownControllers, OneControllerKeepsAMostRecentFirstList) {
    ConfigurationType config = WithOneKnown({"A", "B", "C", ""}, 1);
    RememberProfile(config, 0, 0, "C");
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles, (Recent{"C", "A", "B", ""}));
    EXPECT_TRUE(config.ConfigurationChanged);

    config = WithOneKnown({"A", "B", "C", "E"}, 1);
    RememberProfile(config, 0, 0, "D");
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles, (Recent{"D", "A", "B", "C"}));

    config = WithOneKnown({"A", "B", "", ""}, 1);
    RememberProfile(config, 0, 0, "A");
    EXPECT_FALSE(config.ConfigurationChanged);
}

TEST(KnownControllers, SeveralControllersKeepTheirProfileAtTheirInstanceNumber) {
    ConfigurationType config = WithOneKnown({"A", "", "", ""}, 2);
    RememberProfile(config, 0, 1, "X");
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles, (Recent{"A", "X", "", ""}));
    RememberProfile(config, 0, 3, "Y");  // the first free place before its own
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles, (Recent{"A", "X", "Y", ""}));
    RememberProfile(config, 0, 0, "Z");
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles, (Recent{"Z", "X", "Y", ""}));
}

TEST(KnownControllers, UnknownControllersRememberNothing) {
    ConfigurationType config = WithOneKnown({"A", "", "", ""}, 1);
    RememberProfile(config, UnknownController, 0, "X");
    RememberProfile(config, 1, 0, "X");
    EXPECT_FALSE(config.ConfigurationChanged);
}

TEST(KnownControllers, ForgetAndPruneEmptyAndCompact) {
    ConfigurationType config = WithOneKnown({"A", "B", "A", "C"}, 1);
    ForgetProfile(config, 0, "A");
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles, (Recent{"B", "C", "", ""}));
    EXPECT_TRUE(config.ConfigurationChanged);

    config = WithOneKnown({"A", "B", "C", ""}, 1);
    PruneRecentProfiles(config, 0, [](const std::string& file) { return file != "B"; });
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles, (Recent{"A", "C", "", ""}));
    EXPECT_TRUE(config.ConfigurationChanged);
}

TEST(KnownControllers, LinkingAddsUpdatesOrSaysNothing) {
    test::RecordingUserInterface ui;
    ConfigurationType config;
    const ControllerIDType pad{"Pad", 5};
    EXPECT_EQ(LinkControllerFile(config, UnknownController, pad, "C:\\Pad.velmoracontroller", {2, 1}, ui), 0);
    ASSERT_EQ(config.KnownCount, 1);
    EXPECT_EQ(config.KnownControllers[0].ConnectedCount, 2);
    EXPECT_EQ(config.KnownControllers[0].LostCount, 1);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Automatic controller file selection added");
    EXPECT_EQ(ui.Dialogs[0].Values, "Pad#C:\\Pad.velmoracontroller");

    EXPECT_EQ(LinkControllerFile(config, 0, pad, "C:\\Pad.velmoracontroller", {}, ui), 0);
    EXPECT_EQ(ui.Dialogs.size(), 1u);  // saved again under the same name: nothing to say
    LinkControllerFile(config, 0, pad, "C:\\New.velmoracontroller", {}, ui);
    EXPECT_EQ(config.KnownControllers[0].ControllerFile, "C:\\New.velmoracontroller");
    EXPECT_EQ(ui.Dialogs.back().Heading, "Automatic controller file selection updated");

    config.KnownCount = MaxKnownControllers;
    EXPECT_EQ(LinkControllerFile(config, UnknownController, {"Other", 1}, "x", {1, 0}, ui),
              UnknownController);
    EXPECT_EQ(ui.Dialogs.size(), 2u);
}

}  // namespace
}  // namespace velmora
