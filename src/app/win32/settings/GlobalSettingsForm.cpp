#include "app/win32/settings/GlobalSettingsForm.h"

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "app/win32/Application.h"
#include "app/win32/SystemQueries.h"
#include "app/win32/settings/GlobalSettingsFormPlaces.h"
#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/win32/DialogControls.h"

namespace velmora {

using namespace GlobalSettingsPlaces;

namespace {

int Random(int n) {
    static unsigned seed = GetTickCount();
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<unsigned>(n));
}

COLORREF Rgb(const ColourType& colour) {
    return RGB(colour.Red, colour.Green, colour.Blue);
}

void FillColour(HDC dc, RECT box, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void SetText(HWND control, const std::string& text) {
    SetWindowTextW(control, Utf8ToWide(text).c_str());
}

}  // namespace

TGlobalSettingsForm::TGlobalSettingsForm(Application& app)
    : TSettingsForm(L"VelmoraGlobalSettingsWindow", ClientWidth, ClientHeight, DpiAwareness::OwnScaling),
      app_(app),
      shell_(app) {}

GlobalSettingsContext TGlobalSettingsForm::Context() {
    return {app_.Config, app_.Main.List, app_.Ui, app_.Rumble, registry_, shell_, ProgramFileName()};
}

void TGlobalSettingsForm::ShowTab(GlobalSettingsTab tab) {
    ChangeGlobalSettingsTab(state_, tab);
    ClearListSelection();
    KillTimer(Handle(), BlinkTimer);
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    for (std::size_t t = 0; t < pages_.size(); ++t)
        for (HWND control : pages_[t])
            ShowWindow(control, t == static_cast<std::size_t>(tab) ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(Handle(), HelpId), TabHelpTopic(tab) ? SW_SHOW : SW_HIDE);
    if (tab == GlobalSettingsTab::Controllers) RefreshControllerButtons();
    programSelection_ = NoListSelection;
    if (tab == GlobalSettingsTab::Programs) RefreshPrograms();
    InvalidateRect(Handle(), nullptr, TRUE);
}

// The list shows the selection the window holds: a row left highlighted after
// the selection was cleared could not be selected again by a click (the list
// reports no change), and its buttons stayed disabled.
void TGlobalSettingsForm::ClearListSelection() {
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    refreshing_ = true;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    refreshing_ = false;
}

void TGlobalSettingsForm::OpenFor(int /*subject*/) {
    ShowGlobalSettings(state_);
    Refresh();
    ShowTab(GlobalSettingsTab::Options);
    Show();
}

void TGlobalSettingsForm::FormIsClosed() {
    KillTimer(Handle(), BlinkTimer);
    HidePalette(state_.Palette);
}

// A refill of the whole window keeps the palette: a controller plugged in
// refreshes the Controllers tab and hid the palette mid-pick. Showing the
// window and changing tabs hide it.
void TGlobalSettingsForm::Refresh() {
    refreshing_ = true;
    RefreshOptions();
    RefreshValues();
    RefreshTheme();
    RefreshControllers();
    RefreshPrograms();
    refreshing_ = false;
}

void TGlobalSettingsForm::RefreshOptions() {
    const std::array<bool, OptionCount> boxes = OptionBoxes(app_.Config);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        SendDlgItemMessageW(Handle(), FirstOptionId + static_cast<int>(i), BM_SETCHECK,
                            boxes[i] ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TGlobalSettingsForm::RefreshValues() {
    SendDlgItemMessageW(Handle(), StickBarId, TBM_SETPOS, TRUE, app_.Config.DefaultStickDeadZone);
    SendDlgItemMessageW(Handle(), TriggerBarId, TBM_SETPOS, TRUE, app_.Config.DefaultTriggerDeadZone);
    SetText(GetDlgItem(Handle(), StickLabelId), StickDeadZoneLabel(app_.Config.DefaultStickDeadZone));
    SetText(GetDlgItem(Handle(), TriggerLabelId), TriggerDeadZoneLabel(app_.Config.DefaultTriggerDeadZone));
}

void TGlobalSettingsForm::RefreshTheme() {
    for (const int tag : StyleTags)
        SendDlgItemMessageW(
            Handle(), StyleIdBase + tag, WM_SETFONT,
            reinterpret_cast<WPARAM>(DialogFontFor(Handle(), 11, ButtonStyleBold(app_.Config, tag))), TRUE);
    SetText(paletteLabel_, state_.Palette.Shown ? state_.Palette.Label : "");
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TGlobalSettingsForm::RefreshControllers() {
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<KnownControllerRow> rows = KnownControllerRows(app_.Config);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::array<const std::string*, 3> cells{&rows[r].Order, &rows[r].Name, &rows[r].Found};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            std::wstring text = Utf8ToWide(*cells[c]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(r);
            item.iSubItem = static_cast<int>(c);
            item.pszText = text.data();
            SendMessageW(list_, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, r,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    if (state_.Selection != NoListSelection) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(state_.Selection),
                     reinterpret_cast<LPARAM>(&state));
    }
    RefreshControllerButtons();
}

void TGlobalSettingsForm::RefreshControllerButtons() {
    const KnownControllerButtons buttons = KnownControllerButtonStates(app_.Config, state_.Selection);
    EnableWindow(GetDlgItem(Handle(), MoveUpId), buttons.MoveUp);
    EnableWindow(GetDlgItem(Handle(), MoveDownId), buttons.MoveDown);
    EnableWindow(GetDlgItem(Handle(), DeleteId), buttons.Delete);
    EnableWindow(GetDlgItem(Handle(), DetailsId), buttons.Details);
}

void TGlobalSettingsForm::OptionClick(int index) {
    std::array<bool, OptionCount> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = SendDlgItemMessageW(Handle(), FirstOptionId + static_cast<int>(i), BM_GETCHECK, 0, 0) ==
                   BST_CHECKED;
    GlobalSettingsContext context = Context();
    ClickOption(context, boxes, OptionSwitches[static_cast<std::size_t>(index)].Tag);
}

void TGlobalSettingsForm::DeadZoneMoved() {
    if (refreshing_) return;
    MoveDeadZoneBars(app_.Config,
                     static_cast<int>(SendDlgItemMessageW(Handle(), StickBarId, TBM_GETPOS, 0, 0)),
                     static_cast<int>(SendDlgItemMessageW(Handle(), TriggerBarId, TBM_GETPOS, 0, 0)));
    refreshing_ = true;
    RefreshValues();
    refreshing_ = false;
}

void TGlobalSettingsForm::ThemeCommand(int id) {
    GlobalSettingsContext context = Context();
    const int tag = id - ThemeIdBase;
    if (id >= StyleIdBase) {
        ChooseButtonStyle(context, id - StyleIdBase);
    } else if (ThemeColourOf(app_.Config, tag)) {
        const bool wasShown = state_.Palette.Shown;
        PressColourButton(state_.Palette, tag);
        if (wasShown) SetTimer(Handle(), BlinkTimer, 10, nullptr);
    } else if (tag == InterfaceRandomTag || tag == BackgroundRandomTag) {
        RandomThemeColours(context, state_.Palette, tag, Random);
    } else if (id == ImageNewId) {
        NewThemeImage(context);
    } else if (id == ImageOpenId) {
        OpenThemeImage(context);
    } else if (id == ImageClearId) {
        ClearThemeImage(context);
    }
    RefreshTheme();
}

// One pass of the palette's blink per timer tick; the timer ends when it shows again.
void TGlobalSettingsForm::PaletteTimer() {
    if (!PalettePass(state_.Palette) && state_.Palette.HiddenPasses > 0) return;
    KillTimer(Handle(), BlinkTimer);
    RefreshTheme();
}

void TGlobalSettingsForm::ControllersCommand(int id) {
    if (id == MoveUpId || id == MoveDownId)
        state_.Selection = MoveKnownController(app_.Config, app_.Main.List, app_.Ui, state_.Selection,
                                               id == MoveUpId ? -1 : 1);
    else if (id == DeleteId && DeleteKnownController(app_.Config, app_.Main.List, app_.Ui, state_.Selection))
        state_.Selection = NoListSelection;
    else if (id == DetailsId)
        ShowKnownControllerDetails(app_.Config, state_.Selection, app_.Ui);
    refreshing_ = true;
    RefreshControllers();
    refreshing_ = false;
}

void TGlobalSettingsForm::Command(int id, int code) {
    if (id >= FirstOptionId && id < FirstOptionId + OptionCount) {
        if (!refreshing_) OptionClick(id - FirstOptionId);
    } else if (id >= ThemeIdBase && id < StyleIdBase + FirstStyleTag + 3) {
        ThemeCommand(id);
    } else if (id == LanguageNewId || id == LanguageCheckId) {
        GlobalSettingsContext context = Context();
        PressLanguageButton(context, id == LanguageNewId ? LanguageButton::New : LanguageButton::Check);
    } else if (id >= MoveUpId && id <= DetailsId) {
        ControllersCommand(id);
    } else if (id >= ProgramSwitchId && id <= ProgramControllerId) {
        ProgramsCommand(id, code);
    } else if (id == HelpId) {
        if (const int topic = TabHelpTopic(state_.Tab)) app_.Ui.ShowHelp(topic);
    }
}

LRESULT TGlobalSettingsForm::Notify(const NMHDR& header) {
    if (header.idFrom == TabsId && header.code == TCN_SELCHANGE) {
        ShowTab(static_cast<GlobalSettingsTab>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        SetFocus(tabs_);
    } else if (header.idFrom == ProgramListId && header.code == LVN_ITEMCHANGED && !refreshing_) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) {
            programSelection_ = static_cast<int>(
                SendMessageW(programList_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            RefreshProgramFields();
        }
    } else if (header.idFrom == ListId && header.code == LVN_ITEMCHANGED && !refreshing_) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)
            state_.Selection = static_cast<int>(
                SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        RefreshControllerButtons();
    }
    return 0;
}

void TGlobalSettingsForm::PaletteMouse(UINT message, int x, int y) {
    if (state_.Tab != GlobalSettingsTab::Theme || !state_.Palette.Shown || state_.Palette.HiddenPasses > 0)
        return;
    const POINT point{x, y};
    const bool inside = PtInRect(&PaletteBox, point) != 0;
    GlobalSettingsContext context = Context();
    bool picked = false;
    if (message == WM_LBUTTONDOWN && inside)
        picked = PressPalette(context, state_.Palette, x - PaletteBox.left, y - PaletteBox.top);
    else if (message == WM_MOUSEMOVE && !inside)
        ReleasePalette(state_.Palette);
    else if (message == WM_MOUSEMOVE)
        picked = DragPalette(context, state_.Palette, x - PaletteBox.left, y - PaletteBox.top);
    else if (message == WM_LBUTTONUP)
        ReleasePalette(state_.Palette);
    if (picked) InvalidateRect(Handle(), nullptr, FALSE);
}

namespace {

// The palette's pixels (black border included) as a top-down 32-bit bitmap, made once.
const std::vector<std::uint32_t>& PalettePixels() {
    static const std::vector<std::uint32_t> pixels = [] {
        std::vector<std::uint32_t> made(static_cast<std::size_t>(PaletteSize * PaletteSize), 0);
        for (int y = 1; y < PaletteSize - 1; ++y)
            for (int x = 1; x < PaletteSize - 1; ++x) {
                const ColourType c = PaletteColour(x, y);
                made[static_cast<std::size_t>(y * PaletteSize + x)] =
                    std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
            }
        return made;
    }();
    return pixels;
}

}  // namespace

void TGlobalSettingsForm::PaintPalette(HDC dc) const {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = PaletteSize;
    info.bmiHeader.biHeight = -PaletteSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // Stretched rather than copied, so that the scaled drawing enlarges it, pixels repeated.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, PaletteBox.left, PaletteBox.top, PaletteSize, PaletteSize, 0, 0, PaletteSize,
                  PaletteSize, PalettePixels().data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void TGlobalSettingsForm::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    // The footer's top where its button is placed: the scaled edge, not the scaled height.
    RECT footer = client;
    footer.top = ScaledLength(ClientHeight - FooterHeight, DialogDpi(Handle()));
    client.bottom = footer.top;
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillColour(dc, footer, DialogSilver);
    ScaleDialogDrawing(Handle(), dc);
    if (state_.Tab == GlobalSettingsTab::Theme) {
        // Under each colour button a strip of its colour.
        for (std::size_t g = 0; g < 2; ++g)
            for (int n = 0; n < 3; ++n) {
                const ColourType* colour = ThemeColourOf(app_.Config, static_cast<int>(g + 1) * 10 + n + 1);
                const int left = ColourButtonLeft + n * 32;
                FillColour(dc, {left, ColourRowTops[g] + 24, left + 28, ColourRowTops[g] + 30}, Rgb(*colour));
            }
        if (state_.Palette.Shown && state_.Palette.HiddenPasses == 0) PaintPalette(dc);
    }
    EndPaint(Handle(), &paint);
}

LRESULT TGlobalSettingsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return WhiteStaticColours(wParam);
        case WM_COMMAND:
            Command(LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_HSCROLL:
            DeadZoneMoved();
            return 0;
        case WM_NOTIFY:
            return Notify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_TIMER:
            if (wParam == BlinkTimer) PaletteTimer();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE: {
            const POINT at = DialogPoint(Handle(), lParam);
            PaletteMouse(message, at.x, at.y);
            return 0;
        }
        default:
            break;
    }
    return TSettingsForm::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora
