#pragma once
// Start-up: the gates that refuse to start (a second instance, an
// unsupported Windows, a too small desktop, a missing input library, a
// first start with "/C"), then the first activation that reads the
// configuration, places the window and loads XInput.

#include <string>
#include <vector>

namespace velmora {

struct Application;

// The process's parameters, without the program's own name, in UTF-8.
std::vector<std::string> ProcessParams();

// Runs the gates in order; true when every one passed and the window exists.
bool RunStartupGates(Application& app, const std::vector<std::string>& params);

// What happens once before the main loop is entered.
void FirstActivation(Application& app);

}  // namespace velmora
