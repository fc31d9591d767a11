#pragma once
// The controller script that velmora-cli simulate plays against a profile:
// which controls change at which pass. The format is described in
// docs/velmora-cli-simulate.md.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class ScriptAction : std::uint8_t { Button, DPad, Stick, Trigger, Set };

struct ScriptEvent {
    int Pass = 0;
    int Pad = 0;
    ScriptAction Action = ScriptAction::Button;
    int Index = 0;  // button 0..31, stick 0..1, trigger 0 left / 1 right
    int X = 0;      // button 1 down / 0 up; DPad bits; stick X; trigger value; set 0..7
    int Y = 0;      // stick Y
};

struct SimulationScript {
    int Pads = 1;
    std::vector<ScriptEvent> Events;  // in pass order
    int EndPass = 100;                // passes 0 .. EndPass - 1 run
};

// Parses the whole script. On a bad line the result is false and error says
// "line N: what is wrong".
bool ParseScript(std::string_view text, SimulationScript& script, std::string& error);

}  // namespace velmora
