#pragma once
// The DPad settings window: the selected controller's DPad mode and key
// groups, with the live sector disc.

#include "app/settings/DPadWindow.h"
#include "app/win32/settings/GroupFormControls.h"
#include "ui/Picture.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;

class TDPadSettingsForm : public TSettingsForm {
public:
    explicit TDPadSettingsForm(Application& app);

    void OpenFor(int subject) override;
    void Refresh() override;
    // Redraws the disc with the sectors of the held directions.
    void UpdateLiveDisplay() override;

protected:
    void FormIsCreated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowView(const DPadWindowView& view);
    void ButtonPressed(int id);
    void Paint();

    Application& app_;
    HWND focus_ = nullptr;  // the control that gets the focus when the form is activated
    DPadWindowState state_;
    GroupFormControls buttons_;
    int mouseTarget_ = 0;
    PictureType picture_;
};

}  // namespace velmora
