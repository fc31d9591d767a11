#include "app/win32/settings/GroupFormControls.h"

#include "base/Language.h"
#include "ui/win32/ChoiceButtonRows.h"
#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

constexpr int CaptionHeight = 14;
constexpr int ButtonHeight = 22;

HWND BoldCaption(HWND parent, const std::string& text, int x, int y, int width) {
    HWND caption = CreateChild(parent, L"STATIC", text, 0, {x, y, width, CaptionHeight}, -1);
    SendMessageW(caption, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(parent, 11, true)), FALSE);
    return caption;
}

}  // namespace

GroupFormControls CreateGroupButtons(HWND parent, int x, int y, int width) {
    GroupFormControls controls;
    BoldCaption(parent, Translate("*Mode*"), x, y, width);
    controls.Modes = CreateChoiceButtonRow(parent, x, y + CaptionHeight + 2, (width - 8) / 3, ButtonHeight, 6,
                                           3, ModeButtonId);
    const int autoTop = y + CaptionHeight + 2 + 2 * (ButtonHeight + 4) + 6;
    BoldCaption(parent, Translate("*Auto-Assign*"), x, autoTop, width);
    controls.AutoAssign = CreateChoiceButtonRow(parent, x, autoTop + CaptionHeight + 2, (width - 16) / 5,
                                                ButtonHeight, 5, 5, AutoAssignButtonId);
    return controls;
}

void FillGroupButtons(GroupFormControls& controls, const std::vector<ChoiceButton>& modes,
                      const std::vector<ChoiceButton>& autoAssign, const std::string& mouseCaption) {
    for (std::size_t i = 0; i < modes.size() && i < controls.Modes.size(); ++i)
        FillChoiceButton(controls.Modes[i], modes[i].Caption, modes[i].Marked);
    controls.AutoAssignChoices.clear();
    for (std::size_t i = 0; i < autoAssign.size() && i < controls.AutoAssign.size(); ++i) {
        FillChoiceButton(controls.AutoAssign[i], autoAssign[i].Caption, autoAssign[i].Marked);
        controls.AutoAssignChoices.push_back(autoAssign[i].Value);
    }
    if (controls.MouseSettings) FillChoiceButton(controls.MouseSettings, mouseCaption, false);
}

int AutoAssignChoiceOf(const GroupFormControls& controls, int id) {
    const int place = id - AutoAssignButtonId;
    if (place < 0 || place >= static_cast<int>(controls.AutoAssignChoices.size())) return -1;
    return controls.AutoAssignChoices[static_cast<std::size_t>(place)];
}

void PaintWhiteBack(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

}  // namespace velmora
