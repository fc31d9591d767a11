#pragma once
// A menu, a modal window, a file dialog or a window being moved runs a message
// loop of its own, and the main loop stops until it returns. Those loops are
// counted here (they nest: a message box over a dialog, a menu in a window);
// the listener hears when the first one begins and when the last one ends, so
// that passes are kept going by a timer only while such a loop holds the thread.

#include <functional>

namespace velmora {

// Replaces the listener (none: the loops are still counted).
void SetModalLoopListener(std::function<void(bool held)> listener);
void ModalLoopBegins();
void ModalLoopEnds();
// Whether a loop of its own holds the thread now.
bool ModalLoopHeld();

// Counts one loop for its lifetime.
class ModalLoopScope {
public:
    ModalLoopScope() { ModalLoopBegins(); }
    ~ModalLoopScope() { ModalLoopEnds(); }
    ModalLoopScope(const ModalLoopScope&) = delete;
    ModalLoopScope& operator=(const ModalLoopScope&) = delete;
};

}  // namespace velmora
