#pragma once
// Old binary controller files: read only, turned into the entries a text
// controller file of the same layout would hold.

#include <string>
#include <string_view>

#include "base/FileAccess.h"

namespace velmora {

inline constexpr std::string_view OldControllerSignature = "VelmoraController";

// Converts the binary file in the buffer (versions 0, 1 and 2) into entries.
// A newer version number is refused with a message.
bool ImportOldControllerFile(FileAccess& file, const std::string& fileName);

}  // namespace velmora
