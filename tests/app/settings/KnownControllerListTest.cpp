#include <gtest/gtest.h>

#include "app/settings/KnownControllerList.h"
#include "app/settings/SettingsWorld.h"

namespace velmora::test {
namespace {

constexpr std::uint32_t PadId = 0x045E0028;  // MakeFakeDevice's vendor and product

// Known models Alpha, Beta and Gamma (entries 0, 1, 2), none plugged in yet.
struct KnownWorld : SettingsWorld {
    KnownWorld() {
        Know("Alpha", PadId, "alpha.velmoracontroller");
        Know("Beta", PadId, "beta.velmoracontroller", {"one.velmoraprofile", "", "three.velmoraprofile", ""});
        Know("Gamma", PadId, "gamma.velmoracontroller");
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const KnownControllerRow& row : KnownControllerRows(Config)) names.push_back(row.Name);
        return names;
    }
    // "Gamma0@2": the controllers in display order, with instance and known index.
    std::vector<std::string> Controllers() const {
        std::vector<std::string> result;
        for (const ControllerDataType& c : List.Controllers)
            result.push_back(c.Identity.DeviceName + std::to_string(c.InstanceNumber) + "@" +
                             std::to_string(c.KnownIndex));
        return result;
    }
};

TEST(KnownControllerList, DeletingTheSecondOfThreeMovesTheThirdsConnectedControllersFromIndex2To1) {
    KnownWorld w;
    w.Api.Plug(MakeFakeDevice("Gamma", 3, 1));
    w.Api.Plug(MakeFakeDevice("Gamma", 3, 2));
    w.Rescan();
    ASSERT_EQ(w.Controllers(), (std::vector<std::string>{"Gamma0@2", "Gamma1@2"}));
    EXPECT_TRUE(DeleteKnownController(w.Config, w.List, w.Ui, 1));
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_EQ(w.Controllers(), (std::vector<std::string>{"Gamma0@1", "Gamma1@1"}));
    EXPECT_EQ(w.Config.KnownControllers[1].ConnectedCount, 2);
    EXPECT_TRUE(w.Config.KnownControllers[2].Identity.DeviceName.empty());
    EXPECT_TRUE(w.Config.ConfigurationChanged);
}

TEST(KnownControllerList, AnEntryWithConnectedOrOnlyLostControllersIsNotDeleted) {
    KnownWorld w;
    w.Api.Plug(MakeFakeDevice("Beta", 2, 1));
    w.Api.Plug(MakeFakeDevice("Gamma", 3, 1));
    w.Rescan();
    w.Api.Unplug(0);
    ControllerLost(w.Context, 0);  // Beta: none connected, one lost
    const std::size_t dialogsBefore = w.Ui.Dialogs.size();
    w.Config.ConfigurationChanged = false;
    EXPECT_FALSE(DeleteKnownController(w.Config, w.List, w.Ui, 1));
    EXPECT_FALSE(DeleteKnownController(w.Config, w.List, w.Ui, 2));
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_FALSE(w.Config.ConfigurationChanged);
    ASSERT_EQ(w.Ui.Dialogs.size(), dialogsBefore + 2);
    const MessageDialog& refusal = w.Ui.Dialogs[dialogsBefore];
    EXPECT_EQ(refusal.Kind, DialogKind::Information);
    EXPECT_EQ(refusal.Heading, "Cannot delete a controller link that is in use");
    EXPECT_EQ(refusal.Captions, "$Controller$");
    EXPECT_EQ(refusal.Values, "Beta");
    EXPECT_EQ(refusal.Message, "This controller link is being used by one or more controllers.");
}

TEST(KnownControllerList, MovingUpTwiceCarriesTheControllersKnownIndexAndReSortsTheList) {
    KnownWorld w;
    w.Api.Plug(MakeFakeDevice("Alpha", 1, 1));
    w.Api.Plug(MakeFakeDevice("Gamma", 3, 1));
    w.Rescan();
    SelectController(w.Context, 1);  // Gamma
    ASSERT_EQ(w.Controllers(), (std::vector<std::string>{"Alpha0@0", "Gamma0@2"}));
    const int redraws = w.Ui.LayoutRedraws;

    EXPECT_EQ(MoveKnownController(w.Config, w.List, w.Ui, 2, -1), 1);
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Alpha", "Gamma", "Beta"}));
    EXPECT_EQ(w.Controllers(), (std::vector<std::string>{"Alpha0@0", "Gamma0@1"}));

    EXPECT_EQ(MoveKnownController(w.Config, w.List, w.Ui, 1, -1), 0);
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Gamma", "Alpha", "Beta"}));
    EXPECT_EQ(w.Controllers(), (std::vector<std::string>{"Gamma0@0", "Alpha0@1"}));
    EXPECT_EQ(w.List.Selected, 0);  // the selection followed Gamma to the front
    EXPECT_EQ(w.Ui.LayoutRedraws, redraws + 2);
    EXPECT_TRUE(w.Config.ConfigurationChanged);
}

TEST(KnownControllerList, MovingDownSwapsWithTheNextAndStopsAtTheEnd) {
    KnownWorld w;
    w.Api.Plug(MakeFakeDevice("Alpha", 1, 1));
    w.Api.Plug(MakeFakeDevice("Beta", 2, 1));
    w.Rescan();
    EXPECT_EQ(MoveKnownController(w.Config, w.List, w.Ui, 0, +1), 1);
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Beta", "Alpha", "Gamma"}));
    EXPECT_EQ(w.Controllers(), (std::vector<std::string>{"Beta0@0", "Alpha0@1"}));
    w.Config.ConfigurationChanged = false;
    EXPECT_EQ(MoveKnownController(w.Config, w.List, w.Ui, 2, +1), 2);
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"Beta", "Alpha", "Gamma"}));
    EXPECT_FALSE(w.Config.ConfigurationChanged);
}

