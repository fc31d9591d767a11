#pragma once
// The trigger settings window: both triggers' thresholds of the selected
// controller's current set, with their live bars and values.

#include <array>

#include "app/settings/TriggerWindow.h"
#include "app/win32/settings/LiveSettingsForm.h"
#include "base/win32/Windows.h"
#include "ui/Picture.h"
#include "ui/win32/LabelledTrackBars.h"

namespace velmora {

struct Application;

class TTriggerSettingsForm : public TLiveSettingsForm {
public:
    explicit TTriggerSettingsForm(Application& app);

    void OpenFor(int subject) override;
    void Refresh() override;
    // Redraws both bars and their value labels from the triggers' values.
    void UpdateLiveDisplay() override;

protected:
    void FormIsCreated() override;
    void PaintPictures(HDC dc) override;

private:
    void ShowView(const TriggerWindowView& view);
    void SliderMoved(HWND bar) override;

    Application& app_;
    TriggerWindowState state_;
    std::array<LabelledTrackBar, 2> thresholds_;
    std::array<HWND, 2> values_{};
    PictureType picture_;
};

}  // namespace velmora
