// The picture's scene taken from the controller list.

#include <gtest/gtest.h>

#include "app/ControllerScene.h"

namespace velmora {
namespace {

TEST(ControllerScene, TabsFollowTheListAndTheSelectedControllerGivesProfileAndStates) {
    ControllerListType list;
    list.Layouts.resize(2);
    list.Controllers.resize(3);
    list.Controllers[0].ControllerFileIndex = 1;
    list.Controllers[1].Connection = Lost;
    list.Controllers[2].Connection = Returned;
    list.Controllers[2].EffectiveState[Button1 + 4] = 2;
    list.Selected = 2;
    list.NamesShown = true;
    ConfigurationType config;
    MainWindowStatus status;
    status.LayoutShown = true;
    const LayoutScene scene = SceneOf(list, config, status);
    ASSERT_EQ(scene.Controllers.size(), 3u);
    EXPECT_EQ(scene.Controllers[0].Layout, &list.Layouts[1]);
    EXPECT_EQ(scene.Controllers[1].Layout, &list.Layouts[0]);
    EXPECT_TRUE(scene.Controllers[0].Connected);
    EXPECT_FALSE(scene.Controllers[1].Connected);
    EXPECT_TRUE(scene.Controllers[2].Connected);
    EXPECT_EQ(scene.Selected, 2);
    EXPECT_EQ(scene.Profile, &list.Controllers[2].Profile);
    EXPECT_EQ(scene.DrawnStates[Button1 + 4], 2);
    EXPECT_TRUE(scene.Status.NamesShown);
    EXPECT_TRUE(scene.Status.LayoutShown);
    EXPECT_EQ(scene.Config, &config);
}

TEST(ControllerScene, NoSelectionGivesNoProfile) {
    ControllerListType list;
    list.Layouts.resize(1);
    list.Controllers.resize(1);
    ConfigurationType config;
    const LayoutScene scene = SceneOf(list, config, MainWindowStatus{});
    EXPECT_EQ(scene.Selected, -1);
    EXPECT_EQ(scene.Profile, nullptr);
    EXPECT_EQ(scene.SelectedLayout(), nullptr);
}

}  // namespace
}  // namespace velmora
