#pragma once
// The raw states a device read delivers, laid out exactly as DirectInput's
// standard joystick state and XInput's state record, so that the Windows
// backend can copy them byte for byte.

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

// DirectInput's standard joystick state (80 bytes). Axes and sliders run
// 0..65535 with the centre at 32767/32768; a POV hat's low 16 bits are 65535
// when it is centred, otherwise hundredths of a degree clockwise from up.
struct RawJoyState {
    std::int32_t X = 32767;
    std::int32_t Y = 32767;
    std::int32_t Z = 32767;
    std::int32_t RX = 32767;
    std::int32_t RY = 32767;
    std::int32_t RZ = 32767;
    std::array<std::int32_t, 2> Sliders{32767, 32767};
    std::array<std::uint32_t, 4> POV{0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    std::array<std::uint8_t, 32> Buttons{};  // pressed when bit 7 is set
};
static_assert(sizeof(RawJoyState) == 80, "the standard joystick data format is 80 bytes");
static_assert(offsetof(RawJoyState, POV) == 32 && offsetof(RawJoyState, Buttons) == 48);

inline constexpr std::uint32_t CentredPOV = 65535;  // in the low 16 bits
inline constexpr std::uint8_t PressedBit = 0x80;

// The axis an access index selects: X, Y, Z, RX, RY, RZ, Slider 1, Slider 2.
inline std::int32_t RawAxis(const RawJoyState& state, int axis) {
    switch (axis) {
        case 0:
            return state.X;
        case 1:
            return state.Y;
        case 2:
            return state.Z;
        case 3:
            return state.RX;
        case 4:
            return state.RY;
        case 5:
            return state.RZ;
        case 6:
            return state.Sliders[0];
        default:
            return state.Sliders[1];
    }
}

inline bool RawButton(const RawJoyState& state, int button) {
    return (state.Buttons[static_cast<std::size_t>(button)] & PressedBit) != 0;
}

inline bool POVCentred(std::uint32_t pov) {
    return (pov & 0xFFFFu) == CentredPOV;
}

// XInput's button bits.
enum XInputButtonBits : std::uint16_t {
    XInputDPadUp = 0x0001,
    XInputDPadDown = 0x0002,
    XInputDPadLeft = 0x0004,
    XInputDPadRight = 0x0008,
    XInputStart = 0x0010,
    XInputBack = 0x0020,
    XInputLeftThumb = 0x0040,
    XInputRightThumb = 0x0080,
    XInputLeftShoulder = 0x0100,
    XInputRightShoulder = 0x0200,
    XInputA = 0x1000,
    XInputB = 0x2000,
    XInputX = 0x4000,
    XInputY = 0x8000,
};

// The buttons that stand for device buttons 1..10 of an XInput pad, in order.
inline constexpr std::array<std::uint16_t, 10> XInputButtonOrder{
    XInputA,    XInputB,     XInputX,         XInputY,         XInputLeftShoulder, XInputRightShoulder,
    XInputBack, XInputStart, XInputLeftThumb, XInputRightThumb};

// XInput's state record (16 bytes): thumbs are signed with up positive.
struct RawXInputState {
    std::uint32_t PacketNumber = 0;
    std::uint16_t Buttons = 0;
    std::uint8_t LeftTrigger = 0;
    std::uint8_t RightTrigger = 0;
    std::int16_t ThumbLX = 0;
    std::int16_t ThumbLY = 0;
    std::int16_t ThumbRX = 0;
    std::int16_t ThumbRY = 0;
};
static_assert(sizeof(RawXInputState) == 16, "XInput's state record is 16 bytes");

}  // namespace velmora
