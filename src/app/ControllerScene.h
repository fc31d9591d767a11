#pragma once
// The scene of the main window's picture as the controller list holds it.

#include "devices/ControllerList.h"
#include "ui/LayoutScene.h"

namespace velmora {

// One tab per controller, lost ones shown as not connected; the selected
// controller's layout, profile and effective states; the list's names switch.
// The scene points into the list: it is valid while the list is unchanged.
LayoutScene SceneOf(const ControllerListType& list, const ConfigurationType& config,
                    const MainWindowStatus& status);

}  // namespace velmora
