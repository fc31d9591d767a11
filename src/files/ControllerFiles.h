#pragma once
// Controller files (".velmoracontroller"): a layout as Name=Value lines, the
// picture as run-length encoded rows. Old binary layout files are read too,
// never written.

#include <string>
#include <string_view>

#include "base/FileAccess.h"
#include "base/UserInterface.h"
#include "model/ControllerLayout.h"

namespace velmora {

inline constexpr std::string_view ControllerFileExtension = "velmoracontroller";
// A file without a "Version" line is taken as written by the first text version.
inline constexpr std::string_view FirstTextControllerVersion = "2007.10";

// Writes the layout to its FileName, with error messages. On success the
// layout is no longer Changed; on failure it is untouched.
bool WriteControllerFile(ControllerFileType& layout, UserInterface& ui);

// Fills the layout from a text or old binary controller file. Every failure
// comes before the layout is touched; bad access values are reported and
// load as not set. The layout's identity stays.
bool ReadControllerFile(const std::string& fileName, ControllerFileType& layout, UserInterface& ui);
// The same for a file whose bytes are already in the buffer.
bool ReadControllerBuffer(FileAccess& file, const std::string& fileName, ControllerFileType& layout);

// The entries of a controller file for the layout, in the order written.
// Old binary imports write the upper trigger half explicitly as " +".
void AddControllerEntries(FileAccess& file, const ControllerFileType& layout, std::string_view version,
                          bool explicitUpperHalf = false);
// All of them but the picture's rows.
void AddControllerFields(FileAccess& file, const ControllerFileType& layout, std::string_view version,
                         bool explicitUpperHalf);

// Fills the layout from the entries already parsed (a read after its version check).
void ReadControllerEntries(FileAccess& file, const std::string& fileName, ControllerFileType& layout);

}  // namespace velmora
