#pragma once
// The pieces the message dialog and the help window share: Tahoma fonts,
// read-only RichEdit boxes filled from the markup, the silver footer with its
// buttons, and a modal message loop that disables the owner meanwhile.

#include <string>
#include <string_view>
#include <vector>

#include "base/win32/Windows.h"

namespace velmora {

inline constexpr COLORREF DialogNavy = RGB(0, 0, 128);
inline constexpr COLORREF DialogSilver = RGB(192, 192, 192);
inline constexpr int FooterHeight = 41;

// Tahoma at a pixel height, kept for the whole run.
HFONT DialogFont(int pixelHeight, bool bold);

// The dpi a form lays its controls out at, given the form's window or any
// window inside it: set once when the form is made; 96 for a form the system
// enlarges itself and for windows of no form.
int DialogDpi(HWND window);
// Marks the form's window with the dpi its controls are laid out at and
// enlarges its client area, given in 96-dpi pixels, to match.
void SetDialogDpi(HWND form, int dpi, int clientWidth, int clientHeight);
// Takes the mark away before the form's window goes.
void ClearDialogDpi(HWND form);
// A place laid out in 96-dpi pixels ({left, top, width, height}), at the dpi
// of the form that holds `window`.
RECT DialogPlace(HWND window, RECT place);
// DialogFont at the dpi of the form that holds `window`.
HFONT DialogFontFor(HWND window, int pixelHeight, bool bold);
// From here on, what is drawn on dc in 96-dpi pixels (boxes, texts in
// DialogFont, pictures through PaintPicture) comes out at the form's dpi.
void ScaleDialogDrawing(HWND window, HDC dc);
// Asks for a repaint of a rectangle given in 96-dpi pixels.
void InvalidateDialogRect(HWND window, RECT rect);
// The client point of a mouse message's lParam, mapped back to the 96-dpi
// pixels the form that holds `window` is laid out in.
POINT DialogPoint(HWND window, LPARAM lParam);

// A read-only RichEdit without border; wrapped text gets a vertical scroll bar.
// Places of this and CreateChild are in 96-dpi pixels, scaled to the form's dpi.
HWND CreateRichText(HWND parent, int x, int y, int width, int height, bool wrap);
// Replaces the box's text with the markup's lines, bold runs as bold. Every
// piece of text gets an explicit character format: RichEdit may otherwise
// report its default text as bold.
void FillRichText(HWND box, std::string_view markup);

HWND CreateChild(HWND parent, const wchar_t* className, const std::string& text, DWORD style, RECT place,
                 int id);

// Paints the white client area with the silver footer and a kind's icon, at the form's dpi.
void PaintDialogBack(HWND window, HICON icon);

// Static texts of the dialogs: navy on white.
LRESULT WhiteStaticColours(WPARAM deviceContext);

// The form object that rides in a window's user data, stored there when the
// window is created (its creation parameter); null before that.
template <class Form>
Form* FormOfWindow(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Centres the window on the desktop's work area.
void CentreOnDesktop(HWND window);
// A popup with a single border and a close box whose client area has this size.
HWND CreateDialogWindow(const wchar_t* className, WNDPROC procedure, HWND owner, int clientWidth,
                        int clientHeight, void* self);

// The focus of a form as a dialog keeps it: on deactivation the focused
// control is remembered, on activation it gets the focus back (the default
// handling would give it to the form itself, and the arrow keys would reach
// no control). True when the message was WM_ACTIVATE and has been handled.
bool KeepControlFocus(HWND window, UINT message, WPARAM wParam, HWND& remembered);

// While a dialog is up, the program's other windows (the settings windows
// beside the main window) take no clicks and keys either: a click there
// changed, under the code waiting for the dialog's answer, the lists it holds
// a place in. Every visible, enabled top-level window of the thread but the
// two named is disabled, and enabled again at the end.
class OtherWindowsDisabled {
public:
    OtherWindowsDisabled(HWND dialog, HWND owner);
    ~OtherWindowsDisabled();
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    HWND dialog_, owner_;
    std::vector<HWND> disabled_;
};

// Shows the window and pumps messages until *done; the owner and the
// program's other windows are disabled meanwhile, and the owner activated
// again before the window goes away.
void RunModal(HWND window, HWND owner, const bool& done);

}  // namespace velmora
