#pragma once
// The life of the program: the main loop runs its controller work only
// while the program is running.

#include <cstdint>

namespace velmora {

enum ProgramStateValue : std::uint8_t {
    ProgramStarting = 0,
    ProgramCreated = 1,
    ProgramRunning = 3,
    ProgramQuitting = 4,
    ProgramFinished = 5,
};

}  // namespace velmora
