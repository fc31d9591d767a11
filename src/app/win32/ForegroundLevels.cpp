#include "app/win32/ForegroundLevels.h"

#include <cwchar>
#include <vector>

namespace velmora {
namespace {

ProcessLevel Failed(DWORD error) {
    return {error == ERROR_ACCESS_DENIED ? ProcessLevel::Denied : ProcessLevel::Unknown, 0};
}

// The level is the last sub-authority of the token's mandatory label.
ProcessLevel LevelOfToken(HANDLE token) {
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    // Windows before Vista has no such information: Unknown, and nothing is blocked.
    if (size < sizeof(TOKEN_MANDATORY_LABEL)) return {};
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) return {};
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    if (count == 0) return {};
    return {ProcessLevel::Known, static_cast<std::uint32_t>(*GetSidSubAuthority(sid, count - 1u))};
}

// Wine runs every program at one level, so the notice would never show there.
// VELMORA_TEST_OWN_LEVEL (a number, 0x1000 for low) makes Velmora take itself
// for a process of that level, below ordinary windows, for a look at the
// notice with real windows in front.
bool TestOwnLevel(ProcessLevel& level) {
    wchar_t text[16]{};
    const DWORD length = GetEnvironmentVariableW(L"VELMORA_TEST_OWN_LEVEL", text, 16);
    if (length == 0 || length >= 16) return false;
    level = {ProcessLevel::Known, static_cast<std::uint32_t>(std::wcstoul(text, nullptr, 0))};
    return true;
}

}  // namespace

ProcessLevel ProcessLevelOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return Failed(GetLastError());
    const ProcessLevel level = LevelOfToken(token);
    CloseHandle(token);
    return level;
}

std::uintptr_t Win32Foreground::ForegroundWindow() {
    return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

ProcessLevel Win32Foreground::WindowLevel(std::uintptr_t window) {
    DWORD id = 0;
    if (!GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &id) || id == 0) return {};
    if (id == GetCurrentProcessId()) return OwnLevel();
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return Failed(GetLastError());
    const ProcessLevel level = ProcessLevelOf(process);
    CloseHandle(process);
    return level;
}

ProcessLevel Win32Foreground::OwnLevel() {
    ProcessLevel level;
    if (TestOwnLevel(level)) return level;
    return ProcessLevelOf(GetCurrentProcess());
}

}  // namespace velmora
