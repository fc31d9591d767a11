#include "app/win32/settings/SettingsForms.h"

#include "app/win32/Application.h"
#include "app/win32/settings/AdvancedAssignmentSettingsForm.h"
#include "app/win32/settings/AssignmentSettingsForm.h"

namespace velmora {

struct SettingsForms {
    explicit SettingsForms(Application& app) : App(app) {}
    Application& App;
    // One member per settings window's form, e.g. TStickSettingsForm Stick{App};
    TAssignmentSettingsForm Assignment{App};
    TAdvancedAssignmentSettingsForm AdvancedAssignment{App, Assignment};
};

SettingsFormsHandle MakeSettingsForms(Application& app) {
    SettingsFormsHandle forms(new SettingsForms(app));
    // One registration per form, e.g. app.Ui.RegisterForm(SettingsWindow::Stick, forms->Stick);
    app.Ui.RegisterForm(SettingsWindow::Assignment, forms->Assignment);
    app.Ui.RegisterForm(SettingsWindow::AdvancedAssignment, forms->AdvancedAssignment);
    return forms;
}

void SettingsFormsDeleter::operator()(SettingsForms* forms) const {
    if (!forms) return;
    forms->App.Ui.ForgetForms();
    delete forms;
}

}  // namespace velmora
