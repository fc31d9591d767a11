// Velmora.exe: the gates, the first activation, the main loop and the
// shut-down, in that order.

#include <memory>

#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"
#include "app/win32/ShutDown.h"
#include "app/win32/Startup.h"
#include "app/win32/SystemQueries.h"
#include "base/FileSystem.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "base/TextEncoding.h"
#include "base/win32/WideText.h"
#include "base/win32/Windows.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    auto app = std::make_unique<Application>();
    app->Instance = instance;
    SetDefaultFileSystem(app->Files);
    SetAnsiConversion(&AnsiToUtf8);
    SetProgramFolder(FileFolder(ProgramFileName()));

    if (RunStartupGates(*app, ProcessParams())) {
        // The language file loads with the first translation, long before
        // the window and the message dialog can be shown: its messages have
        // waited and are shown now.
        SetLanguageUserInterface(&app->Ui);
        // Nothing may be translated before the first menu opens: an empty
        // key loads the language now (if no text has yet), so that a message
        // about its file shows at start-up and not at the first click.
        (void)Translate("**");
        FirstActivation(*app);
        RunMainLoop(*app);
        ShutDown(*app);
    }
    if (app->Window) DestroyWindow(app->Window);
    if (app->InstanceMutex) CloseHandle(app->InstanceMutex);
    return 0;
}
