#include "app/win32/settings/AssignmentSettingsForm.h"

#include <algorithm>

#include "app/WindowsVersion.h"
#include "app/settings/AssignmentOptionIcons.h"
#include "app/settings/SettingsWindows.h"
#include "app/win32/Application.h"
#include "app/win32/settings/SystemKeyboardLayout.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/PictureBox.h"
#include "ui/win32/SettingsPictureBoxes.h"
#include "ui/win32/WindowDpi.h"

namespace velmora {
namespace {

// Past the dialog manager's ids (IDOK 1 to IDCONTINUE 11): with the Turbo box
// at 2 (IDCANCEL) its click closed the window.
enum ControlId : int {
    OptionIdBase = 100,  // the option boxes carry 100 + the options' numbers
    ToggleId = OptionIdBase + 1,
    TurboId = OptionIdBase + 2,
    RumbleId = OptionIdBase + 3,
    NameId = 110,
    AdvancedId = 111,
    MouseSettingsId = 112,
    HelpId = 113,
};

AssignmentOption OptionOfBox(int id) {
    return static_cast<AssignmentOption>(id - OptionIdBase);
}

constexpr int FooterTall = 57;

// The screen's width in the 96-dpi pixels the window is laid out in: at 200 % a
// screen 1280 pixels wide has room for the smaller window only.
int DesktopWidth() {
    return MulDiv(GetSystemMetrics(SM_CXSCREEN), StandardDpi, SystemDpi());
}

WindowSize ClientSize() {
    return AssignmentClientSize(DesktopWidth());
}

void SetText(HWND window, const std::string& text) {
    SetWindowTextW(window, Utf8ToWide(text).c_str());
}

std::string TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return WideToUtf8(text);
}

LRESULT FooterColours(WPARAM deviceContext) {
    static const HBRUSH silver = CreateSolidBrush(DialogSilver);
    SetBkColor(reinterpret_cast<HDC>(deviceContext), DialogSilver);
    return reinterpret_cast<LRESULT>(silver);
}

void Check(HWND box, bool on) {
    SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

TAssignmentSettingsForm::TAssignmentSettingsForm(Application& app)
    : TSettingsForm(L"VelmoraAssignmentForm", ClientSize().Width, ClientSize().Height,
                    DpiAwareness::OwnScaling),
      app_(app),
      geometry_(KeyboardGeometryFor(DesktopWidth())) {}

ControllerDataType* TAssignmentSettingsForm::Selected() const {
    ControllerListType& list = app_.Main.List;
    return list.Selected < list.Count() ? &list.Controllers[list.Selected] : nullptr;
}

// The smaller window's footer has room for narrower steps between the boxes
// and a narrower name box; the buttons keep to the right edge.
void TAssignmentSettingsForm::FormIsCreated() {
    const WindowSize client = ClientSize();
    const int footer = client.Height - FooterTall;
    const int pitch = client.Width >= 737 ? 88 : 72;
    CreateOptionBoxes(footer, pitch);
    const int nameLeft = 8 + 3 * pitch + 16;
    const int advancedLeft = client.Width - 220;
    const int nameWidth = std::min(185, advancedLeft - 8 - nameLeft);
    CreateChild(Handle(), L"STATIC", Translate("*Name*") + ":", 0, {nameLeft, footer + 8, nameWidth, 18}, 0);
    name_ = CreateChild(Handle(), L"EDIT", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                        {nameLeft, footer + 28, nameWidth, 22}, NameId);
    SendMessageW(name_, EM_LIMITTEXT, 32, 0);  // what a profile keeps of a name
    CreateChild(Handle(), L"BUTTON", Translate("*Advanced*") + "...", WS_TABSTOP | BS_PUSHBUTTON,
                {advancedLeft, footer + 26, 110, 26}, AdvancedId);
    CreateChild(Handle(), L"BUTTON", Translate("*Help*"), WS_TABSTOP | BS_PUSHBUTTON,
                {client.Width - 104, footer + 26, 96, 26}, HelpId);
    // On the picture's bottom-right corner, where the mouse's keys are.
    CreateChild(Handle(), L"BUTTON", Translate("*Mouse Settings*"), WS_TABSTOP | BS_PUSHBUTTON,
                {pictureAt_.x + geometry_.Width - 122, pictureAt_.y + geometry_.Height - 26, 120, 24},
                MouseSettingsId);
    keyboardLayout_ = SystemKeyboardLayout();
    glyphs_ = LayoutGlyphs(keyboardLayout_);
}

// Toggle, Turbo and Rumble, each box under its icon (a click on the icon switches the box).
void TAssignmentSettingsForm::CreateOptionBoxes(int footer, int pitch) {
    const char* captions[] = {"*Toggle*", "*Turbo*", "*Rumble*"};
    std::array<HWND*, 3> boxes{&toggle_, &turbo_, &rumble_};
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        const int left = 8 + pitch * static_cast<int>(i);
        *boxes[i] = CreateChild(Handle(), L"BUTTON", Translate(captions[i]), WS_TABSTOP | BS_AUTOCHECKBOX,
                                {left, footer + 30, pitch - 8, 20}, static_cast<int>(i) + ToggleId);
        iconPlaces_[i] = {left, footer + 10, left + OptionIconSize, footer + 10 + OptionIconSize};
        icons_[i] = DrawOptionIcon(static_cast<AssignmentOption>(i + 1), true);
        iconBoxes_[i] =
            CreatePictureBox(Handle(), {left, footer + 10, OptionIconSize, OptionIconSize}, &icons_[i]);
    }
}

std::string TAssignmentSettingsForm::Caption() const {
    ControllerDataType* c = Selected();
    if (!c) return {};
    return AssignmentCaption(app_.Main.List.LayoutOf(*c), state_.Edit.Control, c->Profile.CurrentSet);
}

void TAssignmentSettingsForm::OpenFor(int control) {
    ControllerDataType* c = Selected();
    if (!c || control < 0 || control >= ControlCount) return;
    OpenAssignmentWindow(state_, control, app_.Main.Loop.RumbleTest, app_.Ui);
    app_.Ui.Layout().SetEditedControl(control);
    app_.Ui.DrawControlButton(control);  // Yellow while edited
    Refresh();
    const int scale = app_.Ui.Layout().Scale();
    POINT picture{LayoutLeft * scale, LayoutTop * scale};
    ClientToScreen(app_.Window, &picture);
    const DesktopArea desktop = WorkArea();
    const WindowPoint place = AssignmentWindowPlace(
        app_.Config, Size(), {desktop.Left + desktop.Width, desktop.Top + desktop.Height},
        {picture.x, picture.y}, scale, app_.Main.List.LayoutOf(*c).Locations[control]);
    Show(place);
    SetFocus(Handle());
}

void TAssignmentSettingsForm::FormIsClosed() {
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    app_.Ui.Layout().SetEditedControl(-1);
    CloseAssignmentWindow(state_, app_.Config, {frame.left, frame.top}, app_.Main.Loop.RumbleTest, app_.Ui);
}

void TAssignmentSettingsForm::Refresh() {
    ControllerDataType* c = Selected();
    if (!c || !state_.Open) return;
    const AssignmentWindowView view =
        ViewAssignmentWindow(c->Profile.Current(state_.Edit.Control), c->CanRumble);
    state_.Refreshing = true;
    Check(toggle_, view.Toggle);
    Check(turbo_, view.Turbo);
    Check(rumble_, view.Rumble);
    EnableWindow(rumble_, view.RumbleEnabled);
    icons_[2] = DrawOptionIcon(AssignmentOption::Rumble, view.RumbleEnabled);
    RedrawPictureBox(iconBoxes_[2]);
    if (TextOf(name_) != view.Name) SetText(name_, view.Name);
    state_.Refreshing = false;
    SetText(Handle(), Caption());
    RedrawKeyboard();
}

void TAssignmentSettingsForm::RedrawKeyboard() {
    ControllerDataType* c = Selected();
    if (!c || !Handle()) return;
    const KeyStates states = ComputeKeyStates(c->Profile.Sets[c->Profile.CurrentSet], state_.Edit.Control);
    picture_ = DrawKeyboardPicture(states, glyphs_, geometry_, app_.Config.ThemeButtons);
    const RECT area{pictureAt_.x, pictureAt_.y, pictureAt_.x + geometry_.Width,
                    pictureAt_.y + geometry_.Height};
    InvalidateDialogRect(Handle(), area);
}

void TAssignmentSettingsForm::CaptureKeyboard(bool keyEmitting) {
    ControllerDataType* c = Selected();
    if (!c || !state_.Open) return;
    const HWND active = GetActiveWindow();
    const HWND focus = GetFocus();
    CaptureGuards guards;
    guards.KeyEmitting = keyEmitting;
    guards.AssignmentWindowActive = active == Handle();
    guards.AdvancedWindowActive = advancedWindow_ && active == advancedWindow_;
    guards.NameBoxFocused = focus == name_;
    guards.AdvancedOpen = advancedWindow_ && IsWindowVisible(advancedWindow_);
    guards.TestBoxFocused = advancedTestBox_ && focus == advancedTestBox_;
    const std::uint8_t version = CurrentWindowsVersion();
    guards.LegacyWindows = version == Windows98 || version == WindowsMe;
    KeyboardStateType keyboard{};
    if (!keyEmitting && !GetKeyboardState(keyboard.data())) return;
    const CaptureResult result = velmora::CaptureKeyboard(keyboard, guards, state_.LastCaptured);
    // The key must not reach a box or button of either window.
    if (result.TakeFocus && focus && focus != Handle()) SetFocus(active);
    // An assignment redraws the keys through the seam's slot-display call.
    if (result.Assign) AssignSlot(c->Profile, state_.Edit, *result.Assign, app_.Ui);
}

void TAssignmentSettingsForm::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT client{};
    GetClientRect(Handle(), &client);
    // The footer's top where the controls on it are placed: the scaled edge, not the scaled height.
    const int dpi = DialogDpi(Handle());
    RECT footer = client;
    footer.top = ScaledLength(UnscaledCoordinate(client.bottom, dpi) - FooterTall, dpi);
    RECT top = client;
    top.bottom = footer.top;
    FillRect(dc, &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const HBRUSH silver = CreateSolidBrush(DialogSilver);
    FillRect(dc, &footer, silver);
    DeleteObject(silver);
    ScaleDialogDrawing(Handle(), dc);
    if (picture_.Width() > 0) PaintPicture(dc, pictureAt_.x, pictureAt_.y, picture_);
    EndPaint(Handle(), &paint);
}

// The caption names the key under the pointer while it is over the picture.
void TAssignmentSettingsForm::PointerAt(int x, int y) {
    const int px = x - pictureAt_.x;
    const int py = y - pictureAt_.y;
    const bool inside = px >= 0 && py >= 0 && px < geometry_.Width && py < geometry_.Height;
    if (!inside) {
        if (hovering_) SetText(Handle(), Caption());
        hovering_ = false;
        return;
    }
    if (!hovering_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
    }
    hovering_ = true;
    SetText(Handle(), KeyboardHoverCaption(Caption(), state_.Edit.SlotPosition, KeyAt(px, py, geometry_.Unit),
                                           &keyboardLayout_));
}

bool TAssignmentSettingsForm::ClickIcon(int x, int y) {
    ControllerDataType* c = Selected();
    for (std::size_t i = 0; i < iconPlaces_.size(); ++i) {
        if (!PtInRect(&iconPlaces_[i], POINT{x, y})) continue;
        if (!c) return true;
        const auto option = static_cast<AssignmentOption>(i + 1);
        const AssignmentWindowView view =
            ViewAssignmentWindow(c->Profile.Current(state_.Edit.Control), c->CanRumble);
        if (const std::optional<bool> on = ClickOptionIcon(view, option)) {
            Check(GetDlgItem(Handle(), OptionIdBase + static_cast<int>(option)), *on);
            SetAssignmentOption(state_, c->Profile, option, *on, app_.Main.Loop.RumbleTest, app_.Ui);
        }
        return true;
    }
    return false;
}

void TAssignmentSettingsForm::Command(int id, int code) {
    ControllerDataType* c = Selected();
    if (!c) return;
    ProfileType& profile = c->Profile;
    if ((id == ToggleId || id == TurboId || id == RumbleId) && code == BN_CLICKED) {
        const HWND box = GetDlgItem(Handle(), id);
        const bool on = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SetAssignmentOption(state_, profile, OptionOfBox(id), on, app_.Main.Loop.RumbleTest, app_.Ui);
    } else if (id == NameId && code == EN_CHANGE) {
        SetAssignmentName(state_, profile, TextOf(name_), app_.Ui);
    } else if (id == AdvancedId) {
        app_.Ui.OpenWindowFor(SettingsWindow::AdvancedAssignment, state_.Edit.Control);
    } else if (id == MouseSettingsId) {
        app_.Ui.OpenWindowFor(SettingsWindow::Mouse, state_.Edit.Control);
    } else if (id == HelpId) {
        app_.Ui.ShowHelp(SettingsWindowInfo(SettingsWindow::Assignment).HelpTopics[0]);
    }
}

LRESULT TAssignmentSettingsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CTLCOLORSTATIC:  // the boxes and the name's label stand on the silver footer
            return FooterColours(wParam);
        case WM_SETCURSOR:
            if (hovering_) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE: {
            const POINT at = DialogPoint(Handle(), lParam);
            PointerAt(at.x, at.y);
            return 0;
        }
        case WM_MOUSELEAVE:
            hovering_ = false;
            SetText(Handle(), Caption());
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const POINT at = DialogPoint(Handle(), lParam);
            if (message == WM_LBUTTONUP && ClickIcon(at.x, at.y)) return 0;
            if (ControllerDataType* c = Selected())
                ClickKeyboard(state_, c->Profile, at.x - pictureAt_.x, at.y - pictureAt_.y, geometry_.Unit,
                              app_.Ui);
            if (IsOpen()) RedrawKeyboard();
            return 0;
        }
        case WM_COMMAND:
            Command(LOWORD(wParam), HIWORD(wParam));
            return 0;
    }
    return TSettingsForm::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora
