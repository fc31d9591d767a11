#pragma once
// Input cannot reach a window of a program run as administrator
// (ElevationWatch.h). The notice's button and the tray's item start Velmora
// again as administrator, hand each controller's profile over on the new
// copy's command line, and end this copy once the new one runs.

#include <string>
#include <vector>

#include "app/MainPass.h"

namespace velmora {

// The seam to the system's "run as administrator".
class ElevatedStart {
public:
    virtual ~ElevatedStart() = default;
    // Starts Velmora again, elevated, with these parameters. False when the
    // user declined the system's question or the start failed: nothing has
    // changed then.
    virtual bool StartElevated(const std::vector<std::string>& parameters) = 0;
};

// Each connected controller's open profile file, in the order the
// controllers were met: a new copy meets them in that order and hands the
// profiles of its command line out in it. A connected controller without a
// profile file ends the list, since the profiles after it would go to the
// wrong controllers; a lost one is left out, since the new copy will not meet it.
std::vector<std::string> RestartParameters(const ControllerListType& list);

// The button's and the item's command: the save questions first (a cancel
// changes nothing), then the elevated start; once it runs, this copy quits.
// True when it quits.
bool RestartElevated(MainLoopState& state, ShellRequests& shell, ElevatedStart& start);

// The parameters as one command line: each in double quotes.
std::string QuotedParameters(const std::vector<std::string>& parameters);

}  // namespace velmora
