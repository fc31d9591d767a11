#pragma once
// The input-injection seam: one keyboard or mouse record per call. The Win32
// side hands each record to SendInput; tests record the exact trace.

#include <cstdint>

namespace velmora {

// Flags as the system's input records take them.
inline constexpr std::uint32_t KeyExtended = 0x0001;
inline constexpr std::uint32_t KeyUp = 0x0002;
inline constexpr std::uint32_t KeyScanCode = 0x0008;

inline constexpr std::uint32_t MouseMoveFlag = 0x0001;  // "Flag": SlotKind has a MouseMove too
inline constexpr std::uint32_t MouseLeftDown = 0x0002;
inline constexpr std::uint32_t MouseLeftUp = 0x0004;
inline constexpr std::uint32_t MouseRightDown = 0x0008;
inline constexpr std::uint32_t MouseRightUp = 0x0010;
inline constexpr std::uint32_t MouseMiddleDown = 0x0020;
inline constexpr std::uint32_t MouseMiddleUp = 0x0040;
inline constexpr std::uint32_t MouseWheelFlag = 0x0800;
inline constexpr std::uint32_t MouseAbsolute = 0x8000;

struct KeyboardRecord {
    std::uint16_t VirtualKey = 0;
    std::uint16_t ScanCode = 0;
    std::uint32_t Flags = 0;
};

struct MouseRecord {
    std::int32_t Dx = 0;
    std::int32_t Dy = 0;
    std::int32_t Data = 0;  // wheel amount
    std::uint32_t Flags = 0;
};

class InputSink {
public:
    virtual ~InputSink() = default;
    virtual void SendKeyboard(const KeyboardRecord& record) = 0;
    virtual void SendMouse(const MouseRecord& record) = 0;
};

}  // namespace velmora
