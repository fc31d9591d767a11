#pragma once
// The work of one main-loop pass that needs no device and no window: for
// every processed controller, resolution and assignments; then emission of
// keys and mouse, the repeat countdowns and the pass counter. The Win32
// shell adds the message pump, device reading and the 10 ms sleep around it.

#include <cstdint>
#include <span>

#include "base/UserInterface.h"
#include "engine/AssignmentExecution.h"
#include "engine/Emission.h"
#include "engine/InputSink.h"
#include "engine/MouseEmulation.h"
#include "engine/ProgramState.h"
#include "engine/Rumble.h"
#include "model/Controller.h"

namespace velmora {

inline constexpr int NoController = 255;

// The engine state that lives as long as the loop.
struct CoreLoopState {
    EmissionState Emission;
    MouseState Mouse;
    const SpeedTable* Speeds = &SharedSpeedTable();
    int PassCounter = 0;          // 0..99
    std::uint32_t Hundreds = 0;   // completed hundreds of passes, in passes
    bool KeyEmitting = false;     // the assignment window's capture waits while keys go out
    ControlStates RedrawCache{};  // what the layout last drew for the selected controller
    RumbleTestRequest RumbleTest;

    std::uint32_t TotalPasses() const { return Hundreds + static_cast<std::uint32_t>(PassCounter); }
};

// The device work of one controller at the start of its turn in the pass
// (open a requested profile, read and normalise the device), before the
// engine resolves its controls.
class ControllerPreparation {
public:
    virtual ~ControllerPreparation() = default;
    virtual void PrepareController(std::size_t index) = 0;
};

// The outside world of a pass.
struct PassSeams {
    InputSink& Input;
    UserInterface& Ui;
    RumbleOutput& Rumble;
    SetChangeObserver* SetChanges = nullptr;
    ControllerPreparation* Prepare = nullptr;  // none: Input is filled by the caller
};

// One pass over the controllers (each with its Input already filled).
// Controller work runs only while the program is running; the emission runs
// always, so whatever nobody wants any more is released.
void RunPass(CoreLoopState& state, std::span<ControllerDataType> controllers, int selected,
             std::uint8_t programState, PassSeams& seams);

// Releases every key and mouse button held, at exit or when controllers go.
void ReleaseEverything(CoreLoopState& state, InputSink& sink);

}  // namespace velmora
