#pragma once
// The command line: profile files to open, one shortcut to launch once the
// controllers are ready, and the switches "/M", "/C" and "/?". A second
// start hands its command line over to the running instance, which parses
// it again and passes the profiles on to its controllers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace velmora {

inline constexpr std::size_t MaxCommandLineParams = 32;
inline constexpr std::size_t MaxQueuedProfiles = 16;
// The copy-data record number of a hand-over; anything else is not ours.
inline constexpr std::uintptr_t HandOverRecordNumber = 12345;
// The plain user message of a second start without parameters (first user message + 2).
inline constexpr unsigned SecondStartMessage = 0x0400 + 2;

struct CommandLineType {
    std::uint8_t ParamCount = 0;
    std::array<std::string, MaxCommandLineParams> Params;
    std::uint8_t ProfileCount = 0;
    std::array<std::string, MaxQueuedProfiles> Profiles;  // absolute, oldest first
    bool MinimizeSwitch = false;
    bool HelpSwitch = false;
    bool CloseSwitch = false;
    std::string ShortcutPath;  // absolute, empty when none
};

using FileExistsFunction = std::function<bool(const std::string&)>;

// True when a parameter is "/U" (either case): the start only removes the
// program's registry entries and ends, whatever else the line holds.
bool AsksForRegistryRemoval(std::span<const std::string> params);

// Stores the parameters (at most the first 32) as the ones to parse.
void StoreParams(CommandLineType& commandLine, std::span<const std::string> params);

// Interprets the stored parameters: sets the switches anew, replaces the
// shortcut when one is named (a waiting one is kept otherwise) and adds the
// profiles to the queue, dropping the oldest queued ones when it
// overflows. File names are made absolute against the program's folder; a
// shortcut that does not exist is reported through the user interface.
void ParseCommandLine(CommandLineType& commandLine, UserInterface& ui, const FileExistsFunction& fileExists);

// Adds one profile at the end of the queue, dropping the oldest when full.
void QueueProfile(CommandLineType& commandLine, std::string file);
// Takes the oldest queued profile; the rest move up by one.
std::optional<std::string> TakeQueuedProfile(CommandLineType& commandLine);

// The buffer a second start sends: every parameter followed by a zero byte,
// and one more zero byte at the end.
std::string BuildHandOverBuffer(std::span<const std::string> params);

// The parameters of a hand-over buffer of the given byte count. Another
// process can send anything, so the walk never reads past the byte count,
// stops at the first empty string or after 32 parameters, and a buffer whose
// last string has no terminating zero is refused as a whole (nothing).
std::optional<std::vector<std::string>> ReadHandOverBuffer(const void* data, std::size_t byteCount);

// A profile request that a hand-over makes for one controller: code 3 to
// open at once on a connected controller, 1 to open once it is connected.
struct HandOverRequest {
    int Controller = 0;
    std::uint8_t RequestCode = 1;
    std::string File;
};
inline constexpr std::uint8_t RequestOpenWhenConnected = 1;
inline constexpr std::uint8_t RequestOpenNow = 3;

// What the running instance does with the queue after a hand-over, given
// each present controller's connection state and the selected controller:
// one queued profile goes to the selected controller, several go to the
// controllers in order. With no controller the queue waits for the first
// controllers to be identified.
std::vector<HandOverRequest> DistributeHandOverProfiles(CommandLineType& commandLine,
                                                        std::span<const std::uint8_t> connections,
                                                        int selected);

}  // namespace velmora
