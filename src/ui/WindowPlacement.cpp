#include "ui/WindowPlacement.h"

#include <algorithm>

namespace velmora {

WindowPoint CentredPlace(WindowSize window, WindowSize desktop) {
    return {(desktop.Width - window.Width) / 2, (desktop.Height - window.Height) / 2};
}

WindowPoint MainWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop) {
    const WindowPositionType saved = config.WindowPositions[MainWindowPosition];
    if (!config.RememberWindowPositions || (saved.Left == NoWindowPosition && saved.Top == NoWindowPosition))
        return CentredPlace(window, desktop);
    WindowPoint place{saved.Left, saved.Top};
    if (place.Left + window.Width > desktop.Width) place.Left = desktop.Width - window.Width;
    if (place.Top + window.Height > desktop.Height) place.Top = desktop.Height - window.Height;
    place.Left = std::max(place.Left, 0);
    place.Top = std::max(place.Top, 0);
    return place;
}

}  // namespace velmora
