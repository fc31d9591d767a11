#pragma once
// The main loop: each pass lets the windows handle their messages, runs the
// pass over the controllers, serves the command-line requests and waits for
// the next 10 ms deadline. It returns once the program is quitting.

namespace velmora {

struct Application;

void RunMainLoop(Application& app);

// Handles every pending message of the program's windows.
void PumpMessages(Application& app);

// One pass's work between the message pump and the wait.
void RunProgramPass(Application& app);

}  // namespace velmora
