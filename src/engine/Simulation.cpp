#include "engine/Simulation.h"

#include <vector>

#include "engine/Pass.h"
#include "engine/SimulationTrace.h"

namespace velmora {
namespace {

// Writes every event of the simulation as a trace line.
class TraceWriter : public InputSink, public RumbleOutput, public SetChangeObserver {
public:
    TraceWriter(std::ostream& out, const std::vector<ControllerDataType>& controllers)
        : Out(out), Controllers(controllers) {}
    int Pass = 0;

    void SendKeyboard(const KeyboardRecord& r) override { Line(FormatKeyboard(r)); }
    void SendMouse(const MouseRecord& r) override { Line(FormatMouse(r)); }
    void StartRumble(ControllerDataType& c, std::uint8_t s0, std::uint8_t s1) override { Rumble(c, s0, s1); }
    void StopRumble(ControllerDataType& c) override { Rumble(c, 0, 0); }
    void CurrentSetChanged(int controller, std::uint8_t set) override {
        Line("set " + std::to_string(controller) + " " + std::to_string(set + 1));
    }

private:
    std::ostream& Out;
    const std::vector<ControllerDataType>& Controllers;

    void Line(const std::string& text) { Out << Pass << ' ' << text << '\n'; }
    void Rumble(const ControllerDataType& c, int s0, int s1) {
        const auto k = &c - Controllers.data();
        Line("rumble " + std::to_string(k) + " " + std::to_string(s0) + " " + std::to_string(s1));
    }
};

void Apply(const ScriptEvent& e, ControllerDataType& c) {
    NormalisedInput& in = c.Input;
    const auto i = static_cast<std::size_t>(e.Index);
    switch (e.Action) {
        case ScriptAction::Button:
            in.Buttons = e.X ? in.Buttons | (1u << e.Index) : in.Buttons & ~(1u << e.Index);
            break;
        case ScriptAction::DPad:
            in.DPad = static_cast<std::uint8_t>(e.X);
            break;
        case ScriptAction::Stick:
            in.StickX[i] = static_cast<std::int16_t>(e.X);
            in.StickY[i] = static_cast<std::int16_t>(e.Y);
            break;
        case ScriptAction::Trigger:
            in.Triggers[i] = static_cast<std::uint8_t>(e.X);
            break;
        case ScriptAction::Set:
            // As the set menu does: only a different set is requested.
            if (e.X != c.Profile.CurrentSet) c.Profile.RequestedSet = static_cast<std::uint8_t>(e.X);
            break;
    }
}

std::vector<ControllerDataType> SimulatedControllers(const ProfileType& profile, int pads) {
    std::vector<ControllerDataType> controllers(static_cast<std::size_t>(pads));
    for (std::size_t k = 0; k < controllers.size(); ++k) {
        ControllerDataType& c = controllers[k];
        c.Name = "Pad " + std::to_string(k);
        c.DeviceKind = XInputDevice;
        c.XInputIndex = static_cast<std::uint8_t>(k % 4);
        c.CanRumble = true;
        c.Profile = profile;
        c.Profile.CurrentSet = 0;
        c.Profile.RequestedSet = NoSet;
    }
    return controllers;
}

}  // namespace

void RunSimulation(const ProfileType& profile, const SimulationScript& script, KeyCodeMode mode,
                   std::ostream& out) {
    std::vector<ControllerDataType> controllers = SimulatedControllers(profile, script.Pads);
    TraceWriter trace(out, controllers);
    NoUserInterface ui;
    PassSeams seams{trace, ui, trace, &trace};
    CoreLoopState state;
    state.Emission.Mode = mode;
    std::size_t next = 0;
    for (int pass = 0; pass < script.EndPass; ++pass) {
        for (; next < script.Events.size() && script.Events[next].Pass == pass; ++next)
            Apply(script.Events[next], controllers[static_cast<std::size_t>(script.Events[next].Pad)]);
        trace.Pass = pass;
        RunPass(state, controllers, 0, ProgramRunning, seams);
    }
    trace.Pass = script.EndPass;
    ReleaseEverything(state, trace);
    for (ControllerDataType& c : controllers)
        if (c.RumbleNow[0] != 0 || c.RumbleNow[1] != 0) SetRumble(c, 0, 0, true, trace);
}

}  // namespace velmora
