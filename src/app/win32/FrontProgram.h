#pragma once
// The program in front, from the system: the Win32 side of the seam of the
// profiles that follow the program in front.

#include <array>
#include <string>
#include <vector>

#include "app/ProgramProfiles.h"
#include "base/win32/Windows.h"

namespace velmora {

struct Application;

class Win32FrontProgram final : public FrontProgramSeam {
public:
    explicit Win32FrontProgram(Application& app) : app_(app) {}
    // GetForegroundWindow: one call, nothing allocated.
    std::uintptr_t FrontWindow() override;
    // Our own process's windows, the desktop's and the taskbar's.
    bool Ignored(std::uintptr_t window) override;
    // The owner process's image asked with PROCESS_QUERY_LIMITED_INFORMATION,
    // which reaches programs run as administrator too; a store app's front
    // window belongs to ApplicationFrameHost.exe, and its child of another
    // process names the app.
    FrontProgram Describe(std::uintptr_t window) override;
    bool WindowExists(std::uintptr_t window) override;
    // GetWindowTextW into a buffer of ours, compared with the title kept.
    bool TitleChanged(std::uintptr_t window) override;
    // The tray icon's warning balloon.
    bool ShowBalloon(const std::string& title, const std::string& text) override;

private:
    using TitleText = std::array<wchar_t, 256>;
    // Reads the window's title into the kept one; true when it differs.
    bool ReadTitle(HWND window);

    Application& app_;
    TitleText title_{};
};

// The file names of the programs that have a visible, titled window now
// (Velmora's own left out), each once, in the order of the windows.
std::vector<std::string> ProgramsWithWindows();

}  // namespace velmora
