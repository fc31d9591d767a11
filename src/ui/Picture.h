#pragma once
// The main window's picture: 520 x 360 pixels, blue, green, red, rows top to
// bottom, written through a table of row starts made once.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Configuration.h"

namespace velmora {

inline constexpr int PictureWidth = 520;
inline constexpr int PictureHeight = 360;
// Where the 512 x 256 layout picture sits in the main picture.
inline constexpr int LayoutLeft = 4;
inline constexpr int LayoutTop = 77;

namespace palette {
inline constexpr ColourType Black{0, 0, 0};
inline constexpr ColourType White{255, 255, 255};
inline constexpr ColourType NearWhite{254, 254, 254};
inline constexpr ColourType Silver{192, 192, 192};
inline constexpr ColourType Grey{128, 128, 128};
inline constexpr ColourType LightRed{255, 128, 128};
inline constexpr ColourType Red{255, 0, 0};
inline constexpr ColourType DarkRed{128, 0, 0};
inline constexpr ColourType LightBlue{128, 128, 255};
inline constexpr ColourType Blue{0, 0, 255};
inline constexpr ColourType Navy{0, 0, 128};
inline constexpr ColourType LightGreen{128, 255, 128};
inline constexpr ColourType Green{0, 255, 0};
inline constexpr ColourType DarkGreen{0, 128, 0};
inline constexpr ColourType LightYellow{255, 255, 128};
inline constexpr ColourType Yellow{255, 255, 0};
inline constexpr ColourType Olive{128, 128, 0};
inline constexpr ColourType LightCyan{128, 255, 255};
inline constexpr ColourType Cyan{0, 255, 255};
inline constexpr ColourType Teal{0, 128, 128};
inline constexpr ColourType Magenta{255, 0, 255};
}  // namespace palette

// The main window's picture by default; the settings windows draw pictures of
// other sizes (a width that makes rows of a multiple of four bytes keeps
// their bitmaps without padding).
class PictureType {
public:
    PictureType();
    PictureType(int width, int height);
    PictureType(const PictureType& other);
    PictureType& operator=(const PictureType& other);

    // Writes outside the picture are dropped, reads outside give Black.
    void Put(int x, int y, ColourType colour);
    ColourType Get(int x, int y) const;
    void Fill(int x, int y, int width, int height, ColourType colour);
    // Another picture copied in whole, its top-left corner at x, y; what falls outside is dropped.
    void Paste(const PictureType& part, int x, int y);
    const std::vector<std::uint8_t>& Bytes() const { return pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void MakeRows();
    int width_ = PictureWidth;
    int height_ = PictureHeight;
    std::vector<std::uint8_t> pixels_;
    std::vector<std::uint8_t*> rows_;
};

// A 24-bit BMP file of the picture, rows bottom-up.
std::vector<std::uint8_t> PictureBitmap(const PictureType& picture);

}  // namespace velmora
