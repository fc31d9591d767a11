#pragma once
// Numbers as the files and the windows write them.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

std::int32_t ParseDecimal(std::string_view text);  // -1 when not 0..16777215 in at most 8 digits
std::int32_t ParseHex(std::string_view text);      // -1 when not 1..6 digits 0-9, A-F
std::string FormatHex(std::uint32_t value, int digits);
std::string TwoDigits(int value);
std::string VersionString();

}  // namespace velmora
