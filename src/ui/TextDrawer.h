#pragma once
// The seam through which the picture draws text: natively a pixel font, in
// the window the system's font.

#include <memory>
#include <string_view>

#include "model/Configuration.h"

namespace velmora {

class PictureType;

struct ClipBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;  // Right and Bottom exclusive
};

class TextDrawer {
public:
    virtual ~TextDrawer() = default;
    // Text with its top-left corner at (x, y); pixels outside clip are dropped.
    virtual void DrawText(PictureType& picture, int x, int y, std::string_view text, ColourType colour,
                          ClipBox clip) = 0;
    virtual int TextWidth(std::string_view text) = 0;
};

// Capitals and digits of the 5 x 7 pixel font; small letters are shown as capitals.
std::unique_ptr<TextDrawer> MakePixelFontTextDrawer();

}  // namespace velmora
