// The code of a slot named as the files write it ("A", "LeftMouseButton").
// Shared, since the test command compiles several test files as one.

#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "model/SlotCodes.h"

namespace velmora::test {

inline std::uint8_t Code(std::string_view name) {
    return *FindSlotCode(name);
}

inline std::vector<std::uint8_t> Codes(std::initializer_list<std::string_view> names) {
    std::vector<std::uint8_t> codes;
    for (const std::string_view name : names) codes.push_back(name == "Unknown" ? UnknownCode : Code(name));
    return codes;
}

}  // namespace velmora::test
