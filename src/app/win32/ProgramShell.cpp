#include "app/win32/ProgramShell.h"

#include "app/CloseQuery.h"
#include "app/win32/Application.h"
#include "app/win32/TrayIcon.h"
#include "base/Language.h"
#include "base/win32/WideText.h"
#include "base/win32/Windows.h"

namespace velmora {

void ProgramShell::DrawWaitingFrame(int frame) {
    waitingFrame_ = frame;
    app_.Ui.Layout().ShowWaitingPhase(frame);
}

// The window reports the minimised state (WM_SIZE), which clears "/M".
void ProgramShell::MinimizeProgram() {
    ShowWindow(app_.Window, SW_MINIMIZE);
}

bool ProgramShell::CloseQuery() {
    DeviceContext context = app_.Context();
    return velmora::CloseQuery(context, app_.Main.CommandLine);
}

void ProgramShell::ShowHelp() {
    constexpr int AdvancedStartingTopic = 110;
    app_.Ui.ShowHelp(AdvancedStartingTopic);
}

void ProgramShell::LaunchShortcut(const std::string& path) {
    ShellExecuteW(app_.Window, L"open", Utf8ToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ProgramShell::BatteryLow(const std::string& controllerName) {
    ShowTrayBalloon(app_, Translate("*Controller battery low*"),
                    "\"" + controllerName + "\" " + Translate("*Charge it or change its batteries soon.*"));
}

}  // namespace velmora
