#include "ui/ModalLoops.h"

namespace velmora {
namespace {

struct ModalLoops {
    int Depth = 0;
    std::function<void(bool)> Listener;
};

ModalLoops& Loops() {
    static ModalLoops loops;
    return loops;
}

}  // namespace

void SetModalLoopListener(std::function<void(bool held)> listener) {
    Loops().Listener = std::move(listener);
}

void ModalLoopBegins() {
    if (++Loops().Depth == 1 && Loops().Listener) Loops().Listener(true);
}

// An end without a beginning (a loop that began before the count did) is
// ignored: a depth below zero would leave the next loop unheard.
void ModalLoopEnds() {
    if (Loops().Depth == 0) return;
    if (--Loops().Depth == 0 && Loops().Listener) Loops().Listener(false);
}

bool ModalLoopHeld() {
    return Loops().Depth > 0;
}

}  // namespace velmora
