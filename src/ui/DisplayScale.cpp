#include "ui/DisplayScale.h"

#include <cstdint>

namespace velmora {

int PictureScaleFor(int dpi) {
    return dpi < 2 * StandardDpi ? 1 : dpi / StandardDpi;
}

WindowSize ScaledClientSize(WindowSize picture, int factor) {
    return {picture.Width * factor, picture.Height * factor};
}

// The test comes before the division: -1 / 2 is 0 in C++, which would put a
// point left of the window on the picture's first column.
std::optional<PicturePoint> PicturePointAt(int clientX, int clientY, WindowSize picture, int factor) {
    if (factor < 1 || clientX < 0 || clientY < 0) return std::nullopt;
    const PicturePoint point{clientX / factor, clientY / factor};
    if (point.X >= picture.Width || point.Y >= picture.Height) return std::nullopt;
    return point;
}

// 64-bit products: a screen coordinate times a dpi stays far from overflow.
int ScaledLength(int length, int dpi) {
    const std::int64_t product = std::int64_t{length} * dpi;
    const std::int64_t half = StandardDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / StandardDpi : (product - half) / StandardDpi);
}

// A first guess by division, then moved onto the pixel whose scaled edges hold
// the coordinate: rounding of the edges puts some coordinates one pixel off
// the plain quotient (at 120 dpi coordinate 1 starts pixel 1, not 0).
int UnscaledCoordinate(int coordinate, int dpi) {
    if (dpi < 1) return coordinate;
    const std::int64_t product = std::int64_t{coordinate} * StandardDpi;
    int pixel = static_cast<int>(product >= 0 ? product / dpi : -((-product + dpi - 1) / dpi));
    while (ScaledLength(pixel + 1, dpi) <= coordinate) ++pixel;
    while (ScaledLength(pixel, dpi) > coordinate) --pixel;
    return pixel;
}

ControlPlace ScaledPlace(ControlPlace place, int dpi) {
    const int left = ScaledLength(place.Left, dpi), top = ScaledLength(place.Top, dpi);
    return {left, top, ScaledLength(place.Left + place.Width, dpi) - left,
            ScaledLength(place.Top + place.Height, dpi) - top};
}

}  // namespace velmora
