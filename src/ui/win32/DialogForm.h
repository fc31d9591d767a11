#pragma once
// The message dialog: a kind's caption and icon, a navy heading, detail lines
// of names and values, the message, and up to three buttons. Created for one
// question and released after it.

#include <array>

#include "base/UserInterface.h"
#include "base/win32/Windows.h"
#include "ui/win32/Form.h"

namespace velmora {

class TDialogForm : public TForm {
public:
    TDialogForm(HWND owner, const MessageDialog& dialog);

    // Shows the dialog modally and gives the answer of the button clicked.
    int Ask();
    HWND Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

protected:
    void FormIsCreated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ButtonClick(int index);
    int FocusedButton() const;

    const MessageDialog& dialog_;
    HWND heading_ = nullptr;
    std::array<HWND, 3> buttons_{};
    std::array<int, 3> tags_{};
    HICON icon_ = nullptr;
    HWND focus_ = nullptr;  // the button that gets the focus whenever the dialog is activated
    int footerTag_ = 3;  // the answer so far: Button2's Tag until a button is clicked
};

}  // namespace velmora
