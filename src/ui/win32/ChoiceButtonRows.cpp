#include "ui/win32/ChoiceButtonRows.h"

#include "base/win32/WideText.h"
#include "ui/win32/DialogControls.h"

namespace velmora {

std::vector<HWND> CreateChoiceButtonRow(HWND parent, int x, int y, int width, int height, int count,
                                        int perLine, int firstId) {
    std::vector<HWND> buttons;
    for (int i = 0; i < count; ++i) {
        const int left = x + (i % perLine) * (width + 4);
        const int top = y + (i / perLine) * (height + 4);
        buttons.push_back(CreateChild(parent, L"BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON,
                                      {left, top, width, height}, firstId + i));
    }
    return buttons;
}

void FillChoiceButton(HWND button, const std::string& caption, bool marked) {
    SetWindowTextW(button, Utf8ToWide(caption).c_str());
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFontFor(button, 11, marked)), TRUE);
}

}  // namespace velmora
