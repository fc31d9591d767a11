#pragma once
// The icons beside the assignment window's Toggle, Turbo and Rumble boxes:
// a small button carrying the mark that the main window's buttons show for the
// option (Turbo a Magenta bar at the top, Toggle a Blue bar at the bottom,
// Rumble Yellow sides), so the user learns the marks from the window.

#include "app/settings/AssignmentWindow.h"
#include "ui/Picture.h"

namespace velmora {

inline constexpr int OptionIconSize = 16;

// The icon of an option, White on the window's silver footer; a disabled icon
// (the Rumble icon of a controller that cannot rumble) draws its mark Grey.
PictureType DrawOptionIcon(AssignmentOption option, bool enabled);

// The icons at the ends of the Rumble page's strength sliders: a still key
// (none) and one shaking in the Rumble mark's Yellow (max).
PictureType DrawRumbleEndIcon(bool strongest);

}  // namespace velmora
