// The loaded language and the language files.

#include "files/GlobalLanguage.h"

#include <algorithm>
#include <filesystem>

#include "files/GlobalFileAccess.h"

namespace velmora {

namespace {

struct LanguageState {
    LanguageDatabaseType Database;
    bool Loaded = false;
    UserInterface* Ui = nullptr;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

std::string_view TrimmedSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool HasLanguageExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    for (char& ch : extension)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return extension == "." + std::string(LanguageFileExtension);
}

// The first "*.velmoralanguage" file in the order the folder lists them.
std::string FirstLanguageFile(const std::string& folder) {
    std::error_code error;
    const std::u8string name(folder.begin(), folder.end());  // paths are UTF-8
    for (std::filesystem::directory_iterator it(std::filesystem::path(name), error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error) || !HasLanguageExtension(it->path())) continue;
        const std::u8string found = it->path().u8string();
        return std::string(found.begin(), found.end());
    }
    return {};
}

}  // namespace

std::string Translate(std::string_view key) {
    if (!State().Loaded) LoadLanguage();
    if (key.size() < 2) return {};
    const std::string_view text = key.substr(1, key.size() - 2);
    for (const LanguagePair& pair : State().Database.Pairs) {
        if (pair.Key != text) continue;
        if (!pair.Value.empty()) return pair.Value;
        break;
    }
    return std::string(text);
}

void SetLanguageUserInterface(UserInterface* ui) { State().Ui = ui; }

void LoadLanguage() {
    LanguageState& state = State();
    state.Loaded = true;  // before reading: messages of the read translate too
    state.Database.Pairs.clear();
    const std::string file = FirstLanguageFile(ProgramFolder());
    if (file.empty()) return;
    NoUserInterface silent;
    LanguageDatabaseType read;
    if (ReadLanguageFile(file, read, state.Ui ? *state.Ui : silent)) state.Database = std::move(read);
}

void UseEnglish() {
    State().Loaded = true;
    State().Database.Pairs.clear();
}

void ResetLanguage() {
    State().Loaded = false;
    State().Database.Pairs.clear();
}

const LanguageDatabaseType& LoadedLanguage() { return State().Database; }

bool ReadLanguageFile(const std::string& fileName, LanguageDatabaseType& database, UserInterface& ui) {
    FileAccess file(ui);
    if (!file.LoadTextFile(fileName, true)) return false;
    database.Pairs.clear();
    for (const FileEntry& entry : file.Entries)
        database.Pairs.push_back({entry.Name, std::string(TrimmedSpaces(entry.Value))});
    return true;
}

void AddLanguageEntries(FileAccess& file, const LanguageDatabaseType& database,
                        const std::vector<std::string>& information) {
    const std::string hyphens(126, '-');
    file.AddComment(hyphens);
    file.AddComment(" Velmora Language File v" + VersionString());
    file.AddComment("");
    file.AddComment(" YOUR INFORMATION HERE (Name, etc)");
    file.AddComment("");
    if (!information.empty() && !information[0].empty()) {
        for (std::size_t i = 0; i < information.size() && i < 4; ++i)
            if (!information[i].empty()) file.AddComment(" - " + information[i]);
        file.AddComment("");
    }
    file.AddComment(hyphens);
    file.AddBlankLine();
    for (const LanguagePair& pair : database.Pairs) file.AddEntry(pair.Key, pair.Value);
}

bool WriteLanguageFile(const std::string& fileName, const LanguageDatabaseType& database,
                       const std::vector<std::string>& information, UserInterface& ui) {
    FileAccess file(ui);
    AddLanguageEntries(file, database, information);
    return file.SaveTextFile(fileName, true);
}

}  // namespace velmora
