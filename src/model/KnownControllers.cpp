// The known-controller list: the layout file and recent profiles of each
// controller model seen before.

#include <filesystem>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "model/Configuration.h"

namespace velmora {

namespace {

KnownControllerDataType* KnownEntry(ConfigurationType& config, std::uint8_t knownIndex) {
    if (knownIndex >= config.KnownCount || knownIndex >= MaxKnownControllers) return nullptr;
    return &config.KnownControllers[knownIndex];
}

bool FileExists(const std::string& path) {
    std::error_code ignored;
    const std::u8string name(path.begin(), path.end());  // paths are UTF-8
    return std::filesystem::is_regular_file(std::filesystem::path(name), ignored);
}

// Several controllers of the model: each keeps its last profile at the place
// of its instance number, or at the first free place before it.
void RememberForInstance(ConfigurationType& config, KnownControllerDataType& entry, std::uint8_t instance,
                         const std::string& file) {
    std::size_t slot = 0;
    for (const std::string& recent : entry.RecentProfiles)
        if (!recent.empty()) ++slot;
    slot = std::min<std::size_t>(slot, instance);
    if (slot > 3 || entry.RecentProfiles[slot] == file) return;
    entry.RecentProfiles[slot] = file;
    config.ConfigurationChanged = true;
}

// One controller of the model: a most-recent-first list.
void RememberMostRecent(ConfigurationType& config, KnownControllerDataType& entry, const std::string& file) {
    auto& recent = entry.RecentProfiles;
    if (recent[0] == file) return;
    std::size_t found = 1;
    while (found < recent.size() && recent[found] != file) ++found;
    const std::size_t last = found < recent.size() ? found : recent.size() - 1;
    for (std::size_t i = last; i > 0; --i) recent[i] = std::move(recent[i - 1]);
    recent[0] = file;
    config.ConfigurationChanged = true;
}

void ShowLinkMessage(UserInterface& ui, std::string_view headingKey, std::string_view messageKey,
                     const ControllerIDType& identity, const std::string& layoutFile) {
    ui.ShowMessageDialog(MakeMessage(
        DialogKind::Information, headingKey,
        {{"*Controller*", identity.DeviceName}, {"*Controller File*", layoutFile}}, Translate(messageKey)));
}

}  // namespace

void CompactRecentProfiles(KnownControllerDataType& entry) {
    auto& recent = entry.RecentProfiles;
    for (std::size_t i = 0; i < recent.size(); ++i)
        for (std::size_t j = i + 1; j < recent.size(); ++j)
            if (!recent[i].empty() && recent[j] == recent[i]) recent[j].clear();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < recent.size(); ++i) {
        if (recent[i].empty()) continue;
        if (kept != i) recent[kept] = std::move(recent[i]);
        ++kept;
    }
    for (std::size_t i = kept; i < recent.size(); ++i) recent[i].clear();
}

void ForgetProfile(ConfigurationType& config, std::uint8_t knownIndex, const std::string& file) {
    KnownControllerDataType* entry = KnownEntry(config, knownIndex);
    if (!entry) return;
    for (std::string& recent : entry->RecentProfiles) {
        if (recent != file) continue;
        recent.clear();
        config.ConfigurationChanged = true;
    }
    CompactRecentProfiles(*entry);
}

void PruneRecentProfiles(ConfigurationType& config, std::uint8_t knownIndex,
                         const std::function<bool(const std::string&)>& fileExists) {
    KnownControllerDataType* entry = KnownEntry(config, knownIndex);
    if (!entry) return;
    for (std::string& recent : entry->RecentProfiles) {
        if (recent.empty() || fileExists(recent)) continue;
        recent.clear();
        config.ConfigurationChanged = true;
    }
    CompactRecentProfiles(*entry);
}

void PruneRecentProfiles(ConfigurationType& config, std::uint8_t knownIndex) {
    PruneRecentProfiles(config, knownIndex, FileExists);
}

void RememberProfile(ConfigurationType& config, std::uint8_t knownIndex, std::uint8_t instanceNumber,
                     const std::string& file) {
    KnownControllerDataType* entry = KnownEntry(config, knownIndex);
    if (!entry) return;
    if (entry->ConnectedCount + entry->LostCount != 1)
        RememberForInstance(config, *entry, instanceNumber, file);
    else
        RememberMostRecent(config, *entry, file);
}

std::uint8_t LinkControllerFile(ConfigurationType& config, std::uint8_t knownIndex,
                                const ControllerIDType& identity, const std::string& layoutFile,
                                IdentityCounts counts, UserInterface& ui) {
    if (KnownControllerDataType* entry = KnownEntry(config, knownIndex)) {
        if (entry->ControllerFile == layoutFile) return knownIndex;
        entry->ControllerFile = layoutFile;
        config.ConfigurationChanged = true;
        ShowLinkMessage(
            ui, "*Automatic controller file selection updated*",
            "*This new controller file will automatically open for this controller when it is detected.*",
            identity, layoutFile);
        return knownIndex;
    }
    if (config.KnownCount >= MaxKnownControllers) return UnknownController;  // a full list says nothing
    const std::uint8_t added = config.KnownCount++;
    config.KnownControllers[added] = {identity, layoutFile, {}, counts.Connected, counts.Lost};
    config.ConfigurationChanged = true;
    ShowLinkMessage(ui, "*Automatic controller file selection added*",
                    "*This controller file will automatically open for this controller when it is detected.*",
                    identity, layoutFile);
    return added;
}

}  // namespace velmora
