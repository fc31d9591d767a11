#pragma once
// The window in front and the integrity levels of processes, from the
// system: the Win32 side of the elevation watch's seam.

#include "app/ElevationWatch.h"
#include "base/win32/Windows.h"

namespace velmora {

// The level in a process's token; an access-denied answer is reported as Denied.
ProcessLevel ProcessLevelOf(HANDLE process);

class Win32Foreground final : public ForegroundSeam {
public:
    // GetForegroundWindow: 0 while no window is active (the desktop, a switch in progress).
    std::uintptr_t ForegroundWindow() override;
    // The owner process asked with PROCESS_QUERY_LIMITED_INFORMATION, which
    // any program may ask of another unless that one is protected or runs
    // above it: then the answer is Denied. A closed window answers Unknown.
    ProcessLevel WindowLevel(std::uintptr_t window) override;
    ProcessLevel OwnLevel() override;
};

}  // namespace velmora
