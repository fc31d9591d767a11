#include "core/CoreProfile.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/FileDialogs.h"
#include "core/ProfileModel.h"
#include "devices/ControllerLinks.h"
#include "files/GlobalLanguage.h"
#include "files/ProfileFiles.h"

namespace velmora {
namespace {

void RefuseProfile(DeviceContext& context, ControllerDataType& c, const std::string& file,
                   std::string& pendingShortcut) {
    context.Ui.ShowMessageDialog(CannotOpenProfileMessage(file, c.Name));
    if (c.KnownIndex != UnknownController) ForgetProfile(context.Config, c.KnownIndex, file);
    // The buttons' in animation of the selected controller belongs to the layout rendering.
    pendingShortcut.clear();  // the program it would start expects this profile
}

// Request 2: the user picks the file. While the dialog is up the profile box
// shows its pressed look, which the layout rendering draws.
std::string ChooseProfileToOpen(DeviceContext& context, const ControllerDataType& c) {
    context.Ui.RedrawLayout();
    FileDialog dialog;
    dialog.Caption = Translate("*Profile*") + " [" + c.Name + "]";
    dialog.TypeName = Translate("*Profiles*");
    dialog.Extension = std::string(ProfileExtension);
    std::string file =
        ShowOpenDialog(context.Ui, context.Config, context.Config.DefaultProfileLocation, dialog);
    context.Ui.RedrawLayout();
    return file;
}

bool HasNamedAssignment(const SetType& set) {
    return std::any_of(set.Assignments.begin(), set.Assignments.end(),
                       [](const AssignmentType& a) { return !a.Name.empty(); });
}

}  // namespace

void AttachLoadedProfile(DeviceContext& context, std::size_t index, ProfileType&& loaded,
                         const std::string& file) {
    ControllerDataType& c = context.List.Controllers[index];
    const bool selected = index == context.List.Selected;
    if (selected && context.Config.ShowAnimations) {
        c.Profile.Name = "[" + Translate("*Opening profile*") + "]";
        context.Ui.RedrawLayout();  // the buttons' out animation plays here (layout rendering)
    }
    c.Profile = std::move(loaded);
    AdaptTriggers(c.Profile, PlacedControls(context.List.LayoutOf(c)));
    c.Profile.CurrentSet = 0;
    c.Profile.RequestedSet = NoSet;
    if (selected) context.Ui.RedrawLayout();  // the buttons' in animation plays here (layout rendering)
    // A profile that names its assignments flips the names display, as the names switch does.
    if (HasNamedAssignment(c.Profile.Sets[0])) {
        context.List.NamesShown = !context.List.NamesShown;
        if (selected) context.Ui.RedrawLayout();
    }
    CloseSettingsWindows(context.Ui);
    c.Profile.Changed = false;
    RememberProfile(context.Config, c.KnownIndex, c.InstanceNumber, file);
    // AutoMinimizeOnOpenProfile: minimising the program belongs to the shell.
}

void OpenRequestedProfile(DeviceContext& context, std::size_t index, std::string& pendingShortcut) {
    CloseSettingsWindows(context.Ui);
    RequestedProfileType request =
        std::exchange(context.List.Controllers[index].OpenProfileRequest, RequestedProfileType{});
    if (context.List.Controllers[index].Profile.Changed &&
        !AskToSaveProfile(context, index, SaveBeforeOpen)) {
        // The old profile stays; a program-made request plays the buttons' in animation here.
        pendingShortcut.clear();  // the program it would start expects the new profile
        return;
    }
    ControllerDataType& c = context.List.Controllers[index];
    if (request.Request == ChooseProfileFile) request.Path = ChooseProfileToOpen(context, c);
    if (request.Path.empty()) return;
    auto scratch = std::make_unique<ProfileType>();
    NewProfile(*scratch, context.Config);
    if (ReadProfile(request.Path, *scratch, context.Config, context.Ui))
        AttachLoadedProfile(context, index, std::move(*scratch), request.Path);
    else
        RefuseProfile(context, c, request.Path, pendingShortcut);
}

}  // namespace velmora
