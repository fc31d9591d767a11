#include "ui/WindowPlacement.h"

#include <algorithm>

namespace velmora {
namespace {

bool HasSavedPlace(const ConfigurationType& config, int positionIndex) {
    const WindowPositionType saved = config.WindowPositions[static_cast<std::size_t>(positionIndex)];
    return config.RememberWindowPositions &&
           !(saved.Left == NoWindowPosition && saved.Top == NoWindowPosition);
}

}  // namespace

WindowPoint CentredPlace(WindowSize window, WindowSize desktop) {
    return {(desktop.Width - window.Width) / 2, (desktop.Height - window.Height) / 2};
}

WindowPoint CentredOn(WindowSize window, DesktopArea desktop) {
    const WindowPoint centred = CentredPlace(window, {desktop.Width, desktop.Height});
    return {desktop.Left + centred.Left, desktop.Top + centred.Top};
}

WindowPoint KeptOnDesktop(WindowPoint place, WindowSize window, DesktopArea desktop) {
    const int right = desktop.Left + desktop.Width;
    const int bottom = desktop.Top + desktop.Height;
    if (place.Left + window.Width > right) place.Left = right - window.Width;
    if (place.Top + window.Height > bottom) place.Top = bottom - window.Height;
    place.Left = std::max(place.Left, desktop.Left);
    place.Top = std::max(place.Top, desktop.Top);
    return place;
}

// The main window centres on the whole desktop as it is, even when it is
// larger than the desktop: only a remembered place is moved onto it.
WindowPoint MainWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop) {
    if (!HasSavedPlace(config, MainWindowPosition)) return CentredPlace(window, desktop);
    const WindowPositionType saved = config.WindowPositions[MainWindowPosition];
    return KeptOnDesktop({saved.Left, saved.Top}, window, {0, 0, desktop.Width, desktop.Height});
}

WindowPoint SettingsWindowPlace(const ConfigurationType& config, int positionIndex, WindowSize window,
                                DesktopArea desktop, WindowPoint otherwise) {
    if (!HasSavedPlace(config, positionIndex)) return KeptOnDesktop(otherwise, window, desktop);
    const WindowPositionType saved = config.WindowPositions[static_cast<std::size_t>(positionIndex)];
    return KeptOnDesktop({saved.Left, saved.Top}, window, desktop);
}

void StoreWindowPlace(ConfigurationType& config, int positionIndex, WindowPoint place) {
    if (!config.RememberWindowPositions) return;
    WindowPositionType& saved = config.WindowPositions[static_cast<std::size_t>(positionIndex)];
    if (saved.Left == place.Left && saved.Top == place.Top) return;
    saved = {place.Left, place.Top};
    config.ConfigurationChanged = true;
}

}  // namespace velmora
