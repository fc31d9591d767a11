#pragma once
// Windows drops injected input aimed at a window whose process runs at a
// higher integrity level (a program run as administrator), and SendInput
// still reports success. The watch notices when the window in front is such
// a window, so that the program can say why its input does not arrive.

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

// A process's integrity level as its token reports it.
struct ProcessLevel {
    enum Answer : std::uint8_t {
        Known,   // Value holds the level
        Denied,  // the process may not be asked: counted as an administrator's
        Unknown  // the window or its process went away, or the system failed
    };
    Answer Kind = Unknown;
    std::uint32_t Value = 0;  // the mandatory label's level, 0x2000 medium, 0x3000 high
};

inline constexpr std::uint32_t MediumLevel = 0x2000;
inline constexpr std::uint32_t HighLevel = 0x3000;

// The seam to the system's windows and process tokens.
class ForegroundSeam {
public:
    virtual ~ForegroundSeam() = default;
    // The window in front, a number unique while that window exists; 0 when there is none.
    virtual std::uintptr_t ForegroundWindow() = 0;
    // The level of the process that owns the window.
    virtual ProcessLevel WindowLevel(std::uintptr_t window) = 0;
    // The level of Velmora's own process.
    virtual ProcessLevel OwnLevel() = 0;
};

// True when input sent at this level cannot reach a window at target's
// level. A process that may not be asked counts as high. Unknown levels
// block nothing: a system without integrity levels (before Vista) answers
// so for our own process, and a window may close while it is asked about.
bool InputBlocked(ProcessLevel target, ProcessLevel own);

// The window in front is looked at every 30th pass (300 ms): the notice
// comes soon enough for someone who just switched windows, and the passes
// in between make no system call for it.
inline constexpr int ElevationCheckPasses = 30;

struct ElevationWatch {
    int PassesToCheck = 0;      // the first pass checks
    std::uintptr_t Window = 0;  // the window in front at the last check
    bool Blocked = false;       // input cannot reach it
    bool OwnKnown = false;      // Own was asked for
    ProcessLevel Own;
    // The last windows that got their balloon, oldest overwritten first.
    std::array<std::uintptr_t, 8> Told{};
    std::size_t NextTold = 0;
};

// What the program shows after a pass.
struct ElevationShow {
    bool TopBarNotice = false;   // the main window's picture says it
    bool TrayTipNotice = false;  // the tray icon's tip says it
    bool Balloon = false;        // show the balloon now, once for this window
};

// Called once a pass, after the pass's input work. Every 30th pass it asks
// for the window in front, and for the levels only when that window is not
// the one of the last check (a window never changes its process). The tip
// and the balloon speak only while the main window is minimised; a balloon
// needs the tray icon and comes once per window in front.
ElevationShow StepElevationWatch(ElevationWatch& watch, ForegroundSeam& seam, bool minimised,
                                 bool trayIconShown);

}  // namespace velmora
