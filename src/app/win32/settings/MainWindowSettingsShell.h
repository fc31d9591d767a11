#pragma once
// What the global settings change in the running program beyond the
// configuration: the notification-area icon and the main picture's theme image.

#include "app/settings/GlobalSettingsWindow.h"

namespace velmora {

struct Application;

class MainWindowSettingsShell : public GlobalSettingsShell {
public:
    explicit MainWindowSettingsShell(Application& app) : app_(app) {}
    // Adds the icon when it is not there yet, or removes it.
    void SetTrayIcon(bool shown) override;
    // The picture takes the image (none: the plain background) and is redrawn at the end of the pass.
    void SetThemeImage(std::optional<std::vector<std::uint8_t>> image) override;

private:
    Application& app_;
};

}  // namespace velmora
