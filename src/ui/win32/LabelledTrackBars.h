#pragma once
// The settings windows' sliders: a horizontal track bar with a caption above
// it, its two end labels below and its value label to the right. The track
// bar tells its parent of every move by WM_HSCROLL with its handle.

#include <string>

#include "base/win32/Windows.h"

namespace velmora {

struct LabelledTrackBar {
    HWND Caption = nullptr, Bar = nullptr, Low = nullptr, High = nullptr, Value = nullptr;
};

// Creates the five controls with the bar's top-left corner at (x, y + 14);
// the caption sits at (x, y) and the bar is `width` wide, the value label
// right of it. The bar gets `id` as its control id.
LabelledTrackBar CreateLabelledTrackBar(HWND parent, const std::string& caption, int x, int y, int width,
                                        int id);

// Sets range, position and the three labels without moving the caret twice.
void FillLabelledTrackBar(const LabelledTrackBar& slider, int minimum, int maximum, int position,
                          const std::string& low, const std::string& high, const std::string& value);

// Shows or hides all five controls together.
void ShowLabelledTrackBar(const LabelledTrackBar& slider, bool visible);

// The bar's position.
int TrackBarPosition(HWND bar);

}  // namespace velmora
