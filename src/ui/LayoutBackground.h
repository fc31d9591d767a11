#pragma once
// The parts of the picture behind the control buttons: the top bar with its
// tabs and separator, the area with the layout picture and the controller
// line, and the bottom strip.

#include "ui/LayoutScene.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

// The four shapes of the eight set buttons, in turn.
inline constexpr int SetGlyphCount = 4;

void DrawTopBar(PictureType& picture, const LayoutScene& scene);
void DrawArea(PictureType& picture, const LayoutScene& scene, TextDrawer& text);
void DrawPictureBackground(PictureType& picture, const LayoutScene& scene);
void DrawBottomStrip(PictureType& picture, const LayoutScene& scene);
// What the layout picture shows at its pixel (x, y) without buttons.
ColourType LayoutBackgroundPixel(const LayoutScene& scene, int x, int y);
// A pixel of the theme image.
ColourType ThemePixel(const LayoutScene& scene, int x, int y);

}  // namespace velmora
