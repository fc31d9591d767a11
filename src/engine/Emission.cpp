#include "engine/Emission.h"

namespace velmora {
namespace {

const SlotCodeInfo& Info(int code) {
    return SlotCodeTable[static_cast<std::size_t>(code)];
}

bool InSweep(int code, bool modifiers) {
    return (Info(code).Modifier != 0) == modifiers;
}

int WheelDirection(int code) {
    return Info(code).ScanCode == 0 ? 0 : 1;
}

void ReleaseOne(EmissionState& s, int code, InputSink& sink) {
    const SlotCodeInfo& info = Info(code);
    if (info.Kind == SlotKind::Key) {
        sink.SendKeyboard(KeyRecord(static_cast<std::uint8_t>(code), true, s.Mode));
        if (code == s.LastRepeatedKey) s.LastRepeatedKey = NoRepeat;
        // A modifier going up changes what the repeated key types: wait the
        // full delay again before repeating it.
        if (info.Modifier) s.KeyRepeatCountdown = KeyRepeatDelay;
    } else if (info.Kind == SlotKind::MouseButton) {
        sink.SendMouse(ButtonRecord(info.ScanCode, true));
    } else if (info.Kind == SlotKind::MouseWheel) {
        s.LastWheelDirection = NoRepeat;
    }
}

void ReleaseSweep(EmissionState& s, bool modifiers, InputSink& sink) {
    for (int code = 0; code < SlotCodeCount; ++code) {
        const KeyTableEntry& e = s.Keys[static_cast<std::size_t>(code)];
        if (e.Down && !e.Wanted && InSweep(code, modifiers)) ReleaseOne(s, code, sink);
    }
}

void PressKey(EmissionState& s, int code, bool down, InputSink& sink) {
    const bool repeat = code == s.LastRepeatedKey && s.KeyRepeatCountdown == 0 && !Info(code).Modifier;
    if (down && !repeat) return;
    sink.SendKeyboard(KeyRecord(static_cast<std::uint8_t>(code), false, s.Mode));
    if (code == s.LastRepeatedKey) {
        s.KeyRepeatCountdown = KeyRepeatPeriod;
    } else {
        s.LastRepeatedKey = code;
        s.KeyRepeatCountdown = KeyRepeatDelay;
    }
}

void StepWheel(EmissionState& s, int code, bool down, InputSink& sink) {
    const int direction = WheelDirection(code);
    const bool repeat = direction == s.LastWheelDirection && s.WheelRepeatCountdown == 0;
    if (down && !repeat) return;
    MouseRecord r;
    r.Flags = MouseWheelFlag;
    r.Data = direction == 0 ? 120 : -120;
    sink.SendMouse(r);
    if (direction == s.LastWheelDirection) {
        s.WheelRepeatCountdown = WheelRepeatPeriod;
    } else {
        s.LastWheelDirection = direction;
        s.WheelRepeatCountdown = WheelRepeatDelay;
    }
}

void PressOne(EmissionState& s, int code, InputSink& sink) {
    KeyTableEntry& e = s.Keys[static_cast<std::size_t>(code)];
    const SlotCodeInfo& info = Info(code);
    if (info.Kind == SlotKind::Key)
        PressKey(s, code, e.Down, sink);
    else if (info.Kind == SlotKind::MouseButton && !e.Down)
        sink.SendMouse(ButtonRecord(info.ScanCode, false));
    else if (info.Kind == SlotKind::MouseWheel)
        StepWheel(s, code, e.Down, sink);
    e.Down = true;
    e.Wanted = false;
}

void PressSweep(EmissionState& s, bool modifiers, InputSink& sink) {
    for (int code = 0; code < SlotCodeCount; ++code) {
        if (!InSweep(code, modifiers)) continue;
        KeyTableEntry& e = s.Keys[static_cast<std::size_t>(code)];
        if (e.Wanted)
            PressOne(s, code, sink);
        else
            e.Down = false;
    }
}

// Every pass of a program with nothing assigned held: nothing to press or release.
bool NothingWantedOrDown(const EmissionState& s) {
    for (const KeyTableEntry& e : s.Keys)
        if (e.Wanted || e.Down) return false;
    return true;
}

bool AnyKeyWanted(const EmissionState& s) {
    for (int code = 0; code < SlotCodeCount; ++code)
        if (s.Keys[static_cast<std::size_t>(code)].Wanted && Info(code).Kind == SlotKind::Key) return true;
    return false;
}

}  // namespace

KeyboardRecord KeyRecord(std::uint8_t code, bool release, KeyCodeMode mode) {
    const SlotCodeInfo& info = Info(code);
    KeyboardRecord r;
    if (mode == KeyCodeMode::ScanCodes) {
        r.ScanCode = info.ScanCode;
        r.Flags = KeyScanCode | ((info.ScanExtended & 0x0F) ? KeyExtended : 0u);
    } else {
        r.VirtualKey = info.VirtualKey;
        r.Flags = (info.VirtualExtended & 0x0F) ? KeyExtended : 0u;
    }
    if (release) r.Flags |= KeyUp;
    return r;
}

MouseRecord ButtonRecord(std::uint8_t button, bool release) {
    static constexpr std::uint32_t Press[3] = {MouseLeftDown, MouseRightDown, MouseMiddleDown};
    static constexpr std::uint32_t Release[3] = {MouseLeftUp, MouseRightUp, MouseMiddleUp};
    MouseRecord r;
    const std::size_t b = button < 3 ? button : 0;
    r.Flags = release ? Release[b] : Press[b];
    return r;
}

bool EmitKeys(EmissionState& s, InputSink& sink) {
    if (NothingWantedOrDown(s)) return false;
    ReleaseSweep(s, false, sink);
    ReleaseSweep(s, true, sink);
    const bool keyEmitting = AnyKeyWanted(s);
    PressSweep(s, true, sink);
    PressSweep(s, false, sink);
    return keyEmitting;
}

void CountDownRepeats(EmissionState& s) {
    if (s.KeyRepeatCountdown > 0) --s.KeyRepeatCountdown;
    if (s.WheelRepeatCountdown > 0) --s.WheelRepeatCountdown;
}

void ReleaseAllInput(EmissionState& s, InputSink& sink) {
    for (KeyTableEntry& e : s.Keys) e.Wanted = false;
    ReleaseSweep(s, false, sink);
    ReleaseSweep(s, true, sink);
    for (KeyTableEntry& e : s.Keys) e.Down = false;
    s.LastRepeatedKey = NoRepeat;
    s.LastWheelDirection = NoRepeat;
}

}  // namespace velmora
