// The global settings form's Programs tab: the rules of the profiles that
// follow the program in front, the switch that turns them on, and the
// fields that edit the selected rule.

#include "app/win32/Application.h"
#include "app/win32/FrontProgram.h"
#include "app/win32/settings/GlobalSettingsForm.h"
#include "app/win32/settings/GlobalSettingsFormPlaces.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "ui/DisplayScale.h"
#include "ui/win32/DialogControls.h"

// After the program's headers, which bring the Windows types it needs.
#include <commctrl.h>

namespace velmora {

using namespace GlobalSettingsPlaces;

namespace {

constexpr GlobalSettingsTab Tab = GlobalSettingsTab::Programs;

void SetListCell(HWND list, std::size_t row, std::size_t column, const std::string& text) {
    std::wstring wide = Utf8ToWide(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(row);
    item.iSubItem = static_cast<int>(column);
    item.pszText = wide.data();
    SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                 reinterpret_cast<LPARAM>(&item));
}

std::string WindowText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    const int length = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return WideToUtf8(text);
}

}  // namespace

void TGlobalSettingsForm::CreateProgramsPage() {
    AddControl(Tab, L"BUTTON", Translate("*Switch profiles by program*"), WS_TABSTOP | BS_AUTOCHECKBOX,
               {16, PageTop, 400, 17}, ProgramSwitchId);
    // The rows keep the order Move Up and Move Down give them: the header sorts nothing, so it is no button.
    programList_ =
        AddControl(Tab, WC_LISTVIEWW, "",
                   WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                   {16, PageTop + 22, ClientWidth - 32, 200}, ProgramListId);
    SendMessageW(programList_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const std::array<std::pair<const char*, int>, 4> columns{
        {{"*Program*", 110}, {"*Title*", 90}, {"*Controller*", 110}, {"*Profile*", 110}}};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::wstring caption = Utf8ToWide(Translate(columns[c].first));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = ScaledLength(columns[c].second, DialogDpi(programList_));
        column.pszText = caption.data();
        SendMessageW(programList_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    const std::array<std::pair<std::string, int>, 5> buttons{
        {{Translate("*Add*") + "...", ProgramAddId},
         {Translate("*Delete*"), ProgramDeleteId},
         {Translate("*Move Up*"), ProgramUpId},
         {Translate("*Move Down*"), ProgramDownId},
         {Translate("*Profile*") + "...", ProgramProfileId}}};
    for (std::size_t b = 0; b < buttons.size(); ++b)
        AddControl(Tab, L"BUTTON", buttons[b].first, WS_TABSTOP | BS_PUSHBUTTON,
                   {16 + static_cast<int>(b) * 86, PageTop + 230, 80, 25}, buttons[b].second);
    AddControl(Tab, L"STATIC", Translate("*Title*"), SS_LEFT, {16, PageTop + 270, 90, 16}, 0);
    AddControl(Tab, L"EDIT", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, {110, PageTop + 267, 220, 22},
               ProgramTitleId);
    AddControl(Tab, L"STATIC", Translate("*Controller*"), SS_LEFT, {16, PageTop + 300, 90, 16}, 0);
    AddControl(Tab, WC_COMBOBOXW, "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
               {110, PageTop + 297, 220, 200}, ProgramControllerId);
}

void TGlobalSettingsForm::RefreshPrograms() {
    const bool was = refreshing_;
    refreshing_ = true;
    SendDlgItemMessageW(Handle(), ProgramSwitchId, BM_SETCHECK,
                        app_.Config.SwitchProfilesByProgram ? BST_CHECKED : BST_UNCHECKED, 0);
    RefreshProgramList();
    refreshing_ = was;
    RefreshProgramFields();
}

void TGlobalSettingsForm::RefreshProgramList() {
    const bool was = refreshing_;
    refreshing_ = true;
    SendMessageW(programList_, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<ProgramRuleRow> rows = ProgramRuleRows(app_.Config);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        SetListCell(programList_, r, 0, rows[r].Program);
        SetListCell(programList_, r, 1, rows[r].Title);
        SetListCell(programList_, r, 2, rows[r].Controller);
        SetListCell(programList_, r, 3, rows[r].Profile);
    }
    if (programSelection_ != NoListSelection) {
        LVITEMW state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(programList_, LVM_SETITEMSTATE, static_cast<WPARAM>(programSelection_),
                     reinterpret_cast<LPARAM>(&state));
    }
    refreshing_ = was;
}

// The buttons by the selection, and the selected rule's title part and controller model.
void TGlobalSettingsForm::RefreshProgramFields() {
    const bool was = refreshing_;
    refreshing_ = true;
    const ProgramRuleButtons buttons = ProgramRuleButtonStates(app_.Config, programSelection_);
    const std::array<std::pair<int, bool>, 7> states{{{ProgramAddId, buttons.Add},
                                                      {ProgramDeleteId, buttons.Delete},
                                                      {ProgramUpId, buttons.MoveUp},
                                                      {ProgramDownId, buttons.MoveDown},
                                                      {ProgramProfileId, buttons.Edit},
                                                      {ProgramTitleId, buttons.Edit},
                                                      {ProgramControllerId, buttons.Edit}}};
    for (const auto& [id, enabled] : states) EnableWindow(GetDlgItem(Handle(), id), enabled);
    const bool selected = buttons.Edit;
    SetWindowTextW(
        GetDlgItem(Handle(), ProgramTitleId),
        Utf8ToWide(selected ? app_.Config.ProgramRules[static_cast<std::size_t>(programSelection_)].Title
                            : std::string())
            .c_str());
    HWND combo = GetDlgItem(Handle(), ProgramControllerId);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& choice : RuleControllerChoices(app_.Config, programSelection_))
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(choice).c_str()));
    SendMessageW(combo, CB_SETCURSEL,
                 selected ? static_cast<WPARAM>(RuleControllerChoice(app_.Config, programSelection_))
                          : static_cast<WPARAM>(-1),
                 0);
    refreshing_ = was;
}

