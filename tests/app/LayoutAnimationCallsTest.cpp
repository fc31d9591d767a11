// When the profile and controller flows play the layout picture's animations:
// the old buttons fall out before a profile replaces them and the new ones
// drop in after, except for the program's own requests, whose layout was
// shown without buttons; a switch of controllers hides one layout and shows
// the other, without animating while every controller stays processed.

#include <gtest/gtest.h>

#include "app/ProfileFlows.h"
#include "support/ProfileFlowsWorld.h"
#include "devices/ControllerLinks.h"

namespace velmora::test {
namespace {

using Played = RecordingUserInterface::PlayedAnimation;
constexpr Played In{LayoutAnimation::ButtonsIn, true}, Out{LayoutAnimation::ButtonsOut, true};

TEST(LayoutAnimationCalls, OpeningAProfileDropsTheOldButtonsOutAndTheNewOnesInUnlessTheProgramAskedForIt) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    std::string shortcut;
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, w.WriteProfileFile("Chosen")};
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{Out, In}));

    w.Ui.Animations.clear();
    w.Pad(0).OpenProfileRequest = {OpenProfileFile, w.WriteProfileFile("Last")};
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{In}));

    // A profile the program asked for that cannot be read: the buttons of the profile kept drop in.
    w.Ui.Animations.clear();
    w.Pad(0).OpenProfileRequest = {OpenProfileFile, w.Folder.File("missing.velmoraprofile")};
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{In}));
    w.Ui.Animations.clear();
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, w.Folder.File("missing.velmoraprofile")};
    OpenRequestedProfile(w.Context, 0, shortcut);
    EXPECT_TRUE(w.Ui.Animations.empty());
}

TEST(LayoutAnimationCalls, NothingIsAnimatedForAControllerNotSelectedOrAMinimisedWindow) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Add("Stick");
    std::string shortcut;
    w.Pad(1).OpenProfileRequest = {OpenRecentProfile, w.WriteProfileFile("Other")};
    OpenRequestedProfile(w.Context, 1, shortcut);
    w.Ui.Showing = false;
    w.Pad(0).OpenProfileRequest = {OpenRecentProfile, w.WriteProfileFile("Hidden")};
    OpenRequestedProfile(w.Context, 0, shortcut);
    NewProfileCommand(w.Context);
    EXPECT_TRUE(w.Ui.Animations.empty());
    w.Ui.Showing = true;
    NewProfileCommand(w.Context);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{Out, In}));
}

TEST(LayoutAnimationCalls, SelectingAnotherControllerHidesOneLayoutAndShowsTheOther) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Add("Stick");
    w.Add("Wheel").Connection = Lost;
    w.Config.ProcessNonSelectedControllers = false;
    SelectController(w.Context, 1);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{{LayoutAnimation::HideLayout, true},
                                                    {LayoutAnimation::ShowLayout, true}}));
    // A lost controller has no layout on screen: nothing slides out, nothing slides in.
    w.Ui.Animations.clear();
    SelectController(w.Context, 2);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{{LayoutAnimation::HideLayout, true}}));
    w.Ui.Animations.clear();
    w.Config.ProcessNonSelectedControllers = true;
    SelectController(w.Context, 0);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{{LayoutAnimation::ShowLayout, false}}));
}

TEST(LayoutAnimationCalls, TheSelectedControllersLayoutSlidesOutWhenLostAndInWhenBack) {
    ProfileFlowsWorld w;
    w.Add("Pad");
    w.Add("Stick");
    ControllerLost(w.Context, 1);
    EXPECT_TRUE(w.Ui.Animations.empty());
    ControllerLost(w.Context, 0);
    ControllerReturned(w.Context, 1);
    ControllerReturned(w.Context, 0);
    EXPECT_EQ(w.Ui.Animations, (std::vector<Played>{{LayoutAnimation::HideLayout, true},
                                                    {LayoutAnimation::ShowLayout, true}}));
}

}  // namespace
}  // namespace velmora::test
