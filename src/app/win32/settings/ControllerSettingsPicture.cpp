// The controller settings window's layout picture: the layout's image with
// a frame for every placed control, where controls are dragged and the image
// tools paint.
#include <windowsx.h>

#include "app/settings/LayoutEditing.h"
#include "app/win32/Application.h"
#include "app/win32/settings/ControllerSettingsForm.h"
#include "app/win32/settings/ControllerSettingsIds.h"

namespace velmora {

using namespace controller_ids;

namespace {

constexpr RECT PictureRect{PictureLeft, PictureTop, PictureLeft + ImageWidth, PictureTop + ImageHeight};

void DrawImage(HDC dc, const ControllerFileType& layout) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = ImageWidth;
    info.bmiHeader.biHeight = -ImageHeight;  // top row first, as the layout keeps it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, PictureLeft, PictureTop, ImageWidth, ImageHeight, 0, 0, 0, ImageHeight,
                      layout.Image.data(), &info, DIB_RGB_COLORS);
}

// A frame per placed control; the selected button's is filled.
void DrawControls(HDC dc, const ControllerFileType& layout, int selected) {
    for (int i = 0; i < ControlCount; ++i) {
        const Location& at = layout.Locations[static_cast<std::size_t>(i)];
        if (at == Location{}) continue;
        const RECT square{PictureLeft + at.Left, PictureTop + at.Top,
                          PictureLeft + at.Left + ControlSquareSize, PictureTop + at.Top + ControlSquareSize};
        if (i == selected) FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        FrameRect(dc, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

}  // namespace

void TControllerSettingsForm::PaintPicture(HDC dc) {
    ControllerDataType* c = Controller();
    if (!c) return;
    const ControllerFileType& layout = app_.Main.List.LayoutOf(*c);
    DrawImage(dc, layout);
    DrawControls(dc, layout, state_.SelectedButton);
}

bool TControllerSettingsForm::MouseOnPicture(UINT message, LPARAM position) {
    ControllerDataType* c = Controller();
    if (!c) return false;
    ControllerFileType& layout = app_.Main.List.LayoutOf(*c);
    const int row = GET_Y_LPARAM(position) - PictureTop;
    const int column = GET_X_LPARAM(position) - PictureLeft;
    if (message == WM_LBUTTONDOWN) {
        if (row < 0 || row >= ImageHeight || column < 0 || column >= ImageWidth) return false;
        SetCapture(Handle());
        PressOnLayout(state_, layout, app_.Ui, row, column);
    } else if (message == WM_MOUSEMOVE) {
        if (GetCapture() != Handle()) return false;
        MoveOnLayout(state_, layout, app_.Ui, row, column);
    } else if (message == WM_LBUTTONUP) {
        if (GetCapture() != Handle()) return false;
        ReleaseCapture();
        ReleaseOnLayout(state_, layout, app_.Ui);
        Refresh();
    } else {
        return false;
    }
    InvalidateRect(Handle(), &PictureRect, FALSE);
    return true;
}

}  // namespace velmora
