#pragma once
// What the program keeps in the registry: the notice about profiles that old
// versions stored there, the file associations of its three file kinds, and
// the "start with Windows" entry. Everything lives under the current user's
// registry, so nothing here needs administrator rights.

#include <optional>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace velmora {

// The registry seam. Keys are paths under the current user's registry with
// "\" between their parts ("Software\Classes\.velmoraprofile"); an empty
// value name is the key's default value.
class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;
    // The value when it is a string; nothing when the key or the value is
    // missing or holds something else.
    virtual std::optional<std::string> ReadString(const std::string& key, const std::string& valueName) = 0;
    // Creates the key when needed.
    virtual bool WriteString(const std::string& key, const std::string& valueName,
                             const std::string& value) = 0;
    virtual bool DeleteValue(const std::string& key, const std::string& valueName) = 0;
    // Deletes the key with every key and value under it. True when it is gone
    // afterwards, also when it was never there.
    virtual bool DeleteKey(const std::string& key) = 0;
    // How many values the key holds; nothing when it cannot be opened.
    virtual std::optional<int> ValueCount(const std::string& key) = 0;
};

// Where old versions kept their profiles, and the entries written here.
inline constexpr const char* OldProfilesKey = "Software\\Velmora";
inline constexpr const char* ClassesKey = "Software\\Classes\\";
inline constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* RunValueName = "Velmora";

// How many writes or deletions were made and how many failed.
struct RegistryChanges {
    int Made = 0;
    int Failed = 0;
};

// One default value under the classes key.
struct RegistryEntry {
    std::string Key;
    std::string Value;
};

// The association entries for the program's file, in the order written.
std::vector<RegistryEntry> FileAssociationEntries(const std::string& programFile);

// Tells the user once per start that old registry profiles cannot be opened
// any more, when the old key holds at least one value. True when shown.
bool ShowOldRegistryNotice(RegistryAccess& registry, UserInterface& ui);

// Writes each association entry that does not already hold exactly its
// value. When anything was written the shell must be told.
RegistryChanges WriteFileAssociations(RegistryAccess& registry, const std::string& programFile);

// The Run value that starts the program minimised with Windows.
std::string StartWithWindowsCommand(const std::string& programFile);
// Adds, replaces or removes the Run value so that it matches the option;
// nothing is written when it already does.
RegistryChanges ApplyStartWithWindows(RegistryAccess& registry, const std::string& programFile, bool option);

// Removes what the program wrote: the keys of the three file kinds and their
// classes, and the Run value. Counts each key or value removed or left.
RegistryChanges RemoveRegistryEntries(RegistryAccess& registry);

// The message that tells the user what the removal did: the entries are gone
// and the program writes them again at its next start, or some could not be
// removed.
MessageDialog RemovalMessage(const RegistryChanges& changes);

// The three registry steps of the first activation, in order. True when file
// associations were written, so that the caller tells the shell. A failed
// write shows nothing: the program works without these entries.
bool ApplyRegistrySettings(RegistryAccess& registry, UserInterface& ui, const std::string& programFile,
                           bool startWithWindows);

}  // namespace velmora
