// Reading profile files. A missing or bad value never fails the read: each
// has its default, and a bad value is named in one message.

#include <algorithm>
#include <array>
#include <utility>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/NumberText.h"
#include "base/Paths.h"
#include "base/TextEncoding.h"
#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

struct WordValue {
    std::string_view Word;
    std::uint8_t Value;
};

constexpr std::array<WordValue, 6> NewModeWords{{{"Standard", Standard},
                                                 {"FourWay", FourWay},
                                                 {"Diagonal", Diagonal},
                                                 {"EightWay", EightWay},
                                                 {"Horizontal", Horizontal},
                                                 {"Vertical", Vertical}}};
// The words of the older "DiagonalMode" keys.
constexpr std::array<WordValue, 4> OldModeWords{{{"Allow", Standard},
                                                 {"Ignore", FourWay},
                                                 {"Prioritize Left/Right", Horizontal},
                                                 {"Prioritize Up/Down", Vertical}}};
constexpr std::array<WordValue, 3> MouseModeWords{
    {{"Look/Camera", LookCamera}, {"Cursor", Cursor}, {"Spring", Spring}}};

template <std::size_t N>
std::optional<std::uint8_t> FindWord(const std::array<WordValue, N>& words, std::string_view word) {
    for (const WordValue& w : words)
        if (w.Word == word) return w.Value;
    return std::nullopt;
}

struct OldBinaryProfile {
    std::size_t Length;
    std::uint16_t Version;
    std::string_view Label;
};

constexpr std::array<OldBinaryProfile, 4> OldBinaryProfiles{{{2234, 0, "v1 (2006-11)"},
                                                             {1102, 1, "v2 (2007-01)"},
                                                             {5336, 2, "v3 (2007-03/04/05)"},
                                                             {388, 3, "v4 (2007-06/07)"}}};

// What one read needs besides the file: where messages go and whom they name.
struct ProfileReading {
    FileAccess& File;
    const std::string& Path;
    const ConfigurationType& Config;
    std::string KeyText;  // see KeyOf

    // The prefix and the name made into one key, in a buffer kept for the
    // whole read rather than a string of its own for each of the dozen keys
    // of every assignment. Valid until the next call.
    const std::string& KeyOf(const std::string& prefix, std::string_view name) {
        KeyText.assign(prefix).append(name);
        return KeyText;
    }

    void BadValue(std::string_view heading, std::string_view key, std::string value,
                  std::string_view message) {
        File.Ui().ShowMessageDialog(BadProfileValueMessage(Path, heading, key, std::move(value), message));
    }

    std::array<std::uint8_t, 2> Pair(const std::string& key, int minimum, int maximum, int fallback) {
        File.ReadNumbers(key, 2, minimum, maximum, fallback);
        return {static_cast<std::uint8_t>(File.Numbers[0]), static_cast<std::uint8_t>(File.Numbers[1])};
    }

    std::int32_t Number(const std::string& key, int minimum, int maximum, int fallback) {
        File.ReadNumbers(key, 1, minimum, maximum, fallback);
        return File.Numbers[0];
    }
};

// The newer key wins; the older one is consulted only when the newer one is
// missing or empty, and each accepts only its own words.
std::uint8_t ReadMode(ProfileReading& r, const std::string& newKey, const std::string& oldKey,
                      std::string_view heading, std::string_view message) {
    std::string value = r.File.FindValue(newKey, {});
    if (!value.empty()) {
        if (auto mode = FindWord(NewModeWords, value)) return *mode;
        r.BadValue(heading, newKey, value, message);
        return Standard;
    }
    value = r.File.FindValue(oldKey, "Allow");
    if (auto mode = FindWord(OldModeWords, value)) return *mode;
    r.BadValue(heading, oldKey, value, message);
    return Standard;
}

void ReadSetSettings(ProfileReading& r, SetType& set, const std::string& p) {
    set.StickDeadZones = r.Pair(p + "StickDeadZones", 1, 255, r.Config.DefaultStickDeadZone);
    set.StickDiagonalSizes = r.Pair(p + "StickDiagonalSizes", 1, 89, 45);
    set.TriggerDeadZones = r.Pair(p + "TriggerDeadZones", 1, 255, r.Config.DefaultTriggerDeadZone);
    set.DPadMode =
        ReadMode(r, p + "DPadMode", p + "DPadDiagonalMode", "*Bad DPad mode value found in profile*",
                 "*This is not a valid value. The DPad mode has loaded as \"Standard\".*");
    for (std::size_t m = 0; m < 2; ++m) {
        const std::string stick = p + "Stick" + std::to_string(m + 1);
        set.StickModes[m] =
            ReadMode(r, stick + "Mode", stick + "DiagonalMode", "*Bad Stick mode value found in profile*",
                     "*This is not a valid value. The Stick mode has loaded as \"Standard\".*");
    }
}

