// Saving a controller's profile under a new name, the save questions asked
// before a changed profile is dropped, and the New command.

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "app/FlowTarget.h"
#include "app/ProfileFlows.h"
#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "devices/ControllerLinks.h"
#include "files/FileDialogs.h"
#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

constexpr std::string_view NewProfileHeadings[] = {
    "*Save new profile before creating a new profile?*",
    "*Save new profile before opening another profile?*",
    "*Save new profile before closing?*",
};
constexpr std::string_view ChangedProfileHeadings[] = {
    "*Save profile changes before creating a new profile?*",
    "*Save profile changes before opening another profile?*",
    "*Save profile changes before closing?*",
};

MessageDialog SaveProfileQuestion(const ControllerDataType& c, SaveReason reason) {
    const auto r = static_cast<std::size_t>(reason);
    if (c.Profile.FileName.empty())
        return MakeMessage(
            DialogKind::Confirmation, NewProfileHeadings[r], {{"*Controller*", c.Name}},
            Translate("*The profile on this controller will need to be created again if you do not save.*"),
            SaveAsButtons);
    return MakeMessage(DialogKind::Confirmation, ChangedProfileHeadings[r],
                       {{"*Profile Name*", FileTitle(c.Profile.FileName)}, {"*Controller Name*", c.Name}},
                       Translate("*Any profile changes will be lost if you do not save.*"), SaveButtons);
}

// The first controller, in the list's order now, with a changed profile not
// asked about yet: the passes run during a question may re-sort the list.
std::size_t NextChangedProfile(const ControllerListType& list, const std::vector<std::uint8_t>& asked) {
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const ControllerDataType& c = list.Controllers[i];
        if (c.Profile.Changed && std::find(asked.begin(), asked.end(), c.Arrival) == asked.end()) return i;
    }
    return list.Count();
}

}  // namespace

bool SaveProfileAs(DeviceContext& context, std::size_t index) {
    CloseSettingsWindows(context.Ui);
    const ControllerDataType& asked = context.List.Controllers[index];
    const std::uint8_t arrival = asked.Arrival;
    FileDialog dialog;
    dialog.Caption = Translate("*Profile*") + " [" + asked.Name + "]";
    dialog.TypeName = Translate("*Profiles*");
    dialog.Extension = std::string(ProfileExtension);
    dialog.SuggestedName = Translate("*New Profile*");
    const std::string file =
        ShowSaveDialog(context.Ui, context.Config, context.Config.DefaultProfileLocation, dialog);
    if (file.empty()) return false;
    const std::optional<std::size_t> found = FindFlowController(context, arrival, false);
    if (!found) return false;
    std::string oldFile = std::exchange(context.List.Controllers[*found].Profile.FileName, file);
    const bool written = WriteProfile(context.List.Controllers[*found].Profile, context.Ui);
    // A failed write's message lets passes run too.
    ControllerDataType& c = context.List.Controllers[context.List.IndexOf(arrival)];
    if (!written) {
        c.Profile.FileName = std::move(oldFile);
        return false;
    }
    c.Profile.Name = FileTitle(file);
    RememberProfile(context.Config, c.KnownIndex, c.InstanceNumber, file);
    if (context.List.IndexOf(arrival) == context.List.Selected) context.Ui.RedrawLayout();
    return true;
}

bool AskToSaveProfile(DeviceContext& context, std::size_t index, SaveReason reason) {
    const ControllerDataType& c = context.List.Controllers[index];
    const std::uint8_t arrival = c.Arrival;
    const bool neverSaved = c.Profile.FileName.empty();
    const int answer = context.Ui.ShowMessageDialog(SaveProfileQuestion(c, reason));
    if (answer != 1) return answer == 2;  // "Do not Save" goes on; "Cancel" or closing stops
    const std::optional<std::size_t> found = FindFlowController(context, arrival, false);
    if (!found) return false;
    return neverSaved ? SaveProfileAs(context, *found)
                      : WriteProfile(context.List.Controllers[*found].Profile, context.Ui);
}

bool AskToSaveAllProfiles(DeviceContext& context, SaveReason reason) {
    std::vector<std::uint8_t> asked;
    for (;;) {
        const std::size_t i = NextChangedProfile(context.List, asked);
        if (i >= context.List.Count()) return true;
        asked.push_back(context.List.Controllers[i].Arrival);
        if (!AskToSaveProfile(context, i, reason)) return false;
    }
}

void NewProfileCommand(DeviceContext& context) {
    std::size_t index = context.List.Selected;
    if (index >= context.List.Count()) return;
    if (context.List.Controllers[index].Profile.Changed) {
        const std::uint8_t arrival = context.List.Controllers[index].Arrival;
        if (!AskToSaveProfile(context, index, SaveBeforeNew)) return;
        const std::optional<std::size_t> found = FindFlowController(context, arrival, true);
        if (!found) return;
        index = *found;
    }
    ControllerDataType& c = context.List.Controllers[index];
    CloseSettingsWindows(context.Ui);
    const bool shown = index == context.List.Selected && context.Ui.MainWindowShowing();
    if (shown) context.Ui.PlayAnimation(LayoutAnimation::ButtonsOut, true);
    NewProfile(c.Profile, context.Config);
    if (!shown) return;
    context.Ui.RedrawLayout();
    context.Ui.PlayAnimation(LayoutAnimation::ButtonsIn, true);
}

}  // namespace velmora
