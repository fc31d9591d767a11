#include "app/win32/settings/MainWindowSettingsShell.h"

#include "app/win32/Application.h"
#include "app/win32/TrayIcon.h"

namespace velmora {

void MainWindowSettingsShell::SetTrayIcon(bool shown) {
    if (shown && !app_.TrayIconAdded)
        AddTrayIcon(app_);
    else if (!shown)
        RemoveTrayIcon(app_);
}

void MainWindowSettingsShell::SetThemeImage(std::optional<std::vector<std::uint8_t>> image) {
    app_.Ui.Layout().SetThemeImage(image ? std::move(*image) : std::vector<std::uint8_t>{});
    app_.Ui.RedrawLayout();
}

}  // namespace velmora
