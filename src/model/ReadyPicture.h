#pragma once
// The pictures Velmora draws for ready layouts: one pad shape per family, its
// controls placed where they sit on such a pad.

#include <array>
#include <cstdint>
#include <span>

#include "model/Configuration.h"  // ColourType
#include "model/ControllerLayout.h"

namespace velmora {
// The families of pads whose pictures Velmora draws.
enum class PadFamily : std::uint8_t { Xbox, PlayStation, Nintendo, Generic };

// What a device button is on the pad, by its place (the SDL database's names: South is its "a",
// East "b", West "x", North "y"). None: the button is not drawn.
enum class PadButtonRole : std::uint8_t {
    None,
    South,
    East,
    West,
    North,
    LeftShoulder,
    RightShoulder,
    LeftTrigger,
    RightTrigger,
    Back,
    Start,
    Guide,
    LeftStick,
    RightStick,
    Touchpad,
    Misc,
    Paddle1,
    Paddle2,
    Paddle3,
    Paddle4
};

// Draws the family's pad on layout.Image (magenta around it) in the three interface colours,
// and places each control the layout maps, clear of the others, where it sits on such a pad:
// Stick 1 / Stick 2 when their X access is set, the DPad when its Up access is not None, the
// triggers when the left trigger's access is set, and button b when roles[b] is not None.
// Everything else is left unplaced. Recomputes the diagonals and indicators and gives the
// picture a new version.
void DrawReadyPicture(ControllerFileType& layout, PadFamily family, std::span<const PadButtonRole, 32> roles,
                      const std::array<ColourType, 3>& colours);
}  // namespace velmora
