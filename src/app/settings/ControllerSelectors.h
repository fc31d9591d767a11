#pragma once
// The access selectors of the controller settings window: the item lists of
// the stick axis (17 items), DPad direction (42) and trigger (33) selectors,
// and the mapping between an item and the access it stands for.

#include <string>
#include <vector>

#include "app/settings/ControllerWindow.h"

namespace velmora {

inline constexpr int StickAxisItemCount = 17;
inline constexpr int DPadDirectionItemCount = 42;
inline constexpr int TriggerItemCount = 33;

// "None", the eight axes, then the eight again "Inverted".
std::vector<std::string> StickAxisItems();
// Item 0 is no axis; items 1..16 are axis (i - 1) mod 8, inverted from 9 on.
// An item outside the list gives no axis.
AxisAccess StickAxisFromItem(int item);
int StickAxisItem(const AxisAccess& access);

// "None", the eight axes, "Button 1".."Button 32", "POV".
std::vector<std::string> DPadDirectionItems();
DPadDirectionAccess DPadDirectionFromItem(int item);
int DPadDirectionItem(const DPadDirectionAccess& access);

// "None", then the eight axes with "-", with "+", with "- Full", with "+ Full".
std::vector<std::string> TriggerItems();
// Item i >= 1: v = i - 1 is axis v mod 8, the negative half when v mod 16 < 8,
// the whole axis from v = 16 on.
AxisAccess TriggerFromItem(int item);
int TriggerItem(const AxisAccess& access);

// A selector's choice, written to the layout at once (ignored while the
// window fills its controls). stick and axis are 0 or 1; direction and
// trigger index the layout's tables.
void ChooseStickAxis(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int stick,
                     int axis, int item);
void ChooseDPadDirection(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                         int direction, int item);
void ChooseTrigger(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int trigger,
                   int item);

}  // namespace velmora
