#include "app/settings/ThemeImageTemplate.h"

#include <string>

#include "ui/TextDrawer.h"

namespace velmora {

// The rows the main picture takes from a theme image: the top bar (0..44),
// the rows its tabs and separator copy (45..51), everything around the
// layout picture (48..333), the layout picture (4, 77, 512 x 256) and the
// bottom strip (334..359).
const std::array<TemplateArea, 5> TemplateAreas{{
    {0, 0, PictureWidth, 45, 1},
    {0, 45, PictureWidth, 7, 2},
    {0, 52, PictureWidth, 282, 3},
    {LayoutLeft, LayoutTop, 512, 256, 4},
    {0, 334, PictureWidth, 26, 5},
}};

namespace {

void Outline(PictureType& picture, const TemplateArea& area, ColourType colour) {
    const int right = area.Left + area.Width - 1;
    const int bottom = area.Top + area.Height - 1;
    picture.Fill(area.Left, area.Top, area.Width, 1, colour);
    picture.Fill(area.Left, bottom, area.Width, 1, colour);
    picture.Fill(area.Left, area.Top, 1, area.Height, colour);
    picture.Fill(right, area.Top, 1, area.Height, colour);
}

// A small arrow pointing left at the area's left edge, then its number.
void Label(PictureType& picture, TextDrawer& text, const TemplateArea& area) {
    const int x = area.Left + 6;
    const int y = area.Top + (area.Height >= 24 ? 8 : 1);
    for (int i = 0; i < 4; ++i) picture.Fill(x + i, y + 3 - i, 1, 2 * i + 1, TemplateLabel);
    text.DrawText(picture, x + 7, y, std::to_string(area.Number), TemplateLabel,
                  {0, 0, PictureWidth, PictureHeight});
}

}  // namespace

PictureType ThemeImageTemplate() {
    PictureType picture;
    picture.Fill(0, 0, PictureWidth, PictureHeight, TemplateFill);
    std::unique_ptr<TextDrawer> text = MakePixelFontTextDrawer();
    for (const TemplateArea& area : TemplateAreas) {
        Outline(picture, area, area.Number == 4 ? TemplateLayoutGuide : TemplateGuide);
        Label(picture, *text, area);
    }
    return picture;
}

}  // namespace velmora
