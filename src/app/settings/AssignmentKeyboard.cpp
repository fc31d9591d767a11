#include "app/settings/AssignmentKeyboard.h"

#include <algorithm>

#include "ui/Ramps.h"

namespace velmora {
namespace {

// Keys are drawn one pixel short on the right and at the bottom, so that
// neighbouring keys of the same colour stay apart.
constexpr int KeyGap = 1;

void MarkCodes(KeyStates& states, const std::vector<std::uint8_t>& codes, std::size_t first, std::size_t last,
               KeyState state) {
    for (std::size_t i = first; i <= last && i < codes.size(); ++i) states[codes[i]] = state;
}

// Whether a scaled glyph's pixel is set: any source pixel under it counts, so
// that one-pixel strokes survive the smaller keys.
bool ScaledPixel(const GlyphBits& glyph, int x, int y, int size) {
    const int x0 = x * GlyphSize / size, x1 = ((x + 1) * GlyphSize + size - 1) / size;
    const int y0 = y * GlyphSize / size, y1 = ((y + 1) * GlyphSize + size - 1) / size;
    for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx)
            if (GlyphPixel(glyph, sx, sy)) return true;
    return false;
}

void DrawKeyGlyph(PictureType& picture, const GlyphBits& glyph, KeyRectangle key, int size,
                  KeyColours colours) {
    const int left = key.Left + (key.Width - KeyGap - size) / 2;
    const int top = key.Top + (key.Height - KeyGap - size) / 2;
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;  // the shadow one pixel right and down, then the caption
        const ColourType colour = pass == 0 ? colours.Shadow : colours.Caption;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (ScaledPixel(glyph, x, y, size)) picture.Put(left + x + offset, top + y + offset, colour);
    }
}

// The fill ramp inside a Grey outline whose corner pixels are left out.
void DrawKeyBody(PictureType& picture, KeyRectangle key, ColourType base, std::uint8_t themeButtons) {
    const int width = key.Width - KeyGap, height = key.Height - KeyGap;
    const RampType ramp = BuildButtonRamp(height, base, themeButtons);
    for (int y = 0; y < height; ++y) {
        const bool edgeRow = y == 0 || y == height - 1;
        for (int x = 0; x < width; ++x) {
            const bool edgeColumn = x == 0 || x == width - 1;
            if (edgeRow && edgeColumn) continue;
            const ColourType colour =
                edgeRow || edgeColumn ? palette::Grey : ramp[static_cast<std::size_t>(y)];
            picture.Put(key.Left + x, key.Top + y, colour);
        }
    }
}

}  // namespace

KeyColours KeyColoursOf(KeyState state) {
    switch (state) {
        case KeyState::CurrentCycle:
            return {palette::Yellow, palette::Black, palette::Grey};
        case KeyState::OtherControl:
            return {palette::Blue, palette::White, palette::Grey};
        case KeyState::OtherCycle:
            return {palette::Cyan, palette::Black, palette::Grey};
        case KeyState::Unused:
            break;
    }
    return {palette::White, palette::Black, palette::Silver};
}

KeyStates ComputeKeyStates(const SetType& set, int control) {
    KeyStates states;
    states.fill(KeyState::Unused);
    for (int other = 0; other < ControlCount; ++other) {
        if (other == control) continue;
        const std::vector<std::uint8_t>& codes = set.Assignments[static_cast<std::size_t>(other)].Slots.Codes;
        MarkCodes(states, codes, 0, codes.size(), KeyState::OtherControl);
    }
    const SlotType& slots = set.Assignments[static_cast<std::size_t>(control)].Slots;
    const auto current = static_cast<std::size_t>(std::max(slots.CycleIndex, 0));
    // Other cycles first, so that a key used in the current cycle too shows Yellow.
    for (std::size_t c = 0; c < slots.Cycles.size(); ++c) {
        if (c == current) continue;
        for (const SlotRange& step : slots.Cycles[c].Steps)
            MarkCodes(states, slots.Codes, static_cast<std::size_t>(step.First),
                      static_cast<std::size_t>(step.Last), KeyState::OtherCycle);
    }
    if (current < slots.Cycles.size())
        for (const SlotRange& step : slots.Cycles[current].Steps)
            MarkCodes(states, slots.Codes, static_cast<std::size_t>(step.First),
                      static_cast<std::size_t>(step.Last), KeyState::CurrentCycle);
    return states;
}

KeyboardGeometry KeyboardGeometryFor(int desktopWidth) {
    if (desktopWidth >= 800) return {};
    // The same picture for 20-pixel keys: 716 x 200 scaled by 20 / 24.
    return {10, 596, 166};
}

std::optional<KeyRectangle> KeyRectangleOf(std::uint8_t code, int unit) {
    const SlotCodeInfo& info = SlotCodeTable[code];
    if (info.PictureWidth == 0 || info.PictureHeight == 0) return std::nullopt;
    return KeyRectangle{KeyboardMargin + info.PictureX * unit, KeyboardMargin + info.PictureY * unit,
                        info.PictureWidth * unit, info.PictureHeight * unit};
}

std::optional<std::uint8_t> KeyAt(int x, int y, int unit) {
    if (x < KeyboardMargin || y < KeyboardMargin) return std::nullopt;
    const int column = (x - KeyboardMargin) / unit, row = (y - KeyboardMargin) / unit;
    for (int code = 0; code < SlotCodeCount; ++code) {
        const SlotCodeInfo& info = SlotCodeTable[static_cast<std::size_t>(code)];
        if (info.PictureWidth == 0 || info.PictureHeight == 0) continue;
        if (column >= info.PictureX && column < info.PictureX + info.PictureWidth && row >= info.PictureY &&
            row < info.PictureY + info.PictureHeight)
            return static_cast<std::uint8_t>(code);
    }
    return std::nullopt;
}

KeyGlyphs TableGlyphs() {
    KeyGlyphs glyphs{};
    for (std::size_t code = 0; code < glyphs.size(); ++code) glyphs[code] = SlotCodeTable[code].Glyph;
    return glyphs;
}

PictureType DrawKeyboardPicture(const KeyStates& states, const KeyGlyphs& glyphs, KeyboardGeometry geometry,
                                std::uint8_t themeButtons) {
    PictureType picture(geometry.Width, geometry.Height);
    picture.Fill(0, 0, geometry.Width, geometry.Height, palette::White);
    // The glyph keeps two pixels of the key's fill around it: full size on 24-pixel keys.
    const int glyphSize = std::min(GlyphSize, 2 * geometry.Unit - 4);
    for (int code = 0; code < SlotCodeCount; ++code) {
        const auto key = KeyRectangleOf(static_cast<std::uint8_t>(code), geometry.Unit);
        if (!key) continue;
        const KeyColours colours = KeyColoursOf(states[static_cast<std::size_t>(code)]);
        DrawKeyBody(picture, *key, colours.Fill, themeButtons);
        DrawKeyGlyph(picture, glyphs[static_cast<std::size_t>(code)], *key, glyphSize, colours);
    }
    return picture;
}

}  // namespace velmora
