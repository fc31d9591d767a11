#pragma once
// The profile of a controller as the user handles it: opening the profile a
// controller asks for, attaching a loaded profile, New, Save As and the
// questions asked before unsaved changes would be lost.

#include <cstddef>
#include <string>

#include "devices/DeviceContext.h"

namespace velmora {

// Why a changed profile is about to be dropped; the question says so.
enum SaveReason : int { SaveBeforeNew = 0, SaveBeforeOpen = 1, SaveBeforeClose = 2 };

// Carries out the controller's OpenProfileRequest and clears it. A changed
// profile is offered for saving first; cancelling keeps it and opens
// nothing. Request 2 lets the user choose the file first. A file that cannot
// be opened is named to the user and forgotten from the recent profiles.
// Either refusal cancels the shortcut waiting to be launched
// (pendingShortcut): the program it would start expects the new profile.
void OpenRequestedProfile(DeviceContext& context, std::size_t index, std::string& pendingShortcut);

// The loaded profile (read from request.Path) replaces the controller's own,
// adapted to its layout's triggers, starting in set 1, unchanged, and
// remembered as recent. The old buttons fall out first unless the program
// asked for it (request code 1, when the buttons are not shown yet).
void AttachLoadedProfile(DeviceContext& context, std::size_t index, ProfileType&& loaded,
                         const RequestedProfileType& request);

// Asks for a file name and writes the profile there. A failed write keeps
// the old file name. True when written.
bool SaveProfileAs(DeviceContext& context, std::size_t index);

// The question before the controller's changed profile is dropped. True
// when the caller may go on: saved, or "Do not Save".
bool AskToSaveProfile(DeviceContext& context, std::size_t index, SaveReason reason);

// Asks for every controller with a changed profile, in list order, and
// stops at the first answer that does not go on.
bool AskToSaveAllProfiles(DeviceContext& context, SaveReason reason);

// The New command of the profile menu, on the selected controller.
void NewProfileCommand(DeviceContext& context);

}  // namespace velmora
