#pragma once
// The controller layout: which device datum each control reads, where each
// control is drawn on the 512 x 256 layout picture, the controls' names and
// the picture itself. One layout is loaded per controller identity.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Profile.h"

namespace velmora {

// Word tables used to build file keys and captions.
inline constexpr std::array<std::string_view, 4> DirectionWords{"Up", "Right", "Down", "Left"};
inline constexpr std::array<std::string_view, 2> TriggerSideWords{"Left", "Right"};
inline constexpr std::array<std::string_view, 8> AxisNames{"Axis X",  "Axis Y",  "Axis Z",   "Axis RX",
                                                           "Axis RY", "Axis RZ", "Slider 1", "Slider 2"};
inline constexpr std::array<std::string_view, 8> ShortAxisNames{"X",  "Y",  "Z",       "RX",
                                                                "RY", "RZ", "Slider1", "Slider2"};
inline constexpr std::uint8_t AxisCount = 8;
inline constexpr std::uint8_t NoAxis = 8;  // the access is not set

// The axis index of an exact axis name ("Axis RY"), or -1.
int FindAxisName(std::string_view name);

// The identity of a controller: the product name its device reports and the
// USB vendor (high 16 bits) and product (low 16 bits) numbers.
struct ControllerIDType {
    std::string DeviceName;  // at most 259 characters
    std::uint32_t VendorProduct = 0;

    // The name comparison is exact: two models differing only in case are two models.
    friend bool operator==(const ControllerIDType&, const ControllerIDType&) = default;
};

// A stick axis or a trigger.
struct AxisAccess {
    std::uint8_t Axis = NoAxis;  // 0..7 or NoAxis
    std::uint8_t Inverted = 0;   // stick: reversed; trigger: lower half, or whole axis reversed
    std::uint8_t FullRange = 0;  // trigger only: the whole axis is the travel

    friend bool operator==(const AxisAccess&, const AxisAccess&) = default;
};

enum class DPadKind : std::uint8_t { None = 0, Axis = 1, Button = 2, POV = 3 };

// One DPad direction. A POV direction always reads the first POV hat.
struct DPadDirectionAccess {
    DPadKind Kind = DPadKind::None;
    std::uint8_t Axis = 0;    // 0..7, for DPadKind::Axis
    std::uint8_t Button = 0;  // 0..31, for DPadKind::Button

    friend bool operator==(const DPadDirectionAccess&, const DPadDirectionAccess&) = default;
};

// The top-left corner of a control's 30 x 30 square; (0, 0) is not placed.
struct Location {
    std::int32_t Top = 0;
    std::int32_t Left = 0;

