#pragma once
// The decisions of loading the two input libraries. The Windows side only
// loads libraries and takes entry points; which library to try, in which
// order, and what to tell the user are decided here.

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "base/UserInterface.h"
#include "devices/DeviceApi.h"

namespace velmora {

struct XInputLibraryRow {
    std::string_view Version;  // informative only
    std::string_view File;
};

inline constexpr std::array<XInputLibraryRow, 6> XInputLibraries{{
    {"v9.09.376[28/09/05] (DirectX 9.0c 2005.10)", "xinput9_1_0.dll"},
    {"v9.10.455[06/12/05] (DirectX 9.0c 2005.12)", "xinput9_1_0.dll"},
    {"v9.12.589[31/03/06] (DirectX 2006.04)", "xinput1_1.dll"},
    {"v9.14.701[28/07/06] (DirectX 2006.08)", "xinput1_2.dll"},
    {"v6.0.6000.16386[02/11/06] (Vista 2006.11)", "XInput9_1_0.dll"},
    {"v9.15.779[28/09/06] (DX 2006.10)/v9.18.944[04/04/07] (DX 2007.04)", "xinput1_3.dll"},
}};
inline constexpr std::uint8_t NoXInputVersion = 255;

// Windows 2000 and earlier (WindowsVersion 0..4) have no XInput.
inline constexpr std::uint8_t FirstXInputWindowsVersion = 5;

struct XInputChoice {
    XInputStatusValue Status = XInputNotFound;
    std::uint8_t Version = NoXInputVersion;  // the row loaded
};

// tryLoad loads a library by file name with its two entry points and
// answers whether it did. Rows 5 down to 1 are tried, newest first; row 0
// names the same file as row 1, so it is never tried.
XInputChoice LoadXInput(bool scanForXInput, std::uint8_t windowsVersion,
                        const std::function<bool(std::string_view file)>& tryLoad);

// The start-up gate: loadAndCreate loads "dinput8.dll" and creates the
// DirectInput interface (freeing the library again when that fails). On
// failure the user is told which DirectX to install, and the result is false.
bool LoadDirectInput(std::uint8_t windowsVersion, const std::function<bool()>& loadAndCreate,
                     UserInterface& ui);

// The "*DirectX incompatible*" message for a Windows version.
MessageDialog DirectXIncompatibleMessage(std::uint8_t windowsVersion);

// A debug DirectInput raises an exception inside its enumeration (a
// breakpoint, a failed check) where the release library answers. Whether an
// exception with this code, raised while DirectInput enumerates, is such a
// one: any exception but a C++ exception out of the program's own callback,
// which goes on to its handler.
bool IsDebugDirectInputException(std::uint32_t exceptionCode);

}  // namespace velmora
