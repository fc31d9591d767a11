#pragma once
// The check before the program closes: every changed layout, then every
// changed profile, is offered for saving.

#include "app/CommandLine.h"
#include "devices/DeviceContext.h"

namespace velmora {

// True when the program may close; false as soon as one question is
// cancelled. Clears "/C" either way, so a cancelled close is not asked again.
bool CloseQuery(DeviceContext& context, CommandLineType& commandLine);

}  // namespace velmora
