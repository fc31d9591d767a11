#pragma once
// The operations on the profile model. They run on the user-interface thread.

#include <cstdint>

#include "core/Profile.h"
#include "core/UserInterface.h"

namespace velmora {

// The only primitive that edits a slot list. index -1 addresses the whole
// list; index CodeCount appends; a lower index replaces, or deletes with
// NoneCode. Rebuilds the cycles and the run state afterwards.
void SetSlot(SlotType& slots, std::int32_t index, std::uint8_t code);

}  // namespace velmora
