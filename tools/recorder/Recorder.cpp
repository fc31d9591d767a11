// The input recorder: low-level keyboard and mouse hooks that write every
// injected event to a trace file, one line each, with the time in
// microseconds of the performance counter (the clock of the fake devices'
// log too). The format is described in tests/e2e/README.md.
//
//   recorder.exe TRACE STOPFILE [MAXSECONDS]
//
// It ends when STOPFILE appears, or after MAXSECONDS (default 600).

#include <windows.h>

#include "../common/MicrosecondClock.h"

#include <cstdio>
#include <cstdlib>

namespace {

FILE* trace = nullptr;
POINT lastPoint{};

void Write(long long time, const char* text) {
    std::fprintf(trace, "%lld %s\n", time, text);
    std::fflush(trace);
}

void WriteKey(long long time, WPARAM message, const KBDLLHOOKSTRUCT& key) {
    bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const char* ext = (key.flags & LLKHF_EXTENDED) ? " ext" : "";
    char text[64];
    // Scan-code input arrives with virtual key 0 under Wine (Windows fills it
    // in): the scan code is the key; virtual-key input has no scan code.
    if (key.scanCode != 0)
        std::snprintf(text, sizeof text, "key %s %02lX%s", down ? "down" : "up", key.scanCode, ext);
    else
        std::snprintf(text, sizeof text, "key %s vk=%02lX%s", down ? "down" : "up", key.vkCode, ext);
    Write(time, text);
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM message, LPARAM data) {
    long long time = MicrosecondClock();
    const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    if (code == HC_ACTION && (key.flags & LLKHF_INJECTED)) WriteKey(time, message, key);
    return CallNextHookEx(nullptr, code, message, data);
}

const char* ButtonEvent(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN: return "mouse down left";
        case WM_LBUTTONUP: return "mouse up left";
        case WM_RBUTTONDOWN: return "mouse down right";
        case WM_RBUTTONUP: return "mouse up right";
        case WM_MBUTTONDOWN: return "mouse down middle";
        case WM_MBUTTONUP: return "mouse up middle";
        default: return nullptr;
    }
}

void WriteMouse(long long time, WPARAM message, const MSLLHOOKSTRUCT& mouse) {
    char text[96];
    if (message == WM_MOUSEMOVE) {
        // Relative moves are the differences of successive points (the
        // points are not clipped to the screen); absolute ones are the points.
        std::snprintf(text, sizeof text, "move %ld %ld %ld %ld", mouse.pt.x - lastPoint.x, mouse.pt.y - lastPoint.y,
                      mouse.pt.x, mouse.pt.y);
        lastPoint = mouse.pt;
    } else if (message == WM_MOUSEWHEEL) {
        std::snprintf(text, sizeof text, "wheel %+d", static_cast<int>(static_cast<short>(HIWORD(mouse.mouseData))));
    } else if (const char* event = ButtonEvent(message)) {
        std::snprintf(text, sizeof text, "%s", event);
    } else {
        std::snprintf(text, sizeof text, "mouse message %u", static_cast<unsigned>(message));
    }
    Write(time, text);
}

LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM data) {
    long long time = MicrosecondClock();
    const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
    if (code == HC_ACTION && (mouse.flags & LLMHF_INJECTED)) WriteMouse(time, message, mouse);
    return CallNextHookEx(nullptr, code, message, data);
}

// Wine applies the old pointer acceleration to relative moves (deltas over 6
// are doubled): switch it off so that a move arrives as it was sent.
void TurnOffPointerAcceleration() {
    int mouse[3] = {0, 0, 0};
    SystemParametersInfoA(SPI_SETMOUSE, 0, mouse, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    SystemParametersInfoA(SPI_GETMOUSE, 0, mouse, 0);
    char text[64];
    std::snprintf(text, sizeof text, "# pointer acceleration %d %d %d", mouse[0], mouse[1], mouse[2]);
    std::fprintf(trace, "%s\n", text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: recorder TRACE STOPFILE [MAXSECONDS]\n");
        return 2;
    }
    trace = std::fopen(argv[1], "wb");
    if (!trace) return 1;
    const char* stopFile = argv[2];
    long long maxUs = (argc > 3 ? std::atoll(argv[3]) : 600) * 1000000LL;
    std::fprintf(trace, "# velmora recorder trace: TIME_US EVENT\n");
    TurnOffPointerAcceleration();
    // Relative moves start from the pointer: put it at the screen's centre
    // so that the first move's difference has a known starting point.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    GetCursorPos(&lastPoint);
    HHOOK keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
    HHOOK mouse = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, GetModuleHandleA(nullptr), 0);
    if (!keyboard || !mouse) return 1;
    SetTimer(nullptr, 0, 20, nullptr);
    long long start = MicrosecondClock();
    bool ready = false;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!ready) {
            std::fprintf(trace, "# ready %ld %ld\n", lastPoint.x, lastPoint.y);
            std::fflush(trace);
            ready = true;
        }
        if (message.message == WM_TIMER &&
            (GetFileAttributesA(stopFile) != INVALID_FILE_ATTRIBUTES || MicrosecondClock() - start > maxUs))
            break;
        DispatchMessageA(&message);
    }
    UnhookWindowsHookEx(keyboard);
    UnhookWindowsHookEx(mouse);
    std::fprintf(trace, "# stopped\n");
    std::fclose(trace);
    return 0;
}
