#pragma once
// Keys captioned for the user's keyboard layout. The picture is drawn for a US
// keyboard; where the user's layout puts another character on a key (a French
// keyboard has A where a US one has Q), the key shows that character. Only the
// caption changes: the slot code, and so what is emitted, stays the same.

#include <array>
#include <cstdint>
#include <string>

#include "app/settings/AssignmentKeyboard.h"

namespace velmora {

// The character each (not extended) scan code types without modifiers, as the
// system's layout functions give it; 0 where it types none.
using KeyboardLayoutTable = std::array<char32_t, 128>;

// The US English layout, which the slot table's captions show.
KeyboardLayoutTable UsKeyboardLayout();

// The caption of a key in the given layout, UTF-8, capitals for letters; empty
// where it is the US one (or the key types no character in either).
std::string LayoutKeyCaption(std::uint8_t code, const KeyboardLayoutTable& layout);

// The slot table's glyphs with the layout's captions drawn in where they
// differ. A caption the glyph font cannot draw keeps the US glyph: the key
// still works, and the window's hover caption names the key.
KeyGlyphs LayoutGlyphs(const KeyboardLayoutTable& layout);

}  // namespace velmora
