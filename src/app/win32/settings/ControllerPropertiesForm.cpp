#include "app/win32/settings/ControllerPropertiesForm.h"

#include "app/settings/ControllerPropertiesWindow.h"
#include "app/win32/Application.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/LiveBarDrawing.h"

namespace velmora {
namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 420;
constexpr int ControlPanelId = 1001;
constexpr int OkId = 1002;
constexpr int HelpId = 1003;

constexpr int DetailsWidth = 200;
constexpr int PanelLeft = DetailsWidth + 20;
constexpr int XInputLeft = PanelLeft + 215;
constexpr int RowHeight = 16;
constexpr BarRowLayout DirectInputRows{62, 100, 44, 15};
constexpr BarRowLayout XInputRows{62, 100, 44, 15};

// The controller the window shows: the selected one, if any.
const ControllerDataType* SelectedController(const ControllerListType& list) {
    if (list.Selected >= list.Count()) return nullptr;
    return &list.Controllers[list.Selected];
}

void PaintBars(HDC dc, POINT at, const BarRowLayout& rows, const RawValueBar* bars, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        DrawBarRow(dc, {at.x, at.y + static_cast<int>(i) * RowHeight}, rows, bars[i].Label,
                   std::to_string(bars[i].Value), BarLength(bars[i], rows.BarWidth - 2));
}

void PaintButtons(HDC dc, POINT at, const std::array<bool, 32>& buttons) {
    constexpr int Size = 19;
    for (int b = 0; b < 32; ++b)
        DrawLamp(dc,
                 {at.x + (b % 11) * (Size + 1), at.y + (b / 11) * (Size + 1),
                  at.x + (b % 11) * (Size + 1) + Size, at.y + (b / 11) * (Size + 1) + Size},
                 buttons[static_cast<std::size_t>(b)], std::to_string(b + 1));
}

}  // namespace

TControllerPropertiesForm::TControllerPropertiesForm(Application& app)
    : TSettingsForm(L"VelmoraControllerPropertiesWindow", ClientWidth, ClientHeight,
                    DpiAwareness::OwnScaling),
      app_(app) {}

void TControllerPropertiesForm::FormIsCreated() {
    const HWND window = Handle();
    SetWindowTextW(window, Utf8ToWide(Translate("*Controller Properties*")).c_str());
    CreateChild(window, L"STATIC", Translate("*Details*"), SS_LEFT, {8, 8, DetailsWidth, 16}, 0);
    details_ = CreateRichText(window, 8, 26, DetailsWidth, ClientHeight - FooterHeight - 34, true);
    const int top = ClientHeight - FooterHeight + 8;
    CreateChild(window, L"BUTTON", Translate("*Control Panel*"), WS_TABSTOP | BS_PUSHBUTTON,
                {8, top, 110, 25}, ControlPanelId);
    CreateChild(window, L"BUTTON", Translate("*Help*"), WS_TABSTOP | BS_PUSHBUTTON,
                {ClientWidth - 210, top, 97, 25}, HelpId);
    CreateChild(window, L"BUTTON", Translate("*OK*"), WS_TABSTOP | BS_DEFPUSHBUTTON,
                {ClientWidth - 105, top, 97, 25}, OkId);
}

void TControllerPropertiesForm::OpenFor(int /*subject*/) {
    Refresh();
    Show();
    SetFocus(GetDlgItem(Handle(), OkId));
}

void TControllerPropertiesForm::Refresh() {
    const ControllerDataType* controller = SelectedController(app_.Main.List);
    if (!controller) return;
    FillRichText(details_, ControllerDetailsText(*controller, app_.Main.List.DetectionOf(*controller),
                                                 app_.Devices.XInputStatus()));
    UpdateLiveDisplay();
}

void TControllerPropertiesForm::UpdateLiveDisplay() {
    const RECT panels{PanelLeft, 0, ClientWidth, ClientHeight - FooterHeight};
    InvalidateDialogRect(Handle(), panels);
}

void TControllerPropertiesForm::PaintPanels(HDC dc, const PropertiesPanels& panels) const {
    DrawPanelHeading(dc, {PanelLeft, 8}, "DirectInput");
    PaintBars(dc, {PanelLeft, 28}, DirectInputRows, panels.Axes.data(), panels.Axes.size());
    DrawPanelHeading(dc, {PanelLeft, 28 + 8 * RowHeight + 6}, Translate("*Button*"));
    PaintButtons(dc, {PanelLeft, 28 + 9 * RowHeight + 8}, panels.Buttons);
    PaintBars(dc, {PanelLeft, 28 + 13 * RowHeight + 12}, DirectInputRows, panels.POVs.data(),
              panels.POVs.size());
    if (!panels.XInputShown) return;
    DrawPanelHeading(dc, {XInputLeft, 8}, "XInput");
    PaintBars(dc, {XInputLeft, 28}, XInputRows, panels.XInput.data(), panels.XInput.size());
}

// Drawn off screen first, so that the bars do not flicker on every refresh. The
// bitmap has the client area's screen pixels; the panels, laid out in 96-dpi
// pixels, are scaled onto it, and it is copied one to one.
void TControllerPropertiesForm::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    RECT body = client;
    body.bottom = ScaledLength(ClientHeight - FooterHeight, DialogDpi(Handle()));
    FillRect(memory, &body, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT footer = client;
    footer.top = body.bottom;
    HBRUSH silver = CreateSolidBrush(DialogSilver);
    FillRect(memory, &footer, silver);
    DeleteObject(silver);
    ScaleDialogDrawing(Handle(), memory);
    if (const ControllerDataType* controller = SelectedController(app_.Main.List))
        PaintPanels(memory, RawValuePanels(*controller));
    // A copy from a scaled source is scaled too: the enlarged panels would come out at half size.
    ModifyWorldTransform(memory, nullptr, MWT_IDENTITY);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(Handle(), &paint);
}

void TControllerPropertiesForm::ControlPanelClick() {
    const ControllerDataType* controller = SelectedController(app_.Main.List);
    if (!controller) return;
    RunControllerControlPanel(app_.Devices, app_.Main.List, *controller,
                              reinterpret_cast<std::uintptr_t>(Handle()));
}

LRESULT TControllerPropertiesForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CTLCOLORSTATIC:
            return WhiteStaticColours(wParam);
        case WM_COMMAND:
            if (LOWORD(wParam) == ControlPanelId) ControlPanelClick();
            if (LOWORD(wParam) == HelpId) app_.Ui.ShowHelp(ControllerPropertiesHelpTopic);
            // Enter (IDOK) clicks the focused button in the form base: OK, which has
            // the focus on showing, or Control Panel.
            if (LOWORD(wParam) == OkId) Close();
            break;
        default:
            break;
    }
    return TSettingsForm::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora
