#pragma once
// The stick settings window: one stick of the selected controller at a time,
// its dead zone and diagonal size, its mode and key groups, and the live
// zone map with the stick's position.

#include "app/settings/StickWindow.h"
#include "app/win32/settings/GroupFormControls.h"
#include "app/win32/settings/LiveSettingsForm.h"
#include "ui/Picture.h"
#include "ui/win32/LabelledTrackBars.h"

namespace velmora {

struct Application;
struct ControllerDataType;

class TStickSettingsForm : public TLiveSettingsForm {
public:
    explicit TStickSettingsForm(Application& app);

    // Subject 1 or 2: the stick, as the layout's groups number them.
    void OpenFor(int subject) override;
    int Subject() const override { return state_.Stick + 1; }
    void Refresh() override;
    // Redraws the zone map with the stick's position and its four values.
    void UpdateLiveDisplay() override;

protected:
    void FormIsCreated() override;
    void PaintPictures(HDC dc) override;

private:
    void ShowView(const StickWindowView& view);
    void SliderMoved(HWND bar) override;
    void ButtonPressed(int id) override;

    Application& app_;
    StickWindowState state_;
    LabelledTrackBar deadZone_, diagonal_;
    GroupFormControls buttons_;
    HWND liveValues_ = nullptr;
    int mouseTarget_ = 0;
    PictureType picture_{ZoneMapSize, ZoneMapSize};
};

}  // namespace velmora
