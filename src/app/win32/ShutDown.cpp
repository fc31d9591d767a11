#include "app/win32/ShutDown.h"

#include "app/win32/Application.h"
#include "app/win32/CrashRelease.h"
#include "app/win32/MainWindow.h"
#include "app/win32/SystemQueries.h"
#include "app/win32/TrayIcon.h"
#include "devices/DeviceScan.h"
#include "files/ConfigurationFile.h"

namespace velmora {
namespace {

// Keys the engine holds would otherwise stay pressed in whatever program
// has the focus after Velmora is gone.
void ReleaseHeldInput(Application& app) {
    if (app.Output) ReleaseEverything(app.Main.Loop, *app.Output);
}

void ReleaseDevices(Application& app) {
    DeviceContext context = app.Context();
    for (ControllerDataType& controller : app.Main.List.Controllers)
        if (controller.Connection == Connected) ReleaseDevice(context, controller);
}

}  // namespace

void ShutDown(Application& app) {
    if (app.ShutDownDone || app.Main.ProgramState == ProgramStarting) return;
    app.ShutDownDone = true;
    ReleaseHeldInput(app);
    // Before the configuration is written, so that their places are in it,
    // and before the devices go, since closing ends a detection and stops a
    // test rumble.
    app.Ui.CloseAllWindows();
    ReleaseDevices(app);
    StoreMainWindowPosition(app);
    SaveConfigurationIfChanged(app.Config, app.Ui);
    StopCrashRelease();
    app.Output.reset();
    app.Sink.reset();
    app.SendInput.SendInput = nullptr;
    app.SendInput.Library.Free();
    app.Devices.FreeLibraries();
    if (app.PriorityRaised) SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    if (app.SavedStickyKeys) WriteStickyKeys(*app.SavedStickyKeys);
    RemoveTrayIcon(app);
    app.Main.ProgramState = ProgramFinished;
}

}  // namespace velmora
