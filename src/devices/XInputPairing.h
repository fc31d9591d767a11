#pragma once
// Every controller is opened through DirectInput; the pairing decides which
// of them are XInput pads and at which user index, by comparing their
// DirectInput state with the states of the free XInput pads.

#include <cstdint>

#include "devices/DeviceContext.h"

namespace velmora {

inline constexpr std::uint8_t XInputUserCount = 4;
// Passes (10 ms each) that a device looking like an XInput pad must look
// like a DirectInput device before it is taken for one: time enough for
// its XInput side to appear and for a press to reach both sides.
inline constexpr std::uint8_t XInputLookAlikePasses = 25;

// One pass of the pairing; sets IdentificationDone once no connected
// controller is left undecided.
void IdentifyXInput(DeviceContext& context);

// Stores how the controller is read and rumbled; the windows that show what
// the selected controller can do refresh.
void SetDeviceKind(DeviceContext& context, std::size_t index, std::uint8_t kind, std::uint8_t xinputIndex);

// What Windows shows of an XInput pad through DirectInput: the thumbs on
// X/Y and RX/RY, both triggers on Z, ten buttons and one hat.
bool LooksLikeXInputPad(const ControllerListType& list, const ControllerDataType& c);

// Whether a DirectInput state and an XInput pad state show the same presses:
// buttons 1..10, the triggers on the shared Z axis and the hat.
bool PadMatches(const RawJoyState& joy, const RawXInputState& pad);

}  // namespace velmora
