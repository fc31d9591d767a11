#include "ui/win32/HelpWindow.h"

#include <algorithm>

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

THelpForm::~THelpForm() {
    if (window_) DestroyWindow(window_);
}

void THelpForm::FormIsCreated(HWND owner) {
    window_ = CreateDialogWindow(L"VelmoraHelpWindow", Procedure, owner, ClientWidth, ClientHeight, this);
    if (!window_) return;
    SetWindowTextW(window_, Utf8ToWide(Translate("*Help*")).c_str());
    icon_ = LoadIconW(nullptr, IDI_QUESTION);
    heading_ = CreateChild(window_, L"STATIC", "", SS_LEFT | SS_NOPREFIX, {48, 16, 401, 18}, 0);
    SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont(13, true)), FALSE);
    // Help texts are paragraphs: they wrap at the box's width and scroll.
    text_ = CreateRichText(window_, 48, 48, 401, 233, true);
    const int footerTop = ClientHeight - FooterHeight;
    CreateChild(window_, L"BUTTON", Translate("*OK*"), WS_TABSTOP | BS_DEFPUSHBUTTON,
                {ClientWidth - 8 - 97, footerTop + 8, 97, 25}, OkButtonId);
}

void THelpForm::ShowHelp(HWND owner, int topic, const HelpValues& values, ConfigurationType* config) {
    if (!window_) FormIsCreated(owner);
    if (!window_) return;
    if (const std::optional<HelpTopic> found = FindHelpTopic(topic, values)) {
        SetWindowTextW(heading_, Utf8ToWide(found->Heading).c_str());
        FillRichText(text_, found->Text);
    }
    Place(config);
    done_ = false;
    SetFocus(GetDlgItem(window_, OkButtonId));
    RunModal(window_, owner, done_);
    StorePosition(config);
}

void THelpForm::Place(const ConfigurationType* config) {
    if (!config || !config->RememberWindowPositions) return CentreOnDesktop(window_);
    const WindowPositionType saved = config->WindowPositions[HelpWindowPosition];
    if (saved.Left == NoWindowPosition && saved.Top == NoWindowPosition) return CentreOnDesktop(window_);
    // A saved place is kept inside the desktop, in case the screen got smaller.
    RECT work{}, frame{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window_, &frame);
    const int left =
        std::clamp<int>(saved.Left, work.left, std::max(work.left, work.right - (frame.right - frame.left)));
    const int top =
        std::clamp<int>(saved.Top, work.top, std::max(work.top, work.bottom - (frame.bottom - frame.top)));
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void THelpForm::StorePosition(ConfigurationType* config) const {
    if (!config || !config->RememberWindowPositions) return;
    RECT frame{};
    GetWindowRect(window_, &frame);
    WindowPositionType& saved = config->WindowPositions[HelpWindowPosition];
    if (saved.Left == frame.left && saved.Top == frame.top) return;
    saved = {frame.left, frame.top};
    config->ConfigurationChanged = true;
}

LRESULT CALLBACK THelpForm::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = FormOfWindow<THelpForm>(window, message, lParam);
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT THelpForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintDialogBack(window_, icon_);
            return 0;
        case WM_CTLCOLORSTATIC:
            return WhiteStaticColours(wParam);
        case WM_COMMAND:
            if (LOWORD(wParam) == OkButtonId || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                done_ = true;
            return 0;
        case WM_CLOSE:
            done_ = true;
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace velmora
