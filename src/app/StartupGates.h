#pragma once
// The decisions of start-up that need no window: the desktop size gate, the
// send-input gate's message and what to do with Sticky Keys. The Win32 shell
// asks the system and shows what these return.

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/UserInterface.h"

namespace velmora {

inline constexpr int MinimumDesktopWidth = 600;
inline constexpr int MinimumDesktopHeight = 480;

// The message when the desktop is smaller than needed, else nothing. With
// designed set it is a warning and the caller goes on; otherwise an error.
std::optional<MessageDialog> ResolutionGateMessage(int desktopWidth, int desktopHeight, int neededWidth,
                                                   int neededHeight, std::string_view reasonKey,
                                                   bool designed);

// The send-input gate's refusal: the library did not load, or it has no SendInput.
std::optional<MessageDialog> SendInputGateMessage(bool libraryLoaded, bool functionFound);

// Sticky Keys flags as the accessibility record holds them.
inline constexpr std::uint32_t StickyKeysOn = 0x0001;
inline constexpr std::uint32_t StickyKeysHotKeyActive = 0x0004;

// With the hot key active the hot key goes off for the session, and Sticky
// Keys too when they are on (after telling the user); the saved record is
// written back at exit. Otherwise nothing changes.
struct StickyKeysDecision {
    bool Change = false;  // write NewFlags now and the saved flags back at exit
    std::uint32_t NewFlags = 0;
    bool TellUser = false;  // Sticky Keys were on: show StickyKeysNotice first
};
StickyKeysDecision DecideStickyKeys(std::uint32_t flags);
MessageDialog StickyKeysNotice();

}  // namespace velmora
