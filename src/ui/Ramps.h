#pragma once
// Colour ramps: the gradients of the bars, the picture background and the
// buttons, entry 0 at the top.

#include <vector>

#include "model/Configuration.h"

namespace velmora {

using RampType = std::vector<ColourType>;

// start toward middle over the first half, middle toward end over the rest;
// the last entry stops one step short of end.
RampType BuildRamp(int count, ColourType start, ColourType middle, ColourType end);
RampType BuildLinearRamp(int count, ColourType from, ColourType to);
// The ramp of a button of the given base colour in the configured style.
RampType BuildButtonRamp(int count, ColourType base, std::uint8_t themeButtons);

}  // namespace velmora
