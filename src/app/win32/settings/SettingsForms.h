#pragma once
// Every settings window's form, made once for the run when the main window
// is created, and registered with the user-interface seam, which opens,
// refreshes and closes them. A new window is one member and one line here.

#include <memory>

namespace velmora {

struct Application;
struct SettingsForms;

// Frees the forms; the user-interface seam forgets them first.
struct SettingsFormsDeleter {
    void operator()(SettingsForms* forms) const;
};
using SettingsFormsHandle = std::unique_ptr<SettingsForms, SettingsFormsDeleter>;

// Makes the forms (their windows are created on first use) and registers them.
SettingsFormsHandle MakeSettingsForms(Application& app);

}  // namespace velmora
