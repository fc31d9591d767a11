// The drop-in, fall-out and slide animations, frame by frame through a
// recording host, stepped as the passes step them.

#include <gtest/gtest.h>

#include <vector>

#include "support/PictureWorld.h"
#include "ui/LayoutAnimations.h"

namespace velmora {
namespace {

class RecordingHost : public AnimationHost {
public:
    explicit RecordingHost(const ControllerFileType& layout) : layout_(layout) {}
    void Repaint(const PictureType&) override { Tops.push_back(layout_.Locations[Button1].Top); }
    int Random(int count) override { return count > 100 ? 2 : 0; }  // Top starts at -32, no delays

    std::vector<std::int32_t> Tops;  // Button 1's Top at each repaint
    std::vector<int> Sleeps;         // each frame's time, as the frames give them

private:
    const ControllerFileType& layout_;
};

struct AnimationWorld : test::World {
    RecordingHost Host{*Layout};
    AnimationWorld() {
        Layout->Locations[Button1] = {100, 200};
        Connect(1, 0);
        Draw();
    }
    AnimationTarget Target() { return {Picture, Scene, *Layout, *Text, Host}; }
    void Play(AnimationFrames frames) {
        while (const int milliseconds = frames.Next()) Host.Sleeps.push_back(milliseconds);
    }
};

TEST(LayoutAnimations, ButtonsDropInWithTwoBouncesAndEndAtTheirPlace) {
    AnimationWorld w;
    w.Scene.Status.NamesShown = true;
    w.Play(AnimateButtonsIn(w.Target()));
    // From -32: down by 16 to 100, up by 4 to 84, down to 100, up by 2 to 92, down to 100.
    std::vector<std::int32_t> expected;
    for (int top = -16; top < 100; top += 16) expected.push_back(top);
    for (int top : {100, 96, 92, 88, 84, 88, 92, 96, 100, 98, 96, 94, 92, 94, 96, 98, 100})
        expected.push_back(top);
    EXPECT_EQ(w.Host.Tops, expected);
    EXPECT_EQ(w.Host.Sleeps, std::vector<int>(expected.size(), 10));
    EXPECT_EQ(w.Layout->Locations[Button1].Top, 100);
    EXPECT_EQ(w.Layout->Locations[Button1 + 1].Top, 0);  // not placed, not moved
    EXPECT_TRUE(w.Scene.Status.AnimationDone);
    EXPECT_FALSE(w.Scene.Status.NamesShown);
    test::World still;
    still.Layout->Locations[Button1] = {100, 200};
    still.Connect(1, 0);
    still.Draw();
    EXPECT_EQ(w.Picture.Bytes(), still.Picture.Bytes());
}

TEST(LayoutAnimations, WithoutAnimationsButtonsAppearAtOnce) {
    AnimationWorld w;
    w.Config.ShowAnimations = false;
    w.Play(AnimateButtonsIn(w.Target()));
    EXPECT_TRUE(w.Host.Tops.empty());
    EXPECT_TRUE(w.Scene.Status.AnimationDone);
}

TEST(LayoutAnimations, ButtonsFallOutOfThePictureAndTheirPlacesComeBack) {
    AnimationWorld w;
    w.Scene.DrawnStates[Button1] = DrawnActive;
    w.Scene.Status.AnimationDone = true;
    w.Play(AnimateButtonsOut(w.Target()));
    ASSERT_FALSE(w.Host.Tops.empty());
    EXPECT_EQ(w.Host.Tops.front(), 116);
    EXPECT_GE(w.Host.Tops[w.Host.Tops.size() - 2], 256);
    EXPECT_EQ(w.Layout->Locations[Button1].Top, 100);
    EXPECT_EQ(w.Scene.DrawnStates[Button1], DrawnOff);
    EXPECT_FALSE(w.Scene.Status.AnimationDone);
    // Nothing of the button is left on the picture.
    EXPECT_EQ(w.Picture.Get(204 + 2, 177), LayoutBackgroundPixel(w.Scene, 202, 100));
}

TEST(LayoutAnimations, HidingSlidesThePictureOutAndShowingBringsItBack) {
    AnimationWorld w;
    SetPixel(*w.Layout, 0, 10, 0x0000FF);
    w.Scene.Status.LayoutShown = true;
    w.Play(HideLayout(w.Target()));
    EXPECT_FALSE(w.Scene.Status.LayoutShown);
    EXPECT_EQ(w.Picture.Get(4 + 10, 77), LayoutBackgroundPixel(w.Scene, 10, 0));
    w.Host.Sleeps.clear();
    w.Play(ShowLayout(w.Target(), true));
    EXPECT_TRUE(w.Scene.Status.LayoutShown);
    EXPECT_EQ(w.Host.Sleeps, std::vector<int>(8, 25));  // no buttons animated: a profile is on its way
    EXPECT_EQ(w.Picture.Get(4 + 10, 77), palette::Red);
}

// The passes draw one frame at a time: nothing before the first step, one
// repaint per step, and the last step ends the animation without a frame.
TEST(LayoutAnimations, FramesAreDrawnOneAtEachStepAndNotBefore) {
    AnimationWorld w;
    w.Scene.Status.LayoutShown = true;
    const std::vector<std::uint8_t> before = w.Picture.Bytes();
    AnimationFrames frames = HideLayout(w.Target());
    EXPECT_EQ(w.Picture.Bytes(), before);
    EXPECT_TRUE(w.Host.Tops.empty());
    EXPECT_EQ(frames.Next(), 10);  // the first frame of the buttons falling
    EXPECT_EQ(w.Host.Tops.size(), 1u);
    EXPECT_NE(w.Picture.Bytes(), before);
    int steps = 1;
    while (frames.Next() != 0) ++steps;
    EXPECT_TRUE(frames.Done());
    EXPECT_EQ(frames.Next(), 0);
    // Every frame but the fall's last repaint (buttons gone, shown with no wait) took one step.
    EXPECT_EQ(static_cast<std::size_t>(steps) + 1, w.Host.Tops.size());
}

TEST(LayoutAnimations, AnAnimationDroppedHalfWayPutsTheButtonsBack) {
    AnimationWorld w;
    {
        AnimationFrames frames = AnimateButtonsIn(w.Target());
        for (int i = 0; i < 4; ++i) ASSERT_EQ(frames.Next(), 10);
        EXPECT_LT(w.Layout->Locations[Button1].Top, 100);  // still falling
    }
    EXPECT_EQ(w.Layout->Locations[Button1].Top, 100);
    {
        AnimationFrames frames = HideLayout(w.Target());
        for (int i = 0; i < 3; ++i) ASSERT_EQ(frames.Next(), 10);
        EXPECT_GT(w.Layout->Locations[Button1].Top, 100);
    }
    EXPECT_EQ(w.Layout->Locations[Button1].Top, 100);
}

TEST(LayoutAnimations, FinishingAtOnceEndsOnTheSamePictureAsSteppingThrough) {
    AnimationWorld stepped, finished;
    stepped.Scene.Status.LayoutShown = false;
    finished.Scene.Status.LayoutShown = false;
    stepped.Play(ShowLayout(stepped.Target(), false));
    AnimationFrames frames = ShowLayout(finished.Target(), false);
    ASSERT_EQ(frames.Next(), 25);
    FinishFrames(frames);
    EXPECT_TRUE(frames.Done());
    EXPECT_EQ(finished.Picture.Bytes(), stepped.Picture.Bytes());
    EXPECT_EQ(finished.Layout->Locations[Button1].Top, 100);
    // Showing with the buttons: eight slide frames of 25 ms, then the drop's frames of 10 ms.
    ASSERT_GT(stepped.Host.Sleeps.size(), 8u);
    EXPECT_EQ(std::vector<int>(stepped.Host.Sleeps.begin(), stepped.Host.Sleeps.begin() + 8),
              std::vector<int>(8, 25));
    EXPECT_EQ(std::vector<int>(stepped.Host.Sleeps.begin() + 8, stepped.Host.Sleeps.end()),
              std::vector<int>(stepped.Host.Sleeps.size() - 8, 10));
}

}  // namespace
}  // namespace velmora
