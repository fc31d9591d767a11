#include "app/MainLoop.h"

#include "app/Application.h"
#include "app/PassTimer.h"

namespace velmora {

inline constexpr std::int64_t PassPeriodMicroseconds = 10000;

void PumpMessages(Application& app) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            if (app.ProgramState == ProgramRunning) app.ProgramState = ProgramQuitting;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void RunMainLoop(Application& app) {
    app.Loop = CoreLoopState{};
    app.List.RescanFlag = true;  // the first pass scans for controllers
    app.ProgramState = ProgramRunning;
    PassTimer timer(PassPeriodMicroseconds);
    const auto pump = [&app] { PumpMessages(app); };
    for (;;) {
        timer.PassStarts();
        pump();
        RunProgramPass(app);
        if (app.ProgramState != ProgramRunning) break;
        timer.WaitForNextPass(pump);
    }
}

}  // namespace velmora
