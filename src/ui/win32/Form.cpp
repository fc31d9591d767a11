#include "ui/win32/Form.h"

#include <commctrl.h>

#include "ui/DisplayScale.h"
#include "ui/win32/DialogControls.h"

namespace velmora {
namespace {

// Marks a form's window, so that the message pump can tell it from others.
constexpr wchar_t FormProperty[] = L"VelmoraForm";

// Track bars, tabs, up-downs, list views and combo boxes, with the visual
// styles that the program's manifest asks for; registered once per run.
void RegisterCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                          ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != 0;
    }();
    (void)registered;
}

// Enter on a button or a check or radio box does what a click does; on
// anything else it does nothing. (The forms are no dialog-class windows: the
// dialog manager sends IDOK for Enter on a push button too.)
void ClickFocusedBox(HWND form) {
    const HWND focus = GetFocus();
    if (!focus || GetAncestor(focus, GA_ROOT) != form) return;
    if ((SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) != 0) SendMessageW(focus, BM_CLICK, 0, 0);
}

bool IsTextBox(HWND window) {
    wchar_t kind[8]{};
    GetClassNameW(window, kind, 8);
    return lstrcmpiW(kind, L"EDIT") == 0;
}

}  // namespace

TForm::TForm(const wchar_t* className, int clientWidth, int clientHeight, DpiAwareness awareness)
    : className_(className), clientWidth_(clientWidth), clientHeight_(clientHeight), awareness_(awareness) {}

TForm::~TForm() {
    if (!window_) return;
    RemovePropW(window_, FormProperty);
    ClearDialogDpi(window_);
    DestroyWindow(window_);
}

bool TForm::Create(HWND owner) {
    if (window_) return true;
    owner_ = owner;
    RegisterCommonControls();
    // The controls are made with the window's awareness too.
    const ThreadDpiAwareness creating(awareness_);
    window_ = CreateDialogWindow(className_, Procedure, owner, clientWidth_, clientHeight_, this);
    if (!window_) return false;
    SetPropW(window_, FormProperty, reinterpret_cast<HANDLE>(this));
    const bool ownScaling = awareness_ == DpiAwareness::OwnScaling;
    SetDialogDpi(window_, ownScaling ? WindowDpi(window_) : StandardDpi, clientWidth_, clientHeight_);
    FormIsCreated();
    return true;
}

void TForm::RememberPositionIn(ConfigurationType* config, int positionIndex) {
    config_ = config;
    positionIndex_ = positionIndex;
}

WindowSize TForm::Size() const {
    RECT frame{};
    GetWindowRect(window_, &frame);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void TForm::Place(std::optional<WindowPoint> own) {
    const DesktopArea desktop = WorkArea();
    const WindowSize size = Size();
    const WindowPoint fallback = own.value_or(CentredOn(size, desktop));
    const WindowPoint place = config_ && positionIndex_ >= 0
                                  ? SettingsWindowPlace(*config_, positionIndex_, size, desktop, fallback)
                                  : KeptOnDesktop(fallback, size, desktop);
    SetWindowPos(window_, nullptr, place.Left, place.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show(std::optional<WindowPoint> own) {
    if (!window_) return;
    Place(own);
    open_ = true;
    closed_ = false;
    FormIsShown();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void TForm::ShowModal(std::optional<WindowPoint> own) {
    if (!window_) return;
    Place(own);
    open_ = true;
    closed_ = false;
    FormIsShown();
    RunModal(window_, owner_, closed_);
    if (open_) Close();  // the program ended the modal loop
}

void TForm::Close() {
    if (!open_) return;
    open_ = false;
    FormIsClosed();
    if (config_ && positionIndex_ >= 0) {
        RECT frame{};
        GetWindowRect(window_, &frame);
        StoreWindowPlace(*config_, positionIndex_, {frame.left, frame.top});
    }
    closed_ = true;
    ShowWindow(window_, SW_HIDE);
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                Close();
                return 0;
            }
            if (LOWORD(wParam) == IDOK) {
                ClickFocusedBox(window_);
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK TForm::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = FormOfWindow<TForm>(window, message, lParam);
    if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

DesktopArea WorkArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

bool ForwardToForm(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    const auto* form = root ? reinterpret_cast<const TForm*>(GetPropW(root, FormProperty)) : nullptr;
    if (!form) return false;
    // Taken from the queue, the key is already in the keyboard's state the
    // main loop reads; a text box gets it without the dialog manager, which
    // would make Escape in a many-line box close the form.
    if (form->Keys() == FormKeys::Assigned) return !IsTextBox(message.hwnd);
    return IsDialogMessageW(root, &message) != 0;
}

}  // namespace velmora
