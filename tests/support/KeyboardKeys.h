// Keys of the assignment window's keyboard picture, by their index in it.
// Shared, since the test command compiles several test files as one.

#pragma once

#include <cstdint>

namespace velmora::test::keys {

inline constexpr std::uint8_t A = 16, B = 17, C = 18, LeftShift = 100;

}  // namespace velmora::test::keys
