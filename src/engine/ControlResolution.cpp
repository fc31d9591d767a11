#include "engine/ControlResolution.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace velmora {
namespace {

std::uint8_t ZoneState(bool inZone, bool inDeadZone) {
    if (!inZone) return Inactive;
    return inDeadZone ? Filtered : Active;
}

// Direction bits of the DPad in the order up, right, down, left.
constexpr std::uint8_t DPadBits[4] = {DPadUpBit, DPadRightBit, DPadDownBit, DPadLeftBit};

bool IsVertical(int direction) {
    return direction == 0 || direction == 2;
}

// A direction that the mode holds back while another direction is pressed
// too: 0 when not pressed, 2 when pressed alone, else 1.
std::uint8_t AloneOrFiltered(std::uint8_t bits, std::uint8_t bit) {
    if (!(bits & bit)) return Inactive;
    return bits == bit ? Active : Filtered;
}

std::uint8_t DPadStraight(std::uint8_t bits, int direction, std::uint8_t mode) {
    const std::uint8_t bit = DPadBits[direction];
    const bool set = (bits & bit) != 0;
    switch (mode) {
        case FourWay:
            return AloneOrFiltered(bits, bit);
        case Diagonal:
            return set ? Filtered : Inactive;
        case EightWay:
            return bits == bit ? Active : Inactive;
        case Horizontal:
            return IsVertical(direction) ? AloneOrFiltered(bits, bit) : (set ? Active : Inactive);
        case Vertical:
            return IsVertical(direction) ? (set ? Active : Inactive) : AloneOrFiltered(bits, bit);
        default:
            return set ? Active : Inactive;  // Standard
    }
}

// Zone tests of the straight directions: whether the stick lies in that
// direction's half and its angle passes the mode's limit.
struct StraightZones {
    bool Up, Right, Down, Left;
};

StraightZones Straight(int x, int y, int a, int verticalBelow, int horizontalFrom, bool horizontalInclusive) {
    const bool horizontal = horizontalInclusive ? a >= horizontalFrom : a > horizontalFrom;
    return {y > 0 && a<verticalBelow, x> 0 && horizontal, y < 0 && a < verticalBelow, x < 0 && horizontal};
}

StraightZones StraightZonesFor(int x, int y, int a, std::uint8_t mode, StickZoneLimits z) {
    switch (mode) {
        case FourWay:
            return Straight(x, y, a, 45, 45, true);
        case Diagonal:
            return {false, false, false, false};
        case EightWay:
            return Straight(x, y, a, z.Lo, z.Hi, true);
        case Horizontal:
            return Straight(x, y, a, z.Lo, z.Lo, true);
        case Vertical:
            return Straight(x, y, a, z.Hi, z.Hi, true);
        default:
            return Straight(x, y, a, z.Hi, z.Lo, false);  // Standard
    }
}

void ResolveStickInto(ControllerDataType& c, int stick) {
    const SetType& set = c.Profile.Sets[c.Profile.CurrentSet];
    const int x = c.Input.StickX[static_cast<std::size_t>(stick)];
    const int y = c.Input.StickY[static_cast<std::size_t>(stick)];
    StickGeometry& g = c.Sticks[static_cast<std::size_t>(stick)];
    g = MeasureStick(x, y, set.StickDeadZones[static_cast<std::size_t>(stick)]);
    const StickDirectionStates s = ResolveStick(x, y, g, set.StickModes[static_cast<std::size_t>(stick)],
                                                set.StickDiagonalSizes[static_cast<std::size_t>(stick)]);
    for (int d = 0; d < 4; ++d) {
        c.ControlState[static_cast<std::size_t>(Stick1Up + 4 * stick + d)] = s.Straight[d];
        c.ControlState[static_cast<std::size_t>(Stick1UpRight + 4 * stick + d)] = s.Diagonal[d];
    }
}

}  // namespace

