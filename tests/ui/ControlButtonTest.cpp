// A control's button at exact pixels: state colours, marks, rings, outline,
// placement, clipping and which directions a mode hides.

#include <gtest/gtest.h>

#include "model/ProfileModel.h"
#include "model/SlotCodes.h"
#include "ui/ControlButton.h"
#include "support/PictureWorld.h"
#include "ui/Ramps.h"

namespace velmora {
namespace {

// Button 1 placed at Top 100, Left 200: its 30-wide square starts at (204, 177).
struct ButtonWorld : test::World {
    ButtonWorld() {
        Config.ThemeButtons = SolidButtons;
        Layout->Locations[Button1] = {100, 200};
        Connect(1, 0);
    }
    AssignmentType& Button() { return Profile.Current(Button1); }
    void Slots(std::initializer_list<const char*> names) {
        for (const char* name : names)
            SetSlot(Button().Slots, Button().Slots.CodeCount(), *FindSlotCode(name));
    }
    ColourType B(int column, int row) const { return At(204 + column, 177 + row); }
};

TEST(ControlButton, StateGivesTheFillAndTheEditedControlIsYellowOnlyWhileOff) {
    ButtonWorld w;
    w.Draw();
    EXPECT_EQ(w.B(15, 1), palette::White);
    w.Scene.DrawnStates[Button1] = DrawnFiltered;
    w.Draw();
    EXPECT_EQ(w.B(15, 1), palette::Red);
    w.Scene.DrawnStates[Button1] = DrawnActive;
    w.Scene.EditedControl = Button1;
    w.Draw();
    EXPECT_EQ(w.B(15, 28), palette::Green);
    w.Scene.DrawnStates[Button1] = DrawnOff;
    w.Draw();
    EXPECT_EQ(w.B(15, 1), palette::Yellow);
}

TEST(ControlButton, RowsTakeTheStyleRampOneEntryPerRow) {
    ButtonWorld w;
    w.Config.ThemeButtons = VistaButtons;
    w.Scene.DrawnStates[Button1] = DrawnActive;
    w.Draw();
    const RampType ramp = BuildButtonRamp(28, palette::Green, VistaButtons);
    for (int row = 1; row <= 28; ++row)
        EXPECT_EQ(w.B(15, row), ramp[static_cast<std::size_t>(row - 1)]) << row;
    EXPECT_NE(ramp[0], ramp[27]);
}

TEST(ControlButton, OutlineIsRoundedAndTheCornersShowThePicture) {
    ButtonWorld w;
    w.Draw();
    EXPECT_EQ(w.B(2, 0), palette::Black);
    EXPECT_EQ(w.B(27, 29), palette::Black);
    EXPECT_EQ(w.B(1, 1), palette::Black);
    EXPECT_EQ(w.B(28, 28), palette::Black);
    EXPECT_EQ(w.B(0, 2), palette::Black);
    EXPECT_EQ(w.B(29, 27), palette::Black);
    EXPECT_EQ(w.B(0, 1), LayoutBackgroundPixel(w.Scene, 200, 101));
    EXPECT_EQ(w.B(1, 0), LayoutBackgroundPixel(w.Scene, 201, 100));
}

TEST(ControlButton, TurboToggleAndRumbleMarkTheEdges) {
    ButtonWorld w;
    w.Button().Turbo = true;
    w.Button().Toggle = true;
    w.Draw();
    EXPECT_EQ(w.B(2, 1), palette::Magenta);
    EXPECT_EQ(w.B(27, 1), palette::Magenta);
    EXPECT_EQ(w.B(1, 2), palette::Magenta);
    EXPECT_EQ(w.B(1, 3), palette::White);
    EXPECT_EQ(w.B(2, 28), palette::Blue);
    EXPECT_EQ(w.B(28, 27), palette::Blue);
    w.Button().Rumble = true;
    w.Draw();
    EXPECT_EQ(w.B(1, 15), palette::Yellow);
    EXPECT_EQ(w.B(2, 15), palette::Yellow);
    EXPECT_EQ(w.B(28, 15), palette::Yellow);
    EXPECT_EQ(w.B(27, 15), palette::Yellow);
    EXPECT_EQ(w.B(3, 15), palette::White);
}

TEST(ControlButton, SetSelectorDotsAreWhiteOnTheToggleRowsAndBlackOtherwise) {
    ButtonWorld w;
    w.Button().SetSelect = 1;  // two dots: columns 10-13 and 16-19
    w.Draw();
    for (int c : {10, 13, 16, 19}) EXPECT_EQ(w.B(c, 27), palette::Black) << c;
    for (int c : {9, 14, 15, 20}) EXPECT_EQ(w.B(c, 28), palette::White) << c;
    w.Button().Toggle = true;
    w.Draw();
    for (int c : {10, 13, 16, 19}) EXPECT_EQ(w.B(c, 28), palette::White) << c;
    EXPECT_EQ(w.B(14, 28), palette::Blue);
    w.Button().SetSelect = 3;  // four dots from column 4 to 25
    w.Draw();
    EXPECT_EQ(w.B(4, 27), palette::White);
    EXPECT_EQ(w.B(25, 27), palette::White);
    EXPECT_EQ(w.B(8, 27), palette::Blue);
}

TEST(ControlButton, SequenceRingIsCyanAndACycleChequersItBlack) {
    ButtonWorld w;
    w.Slots({"A", "PAUSE 0.50s", "B"});
    w.Draw();
    EXPECT_EQ(w.B(3, 3), palette::Cyan);
    EXPECT_EQ(w.B(26, 26), palette::Cyan);
    EXPECT_EQ(w.B(4, 15), palette::Cyan);
    EXPECT_EQ(w.B(25, 15), palette::Cyan);
    EXPECT_NE(w.B(5, 5), palette::Cyan);
    w.Button().Slots = {};
    w.Slots({"A", "CYCLE STOP", "B"});  // two cycles of one step: ring only where chequered
    w.Draw();
    EXPECT_EQ(w.B(3, 3), palette::Black);
    EXPECT_EQ(w.B(4, 3), palette::White);
}

TEST(ControlButton, OneGlyphSitsInTheMiddleInTheFirstTextColourWithItsShadow) {
    ButtonWorld w;
    w.Slots({"A"});
    w.Scene.DrawnStates[Button1] = DrawnFiltered;
    w.Draw();
    const GlyphBits& glyph = SlotCodeTable[*FindSlotCode("A")].Glyph;
    int ink = 0;
    for (int y = 0; y < GlyphSize; ++y)
        for (int x = 0; x < GlyphSize; ++x)
            if (GlyphPixel(glyph, x, y)) {
                EXPECT_EQ(w.B(5 + x, 5 + y), palette::White);
                ++ink;
            } else if (x > 0 && y > 0 && GlyphPixel(glyph, x - 1, y - 1)) {
                EXPECT_EQ(w.B(5 + x, 5 + y), palette::Black);
            }
    EXPECT_GT(ink, 20);
}

int InkOf(const char* name) {
    int ink = 0;
    for (int y = 0; y < GlyphSize; ++y)
        for (int x = 0; x < GlyphSize; ++x) ink += GlyphPixel(SlotCodeTable[*FindSlotCode(name)].Glyph, x, y);
    return ink;
}

int BlackInside(const ButtonWorld& w) {
    int black = 0;
    for (int r = 1; r <= 28; ++r)
        for (int c = 2; c <= 27; ++c) black += w.B(c, r) == palette::Black;
    return black;
}

TEST(ControlButton, TwoGlyphsKeepTheirFullSizeWhenTheyFitBesideOrAboveEachOther) {
    ButtonWorld w;
    w.Slots({"A", "B"});  // narrow: side by side
    w.Draw();
    EXPECT_EQ(BlackInside(w), InkOf("A") + InkOf("B"));
    w.Button().Slots = {};
    w.Slots({"Left Control", "C"});  // wide: one above the other
    w.Draw();
    EXPECT_EQ(BlackInside(w), InkOf("Left Control") + InkOf("C"));
    w.Button().Slots = {};
    w.Slots({"A", "B", "C"});  // three share the square at half size
    w.Draw();
    EXPECT_LT(BlackInside(w), InkOf("A") + InkOf("B") + InkOf("C"));
    EXPECT_GT(BlackInside(w), 0);
}

TEST(ControlButton, DirectionsFollowTheirGroupsMode) {
    ButtonWorld w;
    w.Layout->Locations[Stick1Up] = {10, 100};
    w.Layout->Locations[Stick1UpRight] = {10, 140};
    w.Layout->Locations[DPadUpRight] = {10, 300};
    w.Layout->Locations[TriggerLeft] = {10, 400};
    EXPECT_TRUE(ControlButtonShown(w.Scene, Stick1Up));
    EXPECT_FALSE(ControlButtonShown(w.Scene, Stick1UpRight));
    EXPECT_TRUE(ControlButtonShown(w.Scene, TriggerLeft));
    w.Profile.Sets[0].StickModes[0] = Diagonal;
    EXPECT_FALSE(ControlButtonShown(w.Scene, Stick1Up));
    EXPECT_TRUE(ControlButtonShown(w.Scene, Stick1UpRight));
    EXPECT_FALSE(ControlButtonShown(w.Scene, DPadUpRight));
    w.Profile.Sets[0].DPadMode = EightWay;
    EXPECT_TRUE(ControlButtonShown(w.Scene, DPadUpRight));
    EXPECT_FALSE(ControlButtonShown(w.Scene, Button1 + 1));  // not placed
}

TEST(ControlButton, NamesWidenTheButtonOnlyFromTwentyPixels) {
    ButtonWorld w;
    w.Scene.Status.NamesShown = true;
    w.Button().Name = "A";
    EXPECT_EQ(ControlButtonWidth(w.Scene, *w.Text, Button1), 30);
    w.Button().Name = "JUMP HIGHER";
    const int width = ControlButtonWidth(w.Scene, *w.Text, Button1);
    EXPECT_EQ(width, w.Text->TextWidth("JUMP HIGHER") + 10);
    w.Draw();
    // Centred on the square's middle: column 0 lands at 204 + 15 - width / 2.
    EXPECT_EQ(w.At(204 + 15 - width / 2, 177 + 15), palette::Black);
    EXPECT_EQ(w.At(204 + 15 - width / 2 + width - 1, 177 + 15), palette::Black);
    w.Scene.Status.NamesShown = false;
    EXPECT_EQ(ControlButtonWidth(w.Scene, *w.Text, Button1), 30);
}

TEST(ControlButton, NearTheRightEdgeTheButtonIsClippedNotWrapped) {
    ButtonWorld w;
    w.Layout->Locations[Button1] = {100, 500};
    w.Draw();
    EXPECT_EQ(w.At(4 + 500 + 2, 177), palette::Black);
    EXPECT_EQ(w.At(516, 177 + 10), palette::White);  // the frame is untouched
    EXPECT_EQ(w.At(517, 177 + 10), w.Config.Interface[2]);
    EXPECT_EQ(w.At(4, 177 + 10), LayoutBackgroundPixel(w.Scene, 0, 110));
}

TEST(ControlButton, ErasingRestoresThePictureUnderTheButton) {
    ButtonWorld w;
    w.Draw();
    const PictureType before = w.Picture;
    EraseControlButton(w.Picture, w.Scene, *w.Text, Button1);
    EXPECT_EQ(w.B(15, 1), LayoutBackgroundPixel(w.Scene, 215, 101));
    DrawControlButton(w.Picture, w.Scene, *w.Text, Button1);
    EXPECT_EQ(w.Picture.Bytes(), before.Bytes());
}

TEST(ControlButton, APassRedrawsOnlyButtonsWhoseStateChanged) {
    ButtonWorld w;
    w.Layout->Locations[Button1 + 1] = {100, 300};
    w.Draw();
    std::array<std::uint8_t, ControlCount> shown{};
    w.Scene.DrawnStates[Button1] = DrawnActive;
    w.Picture.Put(4 + 300 + 15, 177 + 1, palette::Blue);  // would be repainted if Button 2 were redrawn
    EXPECT_TRUE(DrawChangedControlButtons(w.Picture, w.Scene, *w.Text, shown));
    EXPECT_EQ(w.B(15, 1), palette::Green);
    EXPECT_EQ(w.At(4 + 300 + 15, 177 + 1), palette::Blue);
    shown = w.Scene.DrawnStates;
    EXPECT_FALSE(DrawChangedControlButtons(w.Picture, w.Scene, *w.Text, shown));
    shown[Button1 + 5] = DrawnActive;  // a control the layout does not place
    EXPECT_FALSE(DrawChangedControlButtons(w.Picture, w.Scene, *w.Text, shown));
}

}  // namespace
}  // namespace velmora
