#pragma once
// Profile files (".velmoraprofile"): the writer, the reader with a default for
// every missing or bad value, the recognition of old binary profiles and of
// profiles from newer versions, and the trigger adaptation made when a loaded
// profile meets a layout.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/FileAccess.h"
#include "base/UserInterface.h"
#include "model/Configuration.h"
#include "model/Profile.h"

namespace velmora {

// Profiles may need more than other files: every assignment of every set can
// use all its options and long slot lists (4,689 Name=Value lines at most, and
// slot lists without a fixed length). The writer and the reader share these
// bounds, and the writer refuses a profile that would exceed them, so every
// profile written reads back as written.
inline constexpr FileLimits ProfileFileLimits{16u << 20, 16u << 20, 16384};

inline constexpr std::string_view ProfileExtension = "velmoraprofile";

// The mode word of a DirectionMode, as profile files write it.
std::string_view DirectionModeWord(std::uint8_t mode);

// What every key of an assignment starts with: "Set", the set's number and
// the control's name ("Set2Button3"); set counts from 0. Made once for all.
const std::string& AssignmentKeyPrefix(int set, int control);

// Adds the lines of the profile file to an empty entry table.
void AddProfileEntries(FileAccess& file, const ProfileType& profile);

// Writes the profile to its FileName. On success it is no longer Changed; on
// failure the message has been shown and it keeps its state.
bool WriteProfile(ProfileType& profile, UserInterface& ui);

// The bytes WriteProfile would write, or nothing (after a message) when the
// profile is too large to be read back. path names the file in the message.
std::optional<std::string> ProfileFileBytes(const ProfileType& profile, UserInterface& ui,
                                            const std::string& path);

// Reads a profile file into the scratch profile. Refuses unreadable files
// (silently), old binary profiles and profiles of newer versions (with a
// message). Bad values get one message each and their default.
bool ReadProfile(const std::string& fileName, ProfileType& scratch, const ConfigurationType& config,
                 UserInterface& ui);

// The label of the old binary profile the buffer holds, or empty.
std::string_view OldBinaryProfileLabel(FileAccess& file);

// The message for one bad value: the heading and message keys name what was
// wrong and the default taken; key and value are as found in the file.
MessageDialog BadProfileValueMessage(std::string_view path, std::string_view headingKey, std::string_view key,
                                     std::string value, std::string_view messageKey);

// The message shown when a requested profile cannot be opened.
MessageDialog CannotOpenProfileMessage(std::string_view path, std::string_view controllerName);

// A layout with triggers but without Button11 and Button12 (or the other way
// round) gets the assignments of the missing controls moved to the placed
// ones, in every set, where the placed control has none. placed[c]: the
// layout places control c.
void AdaptTriggers(ProfileType& profile, const std::array<bool, ControlCount>& placed);

}  // namespace velmora
