#include "app/win32/Win32UserInterface.h"

#include "ui/win32/DialogForm.h"
#include "ui/win32/FileDialogWindow.h"
#include "ui/win32/PopupMenus.h"

namespace velmora {

// The main loop waits while a modal window is up: what the picture is due to
// show (a button no longer pressed, a changed name) is shown first.
void Win32UserInterface::ShowPictureNow() {
    if (!owner_) return;
    layout_.EndPass(owner_);
    UpdateWindow(owner_);
}

int Win32UserInterface::ShowMessageDialog(const MessageDialog& dialog) {
    ShowPictureNow();
    // Tray clicks and hand-overs from a second start wait while the user reads.
    dialogOpen_ = true;
    TDialogForm form(owner_, dialog);
    const int answer = form.ShowModal();
    dialogOpen_ = false;
    return answer;
}

void Win32UserInterface::ShowHelp(int topic) {
    ShowPictureNow();
    SetForegroundWindow(owner_);
    helpForm_.ShowHelp(owner_, topic, helpValues_, config_);
}

int Win32UserInterface::ShowPopupMenu(const std::vector<MenuItem>& items, MenuPlace place) {
    if (!owner_) return NoMenuChoice;
    POINT point{place.Left, place.Top};
    if (place.AtCursor) {
        GetCursorPos(&point);
    } else {
        ShowPictureNow();
        ClientToScreen(owner_, &point);
    }
    return TrackMenu(owner_, items, point);
}

// A file dialog counts as a dialog on screen: hand-overs wait for it too.
std::string Win32UserInterface::ShowFileDialog(const FileDialog& dialog, bool save) {
    ShowPictureNow();
    dialogOpen_ = true;
    std::string file = ShowFileDialogWindow(owner_, dialog, save);
    dialogOpen_ = false;
    return file;
}

bool Win32UserInterface::MainWindowShowing() const {
    return owner_ && IsWindowVisible(owner_) && !IsIconic(owner_);
}

}  // namespace velmora
