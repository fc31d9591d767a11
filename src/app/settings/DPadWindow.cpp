#include "app/settings/DPadWindow.h"

#include <algorithm>

#include "app/settings/DPadDisc.h"
#include "base/Language.h"
#include "model/AutoAssign.h"

namespace velmora {

DPadWindowView DPadView(const ProfileType& profile, const ControllerFileType& layout) {
    DPadWindowView view;
    const std::string name = layout.DPadName.empty() ? Translate("*DPad*") : layout.DPadName;
    view.Caption = WindowCaption("*Settings*", name, profile.CurrentSet);
    view.Modes = ModeButtons(profile.Sets[profile.CurrentSet].DPadMode);
    view.AutoAssign = GroupAutoAssignButtons(DetectAutoAssign(profile, DPadGroup));
    view.MouseSettingsCaption = Translate("*Mouse Settings*") + "...";
    view.MouseSettingsTarget = MouseTargetOfGroup(DPadGroup);
    return view;
}

void RefreshDPadWindow(DPadWindowState& state, const ProfileType& profile, const ControllerFileType& layout,
                       const std::function<void(const DPadWindowView&)>& show) {
    const DPadWindowView view = DPadView(profile, layout);
    RefreshGuard guard(state.Flag);
    show(view);
}

void PressDPadMode(ProfileType& profile, int mode, UserInterface& ui) {
    SetGroupMode(profile, DPadGroup, static_cast<std::uint8_t>(std::clamp(mode, 0, 5)), ui);
}

void PressDPadAutoAssign(ProfileType& profile, int choice, UserInterface& ui) {
    AutoAssign(profile, DPadGroup, GroupAutoAssignChoice(DetectAutoAssign(profile, DPadGroup), choice), ui);
}

void DrawDPadStatus(PictureType& picture, int left, int top, const SetType& set, std::uint8_t bits,
                    const ConfigurationType& config) {
    DrawDPadDisc(picture, left, top, set.DPadMode, bits, config);
}

}  // namespace velmora
