#pragma once
// How the program's pictures and windows follow the screen's scale. The
// main window's picture is shown enlarged by a whole factor only, each
// picture pixel a square of screen pixels, so that it stays sharp; the
// settings windows' places and fonts, laid out in pixels at the standard
// 96 dots per inch, grow in proportion.

#include <optional>

#include "ui/WindowPlacement.h"

namespace velmora {

inline constexpr int StandardDpi = 96;

// The largest whole factor f with f * 96 <= dpi; 1 for any smaller or
// unknown dpi (the picture is never shown smaller than its own pixels).
int PictureScaleFor(int dpi);

// The client area that shows a picture of this size at this factor.
WindowSize ScaledClientSize(WindowSize picture, int factor);

// A pixel of a picture, counted from its top-left corner.
struct PicturePoint {
    int X = 0;
    int Y = 0;
};

// The picture pixel under a point of the client area that shows the picture
// from its top-left corner at this factor; none for a point left of or above
// the client area, or in the margin right of or below the scaled picture.
std::optional<PicturePoint> PicturePointAt(int clientX, int clientY, WindowSize picture, int factor);

// A length laid out at 96 dpi, at this dpi: rounded to the nearest pixel,
// halves away from zero, as the system's MulDiv does.
int ScaledLength(int length, int dpi);

// The 96-dpi pixel that a coordinate at this dpi lies in: the inverse of
// ScaledLength on pixel edges, so that pixel p covers the coordinates from
// ScaledLength(p) up to ScaledLength(p + 1) - 1, where a control placed by
// its scaled edges lies too. Coordinates left of or above the origin (a
// captured pointer outside the window) stay negative. Unchanged for a dpi
// below 1.
int UnscaledCoordinate(int coordinate, int dpi);

// A control's place in a window's client area.
struct ControlPlace {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A place laid out at 96 dpi, at this dpi. Its edges are scaled, not its
// size, so that controls that meet at 96 dpi still meet, and a row of equal
// controls stays within the scaled row.
ControlPlace ScaledPlace(ControlPlace place, int dpi);

}  // namespace velmora
