#pragma once
// The mouse settings window: the speeds and mode of the mouse movement of
// one control or of a direction group, with the speed graph, the test
// picture of the pointer's path and the pointer's live speed.

#include <vector>

#include "app/settings/MouseWindow.h"
#include "app/win32/settings/LiveSettingsForm.h"
#include "base/win32/Windows.h"
#include "ui/Picture.h"
#include "ui/win32/LabelledTrackBars.h"

namespace velmora {

struct Application;

class TMouseSettingsForm : public TLiveSettingsForm {
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
    void PaintPictures(HDC dc) override;

private:
    void ShowView(const MouseWindowView& view);
    void SliderMoved(HWND bar) override;
    void ButtonPressed(int id) override;

    Application& app_;
    MouseWindowState state_;
    int shownSet_ = -1;  // the set the controls show: a set change refills them
    LabelledTrackBar speedX_, speedY_;
    HWND together_ = nullptr, status_ = nullptr;
    std::vector<HWND> modes_, autoAssign_;
    std::vector<int> autoAssignChoices_;
    PictureType graph_, test_;
};

}  // namespace velmora
