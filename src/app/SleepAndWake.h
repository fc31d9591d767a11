#pragma once
// The system's sleep and wake. A key held when the machine sleeps would be
// down when it wakes, in whatever program is then in front; and pads pulled
// out or plugged in while it slept leave device objects that no longer answer
// and XInput pads at other user indexes. Sleep releases what is held and
// stops the motors; wake asks every device again and pairs the XInput pads
// anew, each controller keeping its profile.

#include "app/MainPass.h"
#include "devices/DeviceContext.h"

namespace velmora {

// The system is about to sleep: every held key and mouse button goes up,
// toggles and running sequences are dropped (they would press again at
// wake), every motor stops, and the passes do no controller work until the
// wake. A second notice changes nothing.
void SystemSuspending(MainLoopState& state, DeviceContext& context, InputSink& sink);

// The system woke: every XInput pad is paired again, each connected device
// is read once and one that does not answer is lost, and the controllers are
// scanned before the next pass, so that a pad plugged in again while the
// system slept returns to its own entry. Nothing happens unless the program
// was asleep: the system sends two wake notices for one wake.
void SystemResumed(MainLoopState& state, DeviceContext& context);

}  // namespace velmora
