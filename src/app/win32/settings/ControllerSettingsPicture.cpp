// The controller settings window's layout picture: the layout as the main
// window draws it, where controls are dragged and the image tools paint.
#include "app/settings/ControllerPictures.h"
#include "app/settings/LayoutEditing.h"
#include "app/win32/Application.h"
#include "app/win32/settings/ControllerSettingsForm.h"
#include "app/win32/settings/ControllerSettingsIds.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/PictureBox.h"

namespace velmora {

using namespace controller_ids;

namespace {

RECT PictureRect() {
    return {PictureLeft, PictureTop(), PictureLeft + ImageWidth, PictureTop() + ImageHeight};
}

}  // namespace

void TControllerSettingsForm::PaintPicture(HDC dc) {
    if (!Controller()) return;
    const LayoutScene scene = app_.Ui.Layout().CurrentScene();
    paintedStates_ = scene.DrawnStates;
    const PictureType picture = ControllerLayoutPicture(scene, *text_, state_.SelectedButton);
    DrawPictureAt(dc, picture, {PictureLeft, PictureTop()});
}

void TControllerSettingsForm::UpdateLiveDisplay() {
    if (!IsOpen() || app_.Ui.Layout().CurrentScene().DrawnStates == paintedStates_) return;
    InvalidateDialogRect(Handle(), PictureRect());
}

bool TControllerSettingsForm::MouseOnPicture(UINT message, POINT position) {
    ControllerDataType* c = Controller();
    if (!c) return false;
    ControllerFileType& layout = app_.Main.List.LayoutOf(*c);
    const int row = position.y - PictureTop();
    const int column = position.x - PictureLeft;
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
    InvalidateDialogRect(Handle(), PictureRect());
    return true;
}

}  // namespace velmora
