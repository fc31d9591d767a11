#pragma once
// The mouse window's test picture, 130 x 130: where the emulated pointer has
// been over the last refreshes, so that speed and mode can be tried out
// without watching the real cursor. In Look/Camera and Cursor modes the
// field wraps around like a torus (a camera turns on and on); in Spring mode
// the field is the whole screen shrunk, with its centre marked, because a
// spring puts the cursor at a place measured from the screen's centre.

#include <array>
#include <cstdint>

#include "engine/MouseEmulation.h"
#include "ui/Picture.h"

namespace velmora {

inline constexpr int TestPictureSize = 130;
inline constexpr int TestTrailLength = 32;

struct TestPoint {
    int X = 0, Y = 0;
};

// The last positions, oldest first once full.
struct MouseTestTrail {
    std::array<TestPoint, TestTrailLength> Points{};
    int Count = 0;
    int Next = 0;
};

// Where the pointer lies in the field in the given mode.
TestPoint TestPlace(const MouseState& mouse, std::uint8_t mode);

// Adds the pointer's current place to the trail (called on every status update).
void AddTestPoint(MouseTestTrail& trail, const MouseState& mouse, std::uint8_t mode);

// The field, the trail from faint (old) to dark (new) and the pointer.
void DrawMouseTestPicture(PictureType& picture, int left, int top, const MouseTestTrail& trail,
                          std::uint8_t mode);

}  // namespace velmora
