#include "ui/win32/Win32UserInterface.h"

#include <string>
#include <vector>

#include "files/win32/WideText.h"

namespace velmora {
namespace {

UINT IconFor(DialogKind kind) {
    switch (kind) {
        case DialogKind::Confirmation:
            return MB_ICONQUESTION;
        case DialogKind::Warning:
            return MB_ICONWARNING;
        case DialogKind::Error:
            return MB_ICONERROR;
        default:
            return MB_ICONINFORMATION;
    }
}

std::vector<std::string> Lines(std::string_view markup) {
    std::vector<std::string> lines;
    if (markup.empty()) return lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = markup.find('#', start);
        lines.push_back(PlainText(markup.substr(start, end - start)));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

// The message box's answers as the program's button sets number them:
// first, second, third button; closing the box counts as the third.
int AnswerOf(int pressed) {
    switch (pressed) {
        case IDYES:
            return 1;
        case IDNO:
            return 2;
        default:
            return 3;
    }
}

}  // namespace

std::string PlainText(std::string_view markup) {
    std::string text;
    for (const char ch : markup) {
        if (ch == '#')
            text += "\r\n";
        else if (ch != '$')
            text += ch;
    }
    return text;
}

std::string DialogText(const MessageDialog& dialog) {
    std::string text = PlainText(dialog.Heading) + "\r\n\r\n";
    const std::vector<std::string> captions = Lines(dialog.Captions);
    const std::vector<std::string> values = Lines(dialog.Values);
    for (std::size_t i = 0; i < captions.size(); ++i)
        text += captions[i] + ": " + (i < values.size() ? values[i] : std::string{}) + "\r\n";
    if (!captions.empty()) text += "\r\n";
    return text + PlainText(dialog.Message);
}

int Win32UserInterface::ShowMessageDialog(const MessageDialog& dialog) {
    const UINT buttons = dialog.Buttons == OkButtons ? MB_OK : MB_YESNOCANCEL;
    dialogOpen_ = true;
    const int pressed = MessageBoxW(owner_, Utf8ToWide(DialogText(dialog)).c_str(), L"Velmora",
                                    buttons | IconFor(dialog.Kind) | MB_SETFOREGROUND);
    dialogOpen_ = false;
    return dialog.Buttons == OkButtons ? 0 : AnswerOf(pressed);
}

bool Win32UserInterface::MainWindowShowing() const {
    return owner_ && IsWindowVisible(owner_) && !IsIconic(owner_);
}

void Win32UserInterface::Repaint() const {
    if (owner_) InvalidateRect(owner_, nullptr, FALSE);
}

}  // namespace velmora
