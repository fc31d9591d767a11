#include "ui/win32/LabelledTrackBars.h"

#include <commctrl.h>

#include "base/win32/WideText.h"
#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

constexpr int BarHeight = 26;
constexpr int LabelHeight = 14;
constexpr int ValueWidth = 44;

void SetText(HWND control, const std::string& text) {
    SetWindowTextW(control, Utf8ToWide(text).c_str());
}

}  // namespace

LabelledTrackBar CreateLabelledTrackBar(HWND parent, const std::string& caption, int x, int y, int width,
                                        int id) {
    LabelledTrackBar slider;
    slider.Caption = CreateChild(parent, L"STATIC", caption, 0, {x, y, width, LabelHeight}, -1);
    SendMessageW(slider.Caption, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(parent, 11, true)),
                 FALSE);
    slider.Bar = CreateChild(parent, TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_NOTICKS,
                             {x, y + LabelHeight, width, BarHeight}, id);
    const int below = y + LabelHeight + BarHeight;
    slider.Low = CreateChild(parent, L"STATIC", "", SS_LEFT, {x + 4, below, width / 2 - 4, LabelHeight}, -1);
    slider.High =
        CreateChild(parent, L"STATIC", "", SS_RIGHT, {x + width / 2, below, width / 2 - 4, LabelHeight}, -1);
    slider.Value = CreateChild(parent, L"STATIC", "", SS_LEFT,
                               {x + width + 4, y + LabelHeight + 6, ValueWidth, LabelHeight}, -1);
    return slider;
}

void FillLabelledTrackBar(const LabelledTrackBar& slider, int minimum, int maximum, int position,
                          const std::string& low, const std::string& high, const std::string& value) {
    SendMessageW(slider.Bar, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(slider.Bar, TBM_SETRANGEMAX, FALSE, maximum);
    SendMessageW(slider.Bar, TBM_SETPAGESIZE, 0, 8);
    SendMessageW(slider.Bar, TBM_SETPOS, TRUE, position);
    SetText(slider.Low, low);
    SetText(slider.High, high);
    SetText(slider.Value, value);
}

void ShowLabelledTrackBar(const LabelledTrackBar& slider, bool visible) {
    for (HWND control : {slider.Caption, slider.Bar, slider.Low, slider.High, slider.Value})
        ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

int TrackBarPosition(HWND bar) {
    return static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0));
}

}  // namespace velmora
