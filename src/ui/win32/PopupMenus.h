#pragma once
// Popup menus as Windows shows them, built from the seam's menu items.

#include <vector>

#include "base/UserInterface.h"
#include "base/win32/Windows.h"

namespace velmora {

// Shows the menu at a screen point, modally; the chosen item's Tag, or NoMenuChoice.
int TrackMenu(HWND owner, const std::vector<MenuItem>& items, POINT screen);

}  // namespace velmora
