#pragma once
// The shut-down work, in order: every key still down is released, the
// devices stop rumbling and are released, the configuration is written when
// it changed, the libraries are freed, and the process priority and Sticky
// Keys are put back. Runs once, from the end of the main loop or from the
// end of the Windows session, whichever comes first.

namespace velmora {

struct Application;

void ShutDown(Application& app);

}  // namespace velmora
