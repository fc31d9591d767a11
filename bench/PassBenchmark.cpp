// Time of one main-loop pass with 16 controllers whose every control has an
// assignment: key combinations, sequences with pauses, cycles, turbo, mouse
// buttons and wheel, and mouse movement from buttons, DPads, sticks and
// triggers. Even controllers use the Standard modes (straight directions
// active), odd ones the Diagonal modes (diagonals active). The input
// alternates between everything held and everything released every 16
// passes, so that presses, releases, sequences and cycles keep happening.

#include <benchmark/benchmark.h>

#include <vector>

#include "engine/Pass.h"
#include "model/ProfileModel.h"

namespace {

using namespace velmora;

class CountingSink : public InputSink {
public:
    long Records = 0;
    void SendKeyboard(const KeyboardRecord&) override { ++Records; }
    void SendMouse(const MouseRecord&) override { ++Records; }
};

class NoRumble : public RumbleOutput {
public:
    void StartRumble(ControllerDataType&, std::uint8_t, std::uint8_t) override {}
    void StopRumble(ControllerDataType&) override {}
};

void Add(AssignmentType& a, std::initializer_list<const char*> names) {
    for (const char* name : names) SetSlot(a.Slots, a.Slots.CodeCount(), *FindSlotCode(name));
}

void AssignButton(AssignmentType& a, int b) {
    switch (b % 6) {
        case 0:
            Add(a, {"Left Shift", "A", "B"});
            break;
        case 1:
            Add(a, {"X", "PAUSE 0.05s", "Y", "PAUSE 0.01s", "Z"});
            break;
        case 2:
            Add(a, {"C", "CYCLE STOP", "D", "CYCLE STOP", "E"});
            break;
        case 3:
            Add(a, {"Left Mouse Button (1)", "Mouse Wheel Up"});
            a.Turbo = true;
            break;
        case 4:
            Add(a, {"Mouse Move Right", "Mouse Move Up"});
            break;
        default:
            Add(a, {"F"});
            a.Rumble = true;
            break;
    }
}

void AssignDirection(AssignmentType& a, int control) {
    const char* moves[4] = {"Mouse Move Up", "Mouse Move Right", "Mouse Move Down", "Mouse Move Left"};
    if (control >= Stick1Up && control <= Stick2Left) {
        Add(a, {moves[(control - Stick1Up) % 4]});
        a.MouseMode = control < Stick2Up ? LookCamera : Cursor;
    } else if (control >= Stick1UpRight && control <= Stick2UpLeft) {
        Add(a, {moves[(control - Stick1UpRight) % 4], "G"});
    } else if (control == TriggerLeft || control == TriggerRight) {
        Add(a, {"Mouse Move Down"});
    } else {
        Add(a, {"Arrow Up", "PAUSE 0.01s", "Arrow Down"});  // DPad and its diagonals
    }
}

void BusyController(ControllerDataType& c, bool diagonal) {
    c.CanRumble = true;
    SetType& set = c.Profile.Sets[0];
    for (int control = 0; control < ControlCount; ++control) {
        AssignmentType& a = set.Assignments[static_cast<std::size_t>(control)];
        if (control < 32)
            AssignButton(a, control);
        else
            AssignDirection(a, control);
    }
    set.StickModes = {diagonal ? Diagonal : Standard, diagonal ? Diagonal : Standard};
    set.StickDiagonalSizes = {89, 89};
    set.DPadMode = diagonal ? Diagonal : Standard;
}

void HoldEverything(ControllerDataType& c, bool held) {
    const std::int16_t s = held ? 200 : 0;
    c.Input.Buttons = held ? 0xFFFFFFFFu : 0;
    c.Input.DPad = held ? DPadUpBit | DPadRightBit : 0;
    c.Input.StickX = {s, static_cast<std::int16_t>(-s)};
    c.Input.StickY = {s, static_cast<std::int16_t>(-s)};
    c.Input.Triggers = {static_cast<std::uint8_t>(held ? 255 : 0), static_cast<std::uint8_t>(held ? 200 : 0)};
}

void PassWith16BusyControllers(benchmark::State& bench) {
    std::vector<ControllerDataType> controllers(16);
    for (std::size_t i = 0; i < controllers.size(); ++i) BusyController(controllers[i], i % 2 == 1);
    CoreLoopState state;
    CountingSink sink;
    NoRumble rumble;
    NoUserInterface ui;
    PassSeams seams{sink, ui, rumble};
    long pass = 0;
    for (auto _ : bench) {
        const bool held = (pass++ / 16) % 4 != 3;
        for (ControllerDataType& c : controllers) HoldEverything(c, held);
        RunPass(state, controllers, 0, ProgramRunning, seams);
    }
    bench.counters["records/pass"] =
        benchmark::Counter(static_cast<double>(sink.Records) / static_cast<double>(pass));
}
BENCHMARK(PassWith16BusyControllers);

}  // namespace

BENCHMARK_MAIN();
