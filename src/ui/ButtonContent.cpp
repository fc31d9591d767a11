#include "ui/ButtonContent.h"

#include <algorithm>
#include <utility>

#include "model/SlotCodes.h"
#include "ui/Ramps.h"
#include "ui/TextDrawer.h"

namespace velmora {
namespace {

struct GlyphPlace {
    int X, Y;
};

// Glyphs too wide to stand side by side share the square at half size: two
// side by side, three and four in two rows.
constexpr std::array<std::array<GlyphPlace, 4>, 4> Places{{
    {{{5, 5}}},
    {{{4, 10}, {16, 10}}},
    {{{4, 4}, {16, 4}, {10, 16}}},
    {{{4, 4}, {16, 4}, {4, 16}, {16, 16}}},
}};

void PutWork(ButtonWork& work, int x, int y, ColourType colour) {
    if (x >= 0 && x < work.Width && y >= 0 && y < ControlButtonRows)
        work.Pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = colour;
}

// At half size a pixel is set when any of its four is: the fonts' one-pixel strokes survive.
bool HalfPixel(const GlyphBits& glyph, int x, int y) {
    return GlyphPixel(glyph, 2 * x, 2 * y) || GlyphPixel(glyph, 2 * x + 1, 2 * y) ||
           GlyphPixel(glyph, 2 * x, 2 * y + 1) || GlyphPixel(glyph, 2 * x + 1, 2 * y + 1);
}

void DrawGlyph(ButtonWork& work, const GlyphBits& glyph, GlyphPlace at, bool half, ColourType colour,
               int offset) {
    const int size = half ? GlyphSize / 2 : GlyphSize;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (half ? HalfPixel(glyph, x, y) : GlyphPixel(glyph, x, y))
                PutWork(work, at.X + x + offset, at.Y + y + offset, colour);
}

// The columns a glyph inks, first and one past the last; an empty glyph inks none.
std::pair<int, int> InkColumns(const GlyphBits& glyph) {
    int first = GlyphSize, last = 0;
    for (int x = 0; x < GlyphSize; ++x)
        for (int y = 0; y < GlyphSize; ++y)
            if (GlyphPixel(glyph, x, y)) {
                first = std::min(first, x);
                last = x + 1;
            }
    return {first, std::max(first, last)};
}

// One glyph in the middle; several at full size side by side when their inked
// columns fit, so that "CTRL" and "C" stay readable.
bool DrawSideBySide(ButtonWork& work, const std::vector<std::uint8_t>& codes, ColourType ink,
                    ColourType shadow) {
    if (codes.size() == 1) {
        const GlyphBits& glyph = SlotCodeTable[codes[0]].Glyph;
        DrawGlyph(work, glyph, {5, 5}, false, shadow, 1);
        DrawGlyph(work, glyph, {5, 5}, false, ink, 0);
        return true;
    }
    int total = 0;
    for (std::uint8_t code : codes) {
        const auto [first, end] = InkColumns(SlotCodeTable[code].Glyph);
        total += end - first + 2;
    }
    if (total - 2 > 24) return false;
    int x = (ControlButtonSquare - (total - 2)) / 2;
    for (std::uint8_t code : codes) {
        const GlyphBits& glyph = SlotCodeTable[code].Glyph;
        const auto [first, end] = InkColumns(glyph);
        DrawGlyph(work, glyph, {x - first, 5}, false, shadow, 1);
        DrawGlyph(work, glyph, {x - first, 5}, false, ink, 0);
        x += end - first + 2;
    }
    return true;
}

// The rows a glyph inks, first and one past the last.
std::pair<int, int> InkRows(const GlyphBits& glyph) {
    int first = GlyphSize, last = 0;
    for (int y = 0; y < GlyphSize; ++y)
        for (int x = 0; x < GlyphSize; ++x)
            if (GlyphPixel(glyph, x, y)) {
                first = std::min(first, y);
                last = y + 1;
            }
    return {first, std::max(first, last)};
}

// Two wide glyphs, such as a modifier and a key, one above the other at full
// size when their inked rows fit between the outline's rows (the marks of
// turbo and toggle may cover their edges).
bool DrawStacked(ButtonWork& work, const std::vector<std::uint8_t>& codes, ColourType ink,
                 ColourType shadow) {
    if (codes.size() != 2) return false;
    const auto [top0, end0] = InkRows(SlotCodeTable[codes[0]].Glyph);
    const auto [top1, end1] = InkRows(SlotCodeTable[codes[1]].Glyph);
    const int height = (end0 - top0) + 1 + (end1 - top1);
    if (height > 28) return false;
    const int y0 = 1 + (28 - height) / 2, y1 = y0 + (end0 - top0) + 1;
    for (const auto& [code, at] :
         {std::pair{codes[0], GlyphPlace{5, y0 - top0}}, std::pair{codes[1], GlyphPlace{5, y1 - top1}}}) {
        DrawGlyph(work, SlotCodeTable[code].Glyph, at, false, shadow, 1);
        DrawGlyph(work, SlotCodeTable[code].Glyph, at, false, ink, 0);
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> CurrentStepCodes(const SlotType& slots) {
    if (slots.Cycles.empty()) return {};
    const std::size_t cycle = static_cast<std::size_t>(
        std::clamp<std::int32_t>(slots.CycleIndex, 0, static_cast<std::int32_t>(slots.Cycles.size()) - 1));
    const auto& steps = slots.Cycles[cycle].Steps;
    if (steps.empty()) return {};
    const std::size_t step = static_cast<std::size_t>(
        std::clamp<std::int32_t>(slots.StepIndex, 0, static_cast<std::int32_t>(steps.size()) - 1));
    std::vector<std::uint8_t> codes;
    for (std::int32_t i = steps[step].First; i <= steps[step].Last && codes.size() < 4; ++i)
        if (i >= 0 && i < slots.CodeCount()) codes.push_back(slots.Codes[static_cast<std::size_t>(i)]);
    return codes;
}

void DrawStepGlyphs(ButtonWork& work, const std::vector<std::uint8_t>& codes, ColourType ink,
                    ColourType shadow) {
    if (codes.empty()) return;
    if (DrawSideBySide(work, codes, ink, shadow) || DrawStacked(work, codes, ink, shadow)) return;
    const auto& places = Places[codes.size() - 1];
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const GlyphBits& glyph = SlotCodeTable[codes[i]].Glyph;
        DrawGlyph(work, glyph, places[i], true, ink, 0);  // no shadow: at half size it blurs the strokes
    }
}

NamePicture DrawNamePicture(TextDrawer& text, std::string_view name) {
    static PictureType scratch;  // text is drawn once into a small off-screen picture
    scratch.Fill(0, 0, 80, 20, palette::White);
    text.DrawText(scratch, 0, 3, name, palette::Black, ClipBox{0, 0, 80, 20});
    NamePicture picture;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const ColourType c = scratch.Get(x, y);
            const auto grey = static_cast<std::uint8_t>(std::min({c.Red, c.Green, c.Blue}));
            picture.Grey[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = grey;
            if (grey != 255) picture.Width = std::max(picture.Width, x + 1);
        }
    return picture;
}

void DrawNameInButton(ButtonWork& work, const NamePicture& name, int left) {
    for (int y = 0; y < 20; ++y) {
        const ColourType fill = work.Pixels[static_cast<std::size_t>(y + 5)][static_cast<std::size_t>(left)];
        const RampType ramp = BuildLinearRamp(256, fill, palette::Black);
        for (int x = 0; x < name.Width; ++x) {
            const int darkness = 255 - name.Grey[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (darkness > 0) PutWork(work, left + x, y + 5, ramp[static_cast<std::size_t>(darkness)]);
        }
    }
}

}  // namespace velmora
