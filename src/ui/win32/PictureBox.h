#pragma once
// A child window that shows a picture buffer and hands its mouse to its
// parent. Forms use it where a picture lies over another control (a page of a
// tab control): painting the form itself would be hidden under that control.

#include "base/win32/Windows.h"
#include "ui/Picture.h"

namespace velmora {

// A picture box at a place of the parent (in 96-dpi pixels, scaled to the
// form's dpi with the picture); it shows *picture (kept by the caller for the
// box's life) from its top-left corner, White where the picture is smaller or
// empty. Its mouse messages reach the parent in the parent's client pixels.
HWND CreatePictureBox(HWND parent, RECT place, const PictureType* picture);

// Draws the picture anew after the caller changed it.
void RedrawPictureBox(HWND box);

// Draws a picture at a point of a device context, enlarged with it when the
// drawing is scaled.
void DrawPictureAt(HDC dc, const PictureType& picture, POINT at);

}  // namespace velmora
