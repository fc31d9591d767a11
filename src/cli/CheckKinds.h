#pragma once
// velmora-cli check for controller files, language files and the
// configuration file (told apart by extension, and "Velmora.ini" by name).

#include <string>

#include "base/UserInterface.h"

namespace velmora::cli {

inline constexpr int NotThisKind = -1;

// Reads the file as the program does, with the messages going to ui, and
// writes it back to out (or standard output when out is empty). Returns the
// exit status, or NotThisKind for a file of another kind.
int CheckOtherKind(const std::string& file, const std::string& out, UserInterface& ui);

}  // namespace velmora::cli
