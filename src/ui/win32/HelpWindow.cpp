#include "ui/win32/HelpWindow.h"

#include "base/Language.h"
#include "base/win32/WideText.h"
#include "model/Configuration.h"
#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

constexpr int ClientWidth = 457;
constexpr int ClientHeight = 329;
constexpr int OkButtonId = 1001;

}  // namespace

THelpForm::THelpForm() : TForm(L"VelmoraHelpWindow", ClientWidth, ClientHeight, DpiAwareness::OwnScaling) {}

void THelpForm::FormIsCreated() {
    const HWND window = Handle();
    SetWindowTextW(window, Utf8ToWide(Translate("*Help*")).c_str());
    icon_ = LoadIconW(nullptr, IDI_QUESTION);
    heading_ = CreateChild(window, L"STATIC", "", SS_LEFT | SS_NOPREFIX, {48, 16, 401, 18}, 0);
    SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(window, 13, true)), FALSE);
    // Help texts are paragraphs: they wrap at the box's width and scroll.
    text_ = CreateRichText(window, 48, 48, 401, 233, true);
    const int footerTop = ClientHeight - FooterHeight;
    CreateChild(window, L"BUTTON", Translate("*OK*"), WS_TABSTOP | BS_DEFPUSHBUTTON,
                {ClientWidth - 8 - 97, footerTop + 8, 97, 25}, OkButtonId);
}

void THelpForm::ShowHelp(HWND owner, int topic, const HelpValues& values, ConfigurationType* config) {
    if (!Create(owner)) return;
    if (const std::optional<HelpTopic> found = FindHelpTopic(topic, values)) {
        SetWindowTextW(heading_, Utf8ToWide(found->Heading).c_str());
        FillRichText(text_, found->Text);
    }
    RememberPositionIn(config, HelpWindowPosition);
    SetFocus(GetDlgItem(Handle(), OkButtonId));
    ShowModal();
}

LRESULT THelpForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintDialogBack(Handle(), icon_);
            return 0;
        case WM_CTLCOLORSTATIC:
            return WhiteStaticColours(wParam);
        case WM_COMMAND:
            if (LOWORD(wParam) == OkButtonId || LOWORD(wParam) == IDOK) Close();
            break;
        default:
            break;
    }
    return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora
