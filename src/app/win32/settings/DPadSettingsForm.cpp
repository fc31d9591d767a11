#include "app/win32/settings/DPadSettingsForm.h"

#include "app/MainMenus.h"
#include "app/settings/DPadDisc.h"
#include "app/win32/Application.h"
#include "base/win32/WideText.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/SettingsPictureBoxes.h"

namespace velmora {
namespace {

constexpr int Margin = 12;
constexpr int FormWidth = 404;
constexpr int FormHeight = 268;

}  // namespace

TDPadSettingsForm::TDPadSettingsForm(Application& app)
    : TLiveSettingsForm(L"TDPadSettingsForm", FormWidth, FormHeight, DpiAwareness::OwnScaling),
      app_(app),
      picture_(DPadDiscSize, DPadDiscSize) {}

void TDPadSettingsForm::FormIsCreated() {
    const HWND w = Handle();
    buttons_ = CreateGroupButtons(w, Margin, Margin + DPadDiscSize + 12, FormWidth - 2 * Margin);
    buttons_.MouseSettings =
        CreateChild(w, L"BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON,
                    {Margin + DPadDiscSize + 16, Margin + DPadDiscSize - 24, 130, 24}, MouseSettingsButtonId);
}

void TDPadSettingsForm::OpenFor(int /*subject*/) {
    if (!SelectedController(app_.Main.List)) return;
    Refresh();
    TSettingsForm::Show();
    FocusControl(buttons_.Modes.front());
}

void TDPadSettingsForm::Refresh() {
    const ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    RefreshDPadWindow(state_, c->Profile, app_.Main.List.Layouts[c->ControllerFileIndex],
                      [this](const DPadWindowView& view) { ShowView(view); });
}

void TDPadSettingsForm::ShowView(const DPadWindowView& view) {
    SetWindowTextW(Handle(), Utf8ToWide(view.Caption).c_str());
    FillGroupButtons(buttons_, view.Modes, view.AutoAssign, view.MouseSettingsCaption);
    mouseTarget_ = view.MouseSettingsTarget;
    UpdateLiveDisplay();
}

void TDPadSettingsForm::UpdateLiveDisplay() {
    const ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    DrawDPadStatus(picture_, 0, 0, c->Profile.Sets[c->Profile.CurrentSet], c->Input.DPad, app_.Config);
    const RECT disc{Margin, Margin, Margin + DPadDiscSize, Margin + DPadDiscSize};
    InvalidateDialogRect(Handle(), disc);
}

void TDPadSettingsForm::ButtonPressed(int id) {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c) return;
    if (id == MouseSettingsButtonId) {
        app_.Ui.OpenWindowFor(SettingsWindow::Mouse, mouseTarget_);
        return;
    }
    if (id >= ModeButtonId && id < ModeButtonId + 6)
        PressDPadMode(c->Profile, id - ModeButtonId, app_.Ui);
    else if (const int choice = AutoAssignChoiceOf(buttons_, id); choice >= 0)
        PressDPadAutoAssign(c->Profile, choice, app_.Ui);
    else
        return;
    Refresh();
}

void TDPadSettingsForm::PaintPictures(HDC dc) {
    PaintPicture(dc, Margin, Margin, picture_);
}

}  // namespace velmora
