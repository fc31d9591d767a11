#pragma once
// The message dialog: a kind's caption and icon, a navy heading, detail lines
// of names and values, the message, and up to three buttons. Created for one
// question and released after it.

#include <array>

#include "base/UserInterface.h"
#include "base/win32/Windows.h"

namespace velmora {

class TDialogForm {
public:
    TDialogForm(HWND owner, const MessageDialog& dialog);
    ~TDialogForm();
    TDialogForm(const TDialogForm&) = delete;
    TDialogForm& operator=(const TDialogForm&) = delete;

    // Shows the dialog modally and gives the answer of the button clicked.
    int ShowModal();
    HWND Handle() const { return window_; }
    HWND Button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void FormIsCreated(const MessageDialog& dialog);
    void ButtonClick(int index);
    int FocusedButton() const;

    HWND owner_;
    HWND window_ = nullptr;
    HWND heading_ = nullptr;
    std::array<HWND, 3> buttons_{};
    std::array<int, 3> tags_{};
    HICON icon_ = nullptr;
    int footerTag_ = 3;  // the answer so far: Button2's Tag until a button is clicked
    bool done_ = false;
};

}  // namespace velmora
