#pragma once
// The releases of a held-input record sent through SendInput from static
// records: no allocation, no lock and hardly any stack, so that an exception
// filter or a terminate handler can let go of the keys a crashed program
// holds.

#include "engine/HeldInput.h"
#include "engine/win32/SendInputSink.h"

namespace velmora {

// Sends every release the record holds (in its order) in one SendInput
// call and empties the record. Returns how many went out; 0 without a
// send function, and while another thread is already sending them.
UINT SendHeldReleases(HeldInput& held, SendInputFunction send);

}  // namespace velmora
