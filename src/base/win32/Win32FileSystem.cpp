#include "base/win32/Win32FileSystem.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "base/win32/WideText.h"
#include "base/win32/Windows.h"

namespace velmora {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid()) return true;
        return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    }

private:
    HANDLE handle_;
};

// A name beside the file that no other save uses: the process number keeps
// two running programs apart, the counter two saves of one run.
std::wstring TemporaryName(const std::wstring& path) {
    static std::atomic<unsigned> counter{0};
    return path + L".tmp" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool WriteTemporary(const std::wstring& temporary, std::string_view bytes) {
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    return file.Close() && written;
}

bool Exists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// ReplaceFileW keeps the old file's attributes and security; it needs an old
// file, so a first save moves the temporary file into place instead.
bool SwapIn(const std::wstring& target, const std::wstring& temporary) {
    if (Exists(target))
        return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                            nullptr, nullptr) != 0;
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path, std::size_t maxBytes) {
    FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    LARGE_INTEGER size{};
    const bool sized = GetFileSizeEx(file.Get(), &size) && size.QuadPart >= 0;
    const HANDLE handle = file.Get();
    return ReadUpTo(maxBytes, sized ? static_cast<std::size_t>(size.QuadPart) : 0,
                    [handle](char* buffer, std::size_t room) -> std::optional<std::size_t> {
                        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(room, 1u << 30));
                        DWORD read = 0;
                        if (!::ReadFile(handle, buffer, chunk, &read, nullptr)) return std::nullopt;
                        return read;
                    });
}

bool Win32FileSystem::WriteFile(const std::string& path, std::string_view bytes) {
    const std::wstring target = Utf8ToWide(path);
    const std::wstring temporary = TemporaryName(target);
    if (WriteTemporary(temporary, bytes) && SwapIn(target, temporary)) return true;
    DeleteFileW(temporary.c_str());
    return false;
}

std::vector<std::string> Win32FileSystem::ListFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::wstring pattern = Utf8ToWide(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(WideToUtf8(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool Win32FileExists(const std::string& path) {
    return Exists(Utf8ToWide(path));
}

}  // namespace velmora
