#pragma once
// The base of every window but the main window. A form is created on first
// use and kept (the message dialog, made for one question, is the exception);
// it shows modelessly or modally, placed at its remembered position when the
// user asks the program to remember positions (kept on the desktop), else at
// a place of its own or centred; it closes by its close box, Escape or the
// program, storing its position. Tab, the arrow keys, Enter and Escape move
// between and act on its controls: the main loop hands the forms' keyboard
// messages to ForwardToForm. A form whose keys are assigned (FormKeys) leaves
// them all to the keyboard's state.

#include <optional>

#include "base/win32/Windows.h"
#include "ui/WindowPlacement.h"
#include "ui/win32/WindowDpi.h"

namespace velmora {

struct ConfigurationType;

// What the keys pressed in a form do.
enum class FormKeys {
    // The dialog manager's: Tab and the arrows move between the controls,
    // Escape closes the form, Enter does what the focused control does.
    Dialog,
    // Every key is one to assign, read from the keyboard's state by the main
    // loop: no control of the form acts on it (a focused box is not switched,
    // a slider not moved, the form not closed), but a focused text box, which
    // types every key it gets.
    Assigned
};

class TForm {
public:
    // The client size is in 96-dpi pixels, as are the places of the controls
    // the form creates through CreateChild and CreateRichText. A form whose
    // own drawing and clicks also follow the form's dpi (DialogDpi) scales
    // itself; the others are enlarged by the system.
    TForm(const wchar_t* className, int clientWidth, int clientHeight,
          DpiAwareness awareness = DpiAwareness::SystemScaled);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    // Creates the window on first use, then lets the form fill it. False
    // when the window cannot be created.
    bool Create(HWND owner);
    // Where the form remembers its position (none: it always takes its own place).
    void RememberPositionIn(ConfigurationType* config, int positionIndex);

    // Shows the form without waiting, at its place (see above; `own` is its
    // own place in screen coordinates, centred on the desktop when none).
    void Show(std::optional<WindowPoint> own = std::nullopt);
    // Shows the form and returns when it closes; its owner is disabled meanwhile.
    void ShowModal(std::optional<WindowPoint> own = std::nullopt);
    // Hides the form: FormIsClosed runs, then its position is stored.
    void Close();

    void SetKeys(FormKeys keys) { keys_ = keys; }
    FormKeys Keys() const { return keys_; }

    bool IsOpen() const { return open_; }
    HWND Handle() const { return window_; }
    HWND Owner() const { return owner_; }
    WindowSize Size() const;

protected:
    virtual void FormIsCreated() {}
    virtual void FormIsShown() {}
    virtual void FormIsClosed() {}
    // The form's messages. The default closes the form on its close box and
    // on Escape (IDCANCEL), clicks the focused box on Enter (IDOK: a push
    // button is clicked by the dialog manager itself) and leaves the rest to
    // the system.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Place(std::optional<WindowPoint> own);

    const wchar_t* className_;
    int clientWidth_;
    int clientHeight_;
    DpiAwareness awareness_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    bool open_ = false;
    bool closed_ = true;  // what a modal showing waits for
    FormKeys keys_ = FormKeys::Dialog;
    ConfigurationType* config_ = nullptr;
    int positionIndex_ = -1;
};

// The work area of the desktop the program shows on.
DesktopArea WorkArea();

// Hands a keyboard message meant for a form's control to the form, so that
// Tab, the arrows, Enter and Escape work as in a dialog; in a form whose keys
// are assigned, takes it from every control but a focused text box. True when
// the form took it (the caller then neither translates nor dispatches it).
bool ForwardToForm(MSG& message);

}  // namespace velmora
