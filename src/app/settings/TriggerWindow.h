#pragma once
// The trigger settings window's logic: the thresholds of both triggers in
// the current set, with the live bars and values.

#include <array>
#include <functional>
#include <string>

#include "app/settings/SettingsControls.h"
#include "model/ControllerLayout.h"
#include "ui/Picture.h"

namespace velmora {

struct TriggerWindowState {
    RefreshingFlag Flag;
};

struct TriggerWindowView {
    std::string Caption;
    std::array<SliderView, 2> Thresholds;  // left, right
};

TriggerWindowView TriggerView(const ProfileType& profile, const ControllerFileType& layout);

// Fills the window with the refreshing flag set while show runs.
void RefreshTriggerWindow(TriggerWindowState& state, const ProfileType& profile,
                          const ControllerFileType& layout,
                          const std::function<void(const TriggerWindowView&)>& show);

// A threshold slider (trigger 0 or 1) moved to 1..255: stored and the
// profile marked changed; false, with nothing written, while refreshing.
bool ChangeTriggerThreshold(const TriggerWindowState& state, ProfileType& profile, int trigger, int position);

// A trigger's live value as "40%".
std::string TriggerValueLabel(std::uint8_t value);

// Both bars, the second TriggerBarGap rows below the first, at (left, top).
void DrawTriggerStatus(PictureType& picture, int left, int top, const SetType& set,
                       const std::array<std::uint8_t, 2>& values);

}  // namespace velmora