TEST(KnownControllerList, RowsShowOrderNameAndFoundWithTheLostCountInBrackets) {
    KnownWorld w;
    w.Api.Plug(MakeFakeDevice("Beta", 2, 1));
    w.Api.Plug(MakeFakeDevice("Beta", 2, 2));
    w.Rescan();
    w.Api.Unplug(1);
    ControllerLost(w.Context, 1);
    const std::vector<KnownControllerRow> rows = KnownControllerRows(w.Config);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Order, "1");
    EXPECT_EQ(rows[0].Found, "0");
    EXPECT_EQ(rows[1].Order, "2");
    EXPECT_EQ(rows[1].Found, "1 (1)");
}

TEST(KnownControllerList, TheSelectionEnablesOnlyTheMovesThatArePossible) {
    KnownWorld w;
    const KnownControllerButtons none = KnownControllerButtonStates(w.Config, NoListSelection);
    EXPECT_FALSE(none.MoveUp || none.MoveDown || none.Delete || none.Details);
    const KnownControllerButtons first = KnownControllerButtonStates(w.Config, 0);
    EXPECT_FALSE(first.MoveUp);
    EXPECT_TRUE(first.MoveDown && first.Delete && first.Details);
    const KnownControllerButtons last = KnownControllerButtonStates(w.Config, 2);
    EXPECT_TRUE(last.MoveUp);
    EXPECT_FALSE(last.MoveDown);
}

TEST(KnownControllerList, DetailsListTheIdTheFileAndEachNonEmptyRecentProfileByItsNumber) {
    KnownWorld w;
    ShowKnownControllerDetails(w.Config, 1, w.Ui);
    ASSERT_EQ(w.Ui.Dialogs.size(), 1u);
    const MessageDialog& d = w.Ui.Dialogs[0];
    EXPECT_EQ(d.Heading, "Controller details: Beta");
    EXPECT_EQ(d.Captions, "$ID$#$Controller File$#$Recent Profile 1$#$Recent Profile 3$");
    EXPECT_EQ(d.Values, "045E:0028#beta.velmoracontroller#one.velmoraprofile#three.velmoraprofile");
}

}  // namespace
}  // namespace velmora::test
