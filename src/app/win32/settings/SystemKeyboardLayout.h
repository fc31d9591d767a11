#pragma once
// The user's keyboard layout as the system reports it: the character each
// scan code types without modifiers, for the keyboard picture's captions.

#include "app/settings/KeyboardLayoutCaptions.h"

namespace velmora {

// The active keyboard layout of the calling thread, read through the
// system's scan-code and character functions; dead keys give their accent.
KeyboardLayoutTable SystemKeyboardLayout();

}  // namespace velmora
