#pragma once
// The Enable boxes of the controller settings window: Stick 1, Stick 2, DPad
// and Analog Triggers. A group is ticked when the layout places it.

#include <string_view>

#include "app/settings/ControllerWindow.h"

namespace velmora {

// The box shows the group ticked: the layout places it.
bool GroupEnabled(const ControllerFileType& layout, LayoutGroup group);
// Stick 2's box can be used only while Stick 1 is ticked; the others always.
bool EnableBoxUsable(const ControllerFileType& layout, LayoutGroup group);
// The group's Detect buttons, selectors and name edits can be used.
bool GroupControlsUsable(const ControllerFileType& layout, LayoutGroup group);

// A click on a group's box. Closes the group's settings window and the
// assignment window first. Unticking removes the group (places, accesses,
// names; Stick 1 takes Stick 2 with it) and ends detection. Ticking a group
// that is not placed yet places it at its default places, names it and
// starts its group detection; a group already placed stays as it is.
void SetGroupEnabled(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                     LayoutGroup group, bool ticked, const RawJoyState& current);

}  // namespace velmora
