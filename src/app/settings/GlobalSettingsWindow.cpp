#include "app/settings/GlobalSettingsWindow.h"

#include <algorithm>

#include "base/Language.h"
#include "files/LanguageFiles.h"

namespace velmora {

const std::array<std::string_view, 4> OptionGroupKeys{"*Start*", "*Running*", "*Window*", "*Taskbar*"};

const std::array<OptionSwitch, OptionCount> OptionSwitches{{
    {"*Start Windows (auto-minimized)*", &ConfigurationType::StartWithWindows, StartWithWindowsTag, 0},
    {"*Minimized (if started by user)*", &ConfigurationType::StartMinimized, 0, 0},
    {"*AutoOpen last used profile*", &ConfigurationType::AutoOpenLastProfile, 0, 0},
    {"*Scan for XInput (requires restart)*", &ConfigurationType::ScanForXInput, 0, 1},
    {"*Show controller and button animations*", &ConfigurationType::ShowAnimations, 0, 1},
    {"*Process non-selected controllers*", &ConfigurationType::ProcessNonSelectedControllers,
     ProcessNonSelectedTag, 1},
    {"*Minimize when closing main window*", &ConfigurationType::MinimizeWhenClosingMainWindow, 0, 2},
    {"*Auto-minimize when profile opened*", &ConfigurationType::AutoMinimizeOnOpenProfile, 0, 2},
    {"*Return to Set 1 after minimize/restore*", &ConfigurationType::ReturnToSet1AfterMinimizeRestore, 0, 2},
    {"*Remember window positions*", &ConfigurationType::RememberWindowPositions, 0, 2},
    {"*Show icon in notification area*", &ConfigurationType::ShowIconInNotificationArea, NotificationIconTag,
     3},
    {"*Show taskbar button when minimized*", &ConfigurationType::ShowTaskbarButtonWhenMinimized, 0, 3},
}};

std::string GlobalSettingsTitle() {
    return "Velmora " + Translate("*Settings*");
}

std::string TabCaption(GlobalSettingsTab tab) {
    switch (tab) {
        case GlobalSettingsTab::Options:
            return Translate("*Options*");
        case GlobalSettingsTab::Values:
            return Translate("*Values*");
        case GlobalSettingsTab::Theme:
            return Translate("*Theme*");
        case GlobalSettingsTab::Language:
            return Translate("*Language*");
        case GlobalSettingsTab::Controllers:
            return Translate("*Controllers*");
        default:
            return Translate("*Programs*");
    }
}

int TabHelpTopic(GlobalSettingsTab tab) {
    constexpr std::array<int, GlobalSettingsTabCount> topics{11, 12, 13, 0, 14, 15};
    return topics[static_cast<std::size_t>(tab)];
}

void ShowGlobalSettings(GlobalSettingsState& state) {
    ChangeGlobalSettingsTab(state, GlobalSettingsTab::Options);
}

void ChangeGlobalSettingsTab(GlobalSettingsState& state, GlobalSettingsTab tab) {
    state.Tab = tab;
    state.Selection = NoListSelection;
    HidePalette(state.Palette);
}

std::array<bool, OptionCount> OptionBoxes(const ConfigurationType& config) {
    std::array<bool, OptionCount> boxes{};
    for (std::size_t i = 0; i < OptionSwitches.size(); ++i) boxes[i] = config.*OptionSwitches[i].Field;
    return boxes;
}

void ApplyProcessNonSelectedControllers(ControllerListType& list, bool option, RumbleOutput& rumble) {
    for (std::size_t i = 0; i < list.Count(); ++i) {
        ControllerDataType& c = list.Controllers[i];
        const bool processing = option || i == list.Selected;
        // A controller no longer read would otherwise rumble until it is selected again.
        if (c.Processing && !processing && (c.RumbleNow[0] > 0 || c.RumbleNow[1] > 0))
            SetRumble(c, 0, 0, true, rumble);
        c.Processing = processing;
    }
}

void ClickOption(GlobalSettingsContext& context, const std::array<bool, OptionCount>& boxes, int tag) {
    ConfigurationType& config = context.Config;
    for (std::size_t i = 0; i < OptionSwitches.size(); ++i) config.*OptionSwitches[i].Field = boxes[i];
    config.ConfigurationChanged = true;
    if (tag == StartWithWindowsTag)
        ApplyStartWithWindows(context.Registry, context.ProgramFile, config.StartWithWindows);
    else if (tag == ProcessNonSelectedTag)
        ApplyProcessNonSelectedControllers(context.List, config.ProcessNonSelectedControllers,
                                           context.Rumble);
    else if (tag == NotificationIconTag)
        context.Shell.SetTrayIcon(config.ShowIconInNotificationArea);
}

std::string StickDeadZoneLabel(int value) {
    // The smallest zones would read 0 per cent although they filter something.
    const int percent = value * 100 <= 255 ? 1 : value * 100 / 256;
    return "(" + std::to_string(percent) + "%)";
}

std::string TriggerDeadZoneLabel(int value) {
    return "(" + std::to_string((value - 1) * 100 / 255) + "%)";
}

void MoveDeadZoneBars(ConfigurationType& config, int stick, int trigger) {
    config.DefaultStickDeadZone = static_cast<std::uint8_t>(std::clamp(stick, 1, 255));
    config.DefaultTriggerDeadZone = static_cast<std::uint8_t>(std::clamp(trigger, 1, 255));
    config.ConfigurationChanged = true;
}

std::string LanguageButtonCaption(LanguageButton button) {
    return button == LanguageButton::New ? Translate("*New*") + "..." : Translate("*Check*") + "...";
}

void PressLanguageButton(GlobalSettingsContext& context, LanguageButton button) {
    if (button == LanguageButton::New)
        NewLanguageFile(context.Config, context.Ui);
    else
        CheckLanguageFile(context.Config, context.Ui);
}

}  // namespace velmora
