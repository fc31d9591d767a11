// Key captions for the user's keyboard layout, with a US and a French table.

#include <gtest/gtest.h>

#include "app/settings/AssignmentWindow.h"
#include "app/settings/KeyboardLayoutCaptions.h"
#include "support/KeyboardKeys.h"

namespace velmora {
namespace {

using namespace test::keys;
constexpr std::uint8_t M = 28, Q = 32, W = 38, KeyZ = 41, Digit1 = 59, Comma = 92, SemiColon = 99;
constexpr std::uint8_t NumPad8 = 50, ArrowUp = 12, Apostrophe = 88;

// What a French keyboard types without modifiers, where it differs from US.
KeyboardLayoutTable FrenchLayout() {
    KeyboardLayoutTable table = UsKeyboardLayout();
    table[0x10] = U'a';
    table[0x1E] = U'q';
    table[0x11] = U'z';
    table[0x2C] = U'w';
    table[0x27] = U'm';
    table[0x32] = U',';
    table[0x33] = U';';
    table[0x02] = U'&';
    table[0x28] = U'\u00f9';  // ù
    return table;
}

TEST(LayoutCaptions, AUsLayoutChangesNoCaption) {
    const KeyboardLayoutTable us = UsKeyboardLayout();
    for (int code = 0; code < SlotCodeCount; ++code)
        EXPECT_EQ(LayoutKeyCaption(static_cast<std::uint8_t>(code), us), "") << code;
    const KeyGlyphs glyphs = LayoutGlyphs(us);
    for (int code = 0; code < SlotCodeCount; ++code)
        EXPECT_EQ(glyphs[static_cast<std::size_t>(code)],
                  SlotCodeTable[static_cast<std::size_t>(code)].Glyph);
}

TEST(LayoutCaptions, AFrenchKeyboardSwapsAQZWAndMovesM) {
    const KeyboardLayoutTable french = FrenchLayout();
    EXPECT_EQ(LayoutKeyCaption(Q, french), "A");
    EXPECT_EQ(LayoutKeyCaption(A, french), "Q");
    EXPECT_EQ(LayoutKeyCaption(W, french), "Z");
    EXPECT_EQ(LayoutKeyCaption(KeyZ, french), "W");
    EXPECT_EQ(LayoutKeyCaption(SemiColon, french), "M");
    EXPECT_EQ(LayoutKeyCaption(M, french), ",");
    EXPECT_EQ(LayoutKeyCaption(Comma, french), ";");
    EXPECT_EQ(LayoutKeyCaption(Digit1, french), "&");
    EXPECT_EQ(LayoutKeyCaption(Apostrophe, french), "\xC3\x99");  // Ù
    // Keys that type the same as on a US keyboard keep their caption.
    EXPECT_EQ(LayoutKeyCaption(18, french), "");  // "C"
}

TEST(LayoutCaptions, TheNumberPadAndExtendedKeysAreNeverRecaptioned) {
    KeyboardLayoutTable odd = UsKeyboardLayout();
    odd[0x48] = U'x';  // the scan code of NumPad 8 and, extended, Arrow Up
    EXPECT_EQ(LayoutKeyCaption(NumPad8, odd), "");
    EXPECT_EQ(LayoutKeyCaption(ArrowUp, odd), "");
}

TEST(LayoutGlyphs, DrawTheLayoutsCaptionAndKeepTheSlotTableForTheRest) {
    const KeyGlyphs glyphs = LayoutGlyphs(FrenchLayout());
    // The French Q key shows the table's "A" glyph, and the other way round.
    EXPECT_EQ(glyphs[Q], SlotCodeTable[A].Glyph);
    EXPECT_EQ(glyphs[A], SlotCodeTable[Q].Glyph);
    EXPECT_EQ(glyphs[SemiColon], SlotCodeTable[M].Glyph);
    // Signs are drawn too; what the glyph font cannot draw (Ù) keeps the US glyph.
    EXPECT_NE(glyphs[Digit1], SlotCodeTable[Digit1].Glyph);
    EXPECT_EQ(glyphs[Apostrophe], SlotCodeTable[Apostrophe].Glyph);
    // The codes themselves are untouched: the slot table still names them.
    EXPECT_EQ(SlotCodeTable[Q].Name, "Q");
}

// The hover caption named the US key ("Q") while the key showed "A".
TEST(LayoutHoverCaptions, NameTheKeyAsItsPictureShowsIt) {
    const KeyboardLayoutTable french = FrenchLayout();
    EXPECT_EQ(KeyboardHoverCaption("Cross", 0, Q, &french), "Cross - Press any key or click to assign \"A\"");
    EXPECT_EQ(KeyboardHoverCaption("Cross", 0, Apostrophe, &french),
              "Cross - Press any key or click to assign \"\u00d9\"");
    EXPECT_EQ(KeyboardHoverCaption("Cross", 0, ArrowUp, &french),
              std::string("Cross - Press any key or click to assign \"") +
                  std::string(SlotCodeTable[ArrowUp].Name) + "\"");
}

}  // namespace
}  // namespace velmora
