// The texts of the controller line, seen through a text drawer that records them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/LayoutPicture.h"
#include "ui/Tabs.h"
#include "ui/TextDrawer.h"

namespace velmora {
namespace {

struct DrawnText {
    int X, Y;
    std::string Text;
    ClipBox Clip;
};

class RecordingTextDrawer : public TextDrawer {
public:
    void DrawText(PictureType&, int x, int y, std::string_view text, ColourType colour,
                  ClipBox clip) override {
        EXPECT_EQ(colour, palette::Black);
        Drawn.push_back({x, y, std::string(text), clip});
    }
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
    std::vector<DrawnText> Drawn;
};

struct LineWorld {
    ConfigurationType Config;
    ControllerFileType Layout;
    ProfileType Profile;
    LayoutScene Scene;
    RecordingTextDrawer Text;
    PictureType Picture;

    LineWorld() {
        Profile.Name = "racing";
        BuildThumbnail(Layout, TabsFor(1));
        Scene.Config = &Config;
        Scene.Controllers.push_back({&Layout, true});
        Scene.Selected = 0;
        Scene.Profile = &Profile;
    }
    std::vector<DrawnText> Draw() {
        Text.Drawn.clear();
        RedrawLayout(Picture, Scene, Text);
        return Text.Drawn;
    }
};

TEST(ControllerLine, NameBoxesStartTwoRightAndThreeDownClippedTwoInside) {
    LineWorld w;
    w.Layout.FileName = "/pads/wheel.velmoracontroller";
    w.Layout.Name = "wheel";
    const std::vector<DrawnText> drawn = w.Draw();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].Text, "wheel");
    EXPECT_EQ(drawn[0].X, 30);
    EXPECT_EQ(drawn[0].Y, 55);
    EXPECT_EQ(drawn[0].Clip.Left, 30);
    EXPECT_EQ(drawn[0].Clip.Top, 54);
    EXPECT_EQ(drawn[0].Clip.Right, 254);
    EXPECT_EQ(drawn[0].Clip.Bottom, 70);
    EXPECT_EQ(drawn[1].Text, "racing");
    EXPECT_EQ(drawn[1].X, 290);
    EXPECT_EQ(drawn[1].Clip.Right, 514);
}

TEST(ControllerLine, UnsavedLayoutPointsAtTheButtonsThatMakeOrSaveOne) {
    LineWorld w;
    EXPECT_EQ(w.Draw()[0].Text, "<--- Click \"New\" to create layout or \"Open\"");
    w.Layout.Changed = 1;
    EXPECT_EQ(w.Draw()[0].Text, "<--- Click \"Save As\" to save layout");
    // A ready layout (placed, not edited, no file) is not asked to be made.
    w.Layout.Changed = 0;
    w.Layout.Locations[0] = {10, 10};
    EXPECT_EQ(w.Draw()[0].Text, "<--- Ready layout: \"Save As\" to keep it");
}

TEST(ControllerLine, TheReadyLayoutsTextFitsItsBox) {
    // Regression: the ready layout's text was cut at the box's edge ("...to keep i").
    LineWorld w;
    w.Layout.Locations[0] = {10, 10};
    const DrawnText line = w.Draw()[0];
    EXPECT_LE(line.X + MakePixelFontTextDrawer()->TextWidth(line.Text), line.Clip.Right) << line.Text;
}

TEST(ControllerLine, WithoutASelectedControllerNothingIsWritten) {
    LineWorld w;
    w.Scene.Selected = -1;
    EXPECT_TRUE(w.Draw().empty());
}

}  // namespace
}  // namespace velmora
