#pragma once
// Old binary controller files: read only, turned into the entries a text
// controller file of the same layout would hold.

#include <string>
#include <string_view>
#include <vector>

#include "base/FileAccess.h"
#include "model/ControllerLayout.h"

namespace velmora {

inline constexpr std::string_view OldControllerSignature = "VelmoraController";

// Converts the binary file in the buffer (versions 0, 1 and 2) into entries,
// which the caller reads into the layout as a text file's. The picture goes
// straight into the layout's own (in Image's order) rather than into entries,
// which would only be encoded to be decoded again: for most layouts that round
// trip cost more than the whole rest of the file. A newer version number is
// refused with a message, before the layout is touched.
bool ImportOldControllerFile(FileAccess& file, const std::string& fileName, ControllerFileType& layout);

}  // namespace velmora
