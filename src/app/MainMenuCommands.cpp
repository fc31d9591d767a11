// What the main window's menus do with the chosen Tag.

#include "app/LayoutFlows.h"
#include "app/MainMenus.h"
#include "app/ProfileFlows.h"
#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"

namespace velmora {

bool RunProfileChoice(DeviceContext& context, int tag) {
    ControllerDataType* c = SelectedController(context.List);
    if (!c) return false;
    switch (tag) {
        case ProfileMenu::New:
            NewProfileCommand(context);
            return true;
        case ProfileMenu::Save:
            WriteProfile(c->Profile, context.Ui);
            return true;
        case ProfileMenu::SaveAs:
            SaveProfileAs(context, context.List.Selected);
            return true;
        case ProfileMenu::Settings:
            context.Ui.OpenWindow(SettingsWindow::ProfileSettings);
            return true;
        default:
            return false;
    }
}

bool RunControllerChoice(DeviceContext& context, int tag) {
    if (!SelectedController(context.List)) return false;
    switch (tag) {
        case ControllerMenu::New:
            NewControllerFile(context);
            return true;
        case ControllerMenu::Settings:
            context.Ui.OpenWindow(SettingsWindow::ControllerSettings);
            return true;
        case ControllerMenu::Open:
            OpenControllerFile(context);
            return true;
        case ControllerMenu::Save:
            SaveControllerFile(context);
            return true;
        case ControllerMenu::SaveAs:
            SaveControllerFileAs(context, context.List.Selected);
            return true;
        case ControllerMenu::Properties:
            context.Ui.OpenWindow(SettingsWindow::ControllerProperties);
            return true;
        default:
            return false;
    }
}

bool RunHelpChoice(DeviceContext& context, int tag) {
    if (tag < 100 || tag > 111) return false;
    context.Ui.ShowHelp(tag);
    return true;
}

bool RunSetChoice(ProfileType& profile, int tag) {
    if (tag < 1 || tag > SetCount || tag - 1 == profile.CurrentSet) return false;
    profile.RequestedSet = static_cast<std::uint8_t>(tag - 1);  // the main loop changes sets
    return true;
}

void ClearControlCommand(DeviceContext& context, int control) {
    ControllerDataType* c = SelectedController(context.List);
    if (!c) return;
    if (context.Ui.IsWindowOpen(SettingsWindow::Assignment))
        context.Ui.CloseWindow(SettingsWindow::Assignment);
    ClearControl(c->Profile, control, context.Ui);
}

bool RunAssignmentChoice(DeviceContext& context, int control, int tag) {
    ControllerDataType* c = SelectedController(context.List);
    if (!c || control < 0 || control >= ControlCount) return false;
    UserInterface& ui = context.Ui;
    switch (tag) {
        case AssignmentMenu::Assignment:
            ui.OpenWindowFor(SettingsWindow::Assignment, control);
            return true;
        case AssignmentMenu::Toggle:
            SwitchToggle(c->Profile, control, ui);
            break;
        case AssignmentMenu::Turbo:
            SwitchTurbo(c->Profile, control, ui);
            break;
        case AssignmentMenu::Rumble:
            SwitchRumble(c->Profile, control, ui);
            break;
        case AssignmentMenu::Clear:
            ClearControlCommand(context, control);
            return true;
        default:
            return false;
    }
    ui.RefreshWindow(SettingsWindow::Assignment);  // its tick boxes show the same options
    return true;
}

}  // namespace velmora
