// The controls of the controller settings window's pages, how they are
// filled from the layout, and what their clicks, choices and edits do.
#include "base/win32/Windows.h"
// The tab control comes with the common controls, after the Windows header.
#include <commctrl.h>

#include "app/settings/ControllerEnableBoxes.h"
#include "app/settings/ControllerPictures.h"
#include "app/settings/ControllerSelectors.h"
#include "app/settings/LayoutImageTools.h"
#include "app/settings/SettingsWindows.h"
#include "app/win32/Application.h"
#include "app/win32/settings/ControllerSettingsForm.h"
#include "app/win32/settings/ControllerSettingsIds.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "ui/win32/DialogControls.h"
#include "ui/win32/PictureBox.h"

namespace velmora {

using namespace controller_ids;

namespace {

constexpr DWORD Combo = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD Edit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD Push = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD Box = WS_TABSTOP | BS_AUTOCHECKBOX;

std::string Words(std::string_view key, std::string_view tail = "") {
    return Translate(key) + std::string(tail);
}

void FillCombo(HWND combo, const std::vector<std::string>& items) {
    for (const std::string& item : items)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
}

std::array<std::string, 4> TranslatedDirections() {
    return {Translate("*Up*"), Translate("*Right*"), Translate("*Down*"), Translate("*Left*")};
}

std::string TextOf(HWND window, int id) {
    wchar_t text[256]{};
    GetDlgItemTextW(window, id, text, 256);
    return WideToUtf8(text);
}

// Setting an edit's own text again would move its caret while the user types.
void SetText(HWND window, int id, const std::string& text) {
    if (TextOf(window, id) != text) SetDlgItemTextW(window, id, Utf8ToWide(text).c_str());
}

}  // namespace

HWND TControllerSettingsForm::Add(ControllerTab tab, const wchar_t* className, const std::string& text,
                                  DWORD style, RECT place, int id) {
    HWND control = CreateChild(Handle(), className, text, style, place, id);
    pages_[static_cast<std::size_t>(tab)].push_back(control);
    return control;
}

void TControllerSettingsForm::FormIsCreated() {
    HWND tabs = CreateChild(Handle(), WC_TABCONTROLW, "", WS_TABSTOP | WS_CLIPSIBLINGS,
                            {4, 4, FormWidth - 8, PanelTop() - 10}, TabsId);
    const std::vector<std::string> captions = ControllerTabCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        std::wstring caption = Utf8ToWide(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        TabCtrl_InsertItem(tabs, static_cast<int>(i), &item);
    }
    CreateChild(Handle(), L"BUTTON", Words("*Help*"), Push, {8, PanelTop(), 80, 25}, HelpId);
    arrowBox_ = CreatePictureBox(
        Handle(), {PanelArrowLeft, PanelTop(), DetectionArrowSize, DetectionArrowSize}, &arrow_);
    SetWindowLongPtrW(arrowBox_, GWLP_ID, PanelArrowId);
    CreateChild(Handle(), L"STATIC", "", SS_LEFT, {PanelTextLeft, PanelTop() + 4, 270, 20}, PanelTextId);
    CreateChild(Handle(), L"BUTTON", Words("*Cancel*"), Push, {FormWidth - 88, PanelTop(), 80, 25},
                PanelCancelId);
    AddPageControls();
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(child, 13, false)), TRUE);
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TControllerSettingsForm::AddPageControls() {
    Add(ControllerTab::Start, L"STATIC", Words("*Controller Settings*"), SS_LEFT, {20, 44, 470, 20}, -1);
    const std::vector<std::string> finish = FinishTabTexts();
    for (std::size_t i = 0; i < finish.size(); ++i)
        Add(ControllerTab::Finish, L"STATIC", finish[i], SS_LEFT,
            {20, 44 + 40 * static_cast<int>(i), 470, 36}, -1);
    Add(ControllerTab::Finish, L"BUTTON", Words("*Close*"), Push, {20, 170, 80, 25}, CloseId);
    AddSticksPage();
    AddDPadPage();
    AddTriggersPage();
    AddButtonsAndImagePages();
}

