#include "app/settings/SettingsControls.h"

#include <algorithm>

#include "base/Language.h"

namespace velmora {

std::string PercentLabel(int value) {
    return "(" + std::to_string(std::max(value * 100 >> 8, 1)) + "%)";
}

std::string BracketLabel(int value) {
    return "(" + std::to_string(value) + ")";
}

int LivePercent(int value) {
    return value * 100 / 255;  // integer division truncates toward zero for negative values too
}

std::string WindowCaption(std::string_view titleKey, const std::string& name, int currentSet) {
    return Translate(titleKey) + ": " + name + " [" + Translate("*Set*") + " " +
           std::to_string(currentSet + 1) + "]";
}

std::vector<ChoiceButton> ModeButtons(std::uint8_t mode) {
    static constexpr std::string_view Keys[] = {
        "*Standard*", "*4-Way Standard*",        "*4-Way Diagonal*",
        "*8-Way*",    "*Prioritize Horizontal*", "*Prioritize Vertical*"};
    std::vector<ChoiceButton> buttons;
    for (int m = 0; m < 6; ++m) buttons.push_back({Translate(Keys[m]), m, m == mode});
    return buttons;
}

std::vector<ChoiceButton> GroupAutoAssignButtons(std::uint8_t detected) {
    // The inverted mouse choices belong to the mouse window; here they count as "Mouse".
    const int shown = detected >= 2 && detected <= 5 ? 2 : detected;
    std::vector<ChoiceButton> buttons{{Translate("*W,S,A,D*"), 0},
                                      {Translate("*Arrows*"), 1},
                                      {Translate("*Mouse*"), 2},
                                      {Translate("*NumPad*"), 6},
                                      {Translate("*None*"), 7}};
    for (ChoiceButton& b : buttons) b.Marked = b.Value == shown;
    return buttons;
}

int GroupAutoAssignChoice(std::uint8_t detected, int pressed) {
    return pressed == 2 && detected >= 2 && detected <= 5 ? detected : pressed;
}

std::uint8_t CurrentGroupMode(const ProfileType& profile, int group) {
    const SetType& set = profile.Sets[profile.CurrentSet];
    return group == 0 ? set.DPadMode : set.StickModes[static_cast<std::size_t>(group - 1)];
}

int MouseTargetOfGroup(int group) {
    return 100 + group;
}

WindowPoint KeptOnDesktop(WindowPoint place, WindowSize window, WindowSize desktop) {
    place.Left = std::max(std::min(place.Left, desktop.Width - window.Width), 0);
    place.Top = std::max(std::min(place.Top, desktop.Height - window.Height), 0);
    return place;
}

WindowPoint SettingsWindowPlace(const ConfigurationType& config, WindowPositionIndex position,
                                WindowSize window, WindowSize desktop) {
    const WindowPositionType saved = config.WindowPositions[static_cast<std::size_t>(position)];
    if (!config.RememberWindowPositions || (saved.Left == NoWindowPosition && saved.Top == NoWindowPosition))
        return CentredPlace(window, desktop);
    return KeptOnDesktop({saved.Left, saved.Top}, window, desktop);
}

}  // namespace velmora
