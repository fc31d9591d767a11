#pragma once
// The user-interface seam: what the core asks of the windows. The Win32 shell
// implements it with real windows; tests use a scripted double that records
// every call and answers questions.

#include <string>
#include <vector>

namespace velmora {

enum class DialogKind : int { Information = 0, Confirmation = 1, Warning = 2, Error = 3 };

// Button sets of the message dialog. The answer is 0 for the OK set, else 1, 2
// or 3 for the first, second and third button; closing the dialog answers 3.
enum ButtonSet : int {
    OkButtons = 0,         // "OK"
    SaveAsButtons = 1,     // "Save As...", "Do not Save", "Cancel"
    SaveButtons = 2,       // "Save", "Do not Save", "Cancel"
    OverwriteButtons = 3,  // "Overwrite", "Do not Overwrite", "Cancel"
    ClearButtons = 4,      // "Clear", "Do not Clear", "Cancel"
};

// Texts are already translated and use the markup: "#" ends a line, "$"
// switches bold. Captions and Values pair up line by line.
struct MessageDialog {
    DialogKind Kind = DialogKind::Information;
    std::string Heading;
    std::string Captions;
    std::string Values;
    std::string Message;
    int Buttons = OkButtons;
};

// An open or save file dialog. The title is the translated "*Open*" or
// "*Save*", a space and the caption; one filter shows the type name and
// "*." + extension. The save dialog asks before overwriting an existing file.
// files/FileDialogs.h builds the title and the filter texts, picks the
// folder to start in and asks the overwrite question.
struct FileDialog {
    std::string Caption;        // translated
    std::string TypeName;       // translated
    std::string Extension;      // without the dot; also the default extension
    std::string SuggestedName;  // the save dialog's file name box
    std::string Folder;         // where the dialog starts
    bool Thumbnails = false;    // a thumbnail view of the files, for images
};

enum class SettingsWindow : int {
    Assignment,
    AdvancedAssignment,
    Stick,
    DPad,
    Trigger,
    Mouse,
    ControllerSettings,
    ControllerProperties,
    GlobalSettings,
    ProfileSettings,
    Help,
};
inline constexpr int SettingsWindowCount = 11;

// One item of a popup menu: a command (its Tag is what the menu answers), a
// separator or a submenu. Captions are already translated.
struct MenuItem {
    std::string Caption;
    int Tag = 0;
    bool Enabled = true;
    bool Checked = false;
    bool Visible = true;
    bool Separator = false;
    std::vector<MenuItem> Items;  // a submenu when not empty
};

inline constexpr int NoMenuChoice = -1;

// Where a popup menu opens: at a point of the main window's picture (just
// below the button it belongs to) or at the mouse cursor (the tray's menu).
struct MenuPlace {
    int Left = 0;
    int Top = 0;
    bool AtCursor = false;
};

// The animations of the main window's layout picture.
enum class LayoutAnimation : int {
    ButtonsIn,   // the selected controller's buttons drop in
    ButtonsOut,  // they fall out (before a profile is replaced)
    ShowLayout,  // the controller picture slides in, then the buttons drop in
    HideLayout,  // the buttons fall out, then the picture slides out
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual int ShowMessageDialog(const MessageDialog& dialog) = 0;

    virtual bool IsWindowOpen(SettingsWindow window) const = 0;
    virtual void CloseWindow(SettingsWindow window) = 0;
    virtual bool MainWindowShowing() const = 0;

    // Redraw one control's button, or the whole layout picture.
    virtual void DrawControlButton(int control) = 0;
    virtual void RedrawLayout() = 0;
    // Plays an animation of the selected controller's layout while the main
    // window is shown; not animated, only its end is drawn.
    virtual void PlayAnimation(LayoutAnimation, bool /*animated*/) {}
    // The assignment windows redraw their slot displays.
    virtual void RedrawSlotDisplays() = 0;
    // An open window refills itself from the model (a closed one does nothing).
    virtual void RefreshWindow(SettingsWindow) {}
    // Opens a window as its menu command does (or brings it to the front).
    virtual void OpenWindow(SettingsWindow) {}
    // Opens a window for one subject: the assignment window for a control,
    // the stick, DPad and trigger windows for a group of the layout.
    virtual void OpenWindowFor(SettingsWindow window, int /*subject*/) { OpenWindow(window); }
    // The subject an open window works on (-1 when closed or without one).
    virtual int WindowSubject(SettingsWindow) const { return -1; }

    // The settings windows' share of the selected controller's pass, called
    // by the main loop while the main window shows:
    // every pass while the assignment window is open, its keyboard capture
    // (which waits while keyEmitting: the program's own key presses);
    virtual void CaptureKeyboard(bool /*keyEmitting*/) {}
    // every fifth pass, an open window's live display (values, pictures);
    virtual void UpdateLiveDisplay(SettingsWindow) {}
    // every pass while the advanced assignment window is open, whether its
    // turbo demonstration is lit;
    virtual void ShowTurboDemonstration(bool /*lit*/) {}
    // every pass while the controller settings window is open, its detection.
    virtual void DetectionTick() {}

    // A popup menu, modally: the Tag of the chosen item, or NoMenuChoice.
    virtual int ShowPopupMenu(const std::vector<MenuItem>&, MenuPlace) { return NoMenuChoice; }
    // The help window at a topic.
    virtual void ShowHelp(int /*topic*/) {}
    // Minimises the program, as the main window's minimise box does.
    virtual void MinimizeProgram() {}
    // The profile name box's pressed look, on while the open dialog it leads to is up.
    virtual void ShowProfileNamePressed(bool /*pressed*/) {}

    // The file dialogs: the chosen file's full name, or empty when cancelled.
    virtual std::string ShowOpenDialog(const FileDialog&) { return {}; }
    virtual std::string ShowSaveDialog(const FileDialog&) { return {}; }
};

// A user interface with no windows: every question is answered as if the
// dialog were closed, nothing is open, nothing is drawn.
class NoUserInterface : public UserInterface {
public:
    int ShowMessageDialog(const MessageDialog& dialog) override {
        return dialog.Buttons == OkButtons ? 0 : 3;
    }
    bool IsWindowOpen(SettingsWindow) const override { return false; }
    void CloseWindow(SettingsWindow) override {}
    bool MainWindowShowing() const override { return false; }
    void DrawControlButton(int) override {}
    void RedrawLayout() override {}
    void RedrawSlotDisplays() override {}
};

}  // namespace velmora
