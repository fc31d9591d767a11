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
        case 1:
            NewProfileCommand(context);
            return true;
        case 3:
            WriteProfile(c->Profile, context.Ui);
            return true;
        case 4:
            SaveProfileAs(context, context.List.Selected);
            return true;
        case 5:
            context.Ui.OpenWindow(SettingsWindow::ProfileSettings);
            return true;
        default:
            return false;
    }
}

bool RunControllerChoice(DeviceContext& context, int tag) {
    if (!SelectedController(context.List)) return false;
    switch (tag) {
        case 1:
            NewControllerFile(context);
            return true;
        case 2:
            context.Ui.OpenWindow(SettingsWindow::ControllerSettings);
            return true;
        case 3:
            OpenControllerFile(context);
            return true;
        case 4:
            SaveControllerFile(context);
            return true;
        case 5:
            SaveControllerFileAs(context, context.List.Selected);
            return true;
        case 6:
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
        case 0:
            ui.OpenWindowFor(SettingsWindow::Assignment, control);
            return true;
        case 1:
            SwitchToggle(c->Profile, control, ui);
            break;
        case 2:
            SwitchTurbo(c->Profile, control, ui);
            break;
        case 3:
            SwitchRumble(c->Profile, control, ui);
            break;
        case 4:
            ClearControlCommand(context, control);
            return true;
        default:
            return false;
    }
    ui.RefreshWindow(SettingsWindow::Assignment);  // its tick boxes show the same options
    return true;
}

}  // namespace velmora
