#pragma once
// The DPad settings window's logic: the DPad's mode and ready-made key groups
// in the current set, with the sector disc.

#include <functional>
#include <string>
#include <vector>

#include "app/settings/SettingsControls.h"
#include "base/UserInterface.h"
#include "model/Configuration.h"
#include "model/ControllerLayout.h"
#include "ui/Picture.h"

namespace velmora {

struct DPadWindowState {
    RefreshingFlag Flag;
};

struct DPadWindowView {
    std::string Caption;
    std::vector<ChoiceButton> Modes;
    std::vector<ChoiceButton> AutoAssign;
    std::string MouseSettingsCaption;
    int MouseSettingsTarget = 0;
};

DPadWindowView DPadView(const ProfileType& profile, const ControllerFileType& layout);

// Fills the window with the refreshing flag set while show runs.
void RefreshDPadWindow(DPadWindowState& state, const ProfileType& profile, const ControllerFileType& layout,
                       const std::function<void(const DPadWindowView&)>& show);

// The mode buttons (0..5) and auto-assign buttons (their choice) act on the DPad's group.
void PressDPadMode(ProfileType& profile, int mode, UserInterface& ui);
void PressDPadAutoAssign(ProfileType& profile, int choice, UserInterface& ui);

// The status picture for the held DPad bits, at (left, top).
void DrawDPadStatus(PictureType& picture, int left, int top, const SetType& set, std::uint8_t bits,
                    const ConfigurationType& config);

}  // namespace velmora
