#include "ui/win32/SettingsPictureBoxes.h"

#include <algorithm>

namespace velmora {

std::vector<std::uint8_t> PaddedPictureRows(const PictureType& picture) {
    const auto rowBytes = static_cast<std::size_t>(picture.Width()) * 3;
    const std::size_t stride = (rowBytes + 3) / 4 * 4;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(picture.Height()));
    for (std::size_t y = 0; y < static_cast<std::size_t>(picture.Height()); ++y)
        std::copy_n(picture.Bytes().begin() + static_cast<std::ptrdiff_t>(y * rowBytes), rowBytes,
                    rows.begin() + static_cast<std::ptrdiff_t>(y * stride));
    return rows;
}

void PaintPicture(HDC dc, int x, int y, const PictureType& picture) {
    const std::vector<std::uint8_t> rows = PaddedPictureRows(picture);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // Stretched rather than copied, so that a scaled drawing (ScaleDialogDrawing) enlarges it too,
    // pixels repeated, not blended.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, picture.Width(), picture.Height(), 0, 0, picture.Width(), picture.Height(),
                  rows.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace velmora
