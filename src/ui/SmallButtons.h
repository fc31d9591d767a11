#pragma once
// The 20 x 20 buttons of the bars and lines, and the flat name boxes.

#include <string_view>

#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

// A raised Silver button with its glyph, or pressed: a green ramp, glyph one pixel further in.
void DrawSmallButton(PictureType& picture, int x, int y, int glyph, bool pressed);
// A flat box of the given width with black text, clipped to the box inset by 2.
void DrawNameBox(PictureType& picture, TextDrawer& text, int x, int y, int width, std::string_view name,
                 bool pressed);
// Whether column c of a w-wide, h-high small button's row r is inside its rounded corners.
bool InsideRoundedButton(int c, int r, int w, int h);
void DrawButtonGlyph(PictureType& picture, int x, int y, int glyph);

}  // namespace velmora
