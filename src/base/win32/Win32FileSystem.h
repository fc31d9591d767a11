#pragma once
// Files through the wide Win32 functions, so that a path with any character
// works (a user's documents folder often has some). A save writes a
// temporary file beside the old one, flushes it to the disk and only then
// swaps it in: a failed or interrupted save never leaves a cut file behind.

#include "base/FileSystem.h"

namespace velmora {

class Win32FileSystem : public FileSystem {
public:
    std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    std::vector<std::string> ListFiles(const std::string& folder) override;
};

bool Win32FileExists(const std::string& path);

}  // namespace velmora
