#pragma once
// The main loop: each pass lets the windows handle their messages, runs the
// pass over the controllers, serves the command-line requests and waits for
// the pass timer's next turn, every 10 ms. It returns once the program is quitting.

#include "base/win32/Windows.h"

namespace velmora {

struct Application;

void RunMainLoop(Application& app);

// Handles every pending message of the program's windows.
void PumpMessages(Application& app);

// One pass's work between the message pump and the wait.
void RunProgramPass(Application& app);

// The work that may open dialogs (rescan, requested profiles, "/?", "/C",
// hand-overs), run by the main loop itself between its pump and its pass:
// the passes go on from the timer inside its dialogs, as inside a click's.
void RunBetweenProgramPasses(Application& app);

// The window's timer: while a menu, a dialog or a move of the window holds
// the thread in the system's own message loop, passes go on from here at the
// pass timer's turns. Nothing while a pass runs or none is due.
inline constexpr UINT_PTR PassTimerId = 1;
void RunDuePass(Application& app);

// After a pass's input work: the notices that input cannot reach the window
// in front, in the top bar, the tray tip and a balloon.
void WatchElevation(Application& app);
// Between passes: the profiles that follow the program in front, and the
// top bar's and the tray tip's notice while a switch waits for a save.
void FollowFrontProgram(Application& app);
// The notice's button and the tray's item: the save questions, then Velmora
// again as administrator with the controllers' profiles; this copy quits once it runs.
void RunAsAdministrator(Application& app);

}  // namespace velmora