    friend bool operator==(const Location&, const Location&) = default;
};

inline constexpr int ControlSquareSize = 30;
inline constexpr std::int32_t MaximumTop = 225;   // the square ends at row 254
inline constexpr std::int32_t MaximumLeft = 481;  // the square ends at column 510

// The 16 x 16 settings icon of a control group.
struct IndicatorBox {
    std::uint8_t Present = 0;
    std::uint16_t Top = 0;
    std::uint16_t Left = 0;
    std::uint16_t Height = 16;
    std::uint16_t Width = 16;
};

enum IndicatorIndex : int { DPadIndicator = 0, Stick1Indicator, Stick2Indicator, TriggersIndicator };

inline constexpr int ImageWidth = 512;
inline constexpr int ImageHeight = 256;
inline constexpr std::size_t ImageBytes = std::size_t{ImageWidth} * ImageHeight * 3;
inline constexpr int ThumbnailMaxWidth = 64;
inline constexpr int ThumbnailMaxHeight = 32;
// Blue FF, green 00, red FF: the transparent background of layout pictures,
// as the number blue * 65536 + green * 256 + red.
inline constexpr std::uint32_t Magenta = 0xFF00FF;

// A picture of the given number of pixels, all magenta.
std::vector<std::uint8_t> MagentaPixels(std::size_t pixels);

struct ControllerFileType {
    std::string Name;      // file title; empty when never saved or opened
    std::string FileName;  // full path; empty for an unsaved layout
    std::uint8_t Changed = 0;
    ControllerIDType Identity;
    std::array<std::array<AxisAccess, 2>, 2> StickAccess{};  // [stick][0 X, 1 Y]
    std::array<AxisAccess, 2> TriggerAccess{};               // Left, Right
    std::array<DPadDirectionAccess, 4> DPadAccess{};         // Up, Right, Down, Left
    std::array<Location, ControlCount> Locations{};
    std::array<std::string, 32> ButtonNames;
    std::string DPadName;
    std::array<std::string, 4> DPadDirectionNames;
    std::array<std::string, 2> StickNames;
    std::array<std::string, 4> StickDirectionNames;  // shared by both sticks
    std::array<std::string, 2> TriggerNames;
    // 256 rows of 512 pixels, top row first; each pixel blue, green, red.
    std::vector<std::uint8_t> Image = MagentaPixels(std::size_t{ImageWidth} * ImageHeight);
    // Changes with every change of Image, each time to a number that no
    // picture had before, so a layout read from a file and put in place of
    // another is told apart too. What is drawn from the picture (the tabs'
    // thumbnails) is drawn again when it moves. 0: the blank new picture.
    std::uint64_t PictureVersion = 0;
    // A reduced copy of the picture at the current tab size; derived, never stored.
    std::vector<std::uint8_t> Thumbnail;
    int ThumbnailWidth = 0;
    int ThumbnailHeight = 0;
    std::array<IndicatorBox, 4> Indicators{};  // derived, never stored
};

// The byte offset of a pixel in Image.
inline std::size_t PixelOffset(int row, int column) {
    return (static_cast<std::size_t>(row) * ImageWidth + static_cast<std::size_t>(column)) * 3;
}
// A pixel as blue * 65536 + green * 256 + red, and back.
std::uint32_t PixelValue(const ControllerFileType& layout, int row, int column);
void SetPixel(ControllerFileType& layout, int row, int column, std::uint32_t value);
// Gives the layout a new PictureVersion. SetPixel and ResetLayout do it; code
// that writes Image otherwise calls it after.
void PictureChanged(ControllerFileType& layout);
// A whole row of the picture, left to right, ImageWidth values as PixelValue
// gives them; true when every one is Magenta.
bool CopyPixelRow(const ControllerFileType& layout, int row, std::span<std::uint32_t> pixels);
// Sets a whole row of the picture from the first ImageWidth values.
void SetPixelRow(ControllerFileType& layout, int row, std::span<const std::uint32_t> pixels);

// A group is placed when its first direction (or the left trigger) has Left != 0.
bool DPadPlaced(const ControllerFileType& layout);
bool Stick1Placed(const ControllerFileType& layout);
bool Stick2Placed(const ControllerFileType& layout);
bool TriggersPlaced(const ControllerFileType& layout);
bool TriggerRightPlaced(const ControllerFileType& layout);
// Which controls the layout places: a control counts as placed when its Left is not 0.
std::array<bool, ControlCount> PlacedControls(const ControllerFileType& layout);

// Makes the layout blank: magenta picture, no name or file, nothing placed,
// no names, no accesses. The identity stays.
void ResetLayout(ControllerFileType& layout);

// Recomputes the four diagonal locations from g on from the four direction
// locations from d on: called with (36, 46), (40, 50) and (32, 54).
void FollowDiagonals(ControllerFileType& layout, int d, int g);

// Recomputes the four indicator boxes.
void UpdateIndicators(ControllerFileType& layout);

// After reading locations: clamps placed squares into the picture, removes
// incomplete groups and recomputes the diagonals.
void NormaliseLocations(ControllerFileType& layout);

}  // namespace velmora
