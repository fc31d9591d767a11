#pragma once
// The settings windows in one table: what each works on, where it keeps its
// position, the help topics of its help buttons, and which windows it leaves
// open when it opens. A new window is one row here and its two file pairs
// (the logic in app/settings, the form in app/win32/settings).

#include <span>

#include "base/UserInterface.h"

namespace velmora {

// What an open window works on, as OpenWindowFor gives it.
enum class WindowSubject : int {
    None,        // the window has no subject
    Control,     // a control index 0..57
    Group,       // a direction group of the layout: DPad, Stick 1, Stick 2 or Triggers
    MouseTarget  // a control 0..57, or 100, 101, 102 for the DPad, Stick 1 and Stick 2 groups
};

struct SettingsWindowRow {
    SettingsWindow Window;
    WindowSubject Subject;
    int PositionIndex;                // its entry of the configuration's window positions
    std::span<const int> HelpTopics;  // the topics of its help buttons, page by page
    SettingsWindow Beside;            // a window it opens beside and leaves open (itself if none)
    // Every key pressed in it is a key to assign, Escape, Tab and Enter too
    // (games use Escape for their menus more than any other key): it closes
    // by its close box and by a second click on the control's button. In the
    // other windows Escape closes, Enter does what the focused control does
    // and Tab moves on.
    bool KeysAssigned = false;
};

// The row of a window.
const SettingsWindowRow& SettingsWindowInfo(SettingsWindow window);

// Any settings window that opens closes the others, but for the window it
// opens beside and the help window (which opens from the settings windows).
bool ClosesWhenOpening(SettingsWindow opening, SettingsWindow other);

}  // namespace velmora
