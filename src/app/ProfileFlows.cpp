#include "app/ProfileFlows.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "app/FlowTarget.h"
#include "base/Language.h"
#include "devices/ControllerLinks.h"
#include "files/FileDialogs.h"
#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

// The program's own request (code 1) came with the layout shown but its
// buttons not yet dropped in: when it ends without a new profile they drop in now.
void ButtonsInAfterProgramRequest(DeviceContext& context, std::size_t index, std::uint8_t requestCode) {
    if (index == context.List.Selected && requestCode == OpenProfileFile && context.Ui.MainWindowShowing())
        context.Ui.PlayAnimation(LayoutAnimation::ButtonsIn, true);
}

void RefuseProfile(DeviceContext& context, std::size_t index, const RequestedProfileType& request,
                   std::string& pendingShortcut) {
    const ControllerDataType& c = context.List.Controllers[index];
    // Passes run while the message is up and may re-sort the list: the model's
    // entry and the controller's arrival are taken before it.
    const std::uint8_t known = c.KnownIndex;
    const std::uint8_t arrival = c.Arrival;
    MessageDialog message = CannotOpenProfileMessage(request.Path, c.Name);
    if (!pendingShortcut.empty())  // said, since the user expects the program to start
        message.Message += "##" + Translate("*The shortcut waiting to be launched has been cancelled.*");
    context.Ui.ShowMessageDialog(message);
    if (known != UnknownController) ForgetProfile(context.Config, known, request.Path);
    if (const std::size_t now = context.List.IndexOf(arrival); now < context.List.Count())
        ButtonsInAfterProgramRequest(context, now, request.Request);
    pendingShortcut.clear();  // the program it would start expects this profile
}

// Request 2: the user picks the file. While the dialog is up the profile box
// shows its pressed look.
std::string ChooseProfileToOpen(DeviceContext& context, const ControllerDataType& c) {
    context.Ui.ShowProfileNamePressed(true);
    FileDialog dialog;
    dialog.Caption = Translate("*Profile*") + " [" + c.Name + "]";
    dialog.TypeName = Translate("*Profiles*");
    dialog.Extension = std::string(ProfileExtension);
    std::string file =
        ShowOpenDialog(context.Ui, context.Config, context.Config.DefaultProfileLocation, dialog);
    context.Ui.ShowProfileNamePressed(false);
    return file;
}

// The windows an open closes. A switch that follows the program in front
// closes none; the last profile of a pad just plugged closes only that pad's
// windows, open only when it is the selected one; the user's own open closes
// every one.
void CloseWindowsBeforeOpen(DeviceContext& context, std::size_t index, const RequestedProfileType& request) {
    if (request.Request == FollowProgramFile) return;
    if (!request.AtPlug)
        CloseSettingsWindows(context.Ui);
    else if (index == context.List.Selected)
        CloseControllerWindows(context.Ui);
}

bool HasNamedAssignment(const SetType& set) {
    return std::any_of(set.Assignments.begin(), set.Assignments.end(),
                       [](const AssignmentType& a) { return !a.Name.empty(); });
}

}  // namespace

void AttachLoadedProfile(DeviceContext& context, std::size_t index, ProfileType&& loaded,
                         const RequestedProfileType& request) {
    const std::uint8_t requestCode = request.Request;
    ControllerDataType& c = context.List.Controllers[index];
    const bool selected = index == context.List.Selected;
    const bool shown = selected && context.Ui.MainWindowShowing();
    if (selected && context.Config.ShowAnimations) {
        c.Profile.Name = "[" + Translate("*Opening profile*") + "]";
        context.Ui.RedrawLayout();
        if (shown && requestCode != OpenProfileFile && requestCode != FollowProgramFile)
            context.Ui.PlayAnimation(LayoutAnimation::ButtonsOut, true);
    }
    c.Profile = std::move(loaded);
    AdaptTriggers(c.Profile, PlacedControls(context.List.LayoutOf(c)));
    c.Profile.CurrentSet = 0;
    c.Profile.RequestedSet = NoSet;
    if (shown) context.Ui.PlayAnimation(LayoutAnimation::ButtonsIn, true);
    if (selected) context.Ui.RedrawLayout();
    // A profile that names its assignments flips the names display, as the names switch does.
    if (HasNamedAssignment(c.Profile.Sets[0])) {
        context.List.NamesShown = !context.List.NamesShown;
        if (selected) context.Ui.RedrawLayout();
    }
    // A switch that follows the program in front was not asked for: it
    // neither closes the windows the user works in nor minimises the program,
    // and the controller's own profile stays the one it gets when it comes back.
    const bool followed = requestCode == FollowProgramFile;
    CloseWindowsBeforeOpen(context, index, request);
    c.Profile.Changed = false;
    if (!followed) RememberProfile(context.Config, c.KnownIndex, c.InstanceNumber, request.Path);
    if (context.Config.AutoMinimizeOnOpenProfile && !followed) context.Ui.MinimizeProgram();
}

void OpenRequestedProfile(DeviceContext& context, std::size_t index, std::string& pendingShortcut) {
    CloseWindowsBeforeOpen(context, index, context.List.Controllers[index].OpenProfileRequest);
    const std::uint8_t arrival = context.List.Controllers[index].Arrival;
    RequestedProfileType request =
        std::exchange(context.List.Controllers[index].OpenProfileRequest, RequestedProfileType{});
    const auto again = [&]() -> bool {  // after every dialog: the controller, wherever it is now
        const std::optional<std::size_t> found = FindFlowController(context, arrival, true);
        if (found)
            index = *found;
        else
            pendingShortcut.clear();  // the program it would start expects the new profile
        return found.has_value();
    };
    if (context.List.Controllers[index].Profile.Changed) {
        if (!AskToSaveProfile(context, index, SaveBeforeOpen)) {
            ButtonsInAfterProgramRequest(context, context.List.IndexOf(arrival), request.Request);
            pendingShortcut.clear();  // the old profile stays
            return;
        }
        if (!again()) return;
    }
    if (request.Request == ChooseProfileFile) {
        request.Path = ChooseProfileToOpen(context, context.List.Controllers[index]);
        if (!request.Path.empty() && !again()) return;
    }
    if (request.Path.empty()) return;
    auto scratch = std::make_unique<ProfileType>();
    NewProfile(*scratch, context.Config);
    const bool read = ReadProfile(request.Path, *scratch, context.Config, context.Ui);
    if (!again()) return;  // a message about the file's values lets passes run
    if (read)
        AttachLoadedProfile(context, index, std::move(*scratch), request);
    else
        RefuseProfile(context, index, request, pendingShortcut);
}

}  // namespace velmora
