#pragma once
// The system's open and save dialogs, shown modally with the title, the one
// filter, the default extension, the starting folder and file name that the
// core hands over. The question before replacing a file is the core's: the
// save dialog itself does not ask.

#include <string>

#include "base/UserInterface.h"
#include "base/win32/Windows.h"

namespace velmora {

// Commands of the shell view inside the dialog that switch its file list to
// thumbnails or to a plain list.
inline constexpr WPARAM ThumbnailViewCommand = 28717;
inline constexpr WPARAM ListViewCommand = 28715;

// The longest path the wide functions take, closing zero included.
inline constexpr DWORD LongestPath = 32768;

// The chosen file's full name, or empty when the dialog was cancelled or
// could not be shown.
std::string ShowFileDialogWindow(HWND owner, const FileDialog& dialog, bool save);

}  // namespace velmora
