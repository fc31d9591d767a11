// The drop-in, fall-out and slide animations, frame by frame through a
// recording host.

#include <gtest/gtest.h>

#include <vector>

#include "ui/LayoutAnimations.h"
#include "support/PictureWorld.h"

namespace velmora {
namespace {

class RecordingHost : public AnimationHost {
public:
    explicit RecordingHost(const ControllerFileType& layout) : layout_(layout) {}
    void Repaint(const PictureType&) override { Tops.push_back(layout_.Locations[Button1].Top); }
    void Sleep(int milliseconds) override { Sleeps.push_back(milliseconds); }
    int Random(int count) override { return count > 100 ? 2 : 0; }  // Top starts at -32, no delays

    std::vector<std::int32_t> Tops;  // Button 1's Top at each repaint
    std::vector<int> Sleeps;

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
};

TEST(LayoutAnimations, ButtonsDropInWithTwoBouncesAndEndAtTheirPlace) {
    AnimationWorld w;
    w.Scene.Status.NamesShown = true;
    AnimateButtonsIn(w.Target());
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
    AnimateButtonsIn(w.Target());
    EXPECT_TRUE(w.Host.Tops.empty());
    EXPECT_TRUE(w.Scene.Status.AnimationDone);
}

TEST(LayoutAnimations, ButtonsFallOutOfThePictureAndTheirPlacesComeBack) {
    AnimationWorld w;
    w.Scene.DrawnStates[Button1] = DrawnActive;
    w.Scene.Status.AnimationDone = true;
    AnimateButtonsOut(w.Target());
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
    HideLayout(w.Target());
    EXPECT_FALSE(w.Scene.Status.LayoutShown);
    EXPECT_EQ(w.Picture.Get(4 + 10, 77), LayoutBackgroundPixel(w.Scene, 10, 0));
    w.Host.Sleeps.clear();
    ShowLayout(w.Target(), true);
    EXPECT_TRUE(w.Scene.Status.LayoutShown);
    EXPECT_EQ(w.Host.Sleeps, std::vector<int>(8, 25));  // no buttons animated: a profile is on its way
    EXPECT_EQ(w.Picture.Get(4 + 10, 77), palette::Red);
}

}  // namespace
}  // namespace velmora
