// Velmora.exe: the gates, the first activation, the main loop and the
// shut-down, in that order.

#include <memory>

#include "app/Application.h"
#include "app/MainLoop.h"
#include "app/ShutDown.h"
#include "app/Startup.h"
#include "app/SystemQueries.h"
#include "core/win32/Windows.h"
#include "files/FileSystem.h"
#include "files/GlobalFileAccess.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    auto app = std::make_unique<Application>();
    app->Instance = instance;
    SetDefaultFileSystem(app->Files);
    SetProgramFolder(FileFolder(ProgramFileName()));

    if (RunStartupGates(*app, ProcessParams())) {
        FirstActivation(*app);
        RunMainLoop(*app);
        ShutDown(*app);
    }
    if (app->Window) DestroyWindow(app->Window);
    if (app->InstanceMutex) CloseHandle(app->InstanceMutex);
    return 0;
}
