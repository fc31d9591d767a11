#include "app/RegistryEntries.h"

#include "base/Assistance.h"
#include "base/FileMessages.h"
#include "base/Language.h"

namespace velmora {
namespace {

// Each kind: its extension, its class name, its type name, its open command
// and the index of its icon in the program's file. Only profiles are opened
// from the shell; layouts and language files get a name and an icon.
struct FileKind {
    const char* Extension;
    const char* ClassName;
    const char* TypeName;
    bool Opens;
    const char* Icon;
};

constexpr FileKind FileKinds[] = {
    {".velmoraprofile", "Velmora.Profile", "Velmora Profile", true, ",2"},
    {".velmoracontroller", "Velmora.Controller", "Velmora Controller", false, ",1"},
    {".velmoralanguage", "Velmora.Language", "Velmora Language", false, ",3"},
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void Count(RegistryChanges& changes, bool done) {
    ++(done ? changes.Made : changes.Failed);
}

}  // namespace

std::vector<RegistryEntry> FileAssociationEntries(const std::string& programFile) {
    std::vector<RegistryEntry> entries;
    for (const FileKind& kind : FileKinds) {
        const std::string name = kind.ClassName;
        entries.push_back({kind.Extension, name});
        entries.push_back({name, kind.TypeName});
        entries.push_back(
            {name + "\\shell\\open\\command", kind.Opens ? Quoted(programFile) + " \"%1\"" : ""});
        entries.push_back({name + "\\DefaultIcon", programFile + kind.Icon});
    }
    return entries;
}

bool ShowOldRegistryNotice(RegistryAccess& registry, UserInterface& ui) {
    if (registry.ValueCount(OldProfilesKey).value_or(0) < 1) return false;
    MessageDialog dialog;
    dialog.Kind = DialogKind::Information;
    dialog.Heading = Translate("*Old registry profiles found*");
    dialog.Message =
        Translate("*Opening is no longer available for old registry profiles.*") + "#" +
        Translate("*To request the conversion/deletion tool (that you only need to be use once)*") + "#" +
        Translate("*send an email to*") + " " + std::string(AssistanceAddress);
    ui.ShowMessageDialog(dialog);
    return true;
}

// Written under the current user's classes, which every Windows since Vista
// merges into the classes root; the machine-wide classes would need
// administrator rights.
RegistryChanges WriteFileAssociations(RegistryAccess& registry, const std::string& programFile) {
    RegistryChanges changes;
    for (const RegistryEntry& entry : FileAssociationEntries(programFile)) {
        const std::string key = ClassesKey + entry.Key;
        if (registry.ReadString(key, "") == entry.Value) continue;
        Count(changes, registry.WriteString(key, "", entry.Value));
    }
    return changes;
}

std::string StartWithWindowsCommand(const std::string& programFile) {
    return Quoted(programFile) + " /m";
}

RegistryChanges ApplyStartWithWindows(RegistryAccess& registry, const std::string& programFile, bool option) {
    RegistryChanges changes;
    const std::string command = StartWithWindowsCommand(programFile);
    const std::optional<std::string> value = registry.ReadString(RunKey, RunValueName);
    const bool present = value == command;
    if (present && !option) Count(changes, registry.DeleteValue(RunKey, RunValueName));
    if (!present && option) Count(changes, registry.WriteString(RunKey, RunValueName, command));
    return changes;
}

RegistryChanges RemoveRegistryEntries(RegistryAccess& registry) {
    RegistryChanges changes;
    for (const FileKind& kind : FileKinds) {
        Count(changes, registry.DeleteKey(ClassesKey + std::string(kind.Extension)));
        Count(changes, registry.DeleteKey(ClassesKey + std::string(kind.ClassName)));
    }
    if (registry.ReadString(RunKey, RunValueName)) Count(changes, registry.DeleteValue(RunKey, RunValueName));
    return changes;
}

MessageDialog RemovalMessage(const RegistryChanges& changes) {
    if (changes.Failed > 0)
        return MakeMessage(DialogKind::Error, "*Registry entries not removed*", {},
                           Translate("*Some of Velmora's registry entries could not be removed.*"));
    return MakeMessage(DialogKind::Information, "*Registry entries removed*", {},
                       Translate("*Velmora's file associations and its start with Windows entry are removed.*") +
                           "#" + Translate("*Velmora writes them again the next time it starts.*"));
}

bool ApplyRegistrySettings(RegistryAccess& registry, UserInterface& ui, const std::string& programFile,
                           bool startWithWindows) {
    ShowOldRegistryNotice(registry, ui);
    const RegistryChanges associations = WriteFileAssociations(registry, programFile);
    ApplyStartWithWindows(registry, programFile, startWithWindows);
    return associations.Made > 0;
}

}  // namespace velmora
