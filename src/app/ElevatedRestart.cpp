#include "app/ElevatedRestart.h"

#include <algorithm>

namespace velmora {

std::vector<std::string> RestartParameters(const ControllerListType& list) {
    std::vector<const ControllerDataType*> met;
    for (const ControllerDataType& c : list.Controllers)
        if (c.Connection != Lost) met.push_back(&c);
    std::sort(met.begin(), met.end(), [](const ControllerDataType* a, const ControllerDataType* b) {
        return a->Arrival < b->Arrival;
    });
    std::vector<std::string> files;
    for (const ControllerDataType* c : met) {
        if (c->Profile.FileName.empty()) break;
        files.push_back(c->Profile.FileName);
    }
    return files;
}

bool RestartElevated(MainLoopState& state, ShellRequests& shell, ElevatedStart& start) {
    if (state.ProgramState != ProgramRunning || !shell.CloseQuery()) return false;
    // Asked after the questions: a profile saved under a new name goes over with it.
    if (!start.StartElevated(RestartParameters(state.List))) return false;
    state.ProgramState = ProgramQuitting;
    return true;
}

std::string QuotedParameters(const std::vector<std::string>& parameters) {
    std::string line;
    for (const std::string& p : parameters) {
        if (!line.empty()) line += ' ';
        line += '"' + p + '"';
    }
    return line;
}

}  // namespace velmora
