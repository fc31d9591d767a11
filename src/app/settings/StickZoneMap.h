#pragma once
// The stick window's status picture: a 127 x 127 map of the stick's zones,
// one pixel per 4 units of travel, every pixel classified by the engine's own
// control-resolution rules, and the live position drawn on it as a dot.

#include <array>
#include <cstdint>
#include <vector>

#include "model/Configuration.h"
#include "ui/Picture.h"

namespace velmora {

inline constexpr int ZoneMapSize = 127;
inline constexpr int ZoneMapCentre = 63;  // the pixel of stick (0, 0)

// Which of the two ramps a point takes: none (background), or the first or
// second, chosen so that neighbouring zones differ.
enum class ZoneRamp : std::uint8_t { None = 0, First = 1, Second = 2 };

struct ZonePoint {
    ZoneRamp Ramp = ZoneRamp::None;
    bool InDeadZone = false;
    int Distance = 0;
};

// The zone of stick position (x, y) under the stick's settings; points
// farther than 255 from the centre are in no zone.
ZonePoint ClassifyStickPoint(int x, int y, std::uint8_t deadZone, std::uint8_t mode,
                             std::uint8_t diagonalSize);

// The two ramps, each with a variant for points inside the dead zone and
// one for points outside it, made from the configured interface colours.
struct ZoneRamps {
    std::array<std::vector<ColourType>, 2> Outside, Inside;  // [first, second]
    ColourType Background;
};
ZoneRamps MakeZoneRamps(const ConfigurationType& config);

// The colour of a classified point: inside the dead zone the ramp is indexed
// by distance / 4, outside it by (distance - dead zone) / 4.
ColourType ZoneColour(const ZonePoint& point, std::uint8_t deadZone, const ZoneRamps& ramps);

// The whole map with its top-left corner at (left, top).
void DrawStickZoneMap(PictureType& picture, int left, int top, std::uint8_t deadZone, std::uint8_t mode,
                      std::uint8_t diagonalSize, const ConfigurationType& config);

// The live position as the window shows it.
struct StickLive {
    int X = 0, Y = 0;  // clamped to the rim when the stick is pushed past 255
    int Distance = 0;  // 0..255
    int Bearing = 0;   // degrees clockwise from straight up, 0..359
};
StickLive MeasureStickLive(int x, int y);

// Where the dot's centre lies on the map.
struct MapPoint {
    int Column = 0, Row = 0;
};
MapPoint DotPlace(const StickLive& live);

// The 7 x 7 dot without its corners: black inside, a white ring; clipped to the map.
void DrawStickDot(PictureType& picture, int left, int top, const StickLive& live);

}  // namespace velmora
