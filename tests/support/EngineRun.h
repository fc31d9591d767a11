#pragma once
// Runs the real pass function over a few controllers and records its trace:
// injected records and rumble commands, one line each, "PASS text", as
// velmora-cli simulate prints them.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Pass.h"
#include "model/ProfileModel.h"
#include "support/RecordingInputSink.h"
#include "support/RecordingUserInterface.h"

namespace velmora::test {

class RecordingRumble : public RumbleOutput {
public:
    RecordingInputSink* Trace = nullptr;
    const std::vector<ControllerDataType>* Controllers = nullptr;

    void StartRumble(ControllerDataType& c, std::uint8_t s0, std::uint8_t s1) override { Add(c, s0, s1); }
    void StopRumble(ControllerDataType& c) override { Add(c, 0, 0); }

private:
    void Add(const ControllerDataType& c, int s0, int s1) {
        const auto k = &c - Controllers->data();
        Trace->Lines.push_back(std::to_string(Trace->Pass) + " rumble " + std::to_string(k) + " " +
                               std::to_string(s0) + " " + std::to_string(s1));
    }
};

class RecordingSetChanges : public SetChangeObserver {
public:
    RecordingInputSink* Trace = nullptr;
    void CurrentSetChanged(int controller, std::uint8_t set) override {
        Trace->Lines.push_back(std::to_string(Trace->Pass) + " set " + std::to_string(controller) + " " +
                               std::to_string(set + 1));
    }
};

struct EngineRun {
    std::vector<ControllerDataType> Controllers;
    CoreLoopState State;
    RecordingInputSink Sink;
    RecordingRumble Rumble;
    RecordingSetChanges SetChanges;
    RecordingUserInterface Ui;
    PassSeams Seams{Sink, Ui, Rumble, &SetChanges};
    int Selected = 0;
    std::uint8_t ProgramState = ProgramRunning;

    explicit EngineRun(int pads = 1) : Controllers(static_cast<std::size_t>(pads)) {
        Rumble.Trace = &Sink;
        Rumble.Controllers = &Controllers;
        SetChanges.Trace = &Sink;
        Ui.Showing = false;
        for (ControllerDataType& c : Controllers) c.CanRumble = true;
    }

    ControllerDataType& Pad(int k = 0) { return Controllers[static_cast<std::size_t>(k)]; }

    AssignmentType& Assign(int control, std::initializer_list<std::string_view> slots, int set = 0,
                           int pad = 0) {
        AssignmentType& a =
            Pad(pad).Profile.Sets[static_cast<std::size_t>(set)].Assignments[static_cast<std::size_t>(
                control)];
        for (auto name : slots) SetSlot(a.Slots, a.Slots.CodeCount(), *FindSlotCode(name));
        return a;
    }

    void Press(int button, bool down = true, int pad = 0) {
        std::uint32_t& b = Pad(pad).Input.Buttons;
        b = down ? (b | (1u << button)) : (b & ~(1u << button));
    }

    // Runs passes; the records of each are stamped with its number.
    void Run(int passes = 1) {
        for (int i = 0; i < passes; ++i) {
            Sink.Pass = static_cast<int>(State.TotalPasses());
            RunPass(State, Controllers, Selected, ProgramState, Seams);
        }
    }
    // Holds a button for some passes, then releases it.
    void Tap(int button, int passes = 1, int pad = 0) {
        Press(button, true, pad);
        Run(passes);
        Press(button, false, pad);
    }
    int Now() const { return static_cast<int>(State.TotalPasses()); }
};

}  // namespace velmora::test
