#include "ui/win32/Win32UserInterface.h"

#include "ui/win32/DialogForm.h"
#include "ui/win32/FileDialogWindow.h"

namespace velmora {

int Win32UserInterface::ShowMessageDialog(const MessageDialog& dialog) {
    // Tray clicks and hand-overs from a second start wait while the user reads.
    dialogOpen_ = true;
    TDialogForm form(owner_, dialog);
    const int answer = form.ShowModal();
    dialogOpen_ = false;
    return answer;
}

void Win32UserInterface::ShowHelp(int topic) {
    SetForegroundWindow(owner_);
    helpForm_.ShowHelp(owner_, topic, helpValues_, config_);
}

// A file dialog counts as a dialog on screen: hand-overs wait for it too.
std::string Win32UserInterface::ShowOpenDialog(const FileDialog& dialog) {
    dialogOpen_ = true;
    std::string file = ShowFileDialogWindow(owner_, dialog, false);
    dialogOpen_ = false;
    return file;
}

std::string Win32UserInterface::ShowSaveDialog(const FileDialog& dialog) {
    dialogOpen_ = true;
    std::string file = ShowFileDialogWindow(owner_, dialog, true);
    dialogOpen_ = false;
    return file;
}

bool Win32UserInterface::MainWindowShowing() const {
    return owner_ && IsWindowVisible(owner_) && !IsIconic(owner_);
}

}  // namespace velmora
