#pragma once
// One pass of the main loop without the message pump and the sleep: the
// rescan, every controller's device work and engine work, the XInput
// pairing, the emission and the command-line requests. The shell calls it
// every 10 ms while the program runs, and once more after it quits.

#include <string>

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
};

// The program's run-time state that the passes share.
struct MainLoopState {
    CoreLoopState Loop;
    ControllerListType List;
    CommandLineType CommandLine;
    std::uint8_t ProgramState = ProgramRunning;
};

struct MainPassSeams {
    DeviceApi& Devices;
    InputSink& Input;
    UserInterface& Ui;
    ConfigurationType& Config;
    ShellRequests& Shell;
    SetChangeObserver* SetChanges = nullptr;
};

// One pass. Answers false once the program is quitting: the shell then
// closes its windows and ends the loop.
bool RunMainPass(MainLoopState& state, MainPassSeams& seams);

}  // namespace velmora
