#include "app/win32/settings/StickSettingsForm.h"

#include "app/MainMenus.h"
#include "app/win32/Application.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "model/AutoAssign.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/SettingsPictureBoxes.h"

namespace velmora {
namespace {

constexpr int Margin = 12;
constexpr int FormWidth = 404;
constexpr int FormHeight = 380;
constexpr int DeadZoneId = 101;
constexpr int DiagonalId = 102;
// The live values' column, right of the zone map.
constexpr int LiveLeft = Margin + ZoneMapSize + 16;

std::string LiveCaptions() {
    return "X\nY\n" + Translate("*Distance*") + "\n" + Translate("*Bearing*");
}

}  // namespace

TStickSettingsForm::TStickSettingsForm(Application& app)
    : TLiveSettingsForm(L"TStickSettingsForm", FormWidth, FormHeight, DpiAwareness::OwnScaling), app_(app) {}

void TStickSettingsForm::FormIsCreated() {
    const HWND w = Handle();
    CreateChild(w, L"STATIC", LiveCaptions(), 0, {LiveLeft, Margin + 4, 64, 60}, -1);
    liveValues_ = CreateChild(w, L"STATIC", "", 0, {LiveLeft + 64, Margin + 4, 80, 60}, -1);
    const int sliderWidth = FormWidth - 2 * Margin - 52;
    deadZone_ = CreateLabelledTrackBar(w, Translate("*Dead Zone*"), Margin, Margin + ZoneMapSize + 8,
                                       sliderWidth, DeadZoneId);
    diagonal_ = CreateLabelledTrackBar(w, Translate("*Diagonal Size*"), Margin, Margin + ZoneMapSize + 64,
                                       sliderWidth, DiagonalId);
    buttons_ = CreateGroupButtons(w, Margin, Margin + ZoneMapSize + 122, FormWidth - 2 * Margin);
    buttons_.MouseSettings =
        CreateChild(w, L"BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON,
                    {LiveLeft, Margin + ZoneMapSize - 24, 130, 24}, MouseSettingsButtonId);
}

void TStickSettingsForm::OpenFor(int subject) {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c) return;
    PrepareStickWindowOpening(app_.Ui);
    state_.Stick = subject == Stick2Group ? 1 : 0;
    Refresh();
    UpdateLiveDisplay();
    POINT origin{0, 0};
    ClientToScreen(app_.Window, &origin);
    const DesktopArea desktop = WorkArea();
    const WindowPoint place =
        StickWindowPlace(app_.Config, app_.Main.List.LayoutOf(*c), state_.Stick, {origin.x, origin.y},
                         app_.Ui.Layout().Scale(), Size(), {desktop.Width, desktop.Height});
    TSettingsForm::Show(place);
    // As in a dialog, the first control has the focus: the dead zone answers the arrow keys at once.
    FocusControl(deadZone_.Bar);
}

void TStickSettingsForm::Refresh() {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    RefreshStickWindow(state_, c->Profile, app_.Main.List.LayoutOf(*c),
                       [this](const StickWindowView& view) { ShowView(view); });
}

void TStickSettingsForm::ShowView(const StickWindowView& view) {
    SetWindowTextW(Handle(), Utf8ToWide(view.Caption).c_str());
    const SliderView& d = view.DeadZone;
    FillLabelledTrackBar(deadZone_, d.Minimum, d.Maximum, d.Position, d.LowLabel, d.HighLabel, d.ValueLabel);
    const SliderView& g = view.DiagonalSize;
    FillLabelledTrackBar(diagonal_, g.Minimum, g.Maximum, g.Position, g.LowLabel, g.HighLabel, g.ValueLabel);
    ShowLabelledTrackBar(diagonal_, g.Visible);
    FillGroupButtons(buttons_, view.Modes, view.AutoAssign, view.MouseSettingsCaption);
    mouseTarget_ = view.MouseSettingsTarget;
    UpdateLiveDisplay();
}

void TStickSettingsForm::UpdateLiveDisplay() {
    const ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    const auto s = static_cast<std::size_t>(state_.Stick);
    const int x = c->Input.StickX[s], y = c->Input.StickY[s];
    DrawStickStatus(picture_, 0, 0, c->Profile.Sets[c->Profile.CurrentSet], state_.Stick, x, y, app_.Config);
    std::string lines;
    for (const std::string& line : StickLiveLines(MeasureStickLive(x, y))) lines += line + "\n";
    SetWindowTextW(liveValues_, Utf8ToWide(lines).c_str());
    const RECT map{Margin, Margin, Margin + ZoneMapSize, Margin + ZoneMapSize};
    InvalidateDialogRect(Handle(), map);
}

void TStickSettingsForm::SliderMoved(HWND bar) {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c) return;
    const bool stored = bar == deadZone_.Bar ? ChangeStickDeadZone(state_, c->Profile, TrackBarPosition(bar))
                        : bar == diagonal_.Bar
                            ? ChangeStickDiagonalSize(state_, c->Profile, TrackBarPosition(bar))
                            : false;
    if (stored) Refresh();
}

void TStickSettingsForm::ButtonPressed(int id) {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c) return;
    if (id == MouseSettingsButtonId) {
        app_.Ui.OpenWindowFor(SettingsWindow::Mouse, mouseTarget_);
        return;
    }
    if (id >= ModeButtonId && id < ModeButtonId + 6)
        PressStickMode(state_, c->Profile, id - ModeButtonId, app_.Ui);
    else if (const int choice = AutoAssignChoiceOf(buttons_, id); choice >= 0)
        PressStickAutoAssign(state_, c->Profile, choice, app_.Ui);
    else
        return;
    Refresh();
}

void TStickSettingsForm::PaintPictures(HDC dc) {
    PaintPicture(dc, Margin, Margin, picture_);
}

}  // namespace velmora
