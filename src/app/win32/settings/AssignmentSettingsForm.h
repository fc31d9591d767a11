#pragma once
// The assignment window: the keyboard and mouse picture of the edited
// control's keys, the Toggle, Turbo and Rumble boxes, the name box and the
// buttons to the advanced window, the mouse settings and help. Messages
// become calls of the window's portable logic; the picture is what it draws.

#include <array>

#include "app/settings/AssignmentWindow.h"
#include "app/settings/KeyboardLayoutCaptions.h"
#include "ui/Picture.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;
struct ControllerDataType;

class TAssignmentSettingsForm : public TSettingsForm {
public:
    explicit TAssignmentSettingsForm(Application& app);

    // Opens the window for a control of the selected controller.
    void OpenFor(int control) override;
    int Subject() const override { return state_.Open ? state_.Edit.Control : -1; }
    // The boxes and name from the assignment, the keys' colours anew.
    void Refresh() override;
    // The main loop's keyboard check (see KeyboardCapture.h for its guards).
    void CaptureKeyboard(bool keyEmitting) override;
    void RedrawSlotDisplay() override { RedrawKeyboard(); }

    // The window's caption: the control's name, and its set when not the first.
    std::string CaptionText() const { return Caption(); }
    // The state both assignment windows share; the advanced window's form
    // works on the same.
    AssignmentWindowState& State() { return state_; }
    // The advanced window's handle and test box, for the capture's guards
    // (none while that window does not exist).
    void SetAdvancedWindow(HWND window, HWND testBox) {
        advancedWindow_ = window;
        advancedTestBox_ = testBox;
    }

protected:
    void FormIsCreated() override;
    void FormIsClosed() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ControllerDataType* Selected() const;
    void CreateOptionBoxes(int footer, int pitch);
    void RedrawKeyboard();
    void Paint();
    void PointerAt(int x, int y);
    void Command(int id, int code);
    // A click on an option's icon switches its box; true when the point was on one.
    bool ClickIcon(int x, int y);
    std::string Caption() const;

    Application& app_;
    AssignmentWindowState state_;
    KeyboardGeometry geometry_;
    KeyboardLayoutTable keyboardLayout_{};  // the user's, which the keys and hover captions show
    KeyGlyphs glyphs_{};
    PictureType picture_;
    POINT pictureAt_{8, 8};
    bool hovering_ = false;
    HWND toggle_ = nullptr;
    HWND turbo_ = nullptr;
    HWND rumble_ = nullptr;
    HWND name_ = nullptr;
    std::array<PictureType, 3> icons_;  // Toggle, Turbo, Rumble
    std::array<HWND, 3> iconBoxes_{};
    std::array<RECT, 3> iconPlaces_{};
    HWND advancedWindow_ = nullptr;
    HWND advancedTestBox_ = nullptr;
};

}  // namespace velmora
