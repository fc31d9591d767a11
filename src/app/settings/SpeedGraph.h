#pragma once
// The mouse window's speed graph, 130 x 66: the speed curve of the speed
// table for each shown slider over 128 steps of stick deflection, three
// pixels thick, horizontal in red and vertical in green, on a grid.

#include "engine/MouseEmulation.h"
#include "ui/Picture.h"

namespace velmora {

inline constexpr int SpeedGraphWidth = 130;
inline constexpr int SpeedGraphHeight = 66;
inline constexpr int SpeedGraphSteps = 128;

// What the graph plots: each curve only while its slider is shown.
struct SpeedCurves {
    bool ShowX = false;
    int SpeedX = 0;  // 1..255
    bool ShowY = false;
    int SpeedY = 0;
};

// The stick magnitude (1..255) of a step 0..127: the last step is full deflection.
int StepMagnitude(int step);
// The middle row of a curve at a step: 62 - table value / 84.
int CurveRow(const SpeedTable& table, int speed, int step);
// The picture column of a step.
int StepColumn(int step);

void DrawSpeedGraph(PictureType& picture, int left, int top, const SpeedCurves& curves,
                    const SpeedTable& table);

}  // namespace velmora
