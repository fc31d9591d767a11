#pragma once
// The DPad settings window: the selected controller's DPad mode and key
// groups, with the live sector disc.

#include "app/settings/DPadWindow.h"
#include "app/win32/settings/GroupFormControls.h"
#include "app/win32/settings/LiveSettingsForm.h"
#include "ui/Picture.h"

namespace velmora {

struct Application;

class TDPadSettingsForm : public TLiveSettingsForm {
public:
    explicit TDPadSettingsForm(Application& app);

    void OpenFor(int subject) override;
    void Refresh() override;
    // Redraws the disc with the sectors of the held directions.
    void UpdateLiveDisplay() override;

protected:
    void FormIsCreated() override;
    void PaintPictures(HDC dc) override;

private:
    void ShowView(const DPadWindowView& view);
    void ButtonPressed(int id) override;

    Application& app_;
    DPadWindowState state_;
    GroupFormControls buttons_;
    int mouseTarget_ = 0;
    PictureType picture_;
};

}  // namespace velmora