void TControllerSettingsForm::AddSticksPage() {
    const auto tab = ControllerTab::Sticks;
    const std::vector<std::string> items = StickAxisItems();
    for (int s = 0; s < 2; ++s) {
        const int x = 16 + s * 250;
        const std::string stick = Translate("*Stick*") + " " + std::to_string(s + 1);
        Add(tab, L"BUTTON", Translate("*Enable*") + " " + stick, Box, {x, 38, 120, 20}, StickEnableId + s);
        Add(tab, L"BUTTON", Words("*Detect*"), Push, {x + 140, 36, 80, 24}, StickDetectId + s);
        for (int axis = 0; axis < 2; ++axis) {
            const int y = 68 + axis * 30;
            Add(tab, L"STATIC", axis == 0 ? "X" : "Y", SS_LEFT, {x, y + 3, 16, 20}, -1);
            FillCombo(Add(tab, L"COMBOBOX", "", Combo, {x + 20, y, 130, 300}, StickSelectorId + 2 * s + axis),
                      items);
            Add(tab, L"BUTTON", Words("*Detect*"), Push, {x + 156, y, 64, 24},
                StickAxisDetectId + 2 * s + axis);
        }
        Add(tab, L"STATIC", Words("*Name*"), SS_LEFT, {x, 133, 50, 20}, -1);
        Add(tab, L"EDIT", "", Edit, {x + 50, 130, 170, 22}, StickNameId + s);
    }
    const auto directions = TranslatedDirections();
    for (int d = 0; d < 4; ++d) {
        Add(tab, L"STATIC", directions[static_cast<std::size_t>(d)], SS_LEFT, {16 + d * 122, 172, 110, 18},
            -1);
        Add(tab, L"EDIT", "", Edit, {16 + d * 122, 192, 110, 22}, StickDirectionNameId + d);
    }
}

void TControllerSettingsForm::AddDPadPage() {
    const auto tab = ControllerTab::DPad;
    Add(tab, L"BUTTON", Translate("*Enable*") + " " + Translate("*DPad*"), Box, {16, 38, 120, 20},
        DPadEnableId);
    Add(tab, L"BUTTON", Words("*Detect*"), Push, {156, 36, 80, 24}, DPadDetectId);
    Add(tab, L"STATIC", Words("*Name*"), SS_LEFT, {260, 41, 50, 20}, -1);
    Add(tab, L"EDIT", "", Edit, {310, 38, 180, 22}, DPadNameId);
    const std::vector<std::string> items = DPadDirectionItems();
    const auto directions = TranslatedDirections();
    for (int d = 0; d < 4; ++d) {
        const int y = 74 + d * 32;
        Add(tab, L"STATIC", directions[static_cast<std::size_t>(d)], SS_LEFT, {16, y + 3, 50, 20}, -1);
        FillCombo(Add(tab, L"COMBOBOX", "", Combo, {70, y, 130, 300}, DPadSelectorId + d), items);
        Add(tab, L"BUTTON", Words("*Detect*"), Push, {206, y, 64, 24}, DPadDirectionDetectId + d);
        Add(tab, L"EDIT", "", Edit, {310, y, 180, 22}, DPadDirectionNameId + d);
    }
}

void TControllerSettingsForm::AddTriggersPage() {
    const auto tab = ControllerTab::Triggers;
    Add(tab, L"BUTTON", Translate("*Enable*") + " " + Translate("*Trigger*"), Box, {16, 38, 130, 20},
        TriggersEnableId);
    Add(tab, L"BUTTON", Words("*Detect*"), Push, {156, 36, 80, 24}, TriggersDetectId);
    const std::vector<std::string> items = TriggerItems();
    for (int t = 0; t < 2; ++t) {
        const int y = 74 + t * 32;
        Add(tab, L"STATIC", Words(t == 0 ? "*Left*" : "*Right*"), SS_LEFT, {16, y + 3, 50, 20}, -1);
        FillCombo(Add(tab, L"COMBOBOX", "", Combo, {70, y, 150, 300}, TriggerSelectorId + t), items);
        Add(tab, L"BUTTON", Words("*Detect*"), Push, {226, y, 64, 24}, TriggerDetectId + t);
        Add(tab, L"EDIT", "", Edit, {310, y, 180, 22}, TriggerNameId + t);
    }
}

