#pragma once
// An input sink for tests: keeps every record with the pass it was sent in,
// and gives the trace as the lines velmora-cli simulate prints.

#include <string>
#include <vector>

#include "engine/InputSink.h"
#include "engine/SimulationTrace.h"

namespace velmora::test {

class RecordingInputSink : public InputSink {
public:
    int Pass = 0;  // stamped on every record; the test advances it
    std::vector<std::string> Lines;
    std::vector<MouseRecord> Mouse;
    std::vector<KeyboardRecord> Keyboard;

    void SendKeyboard(const KeyboardRecord& record) override {
        Keyboard.push_back(record);
        Lines.push_back(std::to_string(Pass) + " " + FormatKeyboard(record));
    }
    void SendMouse(const MouseRecord& record) override {
        Mouse.push_back(record);
        Lines.push_back(std::to_string(Pass) + " " + FormatMouse(record));
    }
    void Clear() {
        Lines.clear();
        Mouse.clear();
        Keyboard.clear();
    }
};

}  // namespace velmora::test
