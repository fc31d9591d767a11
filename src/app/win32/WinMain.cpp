// Velmora.exe: the gates, the first activation, the main loop and the
// shut-down, in that order.

#include <memory>

#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"
#include "app/win32/ShutDown.h"
#include "app/win32/Startup.h"
#include "app/win32/SystemQueries.h"
#include "base/FileSystem.h"
#include "base/Paths.h"
#include "base/win32/Windows.h"

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
