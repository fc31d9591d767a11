#include "app/win32/Win32UserInterface.h"

#include "app/settings/SettingsWindows.h"
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
    ++dialogsOpen_;
    TDialogForm form(owner_, dialog);
    const int answer = form.Ask();
    --dialogsOpen_;
    return answer;
}

void Win32UserInterface::ShowHelp(int topic) {
    ShowPictureNow();
    SetForegroundWindow(owner_);
    ++dialogsOpen_;  // the tray waits while help is up, as for a message
    helpForm_.ShowHelp(owner_, topic, helpValues_, config_);
    --dialogsOpen_;
}

int Win32UserInterface::ShowPopupMenu(const std::vector<MenuItem>& items, MenuPlace place) {
    if (!owner_) return NoMenuChoice;
    POINT point{place.Left, place.Top};
    if (place.AtCursor) {
        GetCursorPos(&point);
    } else {
        ShowPictureNow();
        // The place is a picture pixel's: its corner on the enlarged picture.
        point = {point.x * layout_.Scale(), point.y * layout_.Scale()};
        ClientToScreen(owner_, &point);
    }
    return TrackMenu(owner_, items, point);
}

// A file dialog counts as a dialog on screen: hand-overs wait for it too.
std::string Win32UserInterface::ShowFileDialog(const FileDialog& dialog, bool save) {
    ShowPictureNow();
    ++dialogsOpen_;
    std::string file = ShowFileDialogWindow(owner_, dialog, save);
    --dialogsOpen_;
    return file;
}

void Win32UserInterface::RegisterForm(SettingsWindow window, TSettingsForm& form) {
    forms_[static_cast<std::size_t>(window)] = &form;
    form.SetKeys(SettingsWindowInfo(window).KeysAssigned ? FormKeys::Assigned : FormKeys::Dialog);
}

TSettingsForm* Win32UserInterface::OpenForm(SettingsWindow window) const {
    TSettingsForm* form = forms_[static_cast<std::size_t>(window)];
    return form && form->IsOpen() ? form : nullptr;
}

bool Win32UserInterface::IsWindowOpen(SettingsWindow window) const {
    return OpenForm(window) != nullptr;
}

void Win32UserInterface::CloseWindow(SettingsWindow window) {
    if (TSettingsForm* form = OpenForm(window)) form->Close();
}

void Win32UserInterface::OpenWindowFor(SettingsWindow window, int subject) {
    TSettingsForm* form = forms_[static_cast<std::size_t>(window)];
    if (!form) return;
    for (int i = 0; i < SettingsWindowCount; ++i)
        if (ClosesWhenOpening(window, static_cast<SettingsWindow>(i)))
            CloseWindow(static_cast<SettingsWindow>(i));
    form->RememberPositionIn(config_, SettingsWindowInfo(window).PositionIndex);
    if (form->Create(owner_)) form->OpenFor(subject);
}

int Win32UserInterface::WindowSubject(SettingsWindow window) const {
    const TSettingsForm* form = OpenForm(window);
    return form ? form->Subject() : -1;
}

void Win32UserInterface::RefreshWindow(SettingsWindow window) {
    if (TSettingsForm* form = OpenForm(window)) form->Refresh();
}

void Win32UserInterface::UpdateLiveDisplay(SettingsWindow window) {
    if (TSettingsForm* form = OpenForm(window)) form->UpdateLiveDisplay();
}

// One capture serves both assignment windows: the assignment window's form
// knows whether either of them is the active window.
void Win32UserInterface::CaptureKeyboard(bool keyEmitting) {
    if (TSettingsForm* form = OpenForm(SettingsWindow::Assignment)) form->CaptureKeyboard(keyEmitting);
}

void Win32UserInterface::ShowTurboDemonstration(bool lit) {
    if (TSettingsForm* form = OpenForm(SettingsWindow::AdvancedAssignment)) form->ShowTurboDemonstration(lit);
}

void Win32UserInterface::DetectionTick() {
    if (TSettingsForm* form = OpenForm(SettingsWindow::ControllerSettings)) form->DetectionTick();
}

void Win32UserInterface::RedrawSlotDisplays() {
    for (const SettingsWindow window : {SettingsWindow::Assignment, SettingsWindow::AdvancedAssignment})
        if (TSettingsForm* form = OpenForm(window)) form->RedrawSlotDisplay();
}

// The window reports the minimised state (WM_SIZE), where the rest of minimising happens.
void Win32UserInterface::MinimizeProgram() {
    if (MainWindowShowing()) ShowWindow(owner_, SW_MINIMIZE);
}

void Win32UserInterface::ShowProfileNamePressed(bool pressed) {
    Layout().Status().ProfileNamePressed = pressed ? 1 : 0;
    RedrawLayout();
}

void Win32UserInterface::CloseAllWindows() {
    for (int i = 0; i < SettingsWindowCount; ++i) CloseWindow(static_cast<SettingsWindow>(i));
}

bool Win32UserInterface::MainWindowShowing() const {
    return owner_ && IsWindowVisible(owner_) && !IsIconic(owner_);
}

}  // namespace velmora
