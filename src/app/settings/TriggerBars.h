#pragma once
// The trigger window's status bars: one bar per trigger, 255 columns by 16
// rows. Column c (1..255) is empty while the trigger is below c, red while c
// is below the threshold, and green from the threshold on.

#include <cstdint>

#include "model/Configuration.h"
#include "ui/Picture.h"

namespace velmora {

inline constexpr int TriggerBarWidth = 255;
inline constexpr int TriggerBarHeight = 16;
inline constexpr int TriggerBarGap = 4;  // between the two bars of the rendered pair

enum class BarPart : std::uint8_t { Empty, BelowThreshold, AboveThreshold };

// What column c (1..255) of a bar shows.
BarPart BarColumn(int column, std::uint8_t value, std::uint8_t threshold);

// Row r (0..15) of a part's vertical three-stop ramp.
ColourType BarColour(BarPart part, int row);

// One bar with its top-left corner at (left, top).
void DrawTriggerBar(PictureType& picture, int left, int top, std::uint8_t value, std::uint8_t threshold);

}  // namespace velmora
