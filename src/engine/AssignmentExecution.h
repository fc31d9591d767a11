#pragma once
// Assignment execution: once per controller and pass, after resolution,
// turns control states into effective states (toggle, turbo), detects set
// selection, decides the rumble, runs every assignment of the current set
// through its cycle and sequence states (marking the codes it wants and
// adding its mouse movement), and applies a requested set change.

#include <array>
#include <cstdint>

#include "base/UserInterface.h"
#include "engine/Emission.h"
#include "engine/MouseEmulation.h"
#include "engine/Rumble.h"
#include "model/Controller.h"

namespace velmora {

// The rumble test of the advanced assignment window: for Passes passes the
// controller feels Strengths instead of its assignments' rumble.
struct RumbleTestRequest {
    int Controller = 0;
    std::uint32_t Passes = 0;
    std::array<std::uint8_t, 2> Strengths{};
};

// Told when a controller's current set changes (the trace of a simulation
// shows it; the windows learn it through the layout redraws).
class SetChangeObserver {
public:
    virtual ~SetChangeObserver() = default;
    virtual void CurrentSetChanged(int controller, std::uint8_t set) = 0;
};

struct AssignmentContext {
    int ControllerIndex = 0;
    KeyTable& Keys;
    MouseState& Mouse;
    int PassCounter = 0;  // 0..99
    RumbleTestRequest& RumbleTest;
    RumbleOutput& Rumble;
    UserInterface& Ui;
    // The main window shows this controller's layout: its buttons are drawn
    // from RedrawCache (when given) and redrawn on cycle and set changes.
    bool ShowsLayout = false;
    ControlStates* RedrawCache = nullptr;
    SetChangeObserver* SetChanges = nullptr;
};

// A press edge: active now and not last pass; a release edge the reverse.
inline bool PressEdge(std::uint8_t now, std::uint8_t before) {
    return now == Active && before != Active;
}
inline bool ReleaseEdge(std::uint8_t now, std::uint8_t before) {
    return now != Active && before == Active;
}

// The steps of RunAssignments, in order.
void ApplyEffectiveState(ControllerDataType& controller);
void DetectSetSelection(ControllerDataType& controller);
std::array<std::uint8_t, 2> WantedRumble(const ControllerDataType& controller);
void UpdateRumble(ControllerDataType& controller, AssignmentContext& context);
void DrawChangedControls(const ControllerDataType& controller, ControlStates& cache, UserInterface& ui);
void ExecuteAssignments(ControllerDataType& controller, AssignmentContext& context);
void AdvanceCycles(ControllerDataType& controller, AssignmentContext& context);
void ApplySetChange(ControllerDataType& controller, AssignmentContext& context);
void StorePreviousStates(ControllerDataType& controller);

// All of the above for one controller whose ControlState is resolved: the
// steps up to the layout's redraw, then from the execution on. The main
// pass runs the settings windows' steps between the two halves.
void RunAssignments(ControllerDataType& controller, AssignmentContext& context);
void PrepareAssignments(ControllerDataType& controller, AssignmentContext& context);
void FinishAssignments(ControllerDataType& controller, AssignmentContext& context);

}  // namespace velmora