void TGlobalSettingsForm::AddProgram() {
    const std::vector<std::string> programs = ProgramsWithWindows();
    const int tag = app_.Ui.ShowPopupMenu(AddProgramMenu(programs), MenuPlace{0, 0, true});
    const std::string program = ProgramOfChoice(app_.Ui, app_.Config, programs, tag);
    programSelection_ = AddProgramRule(app_.Ui, app_.Config, program, programSelection_);
}

void TGlobalSettingsForm::ProgramsCommand(int id, int code) {
    if (refreshing_) return;
    ConfigurationType& config = app_.Config;
    if (id == ProgramSwitchId)
        SwitchProfilesByProgram(config, SendDlgItemMessageW(Handle(), id, BM_GETCHECK, 0, 0) == BST_CHECKED);
    else if (id == ProgramAddId)
        AddProgram();
    else if (id == ProgramDeleteId)
        programSelection_ = DeleteProgramRule(config, programSelection_);
    else if (id == ProgramUpId || id == ProgramDownId)
        programSelection_ = MoveProgramRule(config, programSelection_, id == ProgramUpId ? -1 : 1);
    else if (id == ProgramProfileId)
        ChooseRuleProfile(app_.Ui, config, programSelection_);
    else if (id == ProgramTitleId && code == EN_CHANGE)
        SetRuleTitle(config, programSelection_, WindowText(GetDlgItem(Handle(), id)));
    else if (id == ProgramControllerId && code == CBN_SELCHANGE)
        SetRuleController(config, programSelection_,
                          static_cast<int>(SendDlgItemMessageW(Handle(), id, CB_GETCURSEL, 0, 0)));
    else
        return;
    RefreshProgramList();
    if (id != ProgramTitleId) RefreshProgramFields();
}

}  // namespace velmora
