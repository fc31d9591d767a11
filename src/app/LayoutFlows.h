#pragma once
// The controller menu's file commands on a controller's layout: New, Open,
// Save and Save As, the questions asked before unsaved layout changes would
// be lost, and the link that makes a saved or opened layout the one to load
// automatically for the controller's model.

#include <cstddef>

#include "app/ProfileFlows.h"
#include "devices/DeviceContext.h"

namespace velmora {

// The save question for the controller's changed layout. True when the
// caller may go on: saved, or "Do not Save".
bool AskSaveLayout(DeviceContext& context, std::size_t index, SaveReason reason);

// Asks for every controller whose layout is changed, in list order; false
// at the first answer that does not go on. A layout shared by several
// controllers is asked about once: saving it clears its change mark.
bool SaveChangedLayouts(DeviceContext& context, SaveReason reason);

// The commands, on the selected controller.
void NewControllerFile(DeviceContext& context);
void OpenControllerFile(DeviceContext& context);
bool SaveControllerFile(DeviceContext& context);

// Asks for a file name and writes the controller's layout there. A failed
// write keeps the old file name. True when written.
bool SaveControllerFileAs(DeviceContext& context, std::size_t index);

// Makes the controller's layout file the one opened automatically for its
// model: a new known entry for an unknown model (which every controller of
// that model then points at) or an updated one.
void LinkControllerFile(DeviceContext& context, std::size_t index);

}  // namespace velmora
