#pragma once
// The configuration record: options, default folders, window positions,
// default dead zones, the colour theme and the known-controller list, kept in
// "Velmora.ini" beside the program (files/ConfigurationFile.h reads and writes it).

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"
#include "model/ControllerLayout.h"
#include "model/ProgramRules.h"

namespace velmora {

inline constexpr std::uint8_t MaxKnownControllers = 16;
inline constexpr std::uint8_t UnknownController = 255;
inline constexpr std::int32_t NoWindowPosition = 65535;

struct ColourType {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    friend bool operator==(const ColourType&, const ColourType&) = default;
};

// A saved window position; 65535, 65535 means none: the window is centred.
struct WindowPositionType {
    std::int32_t Left = NoWindowPosition;
    std::int32_t Top = NoWindowPosition;

    friend bool operator==(const WindowPositionType&, const WindowPositionType&) = default;
};

enum WindowPositionIndex : int {
    AssignmentSettingsWindowPosition = 0,
    AssignmentAdvancedSettingsWindowPosition,
    ControllerPropertiesWindowPosition,
    ControllerSettingsWindowPosition,
    DPadSettingsWindowPosition,
    HelpWindowPosition,
    MainWindowPosition,
    MouseSettingsWindowPosition,
    ProfileSettingsWindowPosition,
    SettingsWindowPosition,
    StickSettingsWindowPosition,
    TriggerSettingsWindowPosition,
};
inline constexpr int WindowPositionCount = 12;
inline constexpr std::array<std::string_view, WindowPositionCount> WindowPositionKeys{
    "AssignmentSettingsWindowPosition",
    "AssignmentAdvancedSettingsWindowPosition",
    "ControllerPropertiesWindowPosition",
    "ControllerSettingsWindowPosition",
    "DPadSettingsWindowPosition",
    "HelpWindowPosition",
    "MainWindowPosition",
    "MouseSettingsWindowPosition",
    "ProfileSettingsWindowPosition",
    "SettingsWindowPosition",
    "StickSettingsWindowPosition",
    "TriggerSettingsWindowPosition"};

enum ThemeButtonsValue : std::uint8_t { SolidButtons = 0, GradientButtons = 1, VistaButtons = 2 };

// A controller model seen before: its layout file to open automatically and
// its four most recent profiles.
struct KnownControllerDataType {
    ControllerIDType Identity;
    std::string ControllerFile;
    std::array<std::string, 4> RecentProfiles;
    std::uint8_t ConnectedCount = 0;  // run time only
    std::uint8_t LostCount = 0;       // run time only
};

struct ConfigurationType {
    bool ConfigurationChanged = false;  // the file is written at the end only when set
    // The file is there but could not be read, or held nothing readable: the
    // user was told, and it is never written over.
    bool ConfigurationUnread = false;

    std::string DefaultControllerLocation;
    std::string DefaultProfileLocation;
    std::string DefaultImageLocation;
    std::string DefaultLanguageLocation;

    bool StartWithWindows = false;
    bool StartMinimized = false;
    bool AutoOpenLastProfile = true;
    bool ScanForXInput = true;
    bool ShowAnimations = true;
    bool AutoMinimizeOnOpenProfile = false;
    bool ProcessNonSelectedControllers = true;
    bool ShowTaskbarButtonWhenMinimized = false;
    bool ReturnToSet1AfterMinimizeRestore = true;
    bool RememberWindowPositions = false;
    bool MinimizeWhenClosingMainWindow = true;
    bool ShowIconInNotificationArea = true;

    std::array<WindowPositionType, WindowPositionCount> WindowPositions{};

    std::uint8_t DefaultStickDeadZone = 64;   // 1..255
    std::uint8_t DefaultTriggerDeadZone = 1;  // 1..255

    std::array<ColourType, 3> Interface{{{0, 15, 63}, {255, 255, 255}, {0, 63, 127}}};
    std::array<ColourType, 3> Background{{{255, 255, 255}, {191, 191, 191}, {127, 127, 127}}};
    std::string ThemeImage;  // absolute, or empty
    std::uint8_t ThemeButtons = VistaButtons;

    std::uint8_t KnownCount = 0;
    std::array<KnownControllerDataType, MaxKnownControllers> KnownControllers;

    // Profiles that follow the program in front: at most MaxProgramRules,
    // the first that matches wins. The switch is on by default once a rule exists.
    std::vector<ProgramRuleType> ProgramRules;
    bool SwitchProfilesByProgram = true;
    std::uint32_t ProgramRuleEdits = 0;  // run time only: counts edits, so that watchers decide again
    // Rules dropped on reading (no file or no profile), one line each, for
    // whoever checks the file: never shown over a starting program.
    std::vector<std::string> ProgramRuleNotes;
};

// Empties later duplicates, then moves the remaining recent profiles to the front.
void CompactRecentProfiles(KnownControllerDataType& entry);
// Empties every recent profile equal to the file.
void ForgetProfile(ConfigurationType& config, std::uint8_t knownIndex, const std::string& file);
// Empties every recent profile whose file does not exist.
void PruneRecentProfiles(ConfigurationType& config, std::uint8_t knownIndex,
                         const std::function<bool(const std::string&)>& fileExists);
void PruneRecentProfiles(ConfigurationType& config, std::uint8_t knownIndex);
// Records a profile opened or saved for the instance of a known controller.
void RememberProfile(ConfigurationType& config, std::uint8_t knownIndex, std::uint8_t instanceNumber,
                     const std::string& file);

// The controllers of an identity that are about: a new known entry counts them.
struct IdentityCounts {
    std::uint8_t Connected = 0;
    std::uint8_t Lost = 0;
};

// Records a layout's file as the one to open automatically for its identity:
// adds a known entry for an unknown controller (none when the list is full)
// or updates the known one, and tells the user. Returns the identity's known
// index afterwards (UnknownController when the list was full). The caller
// points every controller of the identity at a new entry, sorts and redraws.
std::uint8_t LinkControllerFile(ConfigurationType& config, std::uint8_t knownIndex,
                                const ControllerIDType& identity, const std::string& layoutFile,
                                IdentityCounts counts, UserInterface& ui);

}  // namespace velmora
