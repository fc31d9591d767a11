#pragma once
// What the stick, DPad, trigger and mouse forms share: a white window with
// navy texts, pictures drawn from the live state, track bars and buttons, and
// the focus kept on a control as in a dialog. Each form paints its pictures
// (in 96-dpi pixels, scaled to the form's dpi on the way) and answers its
// slider moves and button clicks.

#include "base/win32/Windows.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

class TLiveSettingsForm : public TSettingsForm {
public:
    using TSettingsForm::TSettingsForm;

protected:
    // Draws the form's pictures over its white background.
    virtual void PaintPictures(HDC dc) = 0;
    // A track bar of the form moved (a no-op for forms without one).
    virtual void SliderMoved(HWND /*bar*/) {}
    // A push button of the form was clicked (Escape's IDCANCEL closes the form instead).
    virtual void ButtonPressed(int /*id*/) {}

    // Gives a control the focus, now and whenever the form is activated again.
    void FocusControl(HWND control) {
        focus_ = control;
        SetFocus(control);
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    HWND focus_ = nullptr;  // the control that gets the focus when the form is activated
};

}  // namespace velmora
