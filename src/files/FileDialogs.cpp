#include "files/FileDialogs.h"

#include <filesystem>
#include <system_error>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"

namespace velmora {
namespace {

// Paths are UTF-8 inside the program: say so, or Windows would read them
// in the ANSI code page.
std::filesystem::path NativePath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

bool StandardFileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(NativePath(path), error);
}

bool StandardFolderExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(NativePath(path), error);
}

std::string StartingFolder(const std::string& folder) {
    const FilePlaces& places = CurrentFilePlaces();
    if (places.FolderExists(folder)) return folder;
    return places.DocumentsFolder.empty() ? ProgramFolder() : places.DocumentsFolder;
}

void FollowChosenFolder(ConfigurationType& config, std::string& folder, const std::string& file) {
    const std::string chosen = FileFolder(file);
    if (chosen == folder) return;
    folder = chosen;
    config.ConfigurationChanged = true;
}

bool MayOverwrite(UserInterface& ui, const std::string& file) {
    if (!CurrentFilePlaces().FileExists(file)) return true;
    const MessageDialog question = MakeMessage(
        DialogKind::Confirmation, "*Overwrite existing file?*",
        {{"*Name*", FileTitle(file)}, {"*File Type*", FileExtension(file)}, {"*Location*", FileFolder(file)}},
        "", OverwriteButtons);
    return ui.ShowMessageDialog(question) == 1;
}

}  // namespace

FilePlaces& CurrentFilePlaces() {
    static FilePlaces places{{}, StandardFileExists, StandardFolderExists};
    return places;
}

std::string FileDialogTitle(const FileDialog& dialog, bool save) {
    return Translate(save ? "*Save*" : "*Open*") + " " + dialog.Caption;
}

std::string FileDialogFilterName(const FileDialog& dialog) {
    return dialog.TypeName + " (" + FileDialogFilterPattern(dialog) + ")";
}

std::string FileDialogFilterPattern(const FileDialog& dialog) {
    return "*." + dialog.Extension;
}

std::string ShowOpenDialog(UserInterface& ui, ConfigurationType& config, std::string& folder,
                           FileDialog dialog) {
    dialog.SuggestedName.clear();  // the open dialog's name box starts empty
    dialog.Folder = StartingFolder(folder);
    std::string file = ui.ShowOpenDialog(dialog);
    if (!file.empty()) FollowChosenFolder(config, folder, file);
    return file;
}

std::string ShowSaveDialog(UserInterface& ui, ConfigurationType& config, std::string& folder,
                           FileDialog dialog) {
    dialog.SuggestedName = CleanFileName(dialog.SuggestedName);
    dialog.Folder = StartingFolder(folder);
    std::string file = ui.ShowSaveDialog(dialog);
    if (file.empty() || !MayOverwrite(ui, file)) return {};
    FollowChosenFolder(config, folder, file);
    return file;
}

}  // namespace velmora