// The codes are gathered first and the cycles built once: built after every
// code, a long list cost its length squared.
void ReadSlots(ProfileReading& r, SlotType& slots, const std::string& key) {
    r.File.ReadList(key);
    const std::vector<std::string>& items = r.File.List;
    std::vector<std::uint8_t> codes;
    codes.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::optional<std::uint8_t> code = FindSlotCode(items[i]);
        if (!code) {
            r.BadValue("*Bad slot code value found in profile*", key,
                       items[i] + " (" + Translate("*Slot*") + " " + std::to_string(i + 1) + ")",
                       "*This is not a valid value. The slot code has been loaded as \"Unknown\".*");
            code = UnknownCode;
        }
        codes.push_back(*code);
    }
    SetSlotCodes(slots, codes);
}

std::uint8_t ReadMouseMode(ProfileReading& r, const std::string& key) {
    const std::string value = r.File.FindValue(key, "Look/Camera");
    if (auto mode = FindWord(MouseModeWords, value)) return *mode;
    r.BadValue("*Bad mouse mode value found in profile*", key, value,
               "*This is not a valid value. The mouse mode has been loaded as \"Look/Camera\".*");
    return LookCamera;
}

// A set cannot select itself, and there are only eight sets.
std::uint8_t ReadSetSelect(ProfileReading& r, const std::string& key, int ownSet) {
    const std::int32_t target = r.Number(key, 0, 255, NoSet);
    return target == ownSet || target > 7 ? NoSet : static_cast<std::uint8_t>(target);
}

// 999 lies outside the range, so it marks a missing or bad strength.
std::array<std::uint8_t, 2> ReadRumbleStrengths(ProfileReading& r, const std::string& key) {
    r.File.ReadNumbers(key, 2, 0, 255, 999);
    std::array<std::uint8_t, 2> strengths{};
    for (std::size_t i = 0; i < 2; ++i)
        strengths[i] = static_cast<std::uint8_t>(r.File.Numbers[i] == 999 ? 128 : r.File.Numbers[i]);
    return strengths;
}

void ReadAssignment(ProfileReading& r, AssignmentType& a, const std::string& p, int ownSet) {
    a = AssignmentType{};
    a.Name = Utf8Prefix(r.File.FindValue(r.KeyOf(p, "Name"), {}), 32);
    ReadSlots(r, a.Slots, r.KeyOf(p, "Slots"));
    a.Toggle = r.File.ReadBoolean(r.KeyOf(p, "Toggle"), false);
    a.Turbo = r.File.ReadBoolean(r.KeyOf(p, "Turbo"), false);
    a.TurboRate = static_cast<std::uint8_t>(r.Number(r.KeyOf(p, "TurboRate"), 2, 250, 10));
    a.Rumble = r.File.ReadBoolean(r.KeyOf(p, "Rumble"), false);
    a.RumbleStrengths = ReadRumbleStrengths(r, r.KeyOf(p, "RumbleStrengths"));
    a.SetSelect = ReadSetSelect(r, r.KeyOf(p, "SetSelect"), ownSet);
    a.MouseSpeed = static_cast<std::uint8_t>(r.Number(r.KeyOf(p, "MouseSpeed"), 1, 255, 32));
    a.MouseMode = ReadMouseMode(r, r.KeyOf(p, "MouseMode"));
    a.ToggleState = 0;
    a.TurboCounter = 0;
}

// The names of the file's entries in order, so that a prefix is found at once.
std::vector<std::string_view> SortedNames(const FileAccess& file) {
    std::vector<std::string_view> names;
    names.reserve(file.Entries.size());
    for (const FileEntry& entry : file.Entries) names.emplace_back(entry.Name);
    std::sort(names.begin(), names.end());
    return names;
}

// The assignments (set * ControlCount + control) in the order of their key
// prefixes, sorted once.
const std::vector<int>& AssignmentsByPrefix() {
    static const std::vector<int> order = [] {
        std::vector<int> all(std::size_t{SetCount} * ControlCount);
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
        std::sort(all.begin(), all.end(), [](int a, int b) {
            return AssignmentKeyPrefix(a / ControlCount, a % ControlCount) <
                   AssignmentKeyPrefix(b / ControlCount, b % ControlCount);
        });
        return all;
    }();
    return order;
}

// Which assignments the file has a name starting with the key prefix of: one
// walk of the sorted names beside the sorted prefixes, rather than a search
// and a prefix made for each of the 464.
std::vector<bool> AssignmentsNamed(const FileAccess& file) {
    const std::vector<std::string_view> names = SortedNames(file);
    std::vector<bool> named(std::size_t{SetCount} * ControlCount);
    auto name = names.begin();
    for (const int a : AssignmentsByPrefix()) {
        const std::string& prefix = AssignmentKeyPrefix(a / ControlCount, a % ControlCount);
        while (name != names.end() && *name < prefix) ++name;
        named[static_cast<std::size_t>(a)] = name != names.end() && name->starts_with(prefix);
    }
    return named;
}

