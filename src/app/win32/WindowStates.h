#pragma once
// Minimising, restoring and closing the main window, and what the program
// does when the window is minimised or restored by any means (its own
// button, the tray, a second start, the taskbar).

namespace velmora {

struct Application;

bool MainWindowShown(const Application& app);
void MinimizeApplication(Application& app);
// Shows the window again, in front.
void RestoreApplication(Application& app);
// A second start or a click on the tray icon; ignored while a dialog is open.
void ToggleMainWindow(Application& app);

// The window's minimise and restore events.
void ApplicationMinimised(Application& app);
void ApplicationRestored(Application& app);

// Offers to save what changed; the main loop ends after its pass if accepted.
void AskToQuit(Application& app);
// The close button: minimises instead when MinimizeWhenClosingMainWindow is on.
void CloseMainWindow(Application& app);

}  // namespace velmora
