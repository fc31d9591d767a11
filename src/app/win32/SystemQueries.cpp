#include "app/win32/SystemQueries.h"

#include <shlobj.h>

#include "base/Paths.h"
#include "base/win32/Library.h"
#include "base/win32/WideText.h"

namespace velmora {

std::optional<OsVersion> QueryWindowsVersion() {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    using Generic = void (*)();
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto getVersion = ntdll ? reinterpret_cast<RtlGetVersionFunction>(
                                        reinterpret_cast<Generic>(GetProcAddress(ntdll, "RtlGetVersion")))
                                  : nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!getVersion || getVersion(&info) != 0) return std::nullopt;
    return OsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId};
}

DesktopSize QueryDesktopSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::string ProgramFileName() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return WideToUtf8(name);
        }
        name.resize(name.size() * 2);  // a long path: try again with room for it
    }
}

std::string DocumentsFolder() {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path))) folder = WideToUtf8(path);
    CoTaskMemFree(path);
    return folder.empty() ? ProgramFolder() : folder;
}

std::optional<DWORD> ReadStickyKeys() {
    STICKYKEYS keys{sizeof(STICKYKEYS), 0};
    if (!SystemParametersInfoW(SPI_GETSTICKYKEYS, sizeof(keys), &keys, 0)) return std::nullopt;
    return keys.dwFlags;
}

void WriteStickyKeys(DWORD flags) {
    STICKYKEYS keys{sizeof(STICKYKEYS), flags};
    SystemParametersInfoW(SPI_SETSTICKYKEYS, sizeof(keys), &keys, 0);
}

}  // namespace velmora
