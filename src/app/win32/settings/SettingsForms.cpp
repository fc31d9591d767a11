#include "app/win32/settings/SettingsForms.h"

#include "app/win32/Application.h"
#include "app/win32/settings/ControllerSettingsForm.h"

namespace velmora {

struct SettingsForms {
    explicit SettingsForms(Application& app) : App(app) {}
    Application& App;
    // One member per settings window's form, e.g. TStickSettingsForm Stick{App};
    TControllerSettingsForm Controller{App};
};

SettingsFormsHandle MakeSettingsForms(Application& app) {
    SettingsFormsHandle forms(new SettingsForms(app));
    // One registration per form, e.g. app.Ui.RegisterForm(SettingsWindow::Stick, forms->Stick);
    app.Ui.RegisterForm(SettingsWindow::ControllerSettings, forms->Controller);
    return forms;
}

void SettingsFormsDeleter::operator()(SettingsForms* forms) const {
    if (!forms) return;
    forms->App.Ui.ForgetForms();
    delete forms;
}

}  // namespace velmora
