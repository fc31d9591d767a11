#include "app/win32/settings/ControllerSettingsForm.h"

#include "base/win32/Windows.h"
// The tab control comes with the common controls, after the Windows header.
#include <commctrl.h>

#include "app/MainMenus.h"
#include "app/settings/ControllerEnableBoxes.h"
#include "app/settings/ControllerSelectors.h"
#include "app/settings/SettingsWindows.h"
#include "app/win32/Application.h"
#include "app/win32/SystemQueries.h"
#include "app/win32/settings/ControllerSettingsIds.h"
#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/TextDrawer.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/GdiTextDrawer.h"
#include "ui/win32/WindowDpi.h"

namespace velmora {

using namespace controller_ids;

namespace {
// Posted by a pass that kept a detection message: shown from the queue.
constexpr UINT DetectionMessageShown = WM_APP + 1;
}  // namespace

TControllerSettingsForm::TControllerSettingsForm(Application& app)
    : TSettingsForm(L"TControllerSettingsForm", FormWidth, FormHeight(), DpiAwareness::OwnScaling),
      app_(app),
      text_(MakeGdiTextDrawer()) {}

TControllerSettingsForm::~TControllerSettingsForm() = default;

int controller_ids::PanelTop() {
    // The screen's height in the 96-dpi pixels the window is laid out in.
    static const int top = PanelTopFor(MulDiv(GetSystemMetrics(SM_CYSCREEN), StandardDpi, SystemDpi()));
    return top;
}

ControllerDataType* TControllerSettingsForm::Controller() const {
    return SelectedController(app_.Main.List);
}

RawJoyState TControllerSettingsForm::Raw() const {
    const ControllerDataType* c = Controller();
    return c ? c->RawJoy : RawJoyState{};
}

void TControllerSettingsForm::OpenFor(int /*subject*/) {
    ControllerDataType* c = Controller();
    if (!c || !Create(app_.Window)) return;
    RememberPositionIn(&app_.Config, SettingsWindowInfo(SettingsWindow::ControllerSettings).PositionIndex);
    SetWindowTextW(Handle(),
                   Utf8ToWide(ControllerWindowCaption(app_.Main.List.LayoutOf(*c), c->Name)).c_str());
    // The window's size is designed in 96-dpi pixels: so is the desktop it is
    // measured against. The whole desktop, as at start-up: the work area of an
    // 800 x 600 screen (800 x 560 beside a taskbar) warned wrongly.
    const DesktopSize desktop = QueryDesktopSize();
    const int dpi = DialogDpi(Handle());
    if (auto warning = ControllerDesktopWarning(state_, MulDiv(desktop.Width, StandardDpi, dpi),
                                                MulDiv(desktop.Height, StandardDpi, dpi))) {
        app_.Ui.ShowMessageDialog(*warning);
        // A pad pulled out while the warning is up has closed the windows: none opens for it.
        if (Controller() != c || c->Connection == Lost) return;
    }
    ShowControllerWindow(state_, c->RawJoy);
    TabCtrl_SetCurSel(GetDlgItem(Handle(), TabsId), 0);
    ShowPage();
    Refresh();
    Show();
}

void TControllerSettingsForm::FormIsClosed() {
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    CloseControllerWindow(state_, app_.Config, {frame.left, frame.top}, app_.Ui, Raw());
}

void TControllerSettingsForm::Refresh() {
    if (!Handle() || !Controller()) return;
    state_.Refreshing = true;
    EnableGroups();
    FillSelectors();
    FillNames();
    ShowPanel();
    FillDrawTools();
    state_.Refreshing = false;
    InvalidateRect(Handle(), nullptr, FALSE);  // the picture follows the layout
}

void TControllerSettingsForm::DetectionTick() {
    ControllerDataType* c = Controller();
    if (!c || !state_.WindowOpen) return;
    const bool shown = state_.Detection.Panel.Shown;
    if (velmora::DetectionTick(state_, app_.Main.List.LayoutOf(*c), app_.Ui, c->RawJoy))
        Refresh();
    else if (shown != state_.Detection.Panel.Shown)
        ShowPanel();
    // This runs inside a pass: its message is shown from the message queue.
    if (state_.PendingMessage) PostMessageW(Handle(), DetectionMessageShown, 0, 0);
}

void TControllerSettingsForm::Edited() {
    if (ControllerDataType* c = Controller()) MarkLayoutEdited(app_.Main.List.LayoutOf(*c), app_.Ui);
}

LRESULT TControllerSettingsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DetectionMessageShown:
            ShowPendingDetectionMessage(state_, app_.Ui);
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
                const int tab = TabCtrl_GetCurSel(GetDlgItem(Handle(), TabsId));
                ChangeControllerTab(state_, static_cast<ControllerTab>(tab), Raw());
                ShowPage();
                Refresh();
            }
            return 0;
        case WM_COMMAND:
            if (lParam != 0) {
                OnCommand(LOWORD(wParam), HIWORD(wParam));
                return 0;
            }
            break;
        case WM_ERASEBKGND: {
            // The form's class has no brush: without this, hidden controls would stay on screen.
            RECT client{};
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(Handle(), &paint);
            ScaleDialogDrawing(Handle(), dc);
            PaintPicture(dc);
            EndPaint(Handle(), &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            const POINT at = DialogPoint(Handle(), lParam);
            if (MouseOnPalette(message, at) || MouseOnPicture(message, at)) return 0;
            break;
        }
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) == penSize_.Bar) {
                state_.Drawing.PenSize = TrackBarPosition(penSize_.Bar);
                FillDrawTools();
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            return WhiteStaticColours(wParam);
        default:
            break;
    }
    return TSettingsForm::HandleMessage(message, wParam, lParam);
}

void TControllerSettingsForm::OnCommand(int id, int code) {
    if (code == BN_CLICKED && OnClick(id)) return;
    if (code == CBN_SELCHANGE) {
        const auto item = static_cast<int>(SendDlgItemMessageW(Handle(), id, CB_GETCURSEL, 0, 0));
        OnSelector(id, item);
    } else if (code == EN_CHANGE) {
        OnName(id);
    }
}

}  // namespace velmora