void TControllerSettingsForm::AddButtonsAndImagePages() {
    auto tab = ControllerTab::Buttons;
    Add(tab, L"STATIC", "", SS_LEFT, {16, 40, 470, 20}, ButtonDetailsId);
    Add(tab, L"STATIC", Words("*Name*"), SS_LEFT, {16, 73, 50, 20}, -1);
    Add(tab, L"EDIT", "", Edit, {70, 70, 200, 22}, ButtonNameId);
    Add(tab, L"BUTTON", Words("*Delete*"), Push, {280, 69, 80, 25}, ButtonDeleteId);
    tab = ControllerTab::Image;
    const std::array<std::pair<std::string_view, int>, 4> commands{{{"*Open*", ImageOpenId},
                                                                    {"*Export*", ImageExportId},
                                                                    {"*Clear*", ImageClearId},
                                                                    {"*Download*", ImageDownloadId}}};
    for (std::size_t i = 0; i < commands.size(); ++i)
        Add(tab, L"BUTTON", Words(commands[i].first), Push, {16 + 90 * static_cast<int>(i), 40, 84, 25},
            commands[i].second);
    // The tool the picture below paints with.
    Add(tab, L"STATIC", Words("*Mode*"), SS_LEFT, {16, 83, 50, 20}, -1);
    FillCombo(Add(tab, L"COMBOBOX", "", Combo, {70, 80, 120, 200}, ImageModeId),
              {Translate("*None*"), Translate("*Pen*"), Translate("*Fill*"), Translate("*Erase*")});
    AddDrawTools();
}

void TControllerSettingsForm::ShowPage() {
    const auto current = static_cast<std::size_t>(state_.Tab);
    for (std::size_t page = 0; page < pages_.size(); ++page)
        for (HWND control : pages_[page]) ShowWindow(control, page == current ? SW_SHOW : SW_HIDE);
    ShowDrawTools();
}

void TControllerSettingsForm::ShowPanel() {
    const DetectionPanel& panel = state_.Detection.Panel;
    SetDlgItemTextW(
        Handle(), PanelTextId,
        Utf8ToWide(panel.Shown ? panel.Command + " " + panel.Control + " " + panel.Direction : "").c_str());
    ShowWindow(GetDlgItem(Handle(), PanelCancelId), panel.Shown ? SW_SHOW : SW_HIDE);
    arrow_ = DetectionArrowPicture(panel.Picture);
    ShowWindow(arrowBox_, panel.Shown ? SW_SHOW : SW_HIDE);
    RedrawPictureBox(arrowBox_);
}

