#include "app/settings/KeyboardCapture.h"

#include "model/SlotCodes.h"

namespace velmora {
namespace {

bool Listening(const CaptureGuards& guards) {
    if (guards.KeyEmitting) return false;
    if (!guards.AssignmentWindowActive && !guards.AdvancedWindowActive) return false;
    if (guards.NameBoxFocused) return false;
    return !(guards.AdvancedOpen && guards.TestBoxFocused);
}

std::uint8_t CaptureCodeOf(const SlotCodeInfo& info, bool legacy) {
    return legacy ? info.CaptureKeyLegacy : info.CaptureKey;
}

}  // namespace

CaptureResult CaptureKeyboard(const KeyboardStateType& keyboard, const CaptureGuards& guards,
                              std::uint8_t& lastCaptured) {
    CaptureResult result;
    if (!Listening(guards)) return result;
    int down = 0;
    std::uint8_t highest = NoCapturedKey;
    for (int code = 0; code < SlotCodeCount; ++code) {
        const SlotCodeInfo& info = SlotCodeTable[static_cast<std::size_t>(code)];
        const std::uint8_t key = CaptureCodeOf(info, guards.LegacyWindows);
        if (info.Kind != SlotKind::Key || key == 0 || (keyboard[key] & 0x80) == 0) continue;
        ++down;
        highest = static_cast<std::uint8_t>(code);
    }
    result.TakeFocus = down > 0;
    if (down == 1 && highest != lastCaptured) result.Assign = highest;
    lastCaptured = highest;
    return result;
}

}  // namespace velmora
