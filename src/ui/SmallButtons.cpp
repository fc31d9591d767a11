#include "ui/SmallButtons.h"

#include "ui/ButtonGlyphs.h"
#include "ui/Ramps.h"
#include "ui/TextDrawer.h"

namespace velmora {
namespace {

constexpr int SmallButtonSize = 20;

ColourType Darkened(ColourType c) {
    return {static_cast<std::uint8_t>(c.Red / 2), static_cast<std::uint8_t>(c.Green / 2),
            static_cast<std::uint8_t>(c.Blue / 2)};
}

// The fill of every row: Silver, or the green ramp while pressed.
void FillButton(PictureType& picture, int x, int y, int w, int h, bool pressed) {
    const RampType ramp = pressed ? BuildRamp(h, palette::LightGreen, palette::DarkGreen, palette::Green)
                                  : RampType(static_cast<std::size_t>(h), palette::Silver);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            if (InsideRoundedButton(c, r, w, h)) picture.Put(x + c, y + r, ramp[static_cast<std::size_t>(r)]);
}

// White outermost pixels, then a shadow darkening the right and bottom edges.
void RaiseButton(PictureType& picture, int x, int y, int w, int h) {
    for (int r = 0; r < h; ++r) {
        const int inset = r == 0 || r == h - 1 ? 2 : r == 1 || r == h - 2 ? 1 : 0;
        for (int c = inset; c < w - inset; ++c)
            if (r == 0 || r == h - 1 || c == inset || c == w - 1 - inset)
                picture.Put(x + c, y + r, palette::White);
        picture.Put(x + w - 1 - inset, y + r, Darkened(picture.Get(x + w - 1 - inset, y + r)));
    }
    for (int c = 2; c < w - 3; ++c) picture.Put(x + c, y + h - 1, Darkened(picture.Get(x + c, y + h - 1)));
}

}  // namespace

bool InsideRoundedButton(int c, int r, int w, int h) {
    const int inset = r == 0 || r == h - 1 ? 2 : r == 1 || r == h - 2 ? 1 : 0;
    return c >= inset && c < w - inset;
}

void DrawButtonGlyph(PictureType& picture, int x, int y, int glyph) {
    const ButtonGlyph& rows = ButtonGlyphPicture(glyph);
    for (int r = 0; r < ButtonGlyphSize; ++r)
        for (int c = 0; c < ButtonGlyphSize; ++c) {
            const char ink = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (ink == '#') picture.Put(x + c, y + r, palette::Black);
            if (ink == '+') picture.Put(x + c, y + r, palette::Grey);
        }
}

void DrawSmallButton(PictureType& picture, int x, int y, int glyph, bool pressed) {
    FillButton(picture, x, y, SmallButtonSize, SmallButtonSize, pressed);
    if (!pressed) RaiseButton(picture, x, y, SmallButtonSize, SmallButtonSize);
    const int offset = pressed ? 3 : 2;
    DrawButtonGlyph(picture, x + offset, y + offset, glyph);
}

void DrawNameBox(PictureType& picture, TextDrawer& text, int x, int y, int width, std::string_view name,
                 bool pressed) {
    FillButton(picture, x, y, width, SmallButtonSize, pressed);
    const ClipBox clip{x + 2, y + 2, x + width - 2, y + SmallButtonSize - 2};
    text.DrawText(picture, x + 2, y + 3, name, palette::Black, clip);
}

}  // namespace velmora