StickZoneLimits ZoneLimits(std::uint8_t diagonalSize) {
    // The stick window offers 1..89. A larger size from a file would make lo
    // negative and hi pass 90, turning the zones inside out (EightWay would
    // then give even a straight push to a diagonal); 90 already means "the
    // neighbouring directions share everything but the axes", so cap there.
    const int d = std::min<int>(diagonalSize, 90);
    return {(90 - d) / 2, d / 2 + 45};
}

StickGeometry MeasureStick(int x, int y, std::uint8_t deadZone) {
    StickGeometry g;
    const double length = std::sqrt(static_cast<double>(x * x + y * y));
    g.Distance = std::min(static_cast<int>(length), 255);
    // A centred stick points nowhere, so it counts as inside the dead zone
    // even when the dead zone is 0 (only possible from code: the windows and
    // the profile reader keep it at 1..255). Otherwise the Diagonal and
    // EightWay quadrants, which include the centre, would hold an up-right
    // action for ever on a resting stick.
    g.InDeadZone = g.Distance < deadZone || g.Distance == 0;
    if (y == 0) {
        g.Angle = x == 0 ? 0 : 90;
    } else {
        const double degrees = std::atan2(std::abs(x), std::abs(y)) * 180.0 / std::numbers::pi;
        g.Angle = static_cast<int>(std::nearbyint(degrees));  // default rounding: halves to even
    }
    return g;
}

StickDirectionStates ResolveStick(int x, int y, const StickGeometry& g, std::uint8_t mode,
                                  std::uint8_t diagonalSize) {
    const StickZoneLimits z = ZoneLimits(diagonalSize);
    const int a = g.Angle;
    const StraightZones s = StraightZonesFor(x, y, a, mode, z);
    StickDirectionStates out;
    const bool straight[4] = {s.Up, s.Right, s.Down, s.Left};
    for (int d = 0; d < 4; ++d) out.Straight[d] = ZoneState(straight[d], g.InDeadZone);
    if (mode == Diagonal || mode == EightWay) {
        const bool band = mode == Diagonal || (z.Lo <= a && a < z.Hi);
        const bool quadrant[4] = {x >= 0 && y >= 0, x >= 0 && y < 0, x < 0 && y < 0, x < 0 && y >= 0};
        for (int d = 0; d < 4; ++d) out.Diagonal[d] = ZoneState(band && quadrant[d], g.InDeadZone);
    }
    return out;
}

StickDirectionStates ResolveDPad(std::uint8_t bits, std::uint8_t mode) {
    StickDirectionStates out;
    for (int d = 0; d < 4; ++d) out.Straight[d] = DPadStraight(bits, d, mode);
    if (mode == Diagonal || mode == EightWay) {
        for (int d = 0; d < 4; ++d) {
            const std::uint8_t both = DPadBits[d] | DPadBits[(d + 1) % 4];
            out.Diagonal[d] = (bits & both) == both ? Active : Inactive;
        }
    }
    return out;
}

std::uint8_t ResolveTrigger(std::uint8_t value, std::uint8_t threshold) {
    if (value == 0) return Inactive;  // a resting trigger is never active, even with a threshold of 0
    return value >= threshold ? Active : Filtered;
}

void ResolveControls(ControllerDataType& c) {
    const SetType& set = c.Profile.Sets[c.Profile.CurrentSet];
    for (int b = 0; b < 32; ++b)
        c.ControlState[static_cast<std::size_t>(b)] = c.Input.Button(b) ? Active : Inactive;
    const StickDirectionStates dpad = ResolveDPad(c.Input.DPad, set.DPadMode);
    for (int d = 0; d < 4; ++d) {
        c.ControlState[static_cast<std::size_t>(DPadUp + d)] = dpad.Straight[d];
        c.ControlState[static_cast<std::size_t>(DPadUpRight + d)] = dpad.Diagonal[d];
    }
    ResolveStickInto(c, 0);
    ResolveStickInto(c, 1);
    for (int t = 0; t < 2; ++t)
        c.ControlState[static_cast<std::size_t>(TriggerLeft + t)] = ResolveTrigger(
            c.Input.Triggers[static_cast<std::size_t>(t)], set.TriggerDeadZones[static_cast<std::size_t>(t)]);
}

}  // namespace velmora
