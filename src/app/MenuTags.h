#pragma once
// The Tags of the main window's and the tray's popup menus, named once: the
// menu that shows an item and the command that runs it use the same name.
// (The help menu's Tags are the help topics' numbers.)

namespace velmora {

namespace ProfileMenu {
inline constexpr int New = 1;
inline constexpr int Open = 2;  // leads on to the recent-profile menu
inline constexpr int Save = 3;
inline constexpr int SaveAs = 4;
inline constexpr int Settings = 5;
}  // namespace ProfileMenu

namespace ControllerMenu {
inline constexpr int New = 1;
inline constexpr int Settings = 2;
inline constexpr int Open = 3;
inline constexpr int Save = 4;
inline constexpr int SaveAs = 5;
inline constexpr int Properties = 6;
}  // namespace ControllerMenu

namespace AssignmentMenu {
inline constexpr int Assignment = 0;
inline constexpr int Toggle = 1;
inline constexpr int Turbo = 2;
inline constexpr int Rumble = 3;
inline constexpr int Clear = 4;
}  // namespace AssignmentMenu

namespace LayoutSettingsMenu {
inline constexpr int Settings = 1;
inline constexpr int MouseSettings = 2;
inline constexpr int FirstAutoAssign = 10;  // + the auto-assign choice
inline constexpr int FirstMode = 20;        // + the direction mode
}  // namespace LayoutSettingsMenu

// The recent-profile menus of the profile name box, the profile menu's Open and the tray.
namespace RecentProfileMenu {
inline constexpr int OpenDialog = 9;     // "[All...]", or "Open Profile" with no recent profile
inline constexpr int FirstProfile = 10;  // + the recent profile's index
}  // namespace RecentProfileMenu

namespace TrayMenu {
inline constexpr int Restore = 1;
inline constexpr int Minimize = 2;
inline constexpr int Close = 3;
inline constexpr int RunAsAdministrator = 4;  // while input cannot reach the window in front
}  // namespace TrayMenu

}  // namespace velmora
