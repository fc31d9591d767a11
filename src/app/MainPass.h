#pragma once
// One pass of the main loop without the message pump and the sleep: every
// controller's device work and engine work, the XInput pairing, the
// emission and the command-line requests. The shell calls it every 10 ms
// while the program runs, and once more after it quits. The work that may
// open a dialog (the rescan, the requested profiles, "/?", "/C", hand-overs
// from a second start) runs between passes, so that passes go on inside
// its dialogs as they do inside the dialogs a click opens.

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "devices/ControllerList.h"
#include "devices/DeviceApi.h"
#include "engine/Pass.h"
#include "model/Configuration.h"

namespace velmora {

// What the program does at the shell's request or for the shell.
class ShellRequests {
public:
    virtual ~ShellRequests() = default;
    // Frame 0..3 of the animation the layout area shows while no controller is connected.
    virtual void DrawWaitingFrame(int frame) = 0;
    // "/M": the shell clears MinimizeSwitch once the main window reports it is minimised.
    virtual void MinimizeProgram() = 0;
    // "/?": opens the help window.
    virtual void ShowHelp() = 0;
    // "/C": asks to save what changed; true when the program may close.
    virtual bool CloseQuery() = 0;
    // Starts the shortcut; a failure is not reported.
    virtual void LaunchShortcut(const std::string& path) = 0;
    // A wireless pad's battery is low: the tray's balloon says so, once.
    virtual void BatteryLow(const std::string& controllerName) = 0;
};

// The program's run-time state that the passes share.
struct MainLoopState {
    CoreLoopState Loop;
    ControllerListType List;
    CommandLineType CommandLine;
    std::uint8_t ProgramState = ProgramRunning;
    // The system sleeps: the passes do no controller work (SleepAndWake.h).
    bool Asleep = false;
    // Command lines handed over by second starts, oldest first: kept while a
    // dialog is up and served between passes.
    std::vector<std::vector<std::string>> HandOvers;
};

struct MainPassSeams {
    DeviceApi& Devices;
    InputSink& Input;
    UserInterface& Ui;
    ConfigurationType& Config;
    ShellRequests& Shell;
    SetChangeObserver* SetChanges = nullptr;
    FileExistsFunction FileExists;  // for the shortcut of a handed-over command line
};

// The work between two passes that may open dialogs, in this order: the
// handed-over command lines, the rescan when a device changed, each
// connected controller's requested profile, then "/?" and "/C". The shell
// calls it from its main loop only, never inside a pass nor inside a dialog
// that this call opened: it runs passes from inside those dialogs instead.
// Controllers are added and the list re-sorted only here, so code that holds
// a controller while its question or dialog is up finds the same one after
// it; a device plugged in meanwhile is scanned once the dialog has closed.
void RunBetweenPasses(MainLoopState& state, MainPassSeams& seams);

// One pass. Answers false once the program is quitting: the shell then
// closes its windows and ends the loop.
bool RunMainPass(MainLoopState& state, MainPassSeams& seams);

}  // namespace velmora
