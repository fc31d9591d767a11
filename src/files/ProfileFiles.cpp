// Writing profile files.

#include "files/ProfileFiles.h"

#include <array>
#include <vector>

#include "base/NumberText.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 6> ModeWords{"Standard", "FourWay",    "Diagonal",
                                                    "EightWay", "Horizontal", "Vertical"};

std::string SlotNames(const SlotType& slots) {
    std::string value;
    for (const std::uint8_t code : slots.Codes) {
        if (!value.empty()) value += ',';
        value += SlotCodeTable[code].Name;
    }
    return value;
}

void AddPair(FileAccess& file, const std::string& key, const std::array<std::uint8_t, 2>& pair) {
    file.AddNumbers(key, {pair[0], pair[1]});
}

void AddSetSettings(FileAccess& file, const SetType& set, const std::string& prefix) {
    AddPair(file, prefix + "StickDeadZones", set.StickDeadZones);
    AddPair(file, prefix + "StickDiagonalSizes", set.StickDiagonalSizes);
    AddPair(file, prefix + "TriggerDeadZones", set.TriggerDeadZones);
    file.AddEntry(prefix + "DPadMode", std::string(DirectionModeWord(set.DPadMode)));
    file.AddEntry(prefix + "Stick1Mode", std::string(DirectionModeWord(set.StickModes[0])));
    file.AddEntry(prefix + "Stick2Mode", std::string(DirectionModeWord(set.StickModes[1])));
}

// Only what differs from the default assignment is written.
void AddAssignment(FileAccess& file, const AssignmentType& a, const std::string& p) {
    const AssignmentType& d = DefaultAssignment;
    if (!a.Name.empty()) file.AddEntry(p + "Name", a.Name);
    if (a.Slots.CodeCount() > 0) file.AddEntry(p + "Slots", SlotNames(a.Slots));
    if (a.Toggle) file.AddBoolean(p + "Toggle", true);
    if (a.Turbo) file.AddBoolean(p + "Turbo", true);
    if (a.TurboRate != d.TurboRate) file.AddNumbers(p + "TurboRate", {a.TurboRate});
    if (a.Rumble) file.AddBoolean(p + "Rumble", true);
    if (a.RumbleStrengths != d.RumbleStrengths) AddPair(file, p + "RumbleStrengths", a.RumbleStrengths);
    if (a.SetSelect != NoSet) file.AddNumbers(p + "SetSelect", {a.SetSelect});
    if (a.MouseSpeed != d.MouseSpeed) file.AddNumbers(p + "MouseSpeed", {a.MouseSpeed});
    if (a.MouseMode == Cursor) file.AddEntry(p + "MouseMode", "Cursor");
    if (a.MouseMode == Spring) file.AddEntry(p + "MouseMode", "Spring");
}

}  // namespace

const std::string& AssignmentKeyPrefix(int set, int control) {
    static const std::vector<std::string> prefixes = [] {
        std::vector<std::string> all;
        for (int n = 1; n <= SetCount; ++n)
            for (int c = 0; c < ControlCount; ++c)
                all.push_back("Set" + std::to_string(n) + std::string(ControlName(c)));
        return all;
    }();
    return prefixes[static_cast<std::size_t>(set * ControlCount + control)];
}

std::string_view DirectionModeWord(std::uint8_t mode) {
    return ModeWords[mode < ModeWords.size() ? mode : 0];
}

void AddProfileEntries(FileAccess& file, const ProfileType& profile) {
    // Room for the heading and the set settings, and as many assignment lines again.
    file.Entries.reserve(file.Entries.size() + 128);
    file.AddComment("----------------------");
    file.AddComment(" Velmora Profile File");
    file.AddComment("----------------------");
    file.AddBlankLine();
    file.AddEntry("Version", VersionString());
    file.AddBlankLine();
    file.AddSection("Set Settings");
    for (int n = 1; n <= SetCount; ++n)
        AddSetSettings(file, profile.Sets[static_cast<std::size_t>(n - 1)], "Set" + std::to_string(n));
    file.AddBlankLine();
    file.AddSection("Assignments");
    for (int n = 0; n < SetCount; ++n) {
        const SetType& set = profile.Sets[static_cast<std::size_t>(n)];
        for (int c = 0; c < ControlCount; ++c)
            AddAssignment(file, set.Assignments[static_cast<std::size_t>(c)], AssignmentKeyPrefix(n, c));
    }
}

bool WriteProfile(ProfileType& profile, UserInterface& ui) {
    FileAccess file(ui, ProfileFileLimits);
    AddProfileEntries(file, profile);
    if (!file.SaveTextFile(profile.FileName, true)) return false;
    profile.Changed = false;
    return true;
}

std::optional<std::string> ProfileFileBytes(const ProfileType& profile, UserInterface& ui,
                                            const std::string& path) {
    FileAccess file(ui, ProfileFileLimits);
    AddProfileEntries(file, profile);
    if (!file.FillBuffer(path, true)) return std::nullopt;
    return std::move(file.Buffer);
}

}  // namespace velmora
