#include "ui/win32/LiveBarDrawing.h"

#include <algorithm>

#include "base/win32/WideText.h"
#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

constexpr COLORREF BarFill = RGB(0, 120, 215);
constexpr COLORREF BarFrame = RGB(128, 128, 128);
constexpr COLORREF LampLit = RGB(0, 176, 80);

void FillBox(HDC dc, RECT box, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void FrameBox(HDC dc, RECT box) {
    HBRUSH brush = CreateSolidBrush(BarFrame);
    FrameRect(dc, &box, brush);
    DeleteObject(brush);
}

void Text(HDC dc, RECT box, const std::string& text, UINT format, bool bold) {
    const HGDIOBJ old = SelectObject(dc, DialogFont(bold ? 12 : 11, bold));
    SetBkMode(dc, TRANSPARENT);
    std::wstring wide = Utf8ToWide(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, old);
}

}  // namespace

void DrawBarRow(HDC dc, POINT at, const BarRowLayout& layout, const std::string& label,
                const std::string& number, int filled) {
    SetTextColor(dc, DialogNavy);
    Text(dc, {at.x, at.y, at.x + layout.LabelWidth, at.y + layout.Height}, label, DT_LEFT, false);
    const RECT bar{at.x + layout.LabelWidth, at.y + 2, at.x + layout.LabelWidth + layout.BarWidth,
                   at.y + layout.Height - 2};
    FillBox(dc, bar, RGB(255, 255, 255));
    const int inside = std::clamp(filled, 0, layout.BarWidth - 2);
    if (inside > 0) FillBox(dc, {bar.left + 1, bar.top + 1, bar.left + 1 + inside, bar.bottom - 1}, BarFill);
    FrameBox(dc, bar);
    Text(dc, {bar.right + 4, at.y, bar.right + 4 + layout.NumberWidth, at.y + layout.Height}, number, DT_LEFT,
         false);
}

void DrawLamp(HDC dc, RECT box, bool lit, const std::string& caption) {
    FillBox(dc, box, lit ? LampLit : RGB(255, 255, 255));
    FrameBox(dc, box);
    SetTextColor(dc, lit ? RGB(255, 255, 255) : DialogNavy);
    Text(dc, box, caption, DT_CENTER, false);
}

void DrawPanelHeading(HDC dc, POINT at, const std::string& text) {
    SetTextColor(dc, DialogNavy);
    Text(dc, {at.x, at.y, at.x + 300, at.y + 16}, text, DT_LEFT, true);
}

}  // namespace velmora
