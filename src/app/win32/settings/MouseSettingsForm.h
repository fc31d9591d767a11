#pragma once
// The mouse settings window: the speeds and mode of the mouse movement of
// one control or of a direction group, with the speed graph, the test
// picture of the pointer's path and the pointer's live speed.

#include <vector>

#include "app/settings/MouseWindow.h"
#include "base/win32/Windows.h"
#include "ui/Picture.h"
#include "ui/win32/LabelledTrackBars.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;

class TMouseSettingsForm : public TSettingsForm {
public:
    explicit TMouseSettingsForm(Application& app);

    // Subject: a control 0..57, or 100, 101, 102 for the DPad, Stick 1 and Stick 2 groups.
    void OpenFor(int subject) override;
    int Subject() const override { return state_.Target; }
    void Refresh() override;
    // Adds the pointer's place to the test picture's trail and shows its speed.
    void UpdateLiveDisplay() override;

protected:
    void FormIsCreated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowView(const MouseWindowView& view);
    void SliderMoved(HWND bar);
    void ButtonPressed(int id);
    void Paint();

    Application& app_;
    HWND focus_ = nullptr;  // the control that gets the focus when the form is activated
    MouseWindowState state_;
    int shownSet_ = -1;  // the set the controls show: a set change refills them
    LabelledTrackBar speedX_, speedY_;
    HWND together_ = nullptr, status_ = nullptr;
    std::vector<HWND> modes_, autoAssign_;
    std::vector<int> autoAssignChoices_;
    PictureType graph_, test_;
};

}  // namespace velmora
