// The global settings form's pages: the controls of each tab, made once
// when the window is created and shown only with their tab.
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

HWND TGlobalSettingsForm::AddControl(GlobalSettingsTab tab, const wchar_t* className, const std::string& text,
                                     DWORD style, RECT place, int id) {
    HWND control = CreateChild(Handle(), className, text, style, place, id);
    pages_[static_cast<std::size_t>(tab)].push_back(control);
    return control;
}

void TGlobalSettingsForm::FormIsCreated() {
    SetWindowTextW(Handle(), Utf8ToWide(GlobalSettingsTitle()).c_str());
    // The tabs are a strip above the pages, which are drawn on the form itself.
    tabs_ = CreateChild(Handle(), WC_TABCONTROLW, "", WS_TABSTOP, {8, 8, ClientWidth - 16, 24}, TabsId);
    for (int t = 0; t < GlobalSettingsTabCount; ++t) {
        std::wstring caption = Utf8ToWide(TabCaption(static_cast<GlobalSettingsTab>(t)));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(t), reinterpret_cast<LPARAM>(&item));
    }
    CreateOptionsPage();
    CreateValuesPage();
    CreateThemePage();
    CreateLanguagePage();
    CreateControllersPage();
    CreateProgramsPage();
    CreateChild(Handle(), L"BUTTON", Translate("*Help*"), WS_TABSTOP | BS_PUSHBUTTON,
                {ClientWidth - 105, ClientHeight - FooterHeight + 8, 97, 25}, HelpId);
}

void TGlobalSettingsForm::CreateOptionsPage() {
    int y = PageTop;
    int group = -1;
    for (std::size_t i = 0; i < OptionSwitches.size(); ++i) {
        const OptionSwitch& option = OptionSwitches[i];
        if (option.Group != group) {
            group = option.Group;
            HWND heading =
                AddControl(GlobalSettingsTab::Options, L"STATIC",
                           Translate(std::string(OptionGroupKeys[static_cast<std::size_t>(group)])), SS_LEFT,
                           {16, y + 4, 300, 16}, 0);
            SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(heading, 11, true)),
                         FALSE);
            y += 22;
        }
        AddControl(GlobalSettingsTab::Options, L"BUTTON", Translate(std::string(option.CaptionKey)),
                   WS_TABSTOP | BS_AUTOCHECKBOX, {32, y, 400, 17}, FirstOptionId + static_cast<int>(i));
        y += 19;
    }
}

void TGlobalSettingsForm::CreateValuesPage() {
    constexpr GlobalSettingsTab Tab = GlobalSettingsTab::Values;
    const std::array<std::pair<const char*, int>, 2> bars{
        {{"*Stick*", StickBarId}, {"*Trigger*", TriggerBarId}}};
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const int y = PageTop + 8 + static_cast<int>(i) * 60;
        AddControl(Tab, L"STATIC", Translate(bars[i].first), SS_LEFT, {16, y + 6, 80, 16}, 0);
        HWND bar = AddControl(Tab, TRACKBAR_CLASSW, "", WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, {96, y, 260, 30},
                              bars[i].second);
        SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(1, 255));
        AddControl(Tab, L"STATIC", "", SS_LEFT, {364, y + 6, 70, 16}, bars[i].second + 2);
    }
}

void TGlobalSettingsForm::CreateThemePage() {
    constexpr GlobalSettingsTab Tab = GlobalSettingsTab::Theme;
    const std::array<const char*, 2> groups{"*Interface*", "*Background*"};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const int y = ColourRowTops[g];
        AddControl(Tab, L"STATIC", Translate(groups[g]), SS_LEFT, {16, y + 4, 90, 16}, 0);
        for (int n = 0; n < 3; ++n)
            AddControl(Tab, L"BUTTON", std::to_string(n + 1), WS_TABSTOP | BS_PUSHBUTTON,
                       {ColourButtonLeft + n * 32, y, 28, 22},
                       ThemeIdBase + static_cast<int>(g + 1) * 10 + n + 1);
        AddControl(Tab, L"BUTTON", Translate("*Random*"), WS_TABSTOP | BS_PUSHBUTTON, {212, y, 72, 22},
                   ThemeIdBase + static_cast<int>(g) + 1);
    }
    const std::array<const char*, 3> styles{"*Solid*", "*Gradient*", "*Vista*"};
    for (std::size_t s = 0; s < styles.size(); ++s)
        AddControl(Tab, L"BUTTON", Translate(styles[s]), WS_TABSTOP | BS_PUSHBUTTON,
                   {16 + static_cast<int>(s) * 90, 160, 84, 25}, StyleIdBase + StyleTags[s]);
    AddControl(Tab, L"STATIC", Translate("*Image*"), SS_LEFT, {16, 204, 120, 16}, 0);
    AddControl(Tab, L"BUTTON", Translate("*New*") + "...", WS_TABSTOP | BS_PUSHBUTTON, {16, 222, 84, 25},
               ImageNewId);
    AddControl(Tab, L"BUTTON", Translate("*Open*") + "...", WS_TABSTOP | BS_PUSHBUTTON, {106, 222, 84, 25},
               ImageOpenId);
    AddControl(Tab, L"BUTTON", Translate("*Clear*"), WS_TABSTOP | BS_PUSHBUTTON, {196, 222, 84, 25},
               ImageClearId);
    paletteLabel_ =
        AddControl(Tab, L"STATIC", "", SS_LEFT, {PaletteBox.left, PageTop + 6, PaletteSize, 16}, 0);
}

void TGlobalSettingsForm::CreateLanguagePage() {
    AddControl(GlobalSettingsTab::Language, L"BUTTON", LanguageButtonCaption(LanguageButton::New),
               WS_TABSTOP | BS_PUSHBUTTON, {16, PageTop + 8, 120, 25}, LanguageNewId);
    AddControl(GlobalSettingsTab::Language, L"BUTTON", LanguageButtonCaption(LanguageButton::Check),
               WS_TABSTOP | BS_PUSHBUTTON, {16, PageTop + 40, 120, 25}, LanguageCheckId);
}

void TGlobalSettingsForm::CreateControllersPage() {
    constexpr GlobalSettingsTab Tab = GlobalSettingsTab::Controllers;
    // The rows keep the order Move Up and Move Down give them: the header sorts nothing, so it is no button.
    list_ =
        AddControl(Tab, WC_LISTVIEWW, "",
                   WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                   {16, PageTop, ClientWidth - 32, 280}, ListId);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const std::array<std::pair<const char*, int>, 3> columns{
        {{"*Order*", 50}, {"*Name*", 290}, {"*Found*", 80}}};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        std::wstring caption = Utf8ToWide(Translate(columns[c].first));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = ScaledLength(columns[c].second, DialogDpi(list_));
        column.pszText = caption.data();
        SendMessageW(list_, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    const std::array<std::pair<const char*, int>, 4> buttons{{{"*Move Up*", MoveUpId},
                                                              {"*Move Down*", MoveDownId},
                                                              {"*Delete*", DeleteId},
                                                              {"*Details*", DetailsId}}};
    for (std::size_t b = 0; b < buttons.size(); ++b)
        AddControl(Tab, L"BUTTON", Translate(buttons[b].first), WS_TABSTOP | BS_PUSHBUTTON,
                   {16 + static_cast<int>(b) * 104, PageTop + 288, 98, 25}, buttons[b].second);
}

}  // namespace velmora
