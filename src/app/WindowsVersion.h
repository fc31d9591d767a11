#pragma once
// The Windows version: which versions start, and the one value that every
// version-dependent choice (scan codes, XInput, per-user registry entries)
// looks at. Windows 7 and everything after it behave like Vista in all of
// those choices, so they take Vista's value; the real numbers are kept for
// display.

#include <cstdint>
#include <optional>
#include <string>

#include "base/UserInterface.h"

namespace velmora {

enum WindowsVersionValue : std::uint8_t {
    Windows95 = 0,
    WindowsNT4 = 1,
    Windows98 = 2,
    WindowsMe = 3,
    Windows2000 = 4,
    WindowsXP = 5,
    WindowsServer2003 = 6,
    WindowsVista = 7,  // also 7, 8, 8.1, 10 and 11
    WindowsUnknown = 8,
};

inline constexpr std::uint32_t Windows9xPlatform = 1;
inline constexpr std::uint32_t WindowsNTPlatform = 2;

// What the system reports: major.minor, build and platform.
struct OsVersion {
    std::uint32_t Major = 0;
    std::uint32_t Minor = 0;
    std::uint32_t Build = 0;
    std::uint32_t Platform = WindowsNTPlatform;
};

// The value for a reported version, tested in the order of the table of
// versions, the first match winning.
std::uint8_t ClassifyWindowsVersion(const OsVersion& version);

// A name for people: "Windows 10 (10.0.19045)".
std::string WindowsVersionName(const OsVersion& version);

// The message that refuses to start, or nothing when the version starts.
// No version at all (the query failed) is refused too.
std::optional<MessageDialog> VersionGateMessage(const std::optional<OsVersion>& version);

// The version the gate settled on, for every later choice.
std::uint8_t CurrentWindowsVersion();
void SetCurrentWindowsVersion(std::uint8_t value);

}  // namespace velmora
