#include "ui/win32/DialogForm.h"

#include "base/win32/WideText.h"
#include "ui/Markup.h"
#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

constexpr int ClientWidth = 482;
constexpr int ClientHeight = 185;
constexpr int FirstButtonId = 1001;
constexpr std::array<int, 3> ButtonLefts{168, 272, 376};

HICON KindIcon(DialogKind kind) {
    switch (kind) {
        case DialogKind::Confirmation:
            return LoadIconW(nullptr, IDI_QUESTION);
        case DialogKind::Warning:
            return LoadIconW(nullptr, IDI_WARNING);
        case DialogKind::Error:
            return LoadIconW(nullptr, IDI_ERROR);
        default:
            return LoadIconW(nullptr, IDI_INFORMATION);
    }
}

int LinesHeight(std::string_view markup) {
    return static_cast<int>(MarkupLineCount(markup)) * 13 + 4;
}

}  // namespace

TDialogForm::TDialogForm(HWND owner, const MessageDialog& dialog)
    : TForm(L"VelmoraMessageDialog", ClientWidth, ClientHeight, DpiAwareness::OwnScaling), dialog_(dialog) {
    Create(owner);
}

void TDialogForm::FormIsCreated() {
    const MessageDialog& dialog = dialog_;
    const HWND window = Handle();
    SetWindowTextW(window, Utf8ToWide(DialogCaption(dialog.Kind)).c_str());
    icon_ = KindIcon(dialog.Kind);
    heading_ = CreateChild(window, L"STATIC", dialog.Heading, SS_LEFT | SS_NOPREFIX, {48, 16, 425, 18}, 0);
    SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(window, 13, true)), FALSE);
    const int footerTop = ClientHeight - FooterHeight;
    if (!dialog.Captions.empty()) {
        FillRichText(CreateRichText(window, 48, 48, 121, LinesHeight(dialog.Captions), false),
                     dialog.Captions);
        FillRichText(CreateRichText(window, 168, 48, 305, LinesHeight(dialog.Captions), false),
                     dialog.Values);
    }
    const int top = MessageTop(dialog.Captions);
    FillRichText(CreateRichText(window, 48, top, 425, footerTop - top - 4, false), dialog.Message);
    const std::array<std::string, 3> captions = ButtonCaptions(dialog.Buttons);
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const DWORD style = WS_TABSTOP | (i == 2 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        buttons_[index] = CreateChild(window, L"BUTTON", captions[index], style,
                                      {ButtonLefts[index], footerTop + 8, 97, 25}, FirstButtonId + i);
        tags_[index] = ButtonTag(dialog.Buttons, i);
        if (captions[index].empty()) ShowWindow(buttons_[index], SW_HIDE);
    }
    footerTag_ = tags_[2];
}

int TDialogForm::Ask() {
    if (!Handle()) return AnswerForTag(footerTag_);
    if (Owner() && IsIconic(Owner())) ShowWindow(Owner(), SW_RESTORE);
    focus_ = buttons_[2];
    SetForegroundWindow(Handle());
    SetFocus(focus_);
    ShowModal();
    return AnswerForTag(footerTag_);
}

// Enter clicks the button that has the focus; with the focus elsewhere, the third button.
int TDialogForm::FocusedButton() const {
    for (int i = 0; i < 3; ++i)
        if (buttons_[static_cast<std::size_t>(i)] == GetFocus()) return i;
    return 2;
}

void TDialogForm::ButtonClick(int index) {
    footerTag_ = tags_[static_cast<std::size_t>(index)];
    Close();
}

LRESULT TDialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The third button has the focus at first, also when the dialog was shown behind another window.
    if (KeepControlFocus(Handle(), message, wParam, focus_)) return 0;
    switch (message) {
        case WM_PAINT:
            PaintDialogBack(Handle(), icon_);
            return 0;
        case WM_CTLCOLORSTATIC:
            return WhiteStaticColours(wParam);
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id >= FirstButtonId && id < FirstButtonId + 3) ButtonClick(id - FirstButtonId);
            if (id == IDOK) ButtonClick(FocusedButton());
            if (id == IDCANCEL) break;  // Escape: as the close box, which keeps Button2's Tag
            return 0;
        }
        default:
            break;
    }
    return TForm::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora
