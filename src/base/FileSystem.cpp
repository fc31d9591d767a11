#include "base/FileSystem.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace velmora {
namespace {

std::filesystem::path ToPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A name beside the file that no other file has; the counter keeps two saves
// in one run apart, the random part two processes.
std::filesystem::path TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    std::error_code error;
    for (;;) {
        auto name = ToPath(path + ".tmp" + std::to_string(seed) + "-" + std::to_string(counter++));
        if (!std::filesystem::exists(name, error)) return name;
    }
}

// The file system installed for the whole run (none: the standard one).
FileSystem* globalFileSystem = nullptr;

}  // namespace

std::optional<std::string> StandardFileSystem::ReadFile(const std::string& path, std::size_t maxBytes) {
    std::error_code error;
    const auto name = ToPath(path);
    if (!std::filesystem::is_regular_file(name, error)) return std::nullopt;
    std::ifstream in(name, std::ios::binary);
    if (!in) return std::nullopt;
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(name, error));
    return ReadUpTo(maxBytes, error ? 0 : size,
                    [&in](char* buffer, std::size_t room) -> std::optional<std::size_t> {
                        in.read(buffer, static_cast<std::streamsize>(room));
                        if (in.bad()) return std::nullopt;
                        return static_cast<std::size_t>(in.gcount());
                    });
}

bool StandardFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
    return ReplaceFile(path, [bytes](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    });
}

std::vector<std::string> StandardFileSystem::ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(ToPath(folder), error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        const std::u8string name = it->path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

std::optional<std::string> ReadUpTo(std::size_t maxBytes, std::size_t expectedBytes, const ReadChunk& read) {
    std::string bytes(std::min(maxBytes, std::max<std::size_t>(expectedBytes + 1, 4096)), '\0');
    std::size_t filled = 0;
    while (filled < maxBytes) {
        if (filled == bytes.size()) bytes.resize(std::min(maxBytes, bytes.size() * 2));  // the file grew
        const std::optional<std::size_t> got = read(bytes.data() + filled, bytes.size() - filled);
        if (!got) return std::nullopt;
        if (*got == 0) break;
        filled += *got;
    }
    bytes.resize(filled);
    return bytes;
}

bool ReplaceFile(const std::string& path, const std::function<bool(std::ostream&)>& fill) {
    const auto temporary = TemporaryName(path);
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const bool filled = fill(out);
        out.flush();
        out.close();
        if (!filled || out.fail()) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, ToPath(path), error);
    if (!error) return true;
    std::filesystem::remove(temporary, error);
    return false;
}

FileSystem& DefaultFileSystem() {
    static StandardFileSystem standard;
    return globalFileSystem ? *globalFileSystem : standard;
}

void SetDefaultFileSystem(FileSystem& files) {
    globalFileSystem = &files;
}

}  // namespace velmora
