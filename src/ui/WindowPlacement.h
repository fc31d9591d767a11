#pragma once
// Where the main window is placed when it first shows: centred, or where it
// was left, kept on the desktop.

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

WindowPoint CentredPlace(WindowSize window, WindowSize desktop);

// With RememberWindowPositions the saved place, moved back onto the desktop
// if the window would reach past its right or bottom edge (and never above
// or left of it); without it, or with nothing saved, centred.
WindowPoint MainWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop);

}  // namespace velmora
