#include "app/win32/settings/TriggerSettingsForm.h"

#include "app/MainMenus.h"
#include "app/settings/TriggerBars.h"
#include "app/win32/Application.h"
#include "app/win32/settings/GroupFormControls.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/SettingsPictureBoxes.h"

namespace velmora {
namespace {

constexpr int Margin = 12;
constexpr int FormWidth = 340;
constexpr int FormHeight = 186;
constexpr int BarsHeight = 2 * TriggerBarHeight + TriggerBarGap;
constexpr int FirstThresholdId = 101;

// A slider's caption: the trigger's name in the layout, or which one it is.
std::string TriggerCaption(const ControllerFileType& layout, std::size_t trigger) {
    const std::string& name = layout.TriggerNames[trigger];
    if (!name.empty()) return name;
    return Translate(trigger == 0 ? "*Left Trigger*" : "*Right Trigger*");
}

}  // namespace

TTriggerSettingsForm::TTriggerSettingsForm(Application& app)
    : TLiveSettingsForm(L"TTriggerSettingsForm", FormWidth, FormHeight, DpiAwareness::OwnScaling),
      app_(app),
      picture_(TriggerBarWidth, BarsHeight) {}

void TTriggerSettingsForm::FormIsCreated() {
    const HWND w = Handle();
    const int sliderWidth = FormWidth - 2 * Margin - 52;
    for (std::size_t t = 0; t < 2; ++t) {
        const int offset = static_cast<int>(t);
        values_[t] =
            CreateChild(w, L"STATIC", "", 0,
                        {Margin + TriggerBarWidth + 6,
                         Margin + offset * (TriggerBarHeight + TriggerBarGap) + 1, 48, TriggerBarHeight},
                        -1);
        thresholds_[t] = CreateLabelledTrackBar(w, "", Margin, Margin + BarsHeight + 10 + offset * 64,
                                                sliderWidth, FirstThresholdId + offset);
    }
}

void TTriggerSettingsForm::OpenFor(int /*subject*/) {
    if (!SelectedController(app_.Main.List)) return;
    Refresh();
    TSettingsForm::Show();
    FocusControl(thresholds_[0].Bar);
}

void TTriggerSettingsForm::Refresh() {
    const ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    const ControllerFileType& layout = app_.Main.List.Layouts[c->ControllerFileIndex];
    for (std::size_t t = 0; t < 2; ++t)
        SetWindowTextW(thresholds_[t].Caption, Utf8ToWide(TriggerCaption(layout, t)).c_str());
    RefreshTriggerWindow(state_, c->Profile, layout,
                         [this](const TriggerWindowView& view) { ShowView(view); });
}

void TTriggerSettingsForm::ShowView(const TriggerWindowView& view) {
    SetWindowTextW(Handle(), Utf8ToWide(view.Caption).c_str());
    for (std::size_t t = 0; t < 2; ++t) {
        const SliderView& s = view.Thresholds[t];
        FillLabelledTrackBar(thresholds_[t], s.Minimum, s.Maximum, s.Position, s.LowLabel, s.HighLabel,
                             s.ValueLabel);
    }
    UpdateLiveDisplay();
}

void TTriggerSettingsForm::UpdateLiveDisplay() {
    const ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c || !Handle()) return;
    DrawTriggerStatus(picture_, 0, 0, c->Profile.Sets[c->Profile.CurrentSet], c->Input.Triggers);
    for (std::size_t t = 0; t < 2; ++t)
        SetWindowTextW(values_[t], Utf8ToWide(TriggerValueLabel(c->Input.Triggers[t])).c_str());
    const RECT bars{Margin, Margin, Margin + TriggerBarWidth, Margin + BarsHeight};
    InvalidateDialogRect(Handle(), bars);
}

void TTriggerSettingsForm::SliderMoved(HWND bar) {
    ControllerDataType* c = SelectedController(app_.Main.List);
    if (!c) return;
    for (std::size_t t = 0; t < 2; ++t)
        if (bar == thresholds_[t].Bar &&
            ChangeTriggerThreshold(state_, c->Profile, static_cast<int>(t), TrackBarPosition(bar)))
            Refresh();
}

void TTriggerSettingsForm::PaintPictures(HDC dc) {
    PaintPicture(dc, Margin, Margin, picture_);
}

}  // namespace velmora
