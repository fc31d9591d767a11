#pragma once
// The registry seam over the current user's registry (HKEY_CURRENT_USER),
// through the wide functions so that any program path round-trips.

#include <string>

#include "app/RegistryEntries.h"

namespace velmora {

class Win32Registry : public RegistryAccess {
public:
    std::optional<std::string> ReadString(const std::string& key, const std::string& valueName) override;
    bool WriteString(const std::string& key, const std::string& valueName, const std::string& value) override;
    bool DeleteValue(const std::string& key, const std::string& valueName) override;
    bool DeleteKey(const std::string& key) override;
    std::optional<int> ValueCount(const std::string& key) override;
};

// Tells the shell that file associations changed, so that icons and type
// names show at once.
void NotifyAssociationsChanged();

// The registry steps of the first activation against the current user's
// registry: the old profiles notice, the file associations (telling the
// shell when any was written) and the Run value from the option.
void ApplyUserRegistrySettings(UserInterface& ui, const std::string& programFile, bool startWithWindows);

// "/U": removes the program's entries from the current user's registry,
// tells the shell and shows what was done.
void RemoveUserRegistrySettings(UserInterface& ui);

}  // namespace velmora
