#pragma once
// The notification-area icon: added at first activation when the option is
// on, added again when the taskbar is re-created, removed at shut-down. Its
// clicks minimise and restore the window, open its menu, or close.

#include <string>

#include "base/win32/Windows.h"

namespace velmora {

struct Application;

inline constexpr UINT TrayCallbackMessage = WM_USER + 1;

void AddTrayIcon(Application& app);
void RemoveTrayIcon(Application& app);
// The icon's callback message; mouseMessage is its second argument.
void HandleTrayCallback(Application& app, UINT mouseMessage);
// The tip says that input cannot reach the window in front while notice is
// set, else it is the program's name; kept for when the icon is added again.
void SetTrayNotice(Application& app, bool notice);
// The tip says that a profile switch waits for a save while notice is set
// (unless input cannot reach the window in front, which matters more).
void SetTraySwitchNotice(Application& app, bool notice);
// A warning balloon with the same notice; nothing without the icon.
void ShowTrayNoticeBalloon(Application& app);
// A warning balloon; nothing without the icon. True when shown.
bool ShowTrayBalloon(Application& app, const std::string& title, const std::string& text);

}  // namespace velmora
