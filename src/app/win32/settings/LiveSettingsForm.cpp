#include "app/win32/settings/LiveSettingsForm.h"

#include "app/win32/settings/GroupFormControls.h"
#include "ui/win32/DialogControls.h"

namespace velmora {

void TLiveSettingsForm::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    PaintWhiteBack(Handle(), dc);
    ScaleDialogDrawing(Handle(), dc);
    PaintPictures(dc);
    EndPaint(Handle(), &paint);
}

LRESULT TLiveSettingsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (KeepControlFocus(Handle(), message, wParam, focus_)) return 0;
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // Paint fills the background itself, without flicker
        case WM_CTLCOLORSTATIC:
            return WhiteStaticColours(wParam);
        case WM_HSCROLL:
            SliderMoved(reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_COMMAND:
            // Escape's IDCANCEL and Enter's IDOK go to the form base.
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != IDCANCEL && LOWORD(wParam) != IDOK) {
                ButtonPressed(LOWORD(wParam));
                return 0;
            }
            break;
        default:
            break;
    }
    return TSettingsForm::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora
