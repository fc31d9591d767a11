#include "core/CoreProfile.h"

#include <memory>
#include <utility>

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

}  // namespace

void AttachLoadedProfile(DeviceContext& context, std::size_t index, ProfileType&& loaded,
                         const std::string& file) {
    ControllerDataType& c = context.List.Controllers[index];
    const bool selected = index == context.List.Selected;
    if (selected && context.Config.ShowAnimations) {
        c.Profile.Name = "[" + Translate("*Opening profile*") + "]";
        context.Ui.RedrawLayout();  // the buttons' out animation belongs to the layout rendering
    }
    c.Profile = std::move(loaded);
    AdaptTriggers(c.Profile, PlacedControls(context.List.LayoutOf(c)));
    c.Profile.CurrentSet = 0;
    c.Profile.RequestedSet = NoSet;
    if (selected) context.Ui.RedrawLayout();  // the in animation belongs to the layout rendering
    // Switching the names display for a profile with named assignments belongs to the main window.
    CloseSettingsWindows(context.Ui);
    c.Profile.Changed = false;
    RememberProfile(context.Config, c.KnownIndex, c.InstanceNumber, file);
    // AutoMinimizeOnOpenProfile: minimising the program belongs to the shell.
}

void OpenRequestedProfile(DeviceContext& context, std::size_t index, std::string& pendingShortcut) {
    ControllerDataType& c = context.List.Controllers[index];
    CloseSettingsWindows(context.Ui);
    // The question to save a changed profile first comes with the profile menu's flows.
    const RequestedProfileType request = std::exchange(c.OpenProfileRequest, RequestedProfileType{});
    // Request 2 (choose the file in the open dialog first) comes with the profile menu's flows.
    if (request.Request == ChooseProfileFile || request.Path.empty()) return;
    auto scratch = std::make_unique<ProfileType>();
    NewProfile(*scratch, context.Config);
    if (ReadProfile(request.Path, *scratch, context.Config, context.Ui))
        AttachLoadedProfile(context, index, std::move(*scratch), request.Path);
    else
        RefuseProfile(context, c, request.Path, pendingShortcut);
}

}  // namespace velmora
