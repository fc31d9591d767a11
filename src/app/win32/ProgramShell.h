#pragma once
// What the pass asks of the program's windows: the waiting animation, the
// command-line requests to minimise, show help, close and launch a shortcut.

#include "app/MainPass.h"

namespace velmora {

struct Application;

class ProgramShell : public ShellRequests {
public:
    explicit ProgramShell(Application& app) : app_(app) {}
    int WaitingFrame() const { return waitingFrame_; }

    void DrawWaitingFrame(int frame) override;
    void MinimizeProgram() override;
    // "/?" shows the help topic on starting with a command line.
    void ShowHelp() override;
    // Offers to save the changed layouts, then the changed profiles.
    bool CloseQuery() override;
    void LaunchShortcut(const std::string& path) override;
    // The tray's balloon, when the icon is there.
    void BatteryLow(const std::string& controllerName) override;

private:
    Application& app_;
    int waitingFrame_ = 0;
};

}  // namespace velmora
