#pragma once
// Drawing of live raw values: a row of label, bar and number, and a lamp for
// a pressed button. Drawn into a device context the caller paints with.

#include <string>

#include "base/win32/Windows.h"

namespace velmora {

// Where the parts of a bar row go, measured from the row's left edge.
struct BarRowLayout {
    int LabelWidth = 70;
    int BarWidth = 140;
    int NumberWidth = 48;
    int Height = 15;
};

// One row: the label, a framed bar filled `filled` pixels from the left, and
// the number right of it. `filled` is held inside the bar.
void DrawBarRow(HDC dc, POINT at, const BarRowLayout& layout, const std::string& label,
                const std::string& number, int filled);

// A small framed square, filled when lit, with its caption centred inside.
void DrawLamp(HDC dc, RECT box, bool lit, const std::string& caption);

// A bold heading of a panel.
void DrawPanelHeading(HDC dc, POINT at, const std::string& text);

}  // namespace velmora
