#pragma once
// Where a window is placed when it shows: centred, at a place of its own, or
// where it was left, kept on the desktop; and where it is remembered.

#include "model/Configuration.h"

namespace velmora {

struct WindowPoint {
    int Left = 0;
    int Top = 0;
};

struct WindowSize {
    int Width = 0;
    int Height = 0;
};

// The desktop's work area, in screen coordinates.
struct DesktopArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

WindowPoint CentredPlace(WindowSize window, WindowSize desktop);
WindowPoint CentredOn(WindowSize window, DesktopArea desktop);

// A window that would reach past the desktop's right or bottom edge is moved
// back so that its edge lies on the desktop's last pixel; then a place above
// or left of the desktop is moved onto it.
WindowPoint KeptOnDesktop(WindowPoint place, WindowSize window, DesktopArea desktop);

// With RememberWindowPositions and a saved place, the saved place; else the
// window's own place (otherwise). Either is kept on the desktop.
WindowPoint SettingsWindowPlace(const ConfigurationType& config, int positionIndex, WindowSize window,
                                DesktopArea desktop, WindowPoint otherwise);

// With RememberWindowPositions, stores where the window is; the configuration
// counts as changed only when the place differs.
void StoreWindowPlace(ConfigurationType& config, int positionIndex, WindowPoint place);

// With RememberWindowPositions the saved place, moved back onto the desktop
// if the window would reach past its right or bottom edge (and never above
// or left of it); without it, or with nothing saved, centred.
WindowPoint MainWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop);

}  // namespace velmora
