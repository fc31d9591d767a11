#include "ui/Ramps.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/Picture.h"

namespace velmora {
namespace {

std::uint8_t Step(std::uint8_t from, std::uint8_t to, int k, int steps) {
    const double value = from - k * (static_cast<double>(from) - to) / steps;
    return static_cast<std::uint8_t>(std::lround(value));
}

ColourType StepColour(ColourType from, ColourType to, int k, int steps) {
    return {Step(from.Red, to.Red, k, steps), Step(from.Green, to.Green, k, steps),
            Step(from.Blue, to.Blue, k, steps)};
}

struct GradientStops {
    ColourType Base, Start, Middle, End;
};

constexpr std::array<GradientStops, 7> Gradients{{
    {palette::White, palette::NearWhite, palette::NearWhite, palette::LightCyan},
    {palette::Red, palette::LightRed, palette::DarkRed, palette::Red},
    {palette::Green, palette::LightGreen, palette::DarkGreen, palette::Green},
    {palette::Silver, palette::Silver, palette::Grey, palette::Silver},
    {palette::Blue, palette::LightBlue, palette::Navy, palette::Blue},
    {palette::Yellow, palette::LightYellow, palette::Yellow, palette::Olive},
    {palette::Cyan, palette::LightCyan, palette::Teal, palette::Cyan},
}};

// Every channel below 255 raised by step, held at 255; or every non-zero
// channel lowered, held at 0.
std::uint8_t Raise(std::uint8_t c, int step) {
    return c < 255 ? static_cast<std::uint8_t>(std::min(255, c + step)) : c;
}
std::uint8_t Lower(std::uint8_t c, int step) {
    return c > 0 ? static_cast<std::uint8_t>(std::max(0, c - step)) : c;
}
ColourType Raised(ColourType c, int step) {
    return {Raise(c.Red, step), Raise(c.Green, step), Raise(c.Blue, step)};
}
ColourType Lowered(ColourType c, int step) {
    return {Lower(c.Red, step), Lower(c.Green, step), Lower(c.Blue, step)};
}

RampType VistaRamp(int count, ColourType base) {
    RampType ramp(static_cast<std::size_t>(count), base);
    const int step = 255 / count, middle = count / 2;
    for (int i = middle + 1; i < count; ++i)
        ramp[static_cast<std::size_t>(i)] = Lowered(ramp[static_cast<std::size_t>(i - 1)], step);
    // White and Silver buttons keep a flat upper half: a shine on them would not show.
    if (base == palette::White || base == palette::Silver || middle == 0) return ramp;
    ramp[static_cast<std::size_t>(middle - 1)] = Raised(base, 112);
    if (count >= 4)
        for (int i = middle - 2; i >= 0; --i)
            ramp[static_cast<std::size_t>(i)] = Raised(ramp[static_cast<std::size_t>(i + 1)], step);
    return ramp;
}

}  // namespace

RampType BuildRamp(int count, ColourType start, ColourType middle, ColourType end) {
    if (count <= 1) return RampType(count == 1 ? 1 : 0, start);
    RampType ramp(static_cast<std::size_t>(count));
    const int half = count / 2;
    for (int k = 0; k < half; ++k) ramp[static_cast<std::size_t>(k)] = StepColour(start, middle, k, half);
    for (int k = 0; k < count - half; ++k)
        ramp[static_cast<std::size_t>(half + k)] = StepColour(middle, end, k, count - half);
    return ramp;
}

RampType BuildLinearRamp(int count, ColourType from, ColourType to) {
    RampType ramp(static_cast<std::size_t>(count < 0 ? 0 : count));
    for (int k = 0; k < count; ++k) ramp[static_cast<std::size_t>(k)] = StepColour(from, to, k, count);
    return ramp;
}

RampType BuildButtonRamp(int count, ColourType base, std::uint8_t themeButtons) {
    if (themeButtons == VistaButtons) return VistaRamp(count, base);
    if (themeButtons == GradientButtons)
        for (const GradientStops& g : Gradients)
            if (g.Base == base) return BuildRamp(count, g.Start, g.Middle, g.End);
    // Solid, and a gradient of a base without stops: flat.
    return RampType(static_cast<std::size_t>(count), base);
}

}  // namespace velmora
