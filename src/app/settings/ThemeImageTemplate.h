#pragma once
// The template a user starts a theme image from: a 520 x 360 picture in one
// colour with one-pixel guide lines around the areas a theme image supplies
// to the main picture, each labelled with an arrow and its number.

#include "ui/Picture.h"

namespace velmora {

// The colour of the empty picture and of the guide lines.
inline constexpr ColourType TemplateFill = palette::Silver;
inline constexpr ColourType TemplateGuide = palette::Red;
inline constexpr ColourType TemplateLayoutGuide = palette::Blue;
inline constexpr ColourType TemplateLabel = palette::Black;

// One area a theme image supplies, as the main picture uses it.
struct TemplateArea {
    int Left, Top, Width, Height;
    int Number;  // its label
};
// 1 top bar, 2 tab and separator rows, 3 the area around the layout,
// 4 the layout picture's background, 5 the bottom strip.
extern const std::array<TemplateArea, 5> TemplateAreas;

PictureType ThemeImageTemplate();

}  // namespace velmora
