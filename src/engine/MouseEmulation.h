#pragma once
// Mouse emulation: mouse-movement slots add to the accumulators of the pass
// (or to the spring position), and EmitMouse sends at most one absolute and
// one relative move per pass.

#include <array>
#include <cstdint>

#include "engine/InputSink.h"
#include "model/Controller.h"

namespace velmora {

// Hundredths of a pixel per pass, by speed (row, 0..255) and stick
// magnitude (column, 0..255).
using SpeedTable = std::array<std::array<std::uint16_t, 256>, 256>;
void BuildSpeedTable(SpeedTable& table);
// The table of the program, built on first use.
const SpeedTable& SharedSpeedTable();

inline constexpr std::int32_t SpringCentre = 32767;
// Absolute units per unit of amount: a full diagonal (180 each way) reaches
// the corner; a full straight push passes the edge and stops there.
inline constexpr double SpringScale = 181.729;

struct MouseState {
    // Accumulators of one pass: right and down positive.
    std::int32_t AmountX = 0, AmountY = 0;
    std::int32_t SpeedSumX = 0, SpeedCountX = 0, SpeedSumY = 0, SpeedCountY = 0;
    bool SpringFlag = false;
    std::int32_t SpringX = SpringCentre, SpringY = SpringCentre;
    // Whether the controller being run marked digital movement this pass.
    bool DigitalMovement = false;

    // The relative pointer position in pixels (shown by the mouse window).
    double PositionX = 0, PositionY = 0, PreviousX = 0, PreviousY = 0;
    // The last absolute position sent by a spring move. It is kept apart
    // from the relative position: the two are in different coordinate
    // spaces, and a relative move right after a spring move must measure
    // from where relative movement left off, not jump by the difference
    // between a screen coordinate and a pixel count.
    std::int32_t SpringShownX = 0, SpringShownY = 0;
    std::int32_t SpeedX = 0, SpeedY = 0;  // current speed, hundredths of a pixel per pass
};

// A mouse-movement slot (code of kind MouseMove) of the running step of the
// assignment on `control`. Checks the control's state itself.
void AddMouseSlot(MouseState& mouse, ControllerDataType& controller, int control, std::uint8_t code,
                  const AssignmentType& assignment, int passCounter);

// The amount (0..255) a slot of that control moves by this pass; 0 when it
// does not move. Raises the button acceleration as a side effect.
int MouseAmount(MouseState& mouse, ControllerDataType& controller, int control,
                const AssignmentType& assignment, int passCounter);

// The spring move then the relative move of the pass.
void EmitMouse(MouseState& mouse, const SpeedTable& table, InputSink& sink);

}  // namespace velmora
