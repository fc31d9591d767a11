// velmora-cli check for the file kinds other than profiles.

#include "cli/CheckKinds.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "base/FileAccess.h"
#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/NumberText.h"
#include "base/Paths.h"
#include "files/ConfigurationFile.h"
#include "files/ControllerFiles.h"
#include "files/LanguageFiles.h"
#include "model/Configuration.h"

namespace velmora::cli {
namespace {

std::string LowerCase(std::string text) {
    for (char& ch : text)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return text;
}

// The entries are written as the program saves them: to out, or to standard output.
int WriteBack(FileAccess& file, const std::string& path, const std::string& out) {
    if (!out.empty()) return file.SaveTextFile(std::filesystem::absolute(out).string(), true) ? 0 : 1;
    if (!file.FillBuffer(path, true)) return 1;
    std::fwrite(file.Buffer.data(), 1, file.Buffer.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int CheckController(const std::string& path, const std::string& out, UserInterface& ui) {
    auto layout = std::make_unique<ControllerFileType>();
    if (!ReadControllerFile(path, *layout, ui)) return 1;
    FileAccess file(ui);
    AddControllerEntries(file, *layout, VersionString());
    return WriteBack(file, path, out);
}

int CheckLanguage(const std::string& path, const std::string& out, UserInterface& ui) {
    LanguageDatabaseType database;
    if (!ReadLanguageFile(path, database, ui)) {
        ui.ShowMessageDialog(MakeMessage(DialogKind::Error, "*File cannot be found or cannot be opened*",
                                         FileDetails(path), {}));
        return 1;
    }
    FileAccess file(ui);
    AddLanguageEntries(file, database, {});
    return WriteBack(file, path, out);
}

// The configuration is read from the program's folder, which is the file's
// folder here; default folders are then that folder too.
int CheckConfiguration(const std::string& path, const std::string& out, UserInterface& ui) {
    const std::string saved = ProgramFolder();
    SetProgramFolder(FileFolder(path));
    ConfigurationType config;
    ReadConfiguration(config, ui, ProgramFolder());
    if (config.ConfigurationUnread) {
        SetProgramFolder(saved);
        return 1;  // the program would not write over it either
    }
    // Rules dropped on reading are said on the error stream, one line each.
    for (const std::string& note : config.ProgramRuleNotes) std::fprintf(stderr, "note: %s\n", note.c_str());
    FileAccess file(ui);
    AddConfigurationEntries(file, config);
    const int status = WriteBack(file, path, out);
    SetProgramFolder(saved);
    return status;
}

}  // namespace

int CheckOtherKind(const std::string& file, const std::string& out, UserInterface& ui) {
    UseEnglish();  // messages are shown in English: no language file is loaded
    const std::string path = std::filesystem::absolute(file).string();
    const std::string extension = LowerCase(FileExtension(path));
    if (extension == ControllerFileExtension) return CheckController(path, out, ui);
    if (extension == LanguageFileExtension) return CheckLanguage(path, out, ui);
    const std::string name = path.substr(path.find_last_of("\\/") + 1);
    if (LowerCase(name) == LowerCase(std::string(ConfigurationFileName))) {
        if (!std::filesystem::is_regular_file(path)) {
            ui.ShowMessageDialog(MakeMessage(DialogKind::Error, "*File cannot be found or cannot be opened*",
                                             FileDetails(path), {}));
            return 1;
        }
        return CheckConfiguration(path, out, ui);
    }
    return NotThisKind;
}

}  // namespace velmora::cli
