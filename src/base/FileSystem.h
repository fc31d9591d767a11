#pragma once
// The file seam: whole-file read and write. The native build uses the C++
// standard library; the Windows build installs its own with wide-character
// paths. Paths are UTF-8.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The first maxBytes bytes of the file, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) = 0;
    // Creates or replaces the file. A failed write leaves the old file as it was.
    virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
    // The names (without folder) of the files directly in the folder, in the
    // order the system lists them; none when the folder cannot be read.
    virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;
};

// Files through the C++ standard library.
class StandardFileSystem : public FileSystem {
public:
    std::optional<std::string> ReadFile(const std::string& path, std::size_t maxBytes) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    std::vector<std::string> ListFiles(const std::string& folder) override;
};

// Reads up to maxBytes through read(buffer, room), which answers the bytes it
// put there, 0 at the end, or nothing on failure. The buffer starts one byte
// past the size the file had when opened and grows only if more comes: a
// buffer of the whole limit, zero-filled for a profile of a few kilobytes
// against a 16 MiB limit, cost 150 ms under Wine, inside the pass that
// switched to that profile.
using ReadChunk = std::function<std::optional<std::size_t>(char* buffer, std::size_t room)>;
std::optional<std::string> ReadUpTo(std::size_t maxBytes, std::size_t expectedBytes, const ReadChunk& read);

// The file system that file access uses unless told otherwise: the program
// installs its own at start-up, tests install theirs.
FileSystem& DefaultFileSystem();
void SetDefaultFileSystem(FileSystem& files);

// Replaces the file safely: fill writes the new contents into a temporary file
// beside it, which replaces the old file only when fill and the flush
// succeeded; otherwise the temporary file is removed and the old one stays.
bool ReplaceFile(const std::string& path, const std::function<bool(std::ostream&)>& fill);

}  // namespace velmora
