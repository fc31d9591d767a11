#include "app/settings/SpeedGraph.h"

#include <cstddef>

namespace velmora {
namespace {

constexpr ColourType GraphBackground = palette::White;
constexpr ColourType GridColour{224, 224, 224};
constexpr int GridStep = 16;

std::uint16_t Entry(const SpeedTable& table, int speed, int magnitude) {
    return table[static_cast<std::size_t>(speed)][static_cast<std::size_t>(magnitude)];
}

void DrawGrid(PictureType& picture, int left, int top) {
    picture.Fill(left, top, SpeedGraphWidth, SpeedGraphHeight, GraphBackground);
    for (int x = 1; x < SpeedGraphWidth; x += GridStep)
        picture.Fill(left + x, top, 1, SpeedGraphHeight, GridColour);
    for (int y = SpeedGraphHeight - 4; y >= 0; y -= GridStep)
        picture.Fill(left, top + y, SpeedGraphWidth, 1, GridColour);
}

void DrawCurve(PictureType& picture, int left, int top, int speed, const SpeedTable& table,
               ColourType colour) {
    for (int step = 0; step < SpeedGraphSteps; ++step) {
        const int row = CurveRow(table, speed, step);
        picture.Fill(left + StepColumn(step), top + row - 1, 1, 3, colour);
    }
}

}  // namespace

int StepMagnitude(int step) {
    return step * 2 + 1;
}

int CurveRow(const SpeedTable& table, int speed, int step) {
    return 62 - Entry(table, speed, StepMagnitude(step)) / 84;
}

int StepColumn(int step) {
    return step + 1;  // one column of margin each side
}

void DrawSpeedGraph(PictureType& picture, int left, int top, const SpeedCurves& curves,
                    const SpeedTable& table) {
    DrawGrid(picture, left, top);
    // Green first, so that where both curves lie the horizontal one shows.
    if (curves.ShowY) DrawCurve(picture, left, top, curves.SpeedY, table, palette::Green);
    if (curves.ShowX) DrawCurve(picture, left, top, curves.SpeedX, table, palette::Red);
}

}  // namespace velmora
