#include "app/settings/TriggerBars.h"

#include "ui/Ramps.h"

namespace velmora {

BarPart BarColumn(int column, std::uint8_t value, std::uint8_t threshold) {
    if (value < column) return BarPart::Empty;
    return column < threshold ? BarPart::BelowThreshold : BarPart::AboveThreshold;
}

ColourType BarColour(BarPart part, int row) {
    // The same three stops as the pressed buttons of the main picture, so red
    // and green mean what they mean there.
    static const RampType Empty = BuildRamp(TriggerBarHeight, palette::White, palette::Silver, palette::Grey);
    static const RampType Red =
        BuildRamp(TriggerBarHeight, palette::LightRed, palette::DarkRed, palette::Red);
    static const RampType Green =
        BuildRamp(TriggerBarHeight, palette::LightGreen, palette::DarkGreen, palette::Green);
    const RampType& ramp = part == BarPart::Empty ? Empty : (part == BarPart::BelowThreshold ? Red : Green);
    return ramp[static_cast<std::size_t>(row)];
}

void DrawTriggerBar(PictureType& picture, int left, int top, std::uint8_t value, std::uint8_t threshold) {
    for (int column = 1; column <= TriggerBarWidth; ++column) {
        const BarPart part = BarColumn(column, value, threshold);
        for (int row = 0; row < TriggerBarHeight; ++row)
            picture.Put(left + column - 1, top + row, BarColour(part, row));
    }
}

}  // namespace velmora
