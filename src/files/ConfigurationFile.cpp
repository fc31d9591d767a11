// Reading and writing "Velmora.ini".

#include "files/ConfigurationFile.h"

#include <vector>

#include "base/FileAccess.h"
#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "files/FileDialogs.h"
#include "model/Configuration.h"

namespace velmora {

namespace {

struct FolderOption {
    std::string_view Key;
    std::string ConfigurationType::*Field;
};
constexpr FolderOption FolderOptions[] = {
    {"DefaultControllerLocation", &ConfigurationType::DefaultControllerLocation},
    {"DefaultProfileLocation", &ConfigurationType::DefaultProfileLocation},
    {"DefaultImageLocation", &ConfigurationType::DefaultImageLocation},
    {"DefaultLanguageLocation", &ConfigurationType::DefaultLanguageLocation},
};

struct BooleanOption {
    std::string_view Key;
    bool ConfigurationType::*Field;
};
constexpr BooleanOption BooleanOptions[] = {
    {"StartWithWindows", &ConfigurationType::StartWithWindows},
    {"StartMinimized", &ConfigurationType::StartMinimized},
    {"AutoOpenLastProfile", &ConfigurationType::AutoOpenLastProfile},
    {"ScanForXInput", &ConfigurationType::ScanForXInput},
    {"ShowAnimations", &ConfigurationType::ShowAnimations},
    {"AutoMinimizeOnOpenProfile", &ConfigurationType::AutoMinimizeOnOpenProfile},
    {"ProcessNonSelectedControllers", &ConfigurationType::ProcessNonSelectedControllers},
    {"ShowTaskbarButtonWhenMinimized", &ConfigurationType::ShowTaskbarButtonWhenMinimized},
    {"ReturnToSet1AfterMinimizeRestore", &ConfigurationType::ReturnToSet1AfterMinimizeRestore},
    {"RememberWindowPositions", &ConfigurationType::RememberWindowPositions},
    {"MinimizeWhenClosingMainWindow", &ConfigurationType::MinimizeWhenClosingMainWindow},
    {"ShowIconInNotificationArea", &ConfigurationType::ShowIconInNotificationArea},
};

constexpr std::array<std::string_view, 3> ThemeButtonWords{"Solid", "Gradient", "Vista"};

std::string ColourKey(std::string_view word, int index) {
    return std::string(word) + std::to_string(index + 1);
}
std::string KnownKey(int index, std::string_view field) {
    return "Controller" + std::to_string(index + 1) + std::string(field);
}
std::string RecentKey(int index, int recent) {
    return KnownKey(index, "Recent" + std::to_string(recent + 1));
}

std::uint8_t ReadByteNumber(FileAccess& file, std::string_view key, std::uint8_t fallback) {
    file.ReadNumbers(key, 1, 1, 255, fallback);
    return static_cast<std::uint8_t>(file.Numbers[0]);
}

// Items missing from the end keep the colour's default; bad items give 0.
void ReadColour(FileAccess& file, std::string_view key, ColourType& colour) {
    const int count = file.ReadNumbers(key, 3, 0, 255, 0);
    std::uint8_t* parts[] = {&colour.Red, &colour.Green, &colour.Blue};
    for (int i = 0; i < count; ++i)
        *parts[i] = static_cast<std::uint8_t>(file.Numbers[static_cast<std::size_t>(i)]);
}

std::uint8_t ThemeButtonsFromText(std::string_view text) {
    if (text == ThemeButtonWords[SolidButtons]) return SolidButtons;
    if (text == ThemeButtonWords[GradientButtons]) return GradientButtons;
    return VistaButtons;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void ReadKnownEntry(FileAccess& file, int index, KnownControllerDataType& entry) {
    entry = KnownControllerDataType{};
    entry.Identity.DeviceName = file.ReadString(KnownKey(index, "Name"), {});
    file.ReadNumbers(KnownKey(index, "ID"), 4, 0, 255, 0);
    for (std::size_t i = 0; i < 4; ++i)
        entry.Identity.VendorProduct =
            entry.Identity.VendorProduct << 8 | static_cast<std::uint32_t>(file.Numbers[i]);
    entry.ControllerFile = AbsolutePathOrEmpty(file.ReadString(KnownKey(index, "File"), {}));
    for (int recent = 0; recent < 4; ++recent)
        entry.RecentProfiles[static_cast<std::size_t>(recent)] =
            AbsolutePathOrEmpty(file.ReadString(RecentKey(index, recent), {}));
    CompactRecentProfiles(entry);
}

bool IsKeptEntry(const ConfigurationType& config, const KnownControllerDataType& entry) {
    if (Trimmed(entry.Identity.DeviceName).empty() || entry.ControllerFile.empty()) return false;
    for (std::uint8_t i = 0; i < config.KnownCount; ++i)
        if (config.KnownControllers[i].Identity == entry.Identity) return false;
    return true;
}

// Gaps in the numbering are closed and duplicates dropped: a rejected entry
// is overwritten by the next one.
void ReadKnownControllers(FileAccess& file, ConfigurationType& config) {
    config.KnownCount = 0;
    const std::vector<bool> named = file.NumbersAfter("Controller", MaxKnownControllers);
    for (int index = 0; index < MaxKnownControllers; ++index) {
        // A number without keys would give an entry without a name, never kept.
        if (!named[static_cast<std::size_t>(index)]) continue;
        KnownControllerDataType& entry = config.KnownControllers[config.KnownCount];
        ReadKnownEntry(file, index, entry);
        if (IsKeptEntry(config, entry)) ++config.KnownCount;
    }
    for (std::size_t i = config.KnownCount; i < config.KnownControllers.size(); ++i)
        config.KnownControllers[i] = KnownControllerDataType{};
}

std::string RuleKey(std::size_t index, std::string_view field) {
    return "Program" + std::to_string(index + 1) + std::string(field);
}

// Spaces and tabs around a value typed by hand would never match ("game.exe ").
std::string RuleValue(FileAccess& file, std::size_t index, std::string_view field) {
    const std::string value = file.ReadString(RuleKey(index, field), {});
    const std::size_t first = value.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return value.substr(first, value.find_last_not_of(" \t") - first + 1);
}

// Numbers past the last rule kept are not read; up to four times as many are
// looked at, so that the note says which were dropped.
void NoteRulesPastTheLast(FileAccess& file, ConfigurationType& config, const std::vector<bool>& named) {
    for (std::size_t i = MaxProgramRules; i < 4 * MaxProgramRules; ++i)
        if (named[i] && (!RuleValue(file, i, "File").empty() || !RuleValue(file, i, "Profile").empty()))
            config.ProgramRuleNotes.push_back(RuleKey(i, ": dropped, only 32 rules are kept"));
}

// A rule without its program or its profile cannot work: it is dropped with
// a note, and the later rules close the gap. Numbers with no keys at all are
// skipped silently, without looking up their keys.
void ReadProgramRules(FileAccess& file, ConfigurationType& config) {
    config.ProgramRules.clear();
    config.ProgramRuleNotes.clear();
    const std::vector<bool> named = file.NumbersAfter("Program", 4 * MaxProgramRules);
    for (std::size_t i = 0; i < MaxProgramRules; ++i) {
        if (!named[i]) continue;
        ProgramRuleType rule{RuleValue(file, i, "File"), RuleValue(file, i, "Title"),
                             RuleValue(file, i, "Controller"),
                             AbsolutePathOrEmpty(RuleValue(file, i, "Profile"))};
        if (!rule.File.empty() && !rule.Profile.empty())
            config.ProgramRules.push_back(std::move(rule));
        else if (rule != ProgramRuleType{})
            config.ProgramRuleNotes.push_back(RuleKey(i, ": dropped, it needs both a File and a Profile"));
    }
    NoteRulesPastTheLast(file, config, named);
    config.SwitchProfilesByProgram = file.ReadBoolean("SwitchProfilesByProgram", true);
}

void ReadOptions(FileAccess& file, ConfigurationType& config, const std::string& documentsFolder) {
    for (const FolderOption& option : FolderOptions)
        config.*option.Field = AbsolutePath(file.ReadString(option.Key, documentsFolder));
    for (const BooleanOption& option : BooleanOptions)
        config.*option.Field = file.ReadBoolean(option.Key, ConfigurationType{}.*option.Field);
    for (int i = 0; i < WindowPositionCount; ++i) {
        file.ReadNumbers(WindowPositionKeys[static_cast<std::size_t>(i)], 2, 0, 65535, NoWindowPosition);
        config.WindowPositions[static_cast<std::size_t>(i)] = {file.Numbers[0], file.Numbers[1]};
    }
    config.DefaultStickDeadZone = ReadByteNumber(file, "DefaultStickDeadZone", 64);
    config.DefaultTriggerDeadZone = ReadByteNumber(file, "DefaultTriggerDeadZone", 1);
}

void ReadTheme(FileAccess& file, ConfigurationType& config) {
    const ConfigurationType defaults;
    config.Interface = defaults.Interface;
    config.Background = defaults.Background;
    for (int i = 0; i < 3; ++i)
        ReadColour(file, ColourKey("Interface", i), config.Interface[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 3; ++i)
        ReadColour(file, ColourKey("Background", i), config.Background[static_cast<std::size_t>(i)]);
    config.ThemeImage = AbsolutePathOrEmpty(file.ReadString("ThemeImage", {}));
    config.ThemeButtons = ThemeButtonsFromText(file.ReadString("ThemeButtons", {}));
}

void AddHeader(FileAccess& file) {
    file.AddComment("----------------------------");
    file.AddComment(" Velmora Configuration File");
    file.AddComment("----------------------------");
    file.AddBlankLine();
}

void AddOptions(FileAccess& file, const ConfigurationType& config) {
    file.AddSection("Default Locations");
    for (const FolderOption& option : FolderOptions)
        file.AddEntry(std::string(option.Key), RelativePath(config.*option.Field));
    file.AddBlankLine();
    file.AddSection("Options");
    for (const BooleanOption& option : BooleanOptions)
        file.AddBoolean(std::string(option.Key), config.*option.Field);
    file.AddBlankLine();
    file.AddSection("Window Positions");
    for (int i = 0; i < WindowPositionCount; ++i) {
        const WindowPositionType& at = config.WindowPositions[static_cast<std::size_t>(i)];
        file.AddNumbers(std::string(WindowPositionKeys[static_cast<std::size_t>(i)]), {at.Left, at.Top});
    }
    file.AddBlankLine();
    file.AddSection("Defaults");
    file.AddNumbers("DefaultStickDeadZone", {config.DefaultStickDeadZone});
    file.AddNumbers("DefaultTriggerDeadZone", {config.DefaultTriggerDeadZone});
    file.AddBlankLine();
}

void AddColour(FileAccess& file, std::string key, const ColourType& colour) {
    file.AddNumbers(std::move(key), {colour.Red, colour.Green, colour.Blue});
}

void AddTheme(FileAccess& file, const ConfigurationType& config) {
    file.AddSection("Theme");
    for (int i = 0; i < 3; ++i)
        AddColour(file, ColourKey("Interface", i), config.Interface[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 3; ++i)
        AddColour(file, ColourKey("Background", i), config.Background[static_cast<std::size_t>(i)]);
    file.AddEntry("ThemeImage", RelativePath(config.ThemeImage));
    file.AddEntry("ThemeButtons",
                  std::string(ThemeButtonWords[config.ThemeButtons <= 2 ? config.ThemeButtons : 2]));
    file.AddBlankLine();
}

void AddKnownControllers(FileAccess& file, const ConfigurationType& config) {
    file.AddSection("Controllers");
    for (int i = 0; i < config.KnownCount && i < MaxKnownControllers; ++i) {
        const KnownControllerDataType& entry = config.KnownControllers[static_cast<std::size_t>(i)];
        const std::uint32_t id = entry.Identity.VendorProduct;
        file.AddEntry(KnownKey(i, "Name"), entry.Identity.DeviceName);
        file.AddNumbers(KnownKey(i, "ID"),
                        {static_cast<std::int32_t>(id >> 24), static_cast<std::int32_t>(id >> 16 & 255),
                         static_cast<std::int32_t>(id >> 8 & 255), static_cast<std::int32_t>(id & 255)});
        file.AddEntry(KnownKey(i, "File"), RelativePath(entry.ControllerFile));
        for (int recent = 0; recent < 4; ++recent)
            file.AddEntry(RecentKey(i, recent),
                          RelativePath(entry.RecentProfiles[static_cast<std::size_t>(recent)]));
    }
}

// Written only when there are rules, after the known controllers.
void AddProgramRules(FileAccess& file, const ConfigurationType& config) {
    if (config.ProgramRules.empty()) return;
    file.AddBlankLine();
    file.AddSection("Program Profiles");
    file.AddBoolean("SwitchProfilesByProgram", config.SwitchProfilesByProgram);
    for (std::size_t i = 0; i < config.ProgramRules.size() && i < MaxProgramRules; ++i) {
        const ProgramRuleType& rule = config.ProgramRules[i];
        file.AddEntry(RuleKey(i, "File"), rule.File);
        file.AddEntry(RuleKey(i, "Title"), rule.Title);
        file.AddEntry(RuleKey(i, "Controller"), rule.Controller);
        file.AddEntry(RuleKey(i, "Profile"), RelativePath(rule.Profile));
    }
}

// A file that is there but could not be read (locked, unreadable, past a
// limit) holds the known controllers and recent profiles: written over at
// the end with defaults they would be lost. Said once, when it is read.
void TellConfigurationUnread(UserInterface& ui, const std::string& path) {
    ui.ShowMessageDialog(
        MakeMessage(DialogKind::Warning, "*Configuration file not read*", FileDetails(path),
                    Translate("*The file is kept as it is: settings changed now will not be saved.*")));
}

}  // namespace

std::string ConfigurationPath() {
    return AbsolutePath(ConfigurationFileName);
}

void ReadConfiguration(ConfigurationType& config, UserInterface& ui, const std::string& documentsFolder) {
    ReadConfigurationFile(config, ui, ConfigurationPath(), documentsFolder);
}

void ReadConfigurationFile(ConfigurationType& config, UserInterface& ui, const std::string& path,
                           const std::string& documentsFolder) {
    FileAccess file(ui);
    const bool loaded = file.LoadTextFile(path, true);
    if (!loaded) {
        file.Entries.clear();
        file.LookupHint = 0;
    }
    // A file that is there but failed to load, or that held nothing readable
    // (the reader has said so), is kept; only a missing file is created at the end.
    const bool failed = !loaded && CurrentFilePlaces().FileExists(path);
    if (failed) TellConfigurationUnread(ui, path);
    config.ConfigurationUnread = failed || (loaded && file.RefuseUnreadable(path));
    config.ConfigurationChanged = !loaded && !config.ConfigurationUnread;
    ReadOptions(file, config, documentsFolder);
    ReadTheme(file, config);
    ReadKnownControllers(file, config);
    ReadProgramRules(file, config);
}

void AddConfigurationEntries(FileAccess& file, const ConfigurationType& config) {
    AddHeader(file);
    AddOptions(file, config);
    AddTheme(file, config);
    AddKnownControllers(file, config);
    AddProgramRules(file, config);
}

bool WriteConfiguration(const ConfigurationType& config, UserInterface& ui) {
    FileAccess file(ui);
    AddConfigurationEntries(file, config);
    return file.SaveTextFile(ConfigurationPath(), false);
}

void SaveConfigurationIfChanged(ConfigurationType& config, UserInterface& ui) {
    if (config.ConfigurationUnread) return;
    if (config.ConfigurationChanged && WriteConfiguration(config, ui)) config.ConfigurationChanged = false;
}

}  // namespace velmora
