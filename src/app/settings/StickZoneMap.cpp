#include "app/settings/StickZoneMap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "engine/ControlResolution.h"
#include "model/Profile.h"
#include "ui/Ramps.h"

namespace velmora {
namespace {

constexpr int RampLength = 64;  // distances 0..255 in steps of 4

bool Any(const std::uint8_t (&states)[4]) {
    return states[0] || states[1] || states[2] || states[3];
}

// Up and down against right and left, and the same for the diagonal pairs.
ZoneRamp ByAxis(const std::uint8_t (&states)[4], bool verticalFirst) {
    const bool vertical = states[0] || states[2];
    const bool horizontal = states[1] || states[3];
    if (!vertical && !horizontal) return ZoneRamp::None;
    return vertical == verticalFirst ? ZoneRamp::First : ZoneRamp::Second;
}

ZoneRamp RampOf(const StickDirectionStates& s, std::uint8_t mode) {
    switch (mode) {
        case FourWay:
        case Vertical:
            return ByAxis(s.Straight, true);
        case Horizontal:
            return ByAxis(s.Straight, false);
        case Diagonal:  // up-right and down-left first; down-right and up-left second
            return ByAxis(s.Diagonal, true);
        case EightWay:
            if (Any(s.Diagonal)) return ZoneRamp::Second;
            return Any(s.Straight) ? ZoneRamp::First : ZoneRamp::None;
        default: {  // Standard: where two straight zones overlap is the diagonal band
            const int count =
                (s.Straight[0] != 0) + (s.Straight[1] != 0) + (s.Straight[2] != 0) + (s.Straight[3] != 0);
            if (count == 0) return ZoneRamp::None;
            return count > 1 ? ZoneRamp::Second : ZoneRamp::First;
        }
    }
}

ColourType Mix(ColourType a, ColourType b) {
    return {static_cast<std::uint8_t>((a.Red + b.Red) / 2),
            static_cast<std::uint8_t>((a.Green + b.Green) / 2),
            static_cast<std::uint8_t>((a.Blue + b.Blue) / 2)};
}

}  // namespace

ZonePoint ClassifyStickPoint(int x, int y, std::uint8_t deadZone, std::uint8_t mode,
                             std::uint8_t diagonalSize) {
    if (x * x + y * y > 255 * 255) return {};
    const StickGeometry geometry = MeasureStick(x, y, deadZone);
    const StickDirectionStates states = ResolveStick(x, y, geometry, mode, diagonalSize);
    return {RampOf(states, mode), geometry.InDeadZone, geometry.Distance};
}

// Outside the dead zone the ramps run from the interface's dark colours
// toward white as the stick goes out; inside it they are washed toward grey,
// so that a held-back push is told from an active one at a glance.
ZoneRamps MakeZoneRamps(const ConfigurationType& config) {
    const auto& i = config.Interface;
    const ColourType second = Mix(i[0], palette::Teal);
    ZoneRamps ramps;
    ramps.Outside[0] = BuildLinearRamp(RampLength, i[2], Mix(i[2], palette::White));
    ramps.Outside[1] = BuildLinearRamp(RampLength, second, Mix(i[1], palette::Cyan));
    ramps.Inside[0] = BuildLinearRamp(RampLength, Mix(i[2], palette::Grey), palette::Silver);
    ramps.Inside[1] = BuildLinearRamp(RampLength, Mix(second, palette::Grey), palette::NearWhite);
    ramps.Background = config.Background[0];
    return ramps;
}

ColourType ZoneColour(const ZonePoint& point, std::uint8_t deadZone, const ZoneRamps& ramps) {
    if (point.Ramp == ZoneRamp::None) return ramps.Background;
    const int step = point.InDeadZone ? point.Distance / 4 : (point.Distance - deadZone) / 4;
    const std::size_t which = point.Ramp == ZoneRamp::First ? 0 : 1;
    const auto& ramp = point.InDeadZone ? ramps.Inside[which] : ramps.Outside[which];
    return ramp[static_cast<std::size_t>(std::clamp(step, 0, RampLength - 1))];
}

void DrawStickZoneMap(PictureType& picture, int left, int top, std::uint8_t deadZone, std::uint8_t mode,
                      std::uint8_t diagonalSize, const ConfigurationType& config) {
    const ZoneRamps ramps = MakeZoneRamps(config);
    for (int row = 0; row < ZoneMapSize; ++row)
        for (int column = 0; column < ZoneMapSize; ++column) {
            const int x = (column - ZoneMapCentre) * 4, y = (ZoneMapCentre - row) * 4;
            const ZonePoint point = ClassifyStickPoint(x, y, deadZone, mode, diagonalSize);
            picture.Put(left + column, top + row, ZoneColour(point, deadZone, ramps));
        }
}

StickLive MeasureStickLive(int x, int y) {
    const double degrees = 180.0 / std::numbers::pi;
    const int a = y != 0
                      ? static_cast<int>(std::lround(std::atan(std::abs(x) / double(std::abs(y))) * degrees))
                      : (x != 0 ? 90 : 0);
    StickLive live{x, y, static_cast<int>(std::sqrt(double(x * x + y * y))), 0};
    if (y >= 0)
        live.Bearing = x >= 0 ? a : (a == 0 ? 0 : 360 - a);
    else
        live.Bearing = x >= 0 ? 180 - a : 180 + a;
    if (live.Distance > 255) {
        // Past the rim (a square gate's corner): the dot stays on the circle.
        live.X = static_cast<int>(std::sin(a / degrees) * 255) * (x < 0 ? -1 : 1);
        live.Y = static_cast<int>(std::cos(a / degrees) * 255) * (y < 0 ? -1 : 1);
        live.Distance = 255;
    }
    return live;
}

MapPoint DotPlace(const StickLive& live) {
    // The column is (X + 255) / 4, which puts X = 0 on the map's centre
    // column; the row mirrors it (126 - (Y + 255) / 4) so that Y = 0 lands on
    // the centre row too and the dot sits where the zone map has the stick.
    return {(live.X + 255) / 4, 2 * ZoneMapCentre - (live.Y + 255) / 4};
}

void DrawStickDot(PictureType& picture, int left, int top, const StickLive& live) {
    const MapPoint centre = DotPlace(live);
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const bool corner = std::abs(dx) == 3 && std::abs(dy) == 3;
            const int column = centre.Column + dx, row = centre.Row + dy;
            if (corner || column < 0 || row < 0 || column >= ZoneMapSize || row >= ZoneMapSize) continue;
            const bool ring = std::abs(dx) == 3 || std::abs(dy) == 3;
            picture.Put(left + column, top + row, ring ? palette::White : palette::Black);
        }
}

}  // namespace velmora
