#pragma once
// The dpi the program's windows are drawn at. The program declares itself
// aware of each monitor's scale; the functions that tell a window's dpi came
// with Windows 10 and are looked up at run time, so that Windows 7 and 8 (and
// Wine) still start: without them every window counts at the system's dpi.

#include "base/win32/Windows.h"

namespace velmora {

// The screen's dpi for the whole session (96 where it cannot be read).
int SystemDpi();

// The dpi of the monitor the window shows on (per-monitor aware windows), the
// system's (system-aware ones) or 96 (windows the system enlarges itself);
// the system's dpi where the system cannot tell.
int WindowDpi(HWND window);

// The frame of a window with this style whose client area has this size, at
// this dpi (the frame's borders and caption grow with it too).
RECT FrameForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

// How a top-level window created by the thread meets a monitor's scale.
enum class DpiAwareness {
    // Laid out and drawn in 96-dpi pixels; the system enlarges the window,
    // drawing its text and controls sharp where it can (Windows 10, 1809)
    // and its pictures enlarged. For windows whose pictures and clicks are
    // placed in 96-dpi pixels.
    SystemScaled,
    // Laid out and drawn at the system's dpi by the window itself; the system
    // enlarges it only on a monitor of another scale.
    OwnScaling,
};

// While alive, top-level windows the calling thread creates have this
// awareness; the window's messages then run with it. Nothing on systems before
// Windows 10 (1607), which know no awareness but the process's.
class ThreadDpiAwareness {
public:
    explicit ThreadDpiAwareness(DpiAwareness awareness);
    ~ThreadDpiAwareness();
    ThreadDpiAwareness(const ThreadDpiAwareness&) = delete;
    ThreadDpiAwareness& operator=(const ThreadDpiAwareness&) = delete;

private:
    void* previous_ = nullptr;
};

}  // namespace velmora
