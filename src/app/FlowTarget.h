#pragma once
// The controller a flow was started for. Passes run while a dialog is up: a
// pad plugged in meanwhile re-sorts the controller list and a pad pulled out
// is lost. So after every dialog a flow finds its controller again by its
// arrival, never by the place it had in the list.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "devices/DeviceContext.h"

namespace velmora {

// The controller's place in the list now. Empty, after telling the user that
// the command stopped, when it is no longer there or, for a command that
// needs it connected, when it was lost meanwhile.
std::optional<std::size_t> FindFlowController(DeviceContext& context, std::uint8_t arrival,
                                              bool needsConnection);

}  // namespace velmora
