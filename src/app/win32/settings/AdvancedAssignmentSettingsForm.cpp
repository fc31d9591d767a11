#include "app/win32/settings/AdvancedAssignmentSettingsForm.h"

#include <commctrl.h>

#include "app/settings/AssignmentOptionIcons.h"
#include "app/settings/SettingsWindows.h"
#include "app/win32/Application.h"
#include "app/win32/settings/AssignmentSettingsForm.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/PictureBox.h"

namespace velmora {
namespace {

enum ControlId : int {
    TabsId = 100,
    AddCycleStopId = 12,  // the buttons' tags
    AddPauseId = 13,
    InsertId = 14,
    DeleteId = 15,
    ClearId = 16,
    PauseBarId = 17,
    PauseUpDownId = 18,
    PauseLabelId = 19,
    AutoPausesId = 20,
    TestId = 21,
    MemoId = 22,
    ToggleId = 30,
    TurboId = 31,
    TurboBarId = 32,
    TurboDelayId = 33,
    TurboRateId = 34,
    RumbleId = 40,
    RumbleTextId = 41,
    RumbleLeftBarId = 42,
    RumbleRightBarId = 43,
    RumbleLeftLabelId = 44,
    RumbleRightLabelId = 45,
    SetSelectorId = 50,
    HelpId = 60,
};

enum Page : int { AssignmentsPage, TogglePage, TurboPage, RumblePage, SetSelectorPage };

constexpr int ClientWidth = 521;
constexpr int ClientHeight = 297;
constexpr RECT TabsPlace{8, 8, 504, 241};
constexpr POINT StripAt{20, 44};
constexpr POINT SliderAt{22, 82};
constexpr RECT LampPlace{20, 156, 287, 44};

void SetText(HWND window, const std::string& text) {
    SetWindowTextW(window, Utf8ToWide(text).c_str());
}

void Check(HWND box, bool on) {
    SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND MakeTrackBar(HWND control, int low, int high) {
    SendMessageW(control, TBM_SETRANGEMIN, FALSE, low);
    SendMessageW(control, TBM_SETRANGEMAX, TRUE, high);
    return control;
}

LRESULT PageColours(WPARAM deviceContext) {
    SetBkColor(reinterpret_cast<HDC>(deviceContext), RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

}  // namespace

TAdvancedAssignmentSettingsForm::TAdvancedAssignmentSettingsForm(Application& app,
                                                                 TAssignmentSettingsForm& assignment)
    : TSettingsForm(L"VelmoraAdvancedAssignmentForm", ClientWidth, ClientHeight, DpiAwareness::OwnScaling),
      app_(app),
      assignment_(assignment) {}

ControllerDataType* TAdvancedAssignmentSettingsForm::Selected() const {
    ControllerListType& list = app_.Main.List;
    return list.Selected < list.Count() ? &list.Controllers[list.Selected] : nullptr;
}

AssignmentWindowState& TAdvancedAssignmentSettingsForm::State() {
    return assignment_.State();
}

int TAdvancedAssignmentSettingsForm::Subject() const {
    return IsOpen() ? assignment_.Subject() : -1;
}

HWND TAdvancedAssignmentSettingsForm::Add(int page, const wchar_t* className, const std::string& text,
                                          DWORD style, RECT place, int id) {
    const HWND control = CreateChild(Handle(), className, text, style, place, id);
    pages_[static_cast<std::size_t>(page)].push_back(control);
    return control;
}

void TAdvancedAssignmentSettingsForm::FormIsCreated() {
    tabs_ = CreateChild(Handle(), WC_TABCONTROLW, "", WS_CLIPSIBLINGS | TCS_FIXEDWIDTH, TabsPlace, TabsId);
    const int dpi = DialogDpi(Handle());
    SendMessageW(tabs_, TCM_SETITEMSIZE, 0, MAKELPARAM(ScaledLength(100, dpi), ScaledLength(24, dpi)));
    const char* names[PageCount] = {"*Assignments*", "*Toggle*", "*Turbo*", "*Rumble*", "*Set Selector*"};
    for (int page = 0; page < PageCount; ++page) {
        const std::wstring text = Utf8ToWide(Translate(names[page]));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
    }
    CreateAssignmentsPage();
    CreateOptionPages();
    CreateChild(Handle(), L"BUTTON", Translate("*Help*"), WS_TABSTOP | BS_PUSHBUTTON, {411, 262, 102, 26},
                HelpId);
    // The pages' controls lie over the tab control: it stays below them.
    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    assignment_.SetAdvancedWindow(Handle(), memo_);
}

void TAdvancedAssignmentSettingsForm::CreateAssignmentsPage() {
    const DWORD button = WS_TABSTOP | BS_PUSHBUTTON;
    const int p = AssignmentsPage;
    Add(p, L"BUTTON", Translate("*Add Cycle Stop*"), button, {20, 96, 104, 24}, AddCycleStopId);
    Add(p, L"BUTTON", Translate("*Add Pause*"), button, {128, 96, 84, 24}, AddPauseId);
    Add(p, L"BUTTON", Translate("*Insert*"), button, {216, 96, 62, 24}, InsertId);
    Add(p, L"BUTTON", Translate("*Delete*"), button, {282, 96, 62, 24}, DeleteId);
    Add(p, L"BUTTON", Translate("*Clear*"), button, {348, 96, 62, 24}, ClearId);
    pauseBar_ =
        MakeTrackBar(Add(p, TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_NOTICKS, {16, 126, 300, 26}, PauseBarId),
                     MinimumPauseLength, MaximumPauseLength);
    pauseUpDown_ = Add(p, UPDOWN_CLASSW, "", 0, {320, 127, 18, 24}, PauseUpDownId);
    SendMessageW(pauseUpDown_, UDM_SETRANGE32, MinimumPauseLength, MaximumPauseLength);
    Add(p, L"STATIC", "", 0, {344, 131, 140, 18}, PauseLabelId);
    Add(p, L"BUTTON", Translate("*Auto-Add Sequence Pauses*"), WS_TABSTOP | BS_AUTOCHECKBOX,
        {20, 158, 300, 20}, AutoPausesId);
    Add(p, L"STATIC", Translate("*Test*") + ":", 0, {20, 184, 200, 16}, 0);
    stripBox_ = CreatePictureBox(Handle(), {StripAt.x, StripAt.y, SlotImageWidth, SlotImageHeight}, &strip_);
    sliderBox_ =
        CreatePictureBox(Handle(), {SliderAt.x, SliderAt.y, SlotSliderWidth, SlotSliderHeight}, &slider_);
    pages_[AssignmentsPage].push_back(stripBox_);
    pages_[AssignmentsPage].push_back(sliderBox_);
    Add(p, L"BUTTON", Translate("*Enable*"), WS_TABSTOP | BS_AUTOCHECKBOX, {26, 202, 80, 20}, TestId);
    memo_ = Add(p, L"EDIT", "", WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN,
                {110, 196, 376, 40}, MemoId);
}

void TAdvancedAssignmentSettingsForm::CreateOptionPages() {
    const DWORD box = WS_TABSTOP | BS_AUTOCHECKBOX;
    const std::string enable = Translate("*Enable*");
    Add(TogglePage, L"BUTTON", enable, box, {20, 48, 200, 20}, ToggleId);
    Add(TurboPage, L"BUTTON", enable, box, {20, 48, 200, 20}, TurboId);
    turboBar_ = MakeTrackBar(
        Add(TurboPage, TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_NOTICKS, {16, 74, 300, 26}, TurboBarId), 2, 250);
    Add(TurboPage, L"STATIC", "", 0, {20, 108, 280, 18}, TurboDelayId);
    Add(TurboPage, L"STATIC", "", 0, {20, 128, 280, 18}, TurboRateId);
    lamp_ = PictureType(LampPlace.right, LampPlace.bottom);
    lampBox_ = CreatePictureBox(Handle(), LampPlace, &lamp_);
    pages_[TurboPage].push_back(lampBox_);
    Add(RumblePage, L"BUTTON", enable, box, {20, 48, 200, 20}, RumbleId);
    Add(RumblePage, L"STATIC", "", 0, {20, 48, 470, 36}, RumbleTextId);
    noneIcon_ = DrawRumbleEndIcon(false);
    maxIcon_ = DrawRumbleEndIcon(true);
    for (int side = 0; side < 2; ++side) {
        const int top = 90 + side * 60;
        rumbleBars_[static_cast<std::size_t>(side)] =
            MakeTrackBar(Add(RumblePage, TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_NOTICKS, {40, top, 260, 26},
                             RumbleLeftBarId + side),
                         0, 255);
        Add(RumblePage, L"STATIC", "", 0, {330, top + 4, 164, 18}, RumbleLeftLabelId + side);
        const auto at = static_cast<std::size_t>(2 * side);
        endIcons_[at] = {20, top + 5, 20 + OptionIconSize, top + 5 + OptionIconSize};
        endIcons_[at + 1] = {306, top + 5, 306 + OptionIconSize, top + 5 + OptionIconSize};
        endIconBoxes_[at] =
            CreatePictureBox(Handle(), {20, top + 5, OptionIconSize, OptionIconSize}, &noneIcon_);
        endIconBoxes_[at + 1] =
            CreatePictureBox(Handle(), {306, top + 5, OptionIconSize, OptionIconSize}, &maxIcon_);
        pages_[RumblePage].push_back(endIconBoxes_[at]);
        pages_[RumblePage].push_back(endIconBoxes_[at + 1]);
    }
    setSelector_ = Add(SetSelectorPage, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                       {20, 48, 260, 300}, SetSelectorId);
}

void TAdvancedAssignmentSettingsForm::ShowPage(int page) {
    page_ = page;
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    for (int p = 0; p < PageCount; ++p)
        for (HWND control : pages_[static_cast<std::size_t>(p)])
            ShowWindow(control, p == page ? SW_SHOW : SW_HIDE);
    Refresh();
    RedrawSlotDisplay();
    InvalidateRect(Handle(), nullptr, TRUE);
}

std::string TAdvancedAssignmentSettingsForm::Caption() const {
    return AdvancedAssignmentCaption(assignment_.CaptionText());
}

void TAdvancedAssignmentSettingsForm::OpenFor(int /*control*/) {
    if (!Selected() || !assignment_.IsOpen()) return;
    ShowAdvancedAssignmentWindow(State(), app_.Ui);
    Check(GetDlgItem(Handle(), AutoPausesId), false);
    Check(GetDlgItem(Handle(), TestId), false);
    EnableWindow(memo_, FALSE);
    SetWindowTextW(memo_, L"");
    Show();
    ShowPage(AssignmentsPage);
    RedrawSlotDisplay();
}

void TAdvancedAssignmentSettingsForm::FormIsClosed() {
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    CloseAdvancedAssignmentWindow(State(), app_.Config, {frame.left, frame.top});
}

void TAdvancedAssignmentSettingsForm::Refresh() {
    ControllerDataType* c = Selected();
    if (!c || !IsOpen()) return;
    AssignmentWindowState& state = State();
    const AdvancedAssignmentView view =
        ViewAdvancedAssignmentWindow(c->Profile, state.Edit, *c, state.TestTicked);
    state.Refreshing = true;
    Check(GetDlgItem(Handle(), ToggleId), view.Toggle);
    Check(GetDlgItem(Handle(), TurboId), view.Turbo);
    SendMessageW(pauseBar_, TBM_SETPOS, TRUE, view.PauseLength);
    SendMessageW(pauseUpDown_, UDM_SETPOS32, 0, view.PauseLength);
    SetText(GetDlgItem(Handle(), PauseLabelId), view.PauseText);
    SendMessageW(turboBar_, TBM_SETPOS, TRUE, view.TurboRate);
    SetText(GetDlgItem(Handle(), TurboDelayId), view.TurboDelayText);
    SetText(GetDlgItem(Handle(), TurboRateId), view.TurboRateText);
    EnableWindow(GetDlgItem(Handle(), InsertId), view.InsertEnabled);
    EnableWindow(memo_, view.MemoEnabled);
    // The Rumble page: the box, sliders and labels only where rumble is available.
    const bool rumblePage = page_ == RumblePage;
    const bool box = view.Rumble.CheckBoxShown;
    Check(GetDlgItem(Handle(), RumbleId), view.Rumble.Checked);
    ShowWindow(GetDlgItem(Handle(), RumbleId), rumblePage && box ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(Handle(), RumbleTextId), rumblePage && !box ? SW_SHOW : SW_HIDE);
    SetText(GetDlgItem(Handle(), RumbleTextId), view.Rumble.Label);
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<std::size_t>(side);
        SendMessageW(rumbleBars_[s], TBM_SETPOS, TRUE, view.Strengths[s]);
        ShowWindow(rumbleBars_[s], rumblePage && box ? SW_SHOW : SW_HIDE);
        for (std::size_t end = 0; end < 2; ++end)
            ShowWindow(endIconBoxes_[2 * s + end], rumblePage && box ? SW_SHOW : SW_HIDE);
        const HWND label = GetDlgItem(Handle(), RumbleLeftLabelId + side);
        ShowWindow(label, rumblePage && box ? SW_SHOW : SW_HIDE);
        SetText(label, side == 0 ? view.Rumble.LeftLabel : view.Rumble.RightLabel);
    }
    SendMessageW(setSelector_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : view.SetSelectorList)
        SendMessageW(setSelector_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
    SendMessageW(setSelector_, CB_SETCURSEL, static_cast<WPARAM>(view.SetSelectorItem), 0);
    state.Refreshing = false;
    SetText(Handle(), Caption());
}

void TAdvancedAssignmentSettingsForm::RedrawSlotDisplay() {
    ControllerDataType* c = Selected();
    if (!c || !IsOpen()) return;
    const AssignmentWindowState& state = State();
    const SlotType& slots = c->Profile.Current(state.Edit.Control).Slots;
    strip_ = DrawSlotStrip(slots, state.Edit);
    const std::int32_t count = slots.CodeCount();
    // The slider is there only for lists longer than the strip.
    const bool sliderShown = SliderShown(count);
    if (sliderShown) slider_ = DrawSlotSlider(count, state.Edit.FirstVisibleSlot);
    ShowWindow(sliderBox_, page_ == AssignmentsPage && sliderShown ? SW_SHOW : SW_HIDE);
    EnableWindow(GetDlgItem(Handle(), InsertId),
                 ViewAdvancedAssignmentWindow(c->Profile, state.Edit, *c, state.TestTicked).InsertEnabled);
    RedrawPictureBox(stripBox_);
    RedrawPictureBox(sliderBox_);
}

void TAdvancedAssignmentSettingsForm::ShowTurboDemonstration(bool lit) {
    AdvanceTurboLamp(State().TurboLamp, lit);
    if (page_ != TurboPage) return;
    const ColourType colour = TurboLampColour(State().TurboLamp);
    if (lamp_.Get(0, 0) == colour) return;
    lamp_.Fill(0, 0, lamp_.Width(), lamp_.Height(), colour);
    RedrawPictureBox(lampBox_);
}

void TAdvancedAssignmentSettingsForm::PointerAt(int x, int y) {
    ControllerDataType* c = Selected();
    if (!c || page_ != AssignmentsPage) return;
    AssignmentWindowState& state = State();
    const std::int32_t count = c->Profile.Current(state.Edit.Control).Slots.CodeCount();
    if (state.SliderDragOffset >= 0) {
        MoveSlider(state, x - SliderAt.x, count);
        RedrawSlotDisplay();
        return;
    }
    const auto slot = SlotAt(x - StripAt.x, y - StripAt.y, state.Edit.FirstVisibleSlot, count);
    SetText(Handle(), SlotHoverCaption(Caption(), slot, state.Edit.SlotPosition));
}

void TAdvancedAssignmentSettingsForm::MouseUp(int x, int y) {
    ControllerDataType* c = Selected();
    if (!c || page_ != AssignmentsPage) return;
    AssignmentWindowState& state = State();
    if (state.SliderDragOffset >= 0) {
        ReleaseSlider(state);
        ReleaseCapture();
        return;
    }
    const std::int32_t count = c->Profile.Current(state.Edit.Control).Slots.CodeCount();
    if (const auto slot = SlotAt(x - StripAt.x, y - StripAt.y, state.Edit.FirstVisibleSlot, count)) {
        SelectSlot(state.Edit, *slot, count);
        RedrawSlotDisplay();
        SetText(Handle(), SlotHoverCaption(Caption(), slot, state.Edit.SlotPosition));
    }
}

void TAdvancedAssignmentSettingsForm::Command(int id, int code) {
    ControllerDataType* c = Selected();
    if (!c) return;
    AssignmentWindowState& state = State();
    ProfileType& profile = c->Profile;
    UserInterface& ui = app_.Ui;
    const HWND control = GetDlgItem(Handle(), id);
    switch (id) {
        case AddCycleStopId:
            AddCycleStop(profile, state.Edit, ui);
            break;
        case AddPauseId:
            AddPause(profile, state.Edit, ui);
            break;
        case InsertId:
            InsertSlot(profile, state.Edit, ui);
            break;
        case DeleteId:
            DeleteSlot(profile, state.Edit, ui);
            break;
        case ClearId:
            ClearSlots(profile, state.Edit, ui);
            break;
        case AutoPausesId:
            state.Edit.AutoAddPauses = Checked(control);
            return;
        case TestId:
            state.TestTicked = Checked(control);
            EnableWindow(memo_, state.TestTicked);
            if (state.TestTicked) SetFocus(memo_);
            return;
        case ToggleId:
        case TurboId:
        case RumbleId: {
            const auto option = id == ToggleId  ? AssignmentOption::Toggle
                                : id == TurboId ? AssignmentOption::Turbo
                                                : AssignmentOption::Rumble;
            SetAssignmentOption(state, profile, option, Checked(control), app_.Main.Loop.RumbleTest, ui);
            break;
        }
        case SetSelectorId:
            if (code != CBN_SELCHANGE || state.Refreshing) return;
            ChooseSetSelectorItem(profile, state.Edit.Control,
                                  static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)), ui);
            break;
        case HelpId:
            ui.ShowHelp(SettingsWindowInfo(SettingsWindow::AdvancedAssignment).HelpTopics[page_]);
            return;
        default:
            return;
    }
    // Both windows show what the edit changed: the keys' colours, the boxes, the strip.
    ui.RefreshWindow(SettingsWindow::Assignment);
    Refresh();
    RedrawSlotDisplay();
}

bool TAdvancedAssignmentSettingsForm::ClickEndIcon(int x, int y) {
    if (page_ != RumblePage) return false;
    for (std::size_t i = 0; i < endIcons_.size(); ++i) {
        if (!PtInRect(&endIcons_[i], POINT{x, y}) || !IsWindowVisible(endIconBoxes_[i])) continue;
        const HWND bar = rumbleBars_[i / 2];
        SendMessageW(bar, TBM_SETPOS, TRUE, i % 2 == 0 ? 0 : 255);
        Scroll(bar);  // stored and tried as if the slider had been moved there
        return true;
    }
    return false;
}

void TAdvancedAssignmentSettingsForm::Scroll(HWND control) {
    ControllerDataType* c = Selected();
    if (!c || State().Refreshing) return;
    AssignmentWindowState& state = State();
    if (control == pauseBar_) {
        SetPauseLength(state.Edit, static_cast<int>(SendMessageW(pauseBar_, TBM_GETPOS, 0, 0)));
    } else if (control == pauseUpDown_) {
        SetPauseLength(state.Edit, static_cast<int>(SendMessageW(pauseUpDown_, UDM_GETPOS32, 0, 0)));
    } else if (control == turboBar_) {
        SetTurboRate(c->Profile, state.Edit.Control,
                     static_cast<int>(SendMessageW(turboBar_, TBM_GETPOS, 0, 0)));
    } else if (control == rumbleBars_[0] || control == rumbleBars_[1]) {
        const auto strength = [&](std::size_t side) {
            return static_cast<std::uint8_t>(SendMessageW(rumbleBars_[side], TBM_GETPOS, 0, 0));
        };
        SetRumbleStrengths(c->Profile, state.Edit.Control, strength(0), strength(1), app_.Main.List.Selected,
                           app_.Main.Loop.RumbleTest);
    } else {
        return;
    }
    Refresh();
}

LRESULT TAdvancedAssignmentSettingsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:  // labels and boxes on the white pages
            return PageColours(wParam);
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            RECT footer = client;
            footer.top = ScaledLength(TabsPlace.top + TabsPlace.bottom + 6, DialogDpi(Handle()));
            const HBRUSH silver = CreateSolidBrush(DialogSilver);
            FillRect(reinterpret_cast<HDC>(wParam), &footer, silver);
            DeleteObject(silver);
            return 1;
        }
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->hwndFrom == tabs_ &&
                reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
                ShowPage(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
            return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            Scroll(reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_LBUTTONDOWN: {
            ControllerDataType* c = Selected();
            const POINT at = DialogPoint(Handle(), lParam);
            const int x = at.x - SliderAt.x;
            const int y = at.y - SliderAt.y;
            if (c && page_ == AssignmentsPage && x >= 0 && x < SlotSliderWidth && y >= 0 &&
                y < SlotSliderHeight) {
                const std::int32_t count = c->Profile.Current(State().Edit.Control).Slots.CodeCount();
                if (!SliderShown(count)) return 0;
                PressSlider(State(), x, count);
                if (State().SliderDragOffset >= 0) SetCapture(Handle());
                RedrawSlotDisplay();
            }
            return 0;
        }
        case WM_MOUSEMOVE: {
            const POINT at = DialogPoint(Handle(), lParam);
            PointerAt(at.x, at.y);
            return 0;
        }
        case WM_LBUTTONUP: {
            const POINT at = DialogPoint(Handle(), lParam);
            if (!ClickEndIcon(at.x, at.y)) MouseUp(at.x, at.y);
            return 0;
        }
        case WM_COMMAND:
            Command(LOWORD(wParam), HIWORD(wParam));
            return 0;
    }
    return TSettingsForm::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora
