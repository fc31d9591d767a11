#pragma once
// The controller properties window: the selected controller's details text,
// its live DirectInput values and, for an XInput pad, its live XInput values,
// with the device's own control panel, OK and Help. It changes nothing.

#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;
struct PropertiesPanels;

class TControllerPropertiesForm : public TSettingsForm {
public:
    explicit TControllerPropertiesForm(Application& app);

    // Shows the form for the selected controller (the subject is unused).
    void OpenFor(int subject) override;
    // Rebuilds the details text and redraws the panels.
    void Refresh() override;
    // Redraws the raw-value panels from the controller's last read.
    void UpdateLiveDisplay() override;

protected:
    void FormIsCreated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void PaintPanels(HDC dc, const PropertiesPanels& panels) const;
    void ControlPanelClick();

    Application& app_;
    HWND details_ = nullptr;
};

}  // namespace velmora
