#include "app/win32/settings/MouseSettingsForm.h"

#include "app/MainMenus.h"
#include "app/win32/Application.h"
#include "app/win32/settings/GroupFormControls.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "ui/win32/ChoiceButtonRows.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/SettingsPictureBoxes.h"

namespace velmora {
namespace {

constexpr int Margin = 12;
constexpr int FormWidth = 424;
constexpr int FormHeight = 360;
constexpr int SpeedXId = 101;
constexpr int SpeedYId = 102;
constexpr int TogetherId = 103;
constexpr int TestLeft = Margin + SpeedGraphWidth + 12;
constexpr int SlidersTop = Margin + TestPictureSize + 8;

}  // namespace

TMouseSettingsForm::TMouseSettingsForm(Application& app)
    : TLiveSettingsForm(L"TMouseSettingsForm", FormWidth, FormHeight, DpiAwareness::OwnScaling),
      app_(app),
      graph_(SpeedGraphWidth, SpeedGraphHeight),
      test_(TestPictureSize, TestPictureSize) {}

void TMouseSettingsForm::FormIsCreated() {
    const HWND w = Handle();
    status_ =
        CreateChild(w, L"STATIC", "", 0, {Margin, Margin + SpeedGraphHeight + 8, SpeedGraphWidth, 40}, -1);
    const int sliderWidth = FormWidth - 2 * Margin - 52;
    speedX_ =
        CreateLabelledTrackBar(w, Translate("*Horizontal Speed*"), Margin, SlidersTop, sliderWidth, SpeedXId);
    speedY_ = CreateLabelledTrackBar(w, Translate("*Vertical Speed*"), Margin, SlidersTop + 56, sliderWidth,
                                     SpeedYId);
    together_ = CreateChild(w, L"BUTTON", Translate("*Move Together*"), WS_TABSTOP | BS_AUTOCHECKBOX,
                            {TestLeft + TestPictureSize + 12, Margin, 120, 20}, TogetherId);
    const int buttonWidth = (FormWidth - 2 * Margin - 16) / 5;
    modes_ = CreateChoiceButtonRow(w, Margin, SlidersTop + 116, buttonWidth, 22, 3, 3, ModeButtonId);
    autoAssign_ =
        CreateChoiceButtonRow(w, Margin, SlidersTop + 146, buttonWidth, 22, 5, 5, AutoAssignButtonId);
}

void TMouseSettingsForm::OpenFor(int subject) {
    if (!SelectedController(app_.Main.List)) return;
    if (subject != state_.Target) state_.Trail = MouseTestTrail{};
    state_.Target = subject;
    Refresh();
    TSettingsForm::Show();
    FocusControl(speedX_.Bar);
}

void TMouseSettingsForm::Refresh() {
    const ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    RefreshMouseWindow(state_, c->Profile, app_.Main.List.Layouts[c->ControllerFileIndex],
                       [this](const MouseWindowView& view) { ShowView(view); });
}

void TMouseSettingsForm::ShowView(const MouseWindowView& view) {
    if (const ControllerDataType* c = SelectedController(app_.Main.List)) shownSet_ = c->Profile.CurrentSet;
    SetWindowTextW(Handle(), Utf8ToWide(view.Caption).c_str());
    for (auto [slider, s] : {std::pair{&speedX_, &view.SpeedX}, std::pair{&speedY_, &view.SpeedY}}) {
        FillLabelledTrackBar(*slider, s->Minimum, s->Maximum, s->Position, s->LowLabel, s->HighLabel,
                             s->ValueLabel);
        ShowLabelledTrackBar(*slider, s->Visible);
    }
    SendMessageW(together_, BM_SETCHECK, view.MoveTogether ? BST_CHECKED : BST_UNCHECKED, 0);
    for (std::size_t i = 0; i < modes_.size() && i < view.Modes.size(); ++i)
        FillChoiceButton(modes_[i], view.Modes[i].Caption, view.Modes[i].Marked);
    autoAssignChoices_.clear();
    for (std::size_t i = 0; i < autoAssign_.size(); ++i) {
        const bool shown = i < view.AutoAssign.size();  // a single control has no key groups
        ShowWindow(autoAssign_[i], shown ? SW_SHOW : SW_HIDE);
        if (!shown) continue;
        FillChoiceButton(autoAssign_[i], view.AutoAssign[i].Caption, view.AutoAssign[i].Marked);
        autoAssignChoices_.push_back(view.AutoAssign[i].Value);
    }
    DrawSpeedGraph(graph_, 0, 0, CurvesOf(view), *app_.Main.Loop.Speeds);
    const RECT graph{Margin, Margin, Margin + SpeedGraphWidth, Margin + SpeedGraphHeight};
    InvalidateDialogRect(Handle(), graph);
    UpdateLiveDisplay();
}

void TMouseSettingsForm::UpdateLiveDisplay() {
    const ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    // The window stays open when the set changes (the mouse movement goes on): it shows the new set.
    if (c->Profile.CurrentSet != shownSet_) return Refresh();
    const MouseState& mouse = app_.Main.Loop.Mouse;
    const std::uint8_t mode = TargetMode(state_, c->Profile);
    AddTestPoint(state_.Trail, mouse, mode);
    DrawMouseTestPicture(test_, 0, 0, state_.Trail, mode);
    std::string lines;
    for (const std::string& line : MouseStatusLines(mouse)) lines += line + "\n";
    SetWindowTextW(status_, Utf8ToWide(lines).c_str());
    const RECT test{TestLeft, Margin, TestLeft + TestPictureSize, Margin + TestPictureSize};
    InvalidateDialogRect(Handle(), test);
}

void TMouseSettingsForm::SliderMoved(HWND bar) {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || (bar != speedX_.Bar && bar != speedY_.Bar)) return;
    const bool x = bar == speedX_.Bar;
    const int other = TrackBarPosition(x ? speedY_.Bar : speedX_.Bar);
    if (ChangeMouseSpeed(state_, c->Profile, x ? MouseAxis::X : MouseAxis::Y, TrackBarPosition(bar), other))
        Refresh();
}

void TMouseSettingsForm::ButtonPressed(int id) {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c) return;
    const int place = id - AutoAssignButtonId;
    if (id == TogetherId)
        state_.MoveTogether = SendMessageW(together_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    else if (id >= ModeButtonId && id < ModeButtonId + 3)
        PressMouseMode(state_, c->Profile, id - ModeButtonId);
    else if (place >= 0 && place < static_cast<int>(autoAssignChoices_.size()))
        PressMouseAutoAssign(state_, c->Profile, autoAssignChoices_[static_cast<std::size_t>(place)],
                             app_.Ui);
    else
        return;
    Refresh();
}

void TMouseSettingsForm::PaintPictures(HDC dc) {
    PaintPicture(dc, Margin, Margin, graph_);
    PaintPicture(dc, TestLeft, Margin, test_);
}

}  // namespace velmora
