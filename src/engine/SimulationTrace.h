#pragma once
// The text form of injected records, as velmora-cli simulate prints them:
// "key down 1E", "key up 48 ext", "key down vk=41", "mouse down left",
// "wheel +120", "move 3 -2", "abs 32767 10000". The pass number and the
// line break are the caller's.

#include <string>

#include "engine/InputSink.h"

namespace velmora {

std::string FormatKeyboard(const KeyboardRecord& record);
std::string FormatMouse(const MouseRecord& record);

}  // namespace velmora
