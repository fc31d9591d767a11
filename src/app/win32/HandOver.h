#pragma once
// A second start hands its command line to the running instance and ends:
// with parameters as a copy-data message, without as the second-start
// toggle that minimises or restores the running window.

#include <string>
#include <vector>

#include "base/win32/Windows.h"

namespace velmora {

struct Application;

// Finds the running instance's main window (not our own) and hands the
// parameters over; the send returns once the running instance has parsed them.
void HandOverToRunningInstance(const std::vector<std::string>& params, HWND ownWindow);

// The running instance's side of the copy-data message.
void ReceiveHandOver(Application& app, const COPYDATASTRUCT& data);

}  // namespace velmora