// An assignment none of whose keys is in the file reads as every missing key
// does, without a message: those values are read once, from an empty file, so
// that they stay what ReadAssignment gives. Most profiles leave most of their
// 464 assignments out, and each one read costs a dozen lookups.
// An assignment takes nothing from the configuration, only its own set's number.
const AssignmentType& MissingAssignment(int ownSet) {
    static std::array<std::optional<AssignmentType>, SetCount> missing;
    std::optional<AssignmentType>& a = missing[static_cast<std::size_t>(ownSet)];
    if (!a) {
        static const ConfigurationType config;
        static const std::string path;
        NoUserInterface silent;
        FileAccess empty(silent);
        ProfileReading reading{empty, path, config, {}};
        ReadAssignment(reading, a.emplace(), "Set", ownSet);
    }
    return *a;
}

bool RefuseOldOrNewer(FileAccess& file, const std::string& path, UserInterface& ui) {
    if (const std::string_view label = OldBinaryProfileLabel(file); !label.empty()) {
        ui.ShowMessageDialog(MakeMessage(
            DialogKind::Error, "*Cannot access binary profile file*",
            {{"*Profile*", FileTitle(path)},
             {"*Location*", FileFolder(path)},
             {"*Binary Version*", std::string(label)}},
            Translate("*To access this profile you must convert it to a new text profile file.*") + "#" +
                Translate("*Download version 2007-11a, open this profile and re-save it.*") + "#"));
        return true;
    }
    // Version strings compare character by character.
    if (file.ReadString("Version", "2007.07.11") > VersionString()) {
        ui.ShowMessageDialog(
            MakeMessage(DialogKind::Error, "*Cannot open newer profile file*",
                        {{"*Profile File*", FileTitle(path)}, {"*Location*", FileFolder(path)}},
                        Translate("*This profile file was saved by a newer version and cannot be opened.*")));
        return true;
    }
    return false;
}

}  // namespace

std::string_view OldBinaryProfileLabel(FileAccess& file) {
    for (const OldBinaryProfile& old : OldBinaryProfiles) {
        if (file.Buffer.size() != old.Length) continue;
        file.Position = 0;
        const bool named = file.ReadText(14) == "VelmoraProfile";
        if (named && file.ReadWord() == old.Version) return old.Label;
    }
    return {};
}

bool ReadProfile(const std::string& fileName, ProfileType& scratch, const ConfigurationType& config,
                 UserInterface& ui) {
    FileAccess file(ui, ProfileFileLimits);
    if (!file.LoadTextFile(fileName, true) || RefuseOldOrNewer(file, fileName, ui) ||
        file.RefuseUnreadable(fileName))
        return false;
    scratch.FileName = fileName;
    scratch.Name = FileTitle(fileName);
    ProfileReading reading{file, fileName, config, {}};
    for (int n = 1; n <= SetCount; ++n)
        ReadSetSettings(reading, scratch.Sets[static_cast<std::size_t>(n - 1)], "Set" + std::to_string(n));
    const std::vector<bool> named = AssignmentsNamed(file);
    for (int n = 0; n < SetCount; ++n) {
        SetType& set = scratch.Sets[static_cast<std::size_t>(n)];
        for (int c = 0; c < ControlCount; ++c) {
            AssignmentType& a = set.Assignments[static_cast<std::size_t>(c)];
            if (named[static_cast<std::size_t>(n * ControlCount + c)])
                ReadAssignment(reading, a, AssignmentKeyPrefix(n, c), n);
            else
                a = MissingAssignment(n);
        }
    }
    return true;
}

MessageDialog BadProfileValueMessage(std::string_view path, std::string_view headingKey, std::string_view key,
                                     std::string value, std::string_view messageKey) {
    return MakeMessage(DialogKind::Error, headingKey,
                       {{"*Profile*", FileTitle(path)},
                        {"*Location*", FileFolder(path)},
                        {"*Name*", std::string(key)},
                        {"*Value*", std::move(value)}},
                       Translate(messageKey));
}

MessageDialog CannotOpenProfileMessage(std::string_view path, std::string_view controllerName) {
    return MakeMessage(
        DialogKind::Error, "*Cannot open requested or last used profile*",
        {{"*Profile*", FileTitle(path)},
         {"*Location*", FileFolder(path)},
         {"*Controller Name*", std::string(controllerName)}},
        Translate(
            "*This profile cannot be opened. If it exists in the recent list it will now be removed.*"));
}

}  // namespace velmora
