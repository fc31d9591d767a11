#include "ui/Picture.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/FileAccess.h"

namespace velmora {

PictureType::PictureType() : PictureType(PictureWidth, PictureHeight) {}

PictureType::PictureType(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height * 3, 0) {
    MakeRows();
}

PictureType::PictureType(const PictureType& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_) {
    MakeRows();
}

PictureType& PictureType::operator=(const PictureType& other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    MakeRows();
    return *this;
}

void PictureType::MakeRows() {
    rows_.resize(static_cast<std::size_t>(height_));
    for (std::size_t y = 0; y < rows_.size(); ++y) rows_[y] = pixels_.data() + y * width_ * 3;
}

void PictureType::Put(int x, int y, ColourType colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    std::uint8_t* pixel = rows_[static_cast<std::size_t>(y)] + x * 3;
    pixel[0] = colour.Blue;
    pixel[1] = colour.Green;
    pixel[2] = colour.Red;
}

ColourType PictureType::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    const std::uint8_t* pixel = rows_[static_cast<std::size_t>(y)] + x * 3;
    return {pixel[2], pixel[1], pixel[0]};
}

void PictureType::Fill(int x, int y, int width, int height, ColourType colour) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) Put(column, row, colour);
}

void PictureType::Paste(const PictureType& part, int x, int y) {
    const int left = std::max(x, 0), right = std::min(x + part.width_, width_);
    if (left >= right) return;
    for (int row = std::max(y, 0); row < std::min(y + part.height_, height_); ++row)
        std::memcpy(rows_[static_cast<std::size_t>(row)] + left * 3,
                    part.rows_[static_cast<std::size_t>(row - y)] + (left - x) * 3,
                    static_cast<std::size_t>(right - left) * 3);
}

std::vector<std::uint8_t> PictureBitmap(const PictureType& picture) {
    std::string bytes;
    const int width = picture.Width();
    WriteBitmapHeader(bytes, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(picture.Height()));
    const std::size_t stride = static_cast<std::size_t>(width) * 3;  // 1560 for the main picture: no padding
    for (int y = picture.Height() - 1; y >= 0; --y) {
        const auto* row = picture.Bytes().data() + static_cast<std::size_t>(y) * stride;
        bytes.append(reinterpret_cast<const char*>(row), stride);
    }
    return {bytes.begin(), bytes.end()};
}

}  // namespace velmora
