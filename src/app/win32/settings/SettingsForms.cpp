#include "app/win32/settings/SettingsForms.h"

#include "app/win32/Application.h"
#include "app/win32/settings/AdvancedAssignmentSettingsForm.h"
#include "app/win32/settings/AssignmentSettingsForm.h"
#include "app/win32/settings/ControllerPropertiesForm.h"
#include "app/win32/settings/ControllerSettingsForm.h"
#include "app/win32/settings/DPadSettingsForm.h"
#include "app/win32/settings/GlobalSettingsForm.h"
#include "app/win32/settings/MouseSettingsForm.h"
#include "app/win32/settings/StickSettingsForm.h"
#include "app/win32/settings/TriggerSettingsForm.h"

namespace velmora {

struct SettingsForms {
    explicit SettingsForms(Application& app) : App(app) {}
    Application& App;
    // One member per settings window's form.
    TControllerPropertiesForm Properties{App};
    TGlobalSettingsForm Global{App};
    TStickSettingsForm Stick{App};
    TDPadSettingsForm DPad{App};
    TTriggerSettingsForm Trigger{App};
    TMouseSettingsForm Mouse{App};
    TAssignmentSettingsForm Assignment{App};
    TAdvancedAssignmentSettingsForm AdvancedAssignment{App, Assignment};
    TControllerSettingsForm Controller{App};
};

SettingsFormsHandle MakeSettingsForms(Application& app) {
    SettingsFormsHandle forms(new SettingsForms(app));
    app.Ui.RegisterForm(SettingsWindow::ControllerProperties, forms->Properties);
    app.Ui.RegisterForm(SettingsWindow::GlobalSettings, forms->Global);
    app.Ui.RegisterForm(SettingsWindow::Stick, forms->Stick);
    app.Ui.RegisterForm(SettingsWindow::DPad, forms->DPad);
    app.Ui.RegisterForm(SettingsWindow::Trigger, forms->Trigger);
    app.Ui.RegisterForm(SettingsWindow::Mouse, forms->Mouse);
    app.Ui.RegisterForm(SettingsWindow::Assignment, forms->Assignment);
    app.Ui.RegisterForm(SettingsWindow::AdvancedAssignment, forms->AdvancedAssignment);
    app.Ui.RegisterForm(SettingsWindow::ControllerSettings, forms->Controller);
    return forms;
}

void SettingsFormsDeleter::operator()(SettingsForms* forms) const {
    if (!forms) return;
    forms->App.Ui.ForgetForms();
    delete forms;
}

}  // namespace velmora
