#include "ui/win32/WindowDpi.h"

namespace velmora {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SetAwarenessFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

// user32 is loaded in every process with windows: no LoadLibrary, no FreeLibrary.
FARPROC User32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

template <class Function>
Function Looked(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(User32Function(name)));
}

// Windows 10 (1607) and later.
SetAwarenessFunction SetAwareness() {
    static const auto function = Looked<SetAwarenessFunction>("SetThreadDpiAwarenessContext");
    return function;
}

}  // namespace

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = Looked<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

// Without the dpi-aware function, the system's frame is the best guess.
RECT FrameForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjustForDpi = Looked<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (adjustForDpi && adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) return frame;
    frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return frame;
}

// Windows 10 before 1809 refuses the GDI-scaled context: the plain enlarged one then.
ThreadDpiAwareness::ThreadDpiAwareness(DpiAwareness awareness) {
    if (!SetAwareness()) return;
    if (awareness == DpiAwareness::OwnScaling) {
        previous_ = SetAwareness()(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
        return;
    }
    previous_ = SetAwareness()(DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED);
    if (!previous_) previous_ = SetAwareness()(DPI_AWARENESS_CONTEXT_UNAWARE);
}

ThreadDpiAwareness::~ThreadDpiAwareness() {
    if (SetAwareness() && previous_) SetAwareness()(static_cast<DPI_AWARENESS_CONTEXT>(previous_));
}

}  // namespace velmora
