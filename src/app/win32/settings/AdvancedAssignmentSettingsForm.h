#pragma once
// The advanced assignment window: five pages (Assignments, Toggle, Turbo,
// Rumble, Set Selector) over the assignment the assignment window edits. The
// Assignments page shows the slot strip with its slider, the buttons that edit
// the slot list, the pause length and the test memo; the other pages the
// options, the turbo rate with its lamp, the rumble strengths and the set
// selector. Messages become calls of the window's portable logic.

#include <array>
#include <vector>

#include "app/settings/AdvancedAssignmentPages.h"
#include "app/settings/AdvancedAssignmentWindow.h"
#include "ui/Picture.h"
#include "ui/win32/SettingsForm.h"

namespace velmora {

struct Application;
struct ControllerDataType;
class TAssignmentSettingsForm;

class TAdvancedAssignmentSettingsForm : public TSettingsForm {
public:
    TAdvancedAssignmentSettingsForm(Application& app, TAssignmentSettingsForm& assignment);

    // Shows the window beside the assignment window, for its control.
    void OpenFor(int control) override;
    int Subject() const override;
    // Every control from the assignment (the refreshing guard keeps the
    // filling from writing back).
    void Refresh() override;
    void RedrawSlotDisplay() override;
    void ShowTurboDemonstration(bool lit) override;

    static constexpr int PageCount = 5;

protected:
    void FormIsCreated() override;
    void FormIsClosed() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ControllerDataType* Selected() const;
    AssignmentWindowState& State();
    void CreateAssignmentsPage();
    void CreateOptionPages();
    HWND Add(int page, const wchar_t* className, const std::string& text, DWORD style, RECT place, int id);
    void ShowPage(int page);
    void PointerAt(int x, int y);
    void MouseUp(int x, int y);
    void Command(int id, int code);
    void Scroll(HWND control);
    // A click on a slider's none or max icon moves it to 0 or 255; true when on one.
    bool ClickEndIcon(int x, int y);
    std::string Caption() const;

    Application& app_;
    TAssignmentSettingsForm& assignment_;
    int page_ = 0;
    std::array<std::vector<HWND>, PageCount> pages_{};
    HWND tabs_ = nullptr;
    HWND pauseBar_ = nullptr;
    HWND pauseUpDown_ = nullptr;
    HWND turboBar_ = nullptr;
    std::array<HWND, 2> rumbleBars_{};
    HWND setSelector_ = nullptr;
    HWND memo_ = nullptr;
    PictureType strip_;
    PictureType slider_;
    PictureType lamp_;
    PictureType noneIcon_;
    PictureType maxIcon_;
    std::array<RECT, 4> endIcons_{};  // none and max of the left slider, then of the right
    std::array<HWND, 4> endIconBoxes_{};
    HWND stripBox_ = nullptr;
    HWND sliderBox_ = nullptr;
    HWND lampBox_ = nullptr;
};

}  // namespace velmora