void TControllerSettingsForm::EnableGroups() {
    const ControllerFileType& layout = app_.Main.List.LayoutOf(*Controller());
    const std::array<std::pair<LayoutGroup, std::vector<int>>, 4> groups{{
        {LayoutGroup::Stick1,
         {StickDetectId, StickAxisDetectId, StickAxisDetectId + 1, StickSelectorId, StickSelectorId + 1,
          StickNameId}},
        {LayoutGroup::Stick2,
         {StickDetectId + 1, StickAxisDetectId + 2, StickAxisDetectId + 3, StickSelectorId + 2,
          StickSelectorId + 3, StickNameId + 1}},
        {LayoutGroup::DPad,
         {DPadDetectId, DPadDirectionDetectId, DPadDirectionDetectId + 1, DPadDirectionDetectId + 2,
          DPadDirectionDetectId + 3, DPadSelectorId, DPadSelectorId + 1, DPadSelectorId + 2,
          DPadSelectorId + 3, DPadNameId, DPadDirectionNameId, DPadDirectionNameId + 1,
          DPadDirectionNameId + 2, DPadDirectionNameId + 3}},
        {LayoutGroup::Triggers,
         {TriggersDetectId, TriggerDetectId, TriggerDetectId + 1, TriggerSelectorId, TriggerSelectorId + 1,
          TriggerNameId, TriggerNameId + 1}},
    }};
    const std::array<int, 4> boxes{StickEnableId, StickEnableId + 1, DPadEnableId, TriggersEnableId};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const LayoutGroup group = groups[g].first;
        CheckDlgButton(Handle(), boxes[g], GroupEnabled(layout, group) ? BST_CHECKED : BST_UNCHECKED);
        EnableWindow(GetDlgItem(Handle(), boxes[g]), EnableBoxUsable(layout, group));
        for (int id : groups[g].second)
            EnableWindow(GetDlgItem(Handle(), id), GroupControlsUsable(layout, group));
    }
    const bool stickDirections = GroupControlsUsable(layout, LayoutGroup::Stick1);
    for (int d = 0; d < 4; ++d) EnableWindow(GetDlgItem(Handle(), StickDirectionNameId + d), stickDirections);
}

void TControllerSettingsForm::FillSelectors() {
    const ControllerFileType& layout = app_.Main.List.LayoutOf(*Controller());
    for (int s = 0; s < 2; ++s)
        for (int axis = 0; axis < 2; ++axis)
            SendDlgItemMessageW(
                Handle(), StickSelectorId + 2 * s + axis, CB_SETCURSEL,
                static_cast<WPARAM>(StickAxisItem(
                    layout.StickAccess[static_cast<std::size_t>(s)][static_cast<std::size_t>(axis)])),
                0);
    for (std::size_t d = 0; d < 4; ++d)
        SendDlgItemMessageW(Handle(), DPadSelectorId + static_cast<int>(d), CB_SETCURSEL,
                            static_cast<WPARAM>(DPadDirectionItem(layout.DPadAccess[d])), 0);
    SendDlgItemMessageW(Handle(), ImageModeId, CB_SETCURSEL, static_cast<WPARAM>(state_.Drawing.Mode), 0);
    for (std::size_t t = 0; t < 2; ++t)
        SendDlgItemMessageW(Handle(), TriggerSelectorId + static_cast<int>(t), CB_SETCURSEL,
                            static_cast<WPARAM>(TriggerItem(layout.TriggerAccess[t])), 0);
}

void TControllerSettingsForm::FillNames() {
    const ControllerFileType& layout = app_.Main.List.LayoutOf(*Controller());
    const auto fill = [&](int id, NameEdit edit, int index) {
        SetText(Handle(), id, NameEditText(state_, layout, edit, index));
    };
    for (int i = 0; i < 2; ++i) fill(StickNameId + i, NameEdit::Stick, i);
    for (int i = 0; i < 2; ++i) fill(TriggerNameId + i, NameEdit::Trigger, i);
    for (int i = 0; i < 4; ++i) fill(StickDirectionNameId + i, NameEdit::StickDirection, i);
    for (int i = 0; i < 4; ++i) fill(DPadDirectionNameId + i, NameEdit::DPadDirection, i);
    fill(DPadNameId, NameEdit::DPad, 0);
    fill(ButtonNameId, NameEdit::SelectedButton, 0);
    SetDlgItemTextW(Handle(), ButtonDetailsId, Utf8ToWide(SelectedButtonDetails(state_)).c_str());
    EnableWindow(GetDlgItem(Handle(), ButtonNameId), state_.SelectedButton != NoItem);
    EnableWindow(GetDlgItem(Handle(), ButtonDeleteId), state_.SelectedButton != NoItem);
}

}  // namespace velmora
