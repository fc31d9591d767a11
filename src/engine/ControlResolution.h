#pragma once
// Control resolution: turns the normalised input of one pass into the states
// of the 58 controls under the current set's dead zones, diagonal sizes,
// modes and trigger thresholds.

#include <cstdint>

#include "model/Controller.h"

namespace velmora {

// The zone limits of a stick: lo = (90 - d) / 2 and hi = d / 2 + 45.
struct StickZoneLimits {
    int Lo = 0;
    int Hi = 0;
};
StickZoneLimits ZoneLimits(std::uint8_t diagonalSize);

// Distance (trunc of the length, at most 255) and angle from the vertical
// axis (whole degrees 0..90, halves to even) of a stick position.
StickGeometry MeasureStick(int x, int y, std::uint8_t deadZone);

// The four straight directions and four diagonals of one stick, in the order
// up, right, down, left, up-right, down-right, down-left, up-left.
struct StickDirectionStates {
    std::uint8_t Straight[4] = {};
    std::uint8_t Diagonal[4] = {};
};
StickDirectionStates ResolveStick(int x, int y, const StickGeometry& geometry, std::uint8_t mode,
                                  std::uint8_t diagonalSize);

// DPad states: straight directions up, right, down, left then the diagonals
// up-right, down-right, down-left, up-left.
StickDirectionStates ResolveDPad(std::uint8_t bits, std::uint8_t mode);

std::uint8_t ResolveTrigger(std::uint8_t value, std::uint8_t threshold);

// Fills ControlState (all 58 controls) and the stick geometry of the
// controller from its Input and the profile's current set.
void ResolveControls(ControllerDataType& controller);

}  // namespace velmora
