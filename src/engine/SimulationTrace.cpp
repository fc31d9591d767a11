#include "engine/SimulationTrace.h"

#include <cstdio>

namespace velmora {
namespace {

std::string Hex2(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFFu);
    return text;
}

std::string ButtonEvent(const char* action, const char* button) {
    return std::string("mouse ") + action + " " + button;
}

}  // namespace

std::string FormatKeyboard(const KeyboardRecord& r) {
    std::string text = (r.Flags & KeyUp) ? "key up " : "key down ";
    text += (r.Flags & KeyScanCode) ? Hex2(r.ScanCode) : "vk=" + Hex2(r.VirtualKey);
    if (r.Flags & KeyExtended) text += " ext";
    return text;
}

std::string FormatMouse(const MouseRecord& r) {
    switch (r.Flags) {
        case MouseLeftDown:
            return ButtonEvent("down", "left");
        case MouseLeftUp:
            return ButtonEvent("up", "left");
        case MouseRightDown:
            return ButtonEvent("down", "right");
        case MouseRightUp:
            return ButtonEvent("up", "right");
        case MouseMiddleDown:
            return ButtonEvent("down", "middle");
        case MouseMiddleUp:
            return ButtonEvent("up", "middle");
        case MouseWheelFlag:
            return r.Data >= 0 ? "wheel +" + std::to_string(r.Data) : "wheel " + std::to_string(r.Data);
        case MouseMoveFlag:
            return "move " + std::to_string(r.Dx) + " " + std::to_string(r.Dy);
        case MouseMoveFlag | MouseAbsolute:
            return "abs " + std::to_string(r.Dx) + " " + std::to_string(r.Dy);
        default:
            return "mouse flags=" + std::to_string(r.Flags);
    }
}

}  // namespace velmora
