#pragma once
// A simulation: plays a controller script against a profile with the real
// pass function and prints every injected record, rumble command and set
// change, one line each, pass number first. Every simulated controller can
// rumble (as an XInput pad). At the end, whatever is still held is released
// and a running rumble is stopped, stamped with the end pass, so that the
// trace never leaves anything down.

#include <ostream>

#include "engine/Emission.h"
#include "engine/SimulationScript.h"
#include "model/Profile.h"

namespace velmora {

void RunSimulation(const ProfileType& profile, const SimulationScript& script, KeyCodeMode mode,
                   std::ostream& out);

}  // namespace velmora
