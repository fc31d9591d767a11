// The file-name helpers. Both "\" and "/" separate folders (see the header).

#include "base/Paths.h"

#include <algorithm>

namespace velmora {
namespace {

// The one folder every relative path of the program is taken from; set once at start-up.
std::string& GlobalProgramFolder() {
    static std::string folder;
    return folder;
}

bool IsSeparator(char ch) {
    return ch == '\\' || ch == '/';
}

std::size_t LastSeparator(std::string_view path) {
    return path.find_last_of("\\/");
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}

// Two separators open a network path ("\\server\share\...") or a long
// path ("\\?\C:\..."): already absolute, and no drive may go in front.
bool IsNetworkOrLongPath(std::string_view path) {
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

// The program's folder decides the style: a drive letter or a network path
// means Windows paths.
char FolderSeparator() {
    const std::string& folder = GlobalProgramFolder();
    return HasDrive(folder) || folder.starts_with("\\\\") ? '\\' : '/';
}

// Where a rooted path ("\Pads") starts: the drive ("C:"), or the share
// ("\\server\share") or long-path drive ("\\?\C:") of a program run from there.
std::string ProgramRoot(const std::string& folder) {
    if (!IsNetworkOrLongPath(folder)) return folder.substr(0, 2);
    std::size_t end = 2;
    for (int part = 0; part < 2 && end != std::string::npos; ++part)
        end = folder.find_first_of("\\/", end + 1);
    return folder.substr(0, end);
}

char Lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

void SetProgramFolder(std::string folder) {
    GlobalProgramFolder() = std::move(folder);
}
const std::string& ProgramFolder() {
    return GlobalProgramFolder();
}

std::string FileTitle(std::string_view path) {
    const std::size_t separator = LastSeparator(path);
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    return std::string(name.substr(0, name.find('.')));
}

// Only the name's own dots count, so a dotted folder gives no extension.
std::string FileExtension(std::string_view path) {
    const std::size_t separator = LastSeparator(path);
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator)) return {};
    return std::string(path.substr(dot + 1));
}

std::string FileFolder(std::string_view path) {
    const std::size_t separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(0, separator));
}

// A path starting with one separator is rooted: on Windows it takes the
// program's drive, natively it is already absolute.
std::string AbsolutePath(std::string_view path) {
    const std::string& folder = GlobalProgramFolder();
    if (path.empty()) return folder;
    if (HasDrive(path) || IsNetworkOrLongPath(path)) return std::string(path);
    if (IsSeparator(path[0]))
        return FolderSeparator() == '\\' ? ProgramRoot(folder) + std::string(path) : std::string(path);
    return folder + FolderSeparator() + std::string(path);
}

std::string AbsolutePathOrEmpty(std::string_view path) {
    return path.empty() ? std::string{} : AbsolutePath(path);
}

std::string RelativePath(std::string_view path) {
    const std::string& folder = GlobalProgramFolder();
    if (SameIgnoringCase(path, folder)) return {};
    if (path.size() > folder.size() && IsSeparator(path[folder.size()]) &&
        SameIgnoringCase(path.substr(0, folder.size()), folder))
        return std::string(path.substr(folder.size() + 1));
    return std::string(path);
}

std::string DisplayName(std::string_view path) {
    const std::string folder = RelativePath(FileFolder(path));
    return FileTitle(path) + (folder.empty() ? "" : " (" + folder + ")");
}

std::string CleanFileName(std::string_view text) {
    std::string clean;
    for (const char ch : text)
        if (std::string_view("/\\:*?\"<>|").find(ch) == std::string_view::npos) clean += ch;
    return clean;
}

}  // namespace velmora
