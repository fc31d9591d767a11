#pragma once
// Assigning a key by pressing it: every pass, while one of the assignment
// windows is active, the whole keyboard state is read and a single key that
// went down is assigned.

#include <array>
#include <cstdint>
#include <optional>

namespace velmora {

// The system's keyboard state: one byte per virtual key, high bit set while down.
using KeyboardStateType = std::array<std::uint8_t, 256>;

// No key remembered from the last check.
inline constexpr std::uint8_t NoCapturedKey = 255;

// What decides whether the keyboard is looked at in this pass.
struct CaptureGuards {
    bool KeyEmitting = false;             // the engine sends keys itself: never capture our own
    bool AssignmentWindowActive = false;  // the assignment window is the active window
    bool AdvancedWindowActive = false;    // or the advanced window is
    bool NameBoxFocused = false;          // typing goes into the name
    bool AdvancedOpen = false;
    bool TestBoxFocused = false;  // the advanced window's test memo
    bool LegacyWindows = false;   // Windows 98 and Me: left and right modifiers look the same
};

struct CaptureResult {
    bool TakeFocus = false;              // a key is down: no control of the windows may type it
    std::optional<std::uint8_t> Assign;  // the slot code to pass to AssignSlot
};

// One check. lastCaptured is the code remembered from the previous check
// (NoCapturedKey for none); it is updated on every check that reads the
// keyboard: to the one key down, to the highest code of several, or to none.
// Remembering the highest of several keeps a modifier that is still held
// after a chord from being assigned a second time.
CaptureResult CaptureKeyboard(const KeyboardStateType& keyboard, const CaptureGuards& guards,
                              std::uint8_t& lastCaptured);

}  // namespace velmora
