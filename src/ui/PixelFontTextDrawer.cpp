// The native text drawer: the glyphs' 5 x 7 pixel font, falling back to the
// 3 x 5 one for characters it lacks.

#include <cctype>
#include <string>

#include "model/PixelFont.h"
#include "ui/Picture.h"
#include "ui/TextDrawer.h"

namespace velmora {
namespace {

using pixelfont::FontChar;

const FontChar& CharFor(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (pixelfont::FindChar(pixelfont::LargeFont, upper) >= 0)
        return pixelfont::CharOrQuestion(pixelfont::LargeFont, upper);
    return pixelfont::CharOrQuestion(pixelfont::SmallFont, upper);
}

class PixelFontTextDrawer final : public TextDrawer {
public:
    void DrawText(PictureType& picture, int x, int y, std::string_view text, ColourType colour,
                  ClipBox clip) override {
        for (char c : text) {
            if (c != ' ') DrawChar(picture, CharFor(c), x, y + LineTop, colour, clip);
            x += Advance(c);
        }
    }
    int TextWidth(std::string_view text) override {
        int width = 0;
        for (char c : text) width += Advance(c);
        return text.empty() ? 0 : width - 1;
    }

private:
    // The 7-pixel capitals sit where a 13-pixel system font's capitals would.
    static constexpr int LineTop = 3;
    static int Advance(char c) { return c == ' ' ? 4 : static_cast<int>(CharFor(c).Rows[0].size()) + 1; }
    static void DrawChar(PictureType& picture, const FontChar& f, int x, int y, ColourType colour,
                         ClipBox clip) {
        for (std::size_t row = 0; row < f.Rows.size(); ++row)
            for (std::size_t column = 0; column < f.Rows[row].size(); ++column) {
                const int px = x + static_cast<int>(column), py = y + static_cast<int>(row);
                if (f.Rows[row][column] == '#' && px >= clip.Left && px < clip.Right && py >= clip.Top &&
                    py < clip.Bottom)
                    picture.Put(px, py, colour);
            }
    }
};

}  // namespace

std::unique_ptr<TextDrawer> MakePixelFontTextDrawer() {
    return std::make_unique<PixelFontTextDrawer>();
}

}  // namespace velmora
