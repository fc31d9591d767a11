// The assignment window's keyboard picture: key colours, the cells under the
// pointer and the picture itself.

#include <gtest/gtest.h>

#include <memory>

#include "app/settings/AssignmentKeyboard.h"
#include "model/ProfileModel.h"
#include "support/KeyboardKeys.h"
#include "ui/Ramps.h"

namespace velmora {
namespace {

using namespace test::keys;
constexpr std::uint8_t Space = 86, CapsLock = 82, Tab = 87, Backspace = 81;

std::unique_ptr<SetType> SetWith(std::initializer_list<std::pair<int, std::vector<std::uint8_t>>> lists) {
    auto set = std::make_unique<SetType>();
    for (const auto& [control, codes] : lists)
        for (std::uint8_t code : codes)
            SetSlot(set->Assignments[static_cast<std::size_t>(control)].Slots,
                    set->Assignments[static_cast<std::size_t>(control)].Slots.CodeCount(), code);
    return set;
}

bool Same(ColourType a, ColourType b) {
    return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

TEST(KeyColours, EachStateHasItsFillCaptionAndShadow) {
    const struct {
        KeyState State;
        ColourType Fill, Caption, Shadow;
    } cases[] = {
        {KeyState::Unused, palette::White, palette::Black, palette::Silver},
        {KeyState::CurrentCycle, palette::Yellow, palette::Black, palette::Grey},
        {KeyState::OtherControl, palette::Blue, palette::White, palette::Grey},
        {KeyState::OtherCycle, palette::Cyan, palette::Black, palette::Grey},
    };
    for (const auto& c : cases) {
        const KeyColours colours = KeyColoursOf(c.State);
        EXPECT_TRUE(Same(colours.Fill, c.Fill)) << static_cast<int>(c.State);
        EXPECT_TRUE(Same(colours.Caption, c.Caption)) << static_cast<int>(c.State);
        EXPECT_TRUE(Same(colours.Shadow, c.Shadow)) << static_cast<int>(c.State);
    }
}

TEST(KeyStates, CurrentCycleOtherCycleAndOtherControlsAreTold) {
    // The edited control 0 holds "A", "CYCLE STOP", "B"; control 5 holds "C".
    const auto set = SetWith({{0, {A, CycleStopCode, B}}, {5, {C}}});
    const KeyStates states = ComputeKeyStates(*set, 0);
    EXPECT_EQ(states[A], KeyState::CurrentCycle);
    EXPECT_EQ(states[B], KeyState::OtherCycle);
    EXPECT_EQ(states[C], KeyState::OtherControl);
    EXPECT_EQ(states[Space], KeyState::Unused);
    EXPECT_EQ(states[NoneCode], KeyState::Unused);
}

TEST(KeyStates, TheEditedAssignmentWinsOverAnotherControlUsingTheSameKey) {
    const auto set = SetWith({{0, {A, CycleStopCode, B}}, {1, {A, B}}});
    const KeyStates states = ComputeKeyStates(*set, 0);
    EXPECT_EQ(states[A], KeyState::CurrentCycle);
    EXPECT_EQ(states[B], KeyState::OtherCycle);
    // Seen from control 1, both keys are its own current cycle.
    const KeyStates fromOne = ComputeKeyStates(*set, 1);
    EXPECT_EQ(fromOne[A], KeyState::CurrentCycle);
    EXPECT_EQ(fromOne[B], KeyState::CurrentCycle);
}

TEST(KeyStates, TheCurrentCycleFollowsTheCycleIndex) {
    auto set = SetWith({{0, {A, CycleStopCode, B}}});
    set->Assignments[0].Slots.CycleIndex = 1;
    const KeyStates states = ComputeKeyStates(*set, 0);
    EXPECT_EQ(states[A], KeyState::OtherCycle);
    EXPECT_EQ(states[B], KeyState::CurrentCycle);
}

TEST(KeyboardGeometry, NarrowDesktopsGetTwentyPixelKeys) {
    EXPECT_EQ(KeyboardGeometryFor(800).Unit, 12);
    EXPECT_EQ(KeyboardGeometryFor(800).Width, 716);
    EXPECT_EQ(KeyboardGeometryFor(800).Height, 200);
    EXPECT_EQ(KeyboardGeometryFor(799).Unit, 10);
    // Every key fits the smaller picture.
    const KeyboardGeometry small = KeyboardGeometryFor(640);
    for (int code = 0; code < SlotCodeCount; ++code)
        if (const auto key = KeyRectangleOf(static_cast<std::uint8_t>(code), small.Unit)) {
            EXPECT_LE(key->Left + key->Width, small.Width) << code;
            EXPECT_LE(key->Top + key->Height, small.Height) << code;
        }
}

TEST(KeyHitTest, RectangleEdgesBelongToTheKeyInside) {
    // "A" sits at cell 4, 10, two by two: pixels 52..75 across, 124..147 down.
    EXPECT_EQ(KeyAt(52, 124, 12), A);
    EXPECT_EQ(KeyAt(75, 147, 12), A);
    EXPECT_NE(KeyAt(51, 124, 12), A);  // the cell to the left: "Caps Lock"
    EXPECT_EQ(KeyAt(51, 124, 12), CapsLock);
    EXPECT_NE(KeyAt(76, 124, 12), A);
    EXPECT_NE(KeyAt(52, 148, 12), A);
    // With 20-pixel keys the same cell is 44..63 by 104..123.
    EXPECT_EQ(KeyAt(44, 104, 10), A);
    EXPECT_EQ(KeyAt(63, 123, 10), A);
    EXPECT_NE(KeyAt(64, 123, 10), A);
}

TEST(KeyHitTest, TheFourPixelMarginHitsNothing) {
    // "Media Volume Mute" has cell 0, 0: it starts at pixel 4.
    EXPECT_EQ(KeyAt(4, 4, 12), 115);
    EXPECT_EQ(KeyAt(3, 4, 12), std::nullopt);
    EXPECT_EQ(KeyAt(4, 3, 12), std::nullopt);
    // Below 4, (x - 4) / unit would round toward zero into cell 0 without the guard.
    EXPECT_EQ(KeyAt(0, 0, 12), std::nullopt);
}

TEST(KeyHitTest, CellsWithoutKeysHitNothingAndUnnamedKeysAreHit) {
    EXPECT_EQ(KeyAt(4 + 30 * 12, 4 + 10 * 12, 12), std::nullopt);  // the gap between keyboard and keypad
    EXPECT_EQ(KeyAt(4 + 31 * 12, 4 + 3 * 12, 12), 137);
}

// With blank glyphs the middle row of a key is its fill: in the Vista and
// Solid styles the ramp's middle entry is the base colour itself.
TEST(KeyboardPicture, KeysAreFilledInTheirStateColour) {
    const auto set = SetWith({{0, {Space, CycleStopCode, CapsLock}}, {1, {Tab}}});
    const KeyStates states = ComputeKeyStates(*set, 0);
    const KeyGlyphs blank{};
    for (std::uint8_t style : {VistaButtons, SolidButtons}) {
        const PictureType picture = DrawKeyboardPicture(states, blank, {}, style);
        const auto middle = [&](std::uint8_t code) {
            const KeyRectangle key = *KeyRectangleOf(code, 12);
            return picture.Get(key.Left + 2, key.Top + 11);
        };
        EXPECT_TRUE(Same(middle(Space), palette::Yellow)) << int(style);
        EXPECT_TRUE(Same(middle(CapsLock), palette::Cyan)) << int(style);
        EXPECT_TRUE(Same(middle(Tab), palette::Blue)) << int(style);
        EXPECT_TRUE(Same(middle(Backspace), palette::White)) << int(style);
    }
}

TEST(KeyboardPicture, TheFillRunsDownTheGradientRampOverTheKeyHeight) {
    const auto set = SetWith({{0, {Space}}});
    const PictureType picture =
        DrawKeyboardPicture(ComputeKeyStates(*set, 0), KeyGlyphs{}, {}, GradientButtons);
    const KeyRectangle key = *KeyRectangleOf(Space, 12);
    // Yellow's gradient starts LightYellow at the top and passes Yellow in the middle.
    EXPECT_TRUE(Same(picture.Get(key.Left + 2, key.Top + 1),
                     BuildRamp(23, palette::LightYellow, palette::Yellow, palette::Olive)[1]));
    EXPECT_FALSE(Same(picture.Get(key.Left + 2, key.Top + 1), picture.Get(key.Left + 2, key.Top + 20)));
    // The gap after each key is the window's White.
    EXPECT_TRUE(Same(picture.Get(key.Left + key.Width - 1, key.Top + 5), palette::White));
}

TEST(KeyboardPicture, GlyphsAreDrawnInTheCaptionColourOverTheShadow) {
    KeyGlyphs glyphs{};
    glyphs[Tab][0] = 0x80;  // the glyph's top-left pixel only
    const auto set = SetWith({{1, {Tab}}});
    const PictureType picture = DrawKeyboardPicture(ComputeKeyStates(*set, 0), glyphs, {}, SolidButtons);
    const KeyRectangle key = *KeyRectangleOf(Tab, 12);
    const int left = key.Left + (key.Width - 1 - GlyphSize) / 2,
              top = key.Top + (key.Height - 1 - GlyphSize) / 2;
    EXPECT_TRUE(Same(picture.Get(left, top), palette::White));         // a Blue key's caption
    EXPECT_TRUE(Same(picture.Get(left + 1, top + 1), palette::Grey));  // and its shadow
    EXPECT_TRUE(Same(picture.Get(left + 2, top + 2), palette::Blue));  // the fill around them
}

TEST(KeyboardPicture, SmallKeysScaleTheGlyphWithoutLosingThinStrokes) {
    KeyGlyphs glyphs{};
    glyphs[Tab][0] = 0x40;  // one pixel in the glyph's second column
    const KeyboardGeometry small = KeyboardGeometryFor(640);
    const PictureType picture = DrawKeyboardPicture(KeyStates{}, glyphs, small, SolidButtons);
    EXPECT_EQ(picture.Width(), small.Width);
    // On 20-pixel keys the glyph is 16 pixels: a source pixel inks every scaled
    // pixel that covers part of it (columns 0 and 1 here), and nothing further.
    const KeyRectangle key = *KeyRectangleOf(Tab, small.Unit);
    const int size = 16, left = key.Left + (key.Width - 1 - size) / 2,
              top = key.Top + (key.Height - 1 - size) / 2;
    EXPECT_TRUE(Same(picture.Get(left, top), palette::Black));
    EXPECT_TRUE(Same(picture.Get(left + 1, top + 1), palette::Silver));
    EXPECT_TRUE(Same(picture.Get(left + 3, top), palette::White));
    EXPECT_TRUE(Same(picture.Get(left, top + 2), palette::White));
}

}  // namespace
}  // namespace velmora
