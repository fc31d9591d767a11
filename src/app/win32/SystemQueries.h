#pragma once
// What start-up asks of the system: the real Windows version, the desktop,
// where the program and the user's documents are, Sticky Keys.

#include <optional>
#include <string>

#include "app/WindowsVersion.h"
#include "base/win32/Windows.h"

namespace velmora {

// RtlGetVersion tells the truth; GetVersionEx answers 6.2 on Windows 8.1
// and later unless the manifest lists the version.
std::optional<OsVersion> QueryWindowsVersion();

struct DesktopSize {
    int Width = 0;
    int Height = 0;
};
DesktopSize QueryDesktopSize();

// The program's full file name, in UTF-8.
std::string ProgramFileName();
// The user's documents folder, or the program's folder when there is none.
std::string DocumentsFolder();

// Sticky Keys: the flags word, and writing it back.
std::optional<DWORD> ReadStickyKeys();
void WriteStickyKeys(DWORD flags);

}  // namespace velmora
