#pragma once
// The whole picture: the full redraw, the markers of the layout's control
// groups, the picture shown while no controller is present, and the static
// picture of a selected controller with its animations finished.

#include "ui/LayoutScene.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

// Top bar, area with the controller line, bottom strip. Control buttons are
// not part of it: callers erase and draw them.
void RedrawLayout(PictureType& picture, const LayoutScene& scene, TextDrawer& text);
void DrawLayoutSettingsMarkers(PictureType& picture, const LayoutScene& scene);
void EraseLayoutSettingsMarkers(PictureType& picture, const LayoutScene& scene);
// Phases 0, 1, 2, 3 show the glyph variants 19, 20, 19, 18.
void DrawNoControllerPicture(PictureType& picture, const LayoutScene& scene, int phase);
// The square of the whole picture that the phases change, and nothing else.
struct WaitingGlyphBox {
    int Left, Top, Size;
};
WaitingGlyphBox WaitingGlyphArea();
// That square without its glyph: the background and the grid's dots, the
// same for every phase as long as the scene's background stands.
PictureType WaitingSquare(const LayoutScene& scene);
// Draws the square of the waiting picture for a phase over that background:
// the picture drawn whole for another phase becomes the one drawn whole for this one.
void DrawWaitingGlyph(PictureType& picture, const PictureType& square, int phase);
// What the window shows once everything has been drawn and the animations ended.
void DrawMainPicture(PictureType& picture, const LayoutScene& scene, TextDrawer& text);

}  // namespace velmora
