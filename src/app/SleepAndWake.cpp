#include "app/SleepAndWake.h"

#include "devices/ControllerLinks.h"
#include "devices/DeviceReading.h"
#include "devices/DeviceRumble.h"
#include "devices/XInputPairing.h"

namespace velmora {
namespace {

// Read through DirectInput until the pairing finds its user index again:
// another pad may have taken the old one while the system slept.
void PairAgain(DeviceContext& context, std::size_t index) {
    ControllerDataType& c = context.List.Controllers[index];
    if (c.DeviceKind != XInputDevice) return;
    SetDeviceKind(context, index, UnidentifiedDevice, NoXInputIndex);
    if (c.DetectionSlot < MaxDevices) context.List.Detection[c.DetectionSlot].DirectInputVotes = 0;
    context.List.IdentificationDone = false;
}

}  // namespace

void SystemSuspending(MainLoopState& state, DeviceContext& context, InputSink& sink) {
    if (state.Asleep) return;
    state.Asleep = true;
    for (ControllerDataType& c : state.List.Controllers) {
        DropRunningActions(c);
        if (c.RumbleNow[0] > 0 || c.RumbleNow[1] > 0) SetRumble(c, 0, 0, true, context.Rumble);
    }
    state.Loop.RumbleTest = {};
    ReleaseEverything(state.Loop, sink);
}

void SystemResumed(MainLoopState& state, DeviceContext& context) {
    if (!state.Asleep) return;
    state.Asleep = false;
    for (std::size_t i = 0; i < state.List.Count(); ++i) {
        if (state.List.Controllers[i].Connection != Connected) continue;
        PairAgain(context, i);
        if (!ReadController(context.Devices, context.Ui, state.List.Controllers[i]))
            ControllerLost(context, i);
    }
    state.List.RescanFlag = true;
}

}  // namespace velmora
