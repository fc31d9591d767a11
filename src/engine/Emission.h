#pragma once
// Key, mouse-button and wheel emission. The assignments mark the codes they
// want in each pass; EmitKeys compares that with what is already down and
// sends only the differences: releases first (others, then modifiers), then
// presses (modifiers, then others), with its own repeat for held keys and
// wheel steps.

#include <array>
#include <cstdint>

#include "engine/InputSink.h"
#include "model/SlotCodes.h"

namespace velmora {

struct KeyTableEntry {
    bool Wanted = false;  // some active assignment asks for it this pass
    bool Down = false;    // its press went out and its release not yet
};
using KeyTable = std::array<KeyTableEntry, SlotCodeCount>;

// Scan codes with the scan-code flag on every current system; virtual keys
// only where the system wants them (the oldest family of Windows).
enum class KeyCodeMode : std::uint8_t { ScanCodes, VirtualKeys };

inline constexpr int KeyRepeatDelay = 50;  // passes before a held key repeats
inline constexpr int KeyRepeatPeriod = 4;
inline constexpr int WheelRepeatDelay = 50;
inline constexpr int WheelRepeatPeriod = 25;
// Stands for "none" in the repeat memories: no code and no wheel direction.
inline constexpr int NoRepeat = -1;

struct EmissionState {
    KeyTable Keys{};
    KeyCodeMode Mode = KeyCodeMode::ScanCodes;
    int LastRepeatedKey = NoRepeat;
    int KeyRepeatCountdown = 0;
    int LastWheelDirection = NoRepeat;  // 0 up, 1 down
    int WheelRepeatCountdown = 0;
};

// The records of one key event in either mode.
KeyboardRecord KeyRecord(std::uint8_t code, bool release, KeyCodeMode mode);
// Mouse button (0 left, 1 right, 2 middle) press or release.
MouseRecord ButtonRecord(std::uint8_t button, bool release);

// Sends releases then presses; returns whether any key-kind code is wanted
// (the program's KeyEmitting).
bool EmitKeys(EmissionState& state, InputSink& sink);

// One pass has gone by: both repeat countdowns drop by one, not below 0.
void CountDownRepeats(EmissionState& state);

// Releases every key and mouse button that is down, others before
// modifiers, and forgets all wants, so that nothing stays stuck when the
// program stops or loses its controllers.
void ReleaseAllInput(EmissionState& state, InputSink& sink);

}  // namespace velmora
