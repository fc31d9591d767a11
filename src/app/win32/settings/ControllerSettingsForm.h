#pragma once
// The controller settings window: seven tabs over the selected controller's
// layout, the detection panel, the Enable boxes, the access selectors, the
// name edits, the Buttons tab and the Image tab's commands. Its messages
// become calls of the window's portable logic; it draws what that returns.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/settings/ControllerWindow.h"
#include "model/Profile.h"
#include "ui/Picture.h"
#include "ui/win32/LabelledTrackBars.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;
struct ControllerDataType;
class TextDrawer;

class TControllerSettingsForm : public TSettingsForm {
public:
    explicit TControllerSettingsForm(Application& app);
    ~TControllerSettingsForm() override;

    // Shows the window for the selected controller (nothing without one).
    void OpenFor(int subject) override;
    // Refills every control from the layout.
    void Refresh() override;
    // One pass of detection against the selected controller's raw state.
    void DetectionTick() override;
    // Every fifth pass: the picture is repainted when the main window's lit controls changed.
    void UpdateLiveDisplay() override;

    // The window's state, for the tests.
    const ControllerWindowState& State() const { return state_; }

protected:
    void FormIsCreated() override;
    void FormIsClosed() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ControllerDataType* Controller() const;
    RawJoyState Raw() const;
    void AddPageControls();
    void AddSticksPage();
    void AddDPadPage();
    void AddTriggersPage();
    void AddButtonsAndImagePages();
    void AddDrawTools();
    HWND Add(ControllerTab tab, const wchar_t* className, const std::string& text, DWORD style, RECT place,
             int id);
    void ShowPage();
    void ShowPanel();
    // The pen size for Pen and Erase, the palette and swatch for Pen and Fill, on the Image page.
    void ShowDrawTools();
    void FillDrawTools();
    void EnableGroups();
    void FillSelectors();
    void FillNames();
    void OnCommand(int id, int code);
    bool OnClick(int id);
    bool OnLayoutClick(int id, ControllerDataType& c);
    void OnSelector(int id, int item);
    void OnName(int id);
    void Edited();
    // The layout picture: drawn in the client area, pressed, dragged and released on
    // (points in the form's 96-dpi pixels).
    void PaintPicture(HDC dc);
    bool MouseOnPicture(UINT message, POINT position);
    // The palette: a press or drag on it picks the colour shown in the swatch.
    bool MouseOnPalette(UINT message, POINT position);

    Application& app_;
    ControllerWindowState state_;
    std::array<std::vector<HWND>, 7> pages_;
    std::unique_ptr<TextDrawer> text_;                        // the buttons' names in the layout picture
    std::array<std::uint8_t, ControlCount> paintedStates_{};  // the lit states last painted
    // The pictures the picture boxes show, kept for the boxes' lives.
    PictureType palette_{1, 1}, swatch_{1, 1}, arrow_{1, 1};
    HWND paletteBox_ = nullptr, swatchBox_ = nullptr, arrowBox_ = nullptr;
    LabelledTrackBar penSize_;
    bool picking_ = false;  // the mouse went down on the palette and is held
};

}  // namespace velmora
