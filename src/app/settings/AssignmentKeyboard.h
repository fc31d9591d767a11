#pragma once
// The assignment window's keyboard and mouse picture: one key per slot code
// at its cell, coloured by how the edited control's set uses the code, each
// with its glyph in the caption colour over its shadow.

#include <array>
#include <cstdint>
#include <optional>

#include "model/Profile.h"
#include "model/SlotCodes.h"
#include "ui/Picture.h"

namespace velmora {

// How the current set uses a code, as the key shows it.
enum class KeyState : std::uint8_t {
    Unused,        // White: not used by this set
    CurrentCycle,  // Yellow: in the edited assignment's current cycle
    OtherControl,  // Blue: used by another control of the set
    OtherCycle,    // Cyan: in another cycle of the edited assignment
};
using KeyStates = std::array<KeyState, SlotCodeCount>;

struct KeyColours {
    ColourType Fill;
    ColourType Caption;
    ColourType Shadow;
};

// The fill base, caption colour and caption shadow of a key state.
KeyColours KeyColoursOf(KeyState state);

// The state of every code for the edited control of a set. The edited
// assignment wins over the other controls: its own keys are what the user is
// working on.
KeyStates ComputeKeyStates(const SetType& set, int control);

// The picture's size and grid unit (half a key): 716 x 200 with 24-pixel
// keys, or the smaller window's picture with 20-pixel keys on desktops
// narrower than 800 pixels.
struct KeyboardGeometry {
    int Unit = 12;
    int Width = 716;
    int Height = 200;
};
KeyboardGeometry KeyboardGeometryFor(int desktopWidth);

// Cells start 4 pixels in from the picture's top-left corner.
inline constexpr int KeyboardMargin = 4;

struct KeyRectangle {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
// A code's key in pixels; none for the codes without a cell.
std::optional<KeyRectangle> KeyRectangleOf(std::uint8_t code, int unit);

// The first code in table order whose cell holds the point; points left of or
// above the 4-pixel margin hit nothing.
std::optional<std::uint8_t> KeyAt(int x, int y, int unit);

// The glyph each key shows (the slot table's, or a keyboard layout's caption).
using KeyGlyphs = std::array<GlyphBits, SlotCodeCount>;
KeyGlyphs TableGlyphs();

// The whole picture on the window's White, keys filled with the button
// style's ramp over their height.
PictureType DrawKeyboardPicture(const KeyStates& states, const KeyGlyphs& glyphs, KeyboardGeometry geometry,
                                std::uint8_t themeButtons);

}  // namespace velmora
