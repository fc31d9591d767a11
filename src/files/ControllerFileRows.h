#pragma once
// Run-length encoding of one picture row of a controller file. A row is
// written as a marker M (the smallest number missing from the row) followed
// by its pixels, where runs longer than three are written as M, value, length.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int RowPixels = 512;

// The items of one row: the marker first, then single pixels and runs.
std::vector<std::uint32_t> EncodeRow(std::span<const std::uint32_t> row);

// The 512 pixels of a row from its items. Fewer than two items give an empty
// row; a run that would not fit is dropped; pixels not produced are magenta.
std::vector<std::uint32_t> DecodeRow(std::span<const std::int32_t> items);

// The items in upper-case hexadecimal, as few digits as needed, joined by ",".
std::string FormatRowItems(std::span<const std::uint32_t> items);

}  // namespace velmora
