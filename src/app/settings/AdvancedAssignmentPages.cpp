#include "app/settings/AdvancedAssignmentPages.h"

#include <algorithm>

#include "base/Language.h"
#include "model/ProfileModel.h"
#include "ui/Picture.h"
#include "ui/Ramps.h"

namespace velmora {
namespace {

// Hundredths of a second as "h.tu".
std::string Seconds(int hundredths) {
    const int tens = hundredths / 10 % 10, units = hundredths % 10;
    return std::to_string(hundredths / 100) + "." + std::to_string(tens) + std::to_string(units);
}

constexpr int OtherSetCount = SetCount - 1;

// The set of the n-th "Selects Set" item (0..6): the sets in order, the current one left out.
std::uint8_t OtherSet(int n, std::uint8_t currentSet) {
    return static_cast<std::uint8_t>(n < currentSet ? n : n + 1);
}

}  // namespace

std::string PauseLabel(int length) {
    return Translate("*Pause*") + " " + Seconds(length) + "s";
}

std::string TurboDelayLabel(int delay) {
    return Translate("*Delay*") + ": " + Seconds(delay) + " " + Translate("*seconds*");
}

std::string TurboRateLabel(int delay) {
    const int d = std::max(delay, 1);
    return Translate("*Rate*") + ": " + std::to_string(100 / d) + "." + std::to_string(1000 / d % 10) + " " +
           Translate("*per second*");
}

std::string RumbleStrengthLabel(RumbleSide side, int strength) {
    const std::string sideWord = side == RumbleSide::Left ? Translate("*Left*") : Translate("*Right*");
    return Translate("*Strength*") + ": " + sideWord + " " + std::to_string(strength * 100 / 255) + "%";
}

void SetTurboRate(ProfileType& profile, int control, int delay) {
    AssignmentType& assignment = profile.Current(control);
    assignment.TurboRate = static_cast<std::uint8_t>(std::clamp(delay, 2, 250));
    assignment.TurboCounter = 0;
    profile.Changed = true;
}

bool TurboLampLights(const AssignmentType& assignment, std::uint32_t passCount) {
    return assignment.Turbo && assignment.TurboRate > 0 && passCount % assignment.TurboRate == 0;
}

void AdvanceTurboLamp(TurboLampState& lamp, bool lights) {
    lamp.Glow = lights ? TurboLampFull : std::max(lamp.Glow - 1, 0);
}

ColourType TurboLampColour(const TurboLampState& lamp) {
    // From Grey when dark to Yellow when just lit.
    const RampType ramp = BuildLinearRamp(TurboLampFull, palette::Yellow, palette::Grey);
    if (lamp.Glow <= 0) return palette::Grey;
    return ramp[static_cast<std::size_t>(TurboLampFull - std::min(lamp.Glow, TurboLampFull))];
}

RumblePageKind RumblePageKindOf(const ControllerDataType& controller) {
    if (controller.CanRumble || controller.DeviceKind == XInputDevice) return RumblePageKind::Available;
    if (controller.DeviceKind == UnidentifiedDevice) return RumblePageKind::Undetermined;
    return RumblePageKind::Unavailable;
}

RumblePageView ViewRumblePage(const AssignmentType& assignment, const ControllerDataType& controller) {
    RumblePageView view;
    view.Kind = RumblePageKindOf(controller);
    switch (view.Kind) {
        case RumblePageKind::Available:
            view.Label = Translate("*Enable*");
            view.CheckBoxShown = true;
            break;
        case RumblePageKind::Undetermined:
            view.Label =
                Translate("*Rumble availability undetermined. Press a button, trigger or DPad direction*");
            break;
        case RumblePageKind::Unavailable:
            view.Label = Translate("*Rumble unavailable. Click the Help button for more information*");
            break;
    }
    view.Checked = assignment.Rumble;
    view.LeftLabel = RumbleStrengthLabel(RumbleSide::Left, assignment.RumbleStrengths[0]);
    view.RightLabel = RumbleStrengthLabel(RumbleSide::Right, assignment.RumbleStrengths[1]);
    return view;
}

void SetRumbleStrengths(ProfileType& profile, int control, std::uint8_t left, std::uint8_t right,
                        int controllerIndex, RumbleTestRequest& rumbleTest) {
    AssignmentType& assignment = profile.Current(control);
    assignment.RumbleStrengths = {left, right};
    profile.Changed = true;
    if (assignment.Rumble) rumbleTest = {controllerIndex, RumbleTestPasses, {left, right}};
}

std::vector<std::string> SetSelectorItems(std::uint8_t currentSet) {
    std::vector<std::string> items{Translate("*No*")};
    const std::string selects = Translate("*Selects Set*");
    for (int n = 0; n < OtherSetCount; ++n)
        items.push_back(selects + " " + std::to_string(OtherSet(n, currentSet) + 1));
    for (int n = 0; n < OtherSetCount; ++n)
        items.push_back(selects + " " + std::to_string(OtherSet(n, currentSet) + 1) + " " +
                        Translate("*while held*"));
    return items;
}

int SetSelectorItemOf(const AssignmentType& assignment, std::uint8_t currentSet) {
    const std::uint8_t target = assignment.SetSelect;
    if (target == NoSet || target >= SetCount || target == currentSet) return 0;
    const int n = target < currentSet ? target : target - 1;
    return assignment.Toggle ? 1 + n : 1 + OtherSetCount + n;
}

void ChooseSetSelectorItem(ProfileType& profile, int control, int item, UserInterface& ui) {
    if (item <= 0 || item > 2 * OtherSetCount) {
        ChooseSetSelector(profile, control, NoSet, false, ui);
        return;
    }
    const bool latching = item <= OtherSetCount;
    const int n = latching ? item - 1 : item - 1 - OtherSetCount;
    ChooseSetSelector(profile, control, OtherSet(n, profile.CurrentSet), latching, ui);
}

AdvancedAssignmentView ViewAdvancedAssignmentWindow(const ProfileType& profile,
                                                    const AssignmentEditState& edit,
                                                    const ControllerDataType& controller, bool testTicked) {
    const AssignmentType& assignment = profile.Current(edit.Control);
    AdvancedAssignmentView view;
    view.Toggle = assignment.Toggle;
    view.Turbo = assignment.Turbo;
    view.PauseLength = edit.PauseLength;
    view.PauseText = PauseLabel(edit.PauseLength);
    view.TurboRate = assignment.TurboRate;
    view.TurboDelayText = TurboDelayLabel(assignment.TurboRate);
    view.TurboRateText = TurboRateLabel(assignment.TurboRate);
    view.Rumble = ViewRumblePage(assignment, controller);
    view.Strengths = assignment.RumbleStrengths;
    view.SetSelectorList = SetSelectorItems(profile.CurrentSet);
    view.SetSelectorItem = SetSelectorItemOf(assignment, profile.CurrentSet);
    view.InsertEnabled = edit.SlotPosition >= 0 && edit.SlotPosition < assignment.Slots.CodeCount();
    view.MemoEnabled = testTicked;
    return view;
}

}  // namespace velmora
