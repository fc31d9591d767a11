#pragma once
// What the stick and DPad forms share: the captions of their live values,
// the six mode buttons, the five auto-assign buttons and the "Mouse
// Settings..." button, with the window's white background and navy texts.

#include <string>
#include <vector>

#include "app/settings/SettingsControls.h"
#include "base/win32/Windows.h"

namespace velmora {

// Control ids: the mode buttons ModeButtonId + mode, the auto-assign buttons
// AutoAssignButtonId + their place in the row.
inline constexpr int ModeButtonId = 200;
inline constexpr int AutoAssignButtonId = 210;
inline constexpr int MouseSettingsButtonId = 220;

struct GroupFormControls {
    std::vector<HWND> Modes, AutoAssign;
    HWND MouseSettings = nullptr;
    std::vector<int> AutoAssignChoices;  // the choice of each auto-assign button, as last shown
};

// The "Mode" and "Auto-Assign" captions with their button rows from (x, y),
// 3 mode buttons and 5 auto-assign buttons to a line, `width` wide in all.
GroupFormControls CreateGroupButtons(HWND parent, int x, int y, int width);

// Captions and marks of both rows and the mouse button.
void FillGroupButtons(GroupFormControls& controls, const std::vector<ChoiceButton>& modes,
                      const std::vector<ChoiceButton>& autoAssign, const std::string& mouseCaption);

// The choice of an auto-assign button's id, or -1 when the id is none of them.
int AutoAssignChoiceOf(const GroupFormControls& controls, int id);

// Fills the client area white (the forms' classes have no background brush).
void PaintWhiteBack(HWND window, HDC dc);

}  // namespace velmora
