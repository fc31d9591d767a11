// The loaded language and the language files.

#include "base/Language.h"

#include <algorithm>

#include "base/FileAccess.h"
#include "base/FileSystem.h"
#include "base/Paths.h"

namespace velmora {

namespace {

// Holds the messages of a language file read before any window can show
// them (the first translation may come before the program's interface
// exists); they are shown once an interface is installed.
class MessageQueue : public NoUserInterface {
public:
    std::vector<MessageDialog> Held;
    int ShowMessageDialog(const MessageDialog& dialog) override {
        Held.push_back(dialog);
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

struct LanguageState {
    LanguageDatabaseType Database;
    bool Loaded = false;
    UserInterface* Ui = nullptr;
    MessageQueue Queue;
};

LanguageState& GlobalLanguageState() {
    static LanguageState state;
    return state;
}

std::string_view TrimmedSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool HasLanguageExtension(std::string_view name) {
    std::string extension = FileExtension(name);
    for (char& ch : extension)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return extension == LanguageFileExtension;
}

// The first "*.velmoralanguage" file in the order the folder lists them.
std::string FirstLanguageFile() {
    for (const std::string& name : DefaultFileSystem().ListFiles(ProgramFolder()))
        if (HasLanguageExtension(name)) return AbsolutePath(name);
    return {};
}

}  // namespace

std::string Translate(std::string_view key) {
    if (!GlobalLanguageState().Loaded) LoadLanguage();
    if (key.size() < 2) return {};
    const std::string_view text = key.substr(1, key.size() - 2);
    for (const LanguagePair& pair : GlobalLanguageState().Database.Pairs) {
        if (pair.Key != text) continue;
        if (!pair.Value.empty()) return pair.Value;
        break;
    }
    return std::string(text);
}

void SetLanguageUserInterface(UserInterface* ui) {
    LanguageState& state = GlobalLanguageState();
    state.Ui = ui;
    if (ui == nullptr) return;
    const std::vector<MessageDialog> held = std::move(state.Queue.Held);
    state.Queue.Held.clear();
    for (const MessageDialog& dialog : held) ui->ShowMessageDialog(dialog);
}

void LoadLanguage() {
    LanguageState& state = GlobalLanguageState();
    state.Loaded = true;  // before reading: messages of the read translate too
    state.Database.Pairs.clear();
    const std::string file = FirstLanguageFile();
    if (file.empty()) return;
    LanguageDatabaseType read;
    if (ReadLanguageFile(file, read, state.Ui ? *state.Ui : state.Queue)) state.Database = std::move(read);
}

void UseEnglish() {
    GlobalLanguageState().Loaded = true;
    GlobalLanguageState().Database.Pairs.clear();
}

void ResetLanguage() {
    GlobalLanguageState().Loaded = false;
    GlobalLanguageState().Database.Pairs.clear();
    GlobalLanguageState().Queue.Held.clear();
}

const LanguageDatabaseType& LoadedLanguage() {
    return GlobalLanguageState().Database;
}

bool ReadLanguageFile(const std::string& fileName, LanguageDatabaseType& database, UserInterface& ui) {
    FileAccess file(ui);
    if (!file.LoadTextFile(fileName, true) || file.RefuseUnreadable(fileName)) return false;
    database.Pairs.clear();
    for (const FileEntry& entry : file.Entries)
        database.Pairs.push_back({entry.Name, std::string(TrimmedSpaces(entry.Value))});
    return true;
}

}  // namespace velmora
