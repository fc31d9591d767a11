#include "app/settings/TriggerWindow.h"

#include <algorithm>

#include "app/settings/TriggerBars.h"
#include "base/Language.h"

namespace velmora {
namespace {

std::string TriggersName(const ControllerFileType& layout) {
    const auto& names = layout.TriggerNames;
    if (names[0].empty() && names[1].empty()) return Translate("*Triggers*");
    if (names[0].empty() || names[1].empty()) return names[0] + names[1];
    return names[0] + ", " + names[1];
}

}  // namespace

TriggerWindowView TriggerView(const ProfileType& profile, const ControllerFileType& layout) {
    const SetType& set = profile.Sets[profile.CurrentSet];
    TriggerWindowView view;
    view.Caption = WindowCaption("*Settings*", TriggersName(layout), profile.CurrentSet);
    for (std::size_t t = 0; t < 2; ++t) {
        const std::uint8_t h = set.TriggerDeadZones[t];
        view.Thresholds[t] = {
            1, 255, h, Translate("*More Responsive*"), Translate("*Less Responsive*"), PercentLabel(h)};
    }
    return view;
}

void RefreshTriggerWindow(TriggerWindowState& state, const ProfileType& profile,
                          const ControllerFileType& layout,
                          const std::function<void(const TriggerWindowView&)>& show) {
    const TriggerWindowView view = TriggerView(profile, layout);
    RefreshGuard guard(state.Flag);
    show(view);
}

bool ChangeTriggerThreshold(const TriggerWindowState& state, ProfileType& profile, int trigger,
                            int position) {
    if (state.Flag.Refreshing || trigger < 0 || trigger > 1) return false;
    profile.Sets[profile.CurrentSet].TriggerDeadZones[static_cast<std::size_t>(trigger)] =
        static_cast<std::uint8_t>(std::clamp(position, 1, 255));
    profile.Changed = true;
    return true;
}

std::string TriggerValueLabel(std::uint8_t value) {
    return std::to_string(LivePercent(value)) + "%";
}

void DrawTriggerStatus(PictureType& picture, int left, int top, const SetType& set,
                       const std::array<std::uint8_t, 2>& values) {
    for (std::size_t t = 0; t < 2; ++t)
        DrawTriggerBar(picture, left, top + static_cast<int>(t) * (TriggerBarHeight + TriggerBarGap),
                       values[t], set.TriggerDeadZones[t]);
}

}  // namespace velmora
