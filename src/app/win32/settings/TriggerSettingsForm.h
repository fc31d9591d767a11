#pragma once
// The trigger settings window: both triggers' thresholds of the selected
// controller's current set, with their live bars and values.

#include <array>

#include "app/settings/TriggerWindow.h"
#include "base/win32/Windows.h"
#include "ui/Picture.h"
#include "ui/win32/LabelledTrackBars.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;

class TTriggerSettingsForm : public TSettingsForm {
public:
    explicit TTriggerSettingsForm(Application& app);

    void OpenFor(int subject) override;
    void Refresh() override;
    // Redraws both bars and their value labels from the triggers' values.
    void UpdateLiveDisplay() override;

protected:
    void FormIsCreated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowView(const TriggerWindowView& view);
    void SliderMoved(HWND bar);
    void Paint();

    Application& app_;
    HWND focus_ = nullptr;  // the control that gets the focus when the form is activated
    TriggerWindowState state_;
    std::array<LabelledTrackBar, 2> thresholds_;
    std::array<HWND, 2> values_{};
    PictureType picture_;
};

}  // namespace velmora
