// Saving a controller's profile under a new name, the save questions asked
// before a changed profile is dropped, and the New command.

#include <utility>

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

}  // namespace

bool SaveProfileAs(DeviceContext& context, std::size_t index) {
    CloseSettingsWindows(context.Ui);
    ControllerDataType& c = context.List.Controllers[index];
    FileDialog dialog;
    dialog.Caption = Translate("*Profile*") + " [" + c.Name + "]";
    dialog.TypeName = Translate("*Profiles*");
    dialog.Extension = std::string(ProfileExtension);
    dialog.SuggestedName = Translate("*New Profile*");
    const std::string file =
        ShowSaveDialog(context.Ui, context.Config, context.Config.DefaultProfileLocation, dialog);
    if (file.empty()) return false;
    std::string oldFile = std::exchange(c.Profile.FileName, file);
    if (!WriteProfile(c.Profile, context.Ui)) {
        c.Profile.FileName = std::move(oldFile);
        return false;
    }
    c.Profile.Name = FileTitle(file);
    RememberProfile(context.Config, c.KnownIndex, c.InstanceNumber, file);
    if (index == context.List.Selected) context.Ui.RedrawLayout();
    return true;
}

bool AskToSaveProfile(DeviceContext& context, std::size_t index, SaveReason reason) {
    const ControllerDataType& c = context.List.Controllers[index];
    const bool neverSaved = c.Profile.FileName.empty();
    switch (context.Ui.ShowMessageDialog(SaveProfileQuestion(c, reason))) {
        case 1:
            return neverSaved ? SaveProfileAs(context, index)
                              : WriteProfile(context.List.Controllers[index].Profile, context.Ui);
        case 2:
            return true;
        default:
            return false;  // "Cancel", or the dialog closed
    }
}

bool AskToSaveAllProfiles(DeviceContext& context, SaveReason reason) {
    for (std::size_t i = 0; i < context.List.Count(); ++i)
        if (context.List.Controllers[i].Profile.Changed && !AskToSaveProfile(context, i, reason))
            return false;
    return true;
}

void NewProfileCommand(DeviceContext& context) {
    const std::size_t index = context.List.Selected;
    if (index >= context.List.Count()) return;
    ControllerDataType& c = context.List.Controllers[index];
    if (c.Profile.Changed && !AskToSaveProfile(context, index, SaveBeforeNew)) return;
    CloseSettingsWindows(context.Ui);
    const bool shown = context.Ui.MainWindowShowing();
    if (shown) context.Ui.PlayAnimation(LayoutAnimation::ButtonsOut, true);
    NewProfile(c.Profile, context.Config);
    if (!shown) return;
    context.Ui.RedrawLayout();
    context.Ui.PlayAnimation(LayoutAnimation::ButtonsIn, true);
}

}  // namespace velmora
