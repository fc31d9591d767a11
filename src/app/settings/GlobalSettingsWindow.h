#pragma once
// The global settings window's logic: six tabs over the configuration
// record. Options holds the twelve switches, Values the default dead zones
// of new profiles, Theme the colours, button style and theme image
// (GlobalSettingsTheme.h), Language the new-file and check commands,
// Controllers the known-controller list (KnownControllerList.h), and
// Programs the profiles that follow the program in front (ProgramRuleList.h). Every
// change goes into the configuration at once and marks it changed; the file
// is written when the program ends.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/RegistryEntries.h"
#include "app/settings/GlobalSettingsTheme.h"
#include "app/settings/KnownControllerList.h"
#include "app/settings/ProgramRuleList.h"
#include "base/UserInterface.h"
#include "devices/ControllerList.h"
#include "engine/Rumble.h"
#include "model/Configuration.h"

namespace velmora {

// What the window changes outside the model.
class GlobalSettingsShell {
public:
    virtual ~GlobalSettingsShell() = default;
    // Adds or removes the notification-area icon.
    virtual void SetTrayIcon(bool shown) = 0;
    // Gives the main picture its theme image (520 x 360, blue, green, red,
    // top row first), or takes it away.
    virtual void SetThemeImage(std::optional<std::vector<std::uint8_t>> image) = 0;
};

struct GlobalSettingsContext {
    ConfigurationType& Config;
    ControllerListType& List;
    UserInterface& Ui;
    RumbleOutput& Rumble;
    RegistryAccess& Registry;
    GlobalSettingsShell& Shell;
    std::string ProgramFile;  // what the start-with-Windows entry starts
};

enum class GlobalSettingsTab : int { Options = 0, Values, Theme, Language, Controllers, Programs };
inline constexpr int GlobalSettingsTabCount = 6;

// What the window keeps besides its refreshing guard: the tab, the
// selection of the controller list and the palette.
struct GlobalSettingsState {
    GlobalSettingsTab Tab = GlobalSettingsTab::Options;
    int Selection = NoListSelection;
    PaletteState Palette;
};

// "Velmora Settings", translated.
std::string GlobalSettingsTitle();
std::string TabCaption(GlobalSettingsTab tab);
// The help topic of a tab's help button; 0 for the Language tab, which has
// none: its two commands explain themselves in their own messages.
int TabHelpTopic(GlobalSettingsTab tab);

// Showing the window: the first tab, no list selection, no palette.
void ShowGlobalSettings(GlobalSettingsState& state);
// Another tab: the palette hides and the list selection is cleared.
void ChangeGlobalSettingsTab(GlobalSettingsState& state, GlobalSettingsTab tab);

// One check box of the Options tab. Tags 1 to 3 have effects beyond the record.
struct OptionSwitch {
    std::string_view CaptionKey;
    bool ConfigurationType::*Field;
    int Tag;
    int Group;  // index into OptionGroupKeys
};
inline constexpr int OptionCount = 12;
inline constexpr int StartWithWindowsTag = 1;
inline constexpr int ProcessNonSelectedTag = 2;
inline constexpr int NotificationIconTag = 3;
extern const std::array<OptionSwitch, OptionCount> OptionSwitches;
extern const std::array<std::string_view, 4> OptionGroupKeys;

// The twelve boxes as the record has them, in the order of OptionSwitches.
std::array<bool, OptionCount> OptionBoxes(const ConfigurationType& config);
// A click on the box with this Tag: all twelve boxes go back into the
// record, then the box's own effect follows.
void ClickOption(GlobalSettingsContext& context, const std::array<bool, OptionCount>& boxes, int tag);
// Every controller is processed when the option is on, else only the
// selected one; one that stops being processed stops rumbling at once.
void ApplyProcessNonSelectedControllers(ControllerListType& list, bool option, RumbleOutput& rumble);

// The Values tab's labels: "(25%)".
std::string StickDeadZoneLabel(int value);
std::string TriggerDeadZoneLabel(int value);
// Either bar moved: both positions (1..255) go into the record.
void MoveDeadZoneBars(ConfigurationType& config, int stick, int trigger);

// The Language tab's two buttons.
enum class LanguageButton : int { New, Check };
std::string LanguageButtonCaption(LanguageButton button);
void PressLanguageButton(GlobalSettingsContext& context, LanguageButton button);

}  // namespace velmora
