#pragma once
// Everything the running program keeps: the window, the program state, the
// command line, the configuration, the controllers and their devices, the
// input sink and the engine state of the main loop. One object, created by
// WinMain and reached by the window procedure through the window.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/ElevationWatch.h"
#include "app/MainPass.h"
#include "app/ProgramProfiles.h"
#include "app/win32/ForegroundLevels.h"
#include "app/win32/FrontProgram.h"
#include "app/win32/ProgramShell.h"
#include "app/win32/Win32UserInterface.h"
#include "app/win32/settings/SettingsForms.h"
#include "base/win32/Win32FileSystem.h"
#include "base/win32/Windows.h"
#include "devices/ControllerList.h"
#include "devices/DeviceContext.h"
#include "devices/DeviceRumble.h"
#include "devices/win32/Win32DeviceApi.h"
#include "engine/HeldInput.h"
#include "engine/Pass.h"
#include "engine/ProgramState.h"
#include "engine/win32/SendInputSink.h"
#include "model/Configuration.h"

namespace velmora {

class PassTimer;

struct Application {
    HINSTANCE Instance = nullptr;
    HWND Window = nullptr;
    HANDLE InstanceMutex = nullptr;

    Win32FileSystem Files;
    Win32UserInterface Ui;
    ConfigurationType Config;
    // The program state, the controllers, the command line and the engine.
    MainLoopState Main = StartingState();
    Win32DeviceApi Devices;
    DeviceRumble Rumble{Devices};
    SendInputEntry SendInput;
    std::unique_ptr<SendInputSink> Sink;
    // What the engine sends through: Sink, keeping what is held for a crash to release.
    std::unique_ptr<HeldInputSink> Output;
    ProgramShell Shell{*this};
    // The settings windows, made with the main window.
    SettingsFormsHandle Forms;

    // The window is restored rather than minimised (its minimise and restore
    // events act only on a change of this).
    bool WindowShown = true;
    bool TrayIconAdded = false;
    // Sent to every top-level window when the taskbar starts again: the tray icon is added anew.
    UINT TaskbarCreated = 0;
    // The tray tip says that input cannot reach the window in front.
    bool TrayNoticeShown = false;
    // Whether the window in front runs above Velmora's level.
    ElevationWatch Elevation;
    Win32Foreground Foreground;
    // The profiles that follow the program in front; the tray tip says when a switch waits for a save.
    ProgramWatch Programs;
    Win32FrontProgram FrontProgram{*this};
    bool TraySwitchNoticeShown = false;
    // The tip over the controllers' tabs: one tool per tab, for this many tabs at this scale.
    HWND TabTip = nullptr;
    int TabTipTools = 0;
    int TabTipScale = 0;
    std::wstring TabTipText;

    bool PriorityRaised = false;
    std::optional<DWORD> SavedStickyKeys;  // written back at exit when set
    bool ShutDownDone = false;
    // The main loop's rhythm while it runs, for the passes run from the
    // window's timer inside the system's modal loops.
    PassTimer* Timer = nullptr;
    // Set while a pass runs: a pass that opens a dialog does not run passes from inside it.
    bool InPass = false;
    // The main loop's wait took the timer's turn and its pass has not run yet: a modal
    // loop entered from its message pump runs that pass at once.
    bool PassOwed = false;

    DeviceContext Context() { return {Main.List, Devices, Ui, Config, Rumble}; }

    static MainLoopState StartingState() {
        MainLoopState state;
        state.ProgramState = ProgramStarting;
        return state;
    }
};

}  // namespace velmora
