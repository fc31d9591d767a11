#include "ui/Picture.h"

#include <string>

#include "base/FileAccess.h"

namespace velmora {

PictureType::PictureType() : pixels_(std::size_t{PictureWidth} * PictureHeight * 3, 0) {
    MakeRows();
}

PictureType::PictureType(const PictureType& other) : pixels_(other.pixels_) {
    MakeRows();
}

PictureType& PictureType::operator=(const PictureType& other) {
    pixels_ = other.pixels_;
    MakeRows();
    return *this;
}

void PictureType::MakeRows() {
    for (std::size_t y = 0; y < rows_.size(); ++y) rows_[y] = pixels_.data() + y * PictureWidth * 3;
}

void PictureType::Put(int x, int y, ColourType colour) {
    if (x < 0 || y < 0 || x >= PictureWidth || y >= PictureHeight) return;
    std::uint8_t* pixel = rows_[static_cast<std::size_t>(y)] + x * 3;
    pixel[0] = colour.Blue;
    pixel[1] = colour.Green;
    pixel[2] = colour.Red;
}

ColourType PictureType::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= PictureWidth || y >= PictureHeight) return {};
    const std::uint8_t* pixel = rows_[static_cast<std::size_t>(y)] + x * 3;
    return {pixel[2], pixel[1], pixel[0]};
}

void PictureType::Fill(int x, int y, int width, int height, ColourType colour) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) Put(column, row, colour);
}

std::vector<std::uint8_t> PictureBitmap(const PictureType& picture) {
    std::string bytes;
    WriteBitmapHeader(bytes, PictureWidth, PictureHeight);
    const std::size_t stride = std::size_t{PictureWidth} * 3;  // 1560: a multiple of 4, no padding
    for (int y = PictureHeight - 1; y >= 0; --y) {
        const auto* row = picture.Bytes().data() + static_cast<std::size_t>(y) * stride;
        bytes.append(reinterpret_cast<const char*>(row), stride);
    }
    return {bytes.begin(), bytes.end()};
}

}  // namespace velmora
