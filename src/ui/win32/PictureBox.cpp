#include "ui/win32/PictureBox.h"

#include <algorithm>
#include <vector>

#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

constexpr wchar_t PictureBoxClass[] = L"VelmoraPictureBox";

// The mouse over the picture is the parent's: the same message, in the
// parent's client coordinates, so a form handles one set of points.
void ForwardMouse(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MapWindowPoints(box, GetParent(box), &point, 1);
    SendMessageW(GetParent(box), message, wParam, MAKELPARAM(point.x, point.y));
}

void Paint(HWND box) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box, &paint);
    RECT client{};
    GetClientRect(box, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ScaleDialogDrawing(box, dc);
    const auto* picture = reinterpret_cast<const PictureType*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    if (picture) DrawPictureAt(dc, *picture, {0, 0});
    EndPaint(box, &paint);
}

LRESULT CALLBACK Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(box);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            ForwardMouse(box, message, wParam, lParam);
            return 0;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(WNDCLASSEXW);
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = PictureBoxClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND CreatePictureBox(HWND parent, RECT place, const PictureType* picture) {
    RegisterOnce();
    const RECT scaled = DialogPlace(parent, place);
    const HWND box =
        CreateWindowExW(0, PictureBoxClass, L"", WS_CHILD | WS_VISIBLE, scaled.left, scaled.top, scaled.right,
                        scaled.bottom, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
    return box;
}

void RedrawPictureBox(HWND box) {
    InvalidateRect(box, nullptr, FALSE);
}

void DrawPictureAt(HDC dc, const PictureType& picture, POINT at) {
    if (picture.Width() <= 0 || picture.Height() <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // Rows of a 24-bit device-independent bitmap are padded to 4 bytes.
    const std::size_t stride = static_cast<std::size_t>(picture.Width()) * 3;
    const std::size_t padded = (stride + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> rows(padded * static_cast<std::size_t>(picture.Height()));
    for (std::size_t y = 0; y < static_cast<std::size_t>(picture.Height()); ++y)
        std::copy_n(picture.Bytes().data() + y * stride, stride, rows.data() + y * padded);
    // Stretched rather than copied, so that a scaled drawing (ScaleDialogDrawing) enlarges it too,
    // pixels repeated, not blended.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, at.x, at.y, picture.Width(), picture.Height(), 0, 0, picture.Width(), picture.Height(),
                  rows.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace velmora
