#include <gtest/gtest.h>

#include <string>

#include "model/Glyphs.h"
#include "support/SlotCode.h"

namespace velmora {
namespace {

using test::Code;

int PixelCount(const GlyphBits& glyph, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) count += GlyphPixel(glyph, x, y);
    return count;
}

const GlyphBits& GlyphOf(int code) {
    return SlotCodeTable[static_cast<std::size_t>(code)].Glyph;
}

TEST(Glyphs, EveryNamedCodeHasAGlyphAndNoneIsEmpty) {
    EXPECT_EQ(PixelCount(GlyphOf(NoneCode), 0, 0, GlyphSize, GlyphSize), 0);
    for (int code = 1; code < SlotCodeCount; ++code) {
        if (!SlotCodeTable[static_cast<std::size_t>(code)].Name.empty()) {
            EXPECT_GT(PixelCount(GlyphOf(code), 0, 0, GlyphSize, GlyphSize), 0) << "code " << code;
        }
    }
}

TEST(Glyphs, NoTwoNamedCodesLookAlike) {
    for (int a = 1; a < SlotCodeCount; ++a) {
        for (int b = a + 1; b < SlotCodeCount; ++b) {
            if (SlotCodeTable[static_cast<std::size_t>(b)].Name.empty()) continue;
            EXPECT_NE(GlyphOf(a), GlyphOf(b)) << SlotCodeTable[static_cast<std::size_t>(a)].Name << " and "
                                              << SlotCodeTable[static_cast<std::size_t>(b)].Name;
        }
    }
}

// The arrow's head carries most of its ink: it must sit on the side it points to.
TEST(Glyphs, ArrowKeysPointTheirWay) {
    constexpr int Half = GlyphSize / 2;
    const GlyphBits& up = GlyphOf(Code("Arrow Up"));
    const GlyphBits& right = GlyphOf(Code("Arrow Right"));
    const GlyphBits& down = GlyphOf(Code("Arrow Down"));
    const GlyphBits& left = GlyphOf(Code("Arrow Left"));
    EXPECT_GT(PixelCount(up, 0, 0, GlyphSize, Half), PixelCount(up, 0, Half, GlyphSize, GlyphSize));
    EXPECT_GT(PixelCount(right, Half, 0, GlyphSize, GlyphSize), PixelCount(right, 0, 0, Half, GlyphSize));
    EXPECT_GT(PixelCount(down, 0, Half, GlyphSize, GlyphSize), PixelCount(down, 0, 0, GlyphSize, Half));
    EXPECT_GT(PixelCount(left, 0, 0, Half, GlyphSize), PixelCount(left, Half, 0, GlyphSize, GlyphSize));
}

// A character missing from the font would silently draw as "?", and a line
// too wide would be cut off at the edge.
TEST(Glyphs, EveryLabelIsInTheFontAndFitsItsSquare) {
    for (const glyphs::KeyLabel& label : glyphs::KeyLabels) {
        std::string_view rest = label.Text;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            const std::string_view line = rest.substr(0, end);
            EXPECT_LE(pixelfont::TextWidth(pixelfont::SmallFont, line, 1), GlyphSize) << label.Text;
            EXPECT_TRUE(pixelfont::HasAll(pixelfont::SmallFont, line)) << label.Text;
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }
}

TEST(Glyphs, EveryKeyWithALongNameHasALabel) {
    for (int code = 0; code < SlotCodeCount; ++code) {
        const SlotCodeInfo& info = SlotCodeTable[static_cast<std::size_t>(code)];
        const bool symbol = (code >= 12 && code <= 15) || (code >= 115 && code <= 121);
        if (info.Kind != SlotKind::Key || info.Name.empty() || symbol) continue;
        EXPECT_FALSE(glyphs::LabelOf(static_cast<std::uint8_t>(code), info.Name).empty()) << info.Name;
    }
}

}  // namespace
}  // namespace velmora
