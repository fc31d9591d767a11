#pragma once
// The DPad window's status picture: a disc of 16 sectors of 22.5 degrees,
// numbered clockwise from straight up. Each mode gives every sector to one
// control (or none) and one of two base colours; a sector whose control is
// active, or held back, is drawn in that state's colour.

#include <cstdint>

#include "engine/ControlResolution.h"
#include "model/Configuration.h"
#include "ui/Picture.h"

namespace velmora {

inline constexpr int DPadDiscSize = 127;
inline constexpr int DPadSectorCount = 16;
inline constexpr int NoSectorControl = -1;

// The DPad control a sector belongs to in a mode: 0..3 up, right, down,
// left; 4..7 up-right, down-right, down-left, up-left; or -1.
int SectorControl(std::uint8_t mode, int sector);
// Whether the sector takes the second base colour in that mode.
bool SecondBaseColour(std::uint8_t mode, int sector);

// The sector of a point (dx right, dy down from the centre), 0..15.
int SectorAt(int dx, int dy);

// The colours of the disc: the two base colours, held back (red), active
// (green) and the background outside the disc.
struct DiscColours {
    ColourType Base1, Base2, Filtered, Active, Background;
};
DiscColours MakeDiscColours(const ConfigurationType& config);

// The colour of one sector under the resolved DPad states.
ColourType SectorColour(std::uint8_t mode, int sector, const StickDirectionStates& states,
                        const DiscColours& colours);

// The disc for the held DPad bits, top-left corner at (left, top).
void DrawDPadDisc(PictureType& picture, int left, int top, std::uint8_t mode, std::uint8_t bits,
                  const ConfigurationType& config);

}  // namespace velmora
