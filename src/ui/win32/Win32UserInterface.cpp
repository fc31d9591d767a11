#include "ui/win32/Win32UserInterface.h"

#include "ui/win32/DialogForm.h"

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

bool Win32UserInterface::MainWindowShowing() const {
    return owner_ && IsWindowVisible(owner_) && !IsIconic(owner_);
}

}  // namespace velmora
