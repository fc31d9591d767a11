#pragma once
// The popup menus of the main window and of the notification-area icon, as
// data: captions translated, items enabled, checked and hidden as the model
// stands when the menu opens. The window shows them; the Run... functions
// carry out the Tag the user chose.

#include <cstdint>
#include <vector>

#include "app/MenuTags.h"
#include "base/UserInterface.h"
#include "devices/DeviceContext.h"
#include "model/Profile.h"

namespace velmora {

std::vector<MenuItem> ProfilePopupMenu(const ControllerListType& list);
std::vector<MenuItem> ControllerPopupMenu(const ControllerListType& list);
std::vector<MenuItem> HelpPopupMenu();
// The current set checked.
std::vector<MenuItem> SetPopupMenu(const ProfileType& profile);
// Toggle, Turbo and Rumble marked " [ON]" while the control's assignment in the current set has them.
std::vector<MenuItem> AssignmentPopupMenu(const ProfileType& profile, int control);
// For an indicator of the layout (IndicatorIndex: DPad, Stick 1, Stick 2, Triggers).
std::vector<MenuItem> LayoutSettingsPopupMenu(const ProfileType& profile, int group);
// Drops the selected controller's recent profiles whose files are gone, before a menu lists them.
void PruneSelectedRecentProfiles(ControllerListType& list, ConfigurationType& config);
// The selected controller's recent profiles, then "[All...]"; empty when it has none.
std::vector<MenuItem> ProfileOpenPopupMenu(const ControllerListType& list, const ConfigurationType& config);

enum class TrayCommand : std::uint8_t { None, Restore, Minimize, Close, RunAsAdministrator };
// inputBlocked: input cannot reach the window in front, and the menu offers
// to run Velmora again as administrator.
std::vector<MenuItem> TrayPopupMenu(const ControllerListType& list, const ConfigurationType& config,
                                    bool minimised, bool inputBlocked = false);
// Runs the tray menu's chosen tag: recent-profile and open-dialog choices give the selected
// controller its profile request here; the other commands are returned for the window to do.
TrayCommand RunTrayChoice(DeviceContext& context, int tag);

// The commands of the main window's menus, given the chosen Tag (NoMenuChoice
// does nothing). True when something was done. The profile menu's Open
// (ProfileMenu::Open) is not run here: the click shows the recent-profile menu.
bool RunProfileChoice(DeviceContext& context, int tag);
bool RunControllerChoice(DeviceContext& context, int tag);
bool RunHelpChoice(DeviceContext& context, int tag);
bool RunSetChoice(ProfileType& profile, int tag);
bool RunAssignmentChoice(DeviceContext& context, int control, int tag);
bool RunLayoutSettingsChoice(DeviceContext& context, int group, int tag);
// The open dialog, or that recent profile.
bool RunProfileOpenChoice(DeviceContext& context, int tag);

// The middle click and the menu's Clear: the assignment window is closed and
// the control's assignment in the current set cleared.
void ClearControlCommand(DeviceContext& context, int control);

// The selected controller, or null.
ControllerDataType* SelectedController(ControllerListType& list);
const ControllerDataType* SelectedController(const ControllerListType& list);
bool SelectedConnected(const ControllerListType& list);

// The caption of a recent profile: the file name without its folder and
// without anything from its first "." on.
std::string RecentProfileCaption(const std::string& file);

}  // namespace velmora
