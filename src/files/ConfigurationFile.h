#pragma once
// "Velmora.ini": the configuration record read at the first activation and
// written at the end of the run (never over a file that was there but
// could not be read).

#include <string>
#include <string_view>

#include "base/UserInterface.h"
#include "model/Configuration.h"

namespace velmora {

class FileAccess;

inline constexpr std::string_view ConfigurationFileName = "Velmora.ini";

// "Velmora.ini" in the program's folder.
std::string ConfigurationPath();

// Reads the file; a missing or unreadable one gives every default and marks
// the record changed, so that the file is created at the end. Folders default
// to the user's documents folder.
void ReadConfiguration(ConfigurationType& config, UserInterface& ui, const std::string& documentsFolder);
// The same from another file (velmora-cli reads a configuration it is given).
void ReadConfigurationFile(ConfigurationType& config, UserInterface& ui, const std::string& path,
                           const std::string& documentsFolder);
// The lines of the file, in the order written.
void AddConfigurationEntries(FileAccess& file, const ConfigurationType& config);
// Writes the file; a failure is silent.
bool WriteConfiguration(const ConfigurationType& config, UserInterface& ui);
// What the end of the run does: writes the file when anything changed.
void SaveConfigurationIfChanged(ConfigurationType& config, UserInterface& ui);

}  // namespace velmora
