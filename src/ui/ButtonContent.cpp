#include "ui/ButtonContent.h"

#include <algorithm>

#include "core/SlotCodes.h"
#include "ui/Ramps.h"
#include "ui/TextDrawer.h"

namespace velmora {
namespace {

struct GlyphPlace {
    int X, Y;
};

// One glyph sits in the middle of the 30-pixel square; two to four share it
// at half size, side by side and then in two rows.
constexpr std::array<std::array<GlyphPlace, 4>, 4> Places{{
    {{{5, 5}}},
    {{{4, 10}, {16, 10}}},
    {{{4, 4}, {16, 4}, {10, 16}}},
    {{{4, 4}, {16, 4}, {4, 16}, {16, 16}}},
}};

void PutWork(ButtonWork& work, int x, int y, ColourType colour) {
    if (x >= 0 && x < work.Width && y >= 0 && y < ControlButtonRows) work.Pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = colour;
}

// At half size a pixel is set when at least two of its four are: thin strokes survive, noise does not.
bool HalfPixel(const GlyphBits& glyph, int x, int y) {
    const int set = GlyphPixel(glyph, 2 * x, 2 * y) + GlyphPixel(glyph, 2 * x + 1, 2 * y) +
                    GlyphPixel(glyph, 2 * x, 2 * y + 1) + GlyphPixel(glyph, 2 * x + 1, 2 * y + 1);
    return set >= 2;
}

void DrawGlyph(ButtonWork& work, const GlyphBits& glyph, GlyphPlace at, bool half, ColourType colour, int offset) {
    const int size = half ? GlyphSize / 2 : GlyphSize;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (half ? HalfPixel(glyph, x, y) : GlyphPixel(glyph, x, y))
                PutWork(work, at.X + x + offset, at.Y + y + offset, colour);
}

}  // namespace

std::vector<std::uint8_t> CurrentStepCodes(const SlotType& slots) {
    if (slots.Cycles.empty()) return {};
    const std::size_t cycle = static_cast<std::size_t>(std::clamp<std::int32_t>(slots.CycleIndex, 0, static_cast<std::int32_t>(slots.Cycles.size()) - 1));
    const auto& steps = slots.Cycles[cycle].Steps;
    if (steps.empty()) return {};
    const std::size_t step = static_cast<std::size_t>(std::clamp<std::int32_t>(slots.StepIndex, 0, static_cast<std::int32_t>(steps.size()) - 1));
    std::vector<std::uint8_t> codes;
    for (std::int32_t i = steps[step].First; i <= steps[step].Last && codes.size() < 4; ++i)
        if (i >= 0 && i < slots.CodeCount()) codes.push_back(slots.Codes[static_cast<std::size_t>(i)]);
    return codes;
}

void DrawStepGlyphs(ButtonWork& work, const std::vector<std::uint8_t>& codes, ColourType ink, ColourType shadow) {
    if (codes.empty()) return;
    const auto& places = Places[codes.size() - 1];
    const bool half = codes.size() > 1;
    // Left and centre for a 30-wide button; wider buttons only carry names.
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const GlyphBits& glyph = SlotCodeTable[codes[i]].Glyph;
        DrawGlyph(work, glyph, places[i], half, shadow, 1);
        DrawGlyph(work, glyph, places[i], half, ink, 0);
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
