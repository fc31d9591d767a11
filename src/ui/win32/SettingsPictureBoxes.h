#pragma once
// The settings windows' live pictures, painted straight onto the window:
// any picture size, its rows padded to whole words as device-independent
// bitmaps want them.

#include <cstdint>
#include <vector>

#include "base/win32/Windows.h"
#include "ui/Picture.h"

namespace velmora {

// The picture's pixels, rows top to bottom, each row
// padded to a multiple of four bytes.
std::vector<std::uint8_t> PaddedPictureRows(const PictureType& picture);

// Paints the picture with its top-left corner at (x, y) of the device context,
// enlarged with it when the drawing is scaled.
void PaintPicture(HDC dc, int x, int y, const PictureType& picture);

}  // namespace velmora
