#pragma once
// Opening a profile on a controller: the request the main loop carries out
// at the start of the controller's pass, and attaching a loaded profile.

#include <cstddef>
#include <string>

#include "devices/DeviceContext.h"

namespace velmora {

// Carries out the controller's OpenProfileRequest and clears it. A file that
// cannot be opened is named to the user, forgotten from the recent profiles
// and cancels the shortcut waiting to be launched (pendingShortcut).
void OpenRequestedProfile(DeviceContext& context, std::size_t index, std::string& pendingShortcut);

// The loaded profile replaces the controller's own, adapted to its layout's
// triggers, starting in set 1, unchanged, and remembered as recent.
void AttachLoadedProfile(DeviceContext& context, std::size_t index, ProfileType&& loaded,
                         const std::string& file);

}  // namespace velmora
