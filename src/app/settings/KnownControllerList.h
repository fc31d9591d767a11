#pragma once
// The Controllers tab of the global settings: the known-controller list as
// the user sees it (order, name, how many are found), and the three changes
// the user can make to it: move an entry up or down, and delete one that no
// controller uses. Every controller's known index keeps pointing at its entry.

#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "devices/ControllerList.h"
#include "model/Configuration.h"

namespace velmora {

inline constexpr int NoListSelection = -1;

// One row of the list: "Order" is the place 1..n, "Found" the connected
// count with the lost count in brackets when some are lost.
struct KnownControllerRow {
    std::string Order;
    std::string Name;
    std::string Found;
};
std::vector<KnownControllerRow> KnownControllerRows(const ConfigurationType& config);

// Which buttons the selection enables.
struct KnownControllerButtons {
    bool MoveUp = false;
    bool MoveDown = false;
    bool Delete = false;
    bool Details = false;
};
KnownControllerButtons KnownControllerButtonStates(const ConfigurationType& config, int selection);

// Swaps the selected entry with its neighbour above (direction -1) or below
// (+1); the controllers of both entries follow them, the list is re-sorted
// and the main picture redrawn. Answers the selection afterwards (unchanged
// when no move is possible).
int MoveKnownController(ConfigurationType& config, ControllerListType& list, UserInterface& ui, int selection,
                        int direction);

// Deletes the selected entry unless a controller of it is connected or lost
// (then an Information says so). True when deleted.
bool DeleteKnownController(ConfigurationType& config, ControllerListType& list, UserInterface& ui,
                           int selection);

// An Information with the entry's ID, controller file and recent profiles.
void ShowKnownControllerDetails(const ConfigurationType& config, int selection, UserInterface& ui);

}  // namespace velmora
