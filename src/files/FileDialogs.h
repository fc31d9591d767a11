#pragma once
// The open and save dialogs as the program uses them: the title and filter
// built from the caption, the folder the dialog starts in, the default
// folder following the user's choice, and the question before a save
// replaces a file. The windows only show what these hand them.

#include <functional>
#include <string>

#include "base/UserInterface.h"
#include "model/Configuration.h"

namespace velmora {

// Where dialogs start when their folder is gone, and how the core learns
// whether a file or folder exists. Set once at start-up; the defaults ask
// the standard library and start in the program's folder.
struct FilePlaces {
    std::string DocumentsFolder;  // empty: the program's folder
    std::function<bool(const std::string&)> FileExists;
    std::function<bool(const std::string&)> FolderExists;
};
FilePlaces& CurrentFilePlaces();

// "Open Profile [Pad]" or "Save Profile [Pad]".
std::string FileDialogTitle(const FileDialog& dialog, bool save);
// "Profiles (*.velmoraprofile)", shown for the pattern "*.velmoraprofile".
std::string FileDialogFilterName(const FileDialog& dialog);
std::string FileDialogFilterPattern(const FileDialog& dialog);

// Shows the dialog starting in folder (or the documents folder when it does
// not exist). A chosen file in another folder makes that folder the new
// default and marks the configuration changed. Empty when cancelled.
std::string ShowOpenDialog(UserInterface& ui, ConfigurationType& config, std::string& folder,
                           FileDialog dialog);

// As the open dialog, with the suggested name cleaned of characters a file
// name cannot hold; choosing an existing file asks first, and only
// "Overwrite" goes on.
std::string ShowSaveDialog(UserInterface& ui, ConfigurationType& config, std::string& folder,
                           FileDialog dialog);

}  // namespace velmora
