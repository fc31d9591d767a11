#include "app/win32/MainLoop.h"

#include "app/win32/Application.h"
#include "engine/win32/PassTimer.h"
#include "ui/win32/Form.h"

namespace velmora {

inline constexpr std::int64_t PassPeriodMicroseconds = 10000;

void PumpMessages(Application& app) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            if (app.Main.ProgramState == ProgramRunning) app.Main.ProgramState = ProgramQuitting;
            continue;
        }
        if (ForwardToForm(message)) continue;  // Tab, arrows, Enter, Escape in a settings window
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

namespace {

void RunGuardedPass(Application& app) {
    app.InPass = true;
    RunProgramPass(app);
    app.InPass = false;
}

}  // namespace

void RunDuePass(Application& app) {
    if (!app.Timer || app.InPass || app.ShutDownDone || app.Main.ProgramState != ProgramRunning) return;
    if (app.PassOwed) {
        app.PassOwed = false;  // the main loop's own pass, its deadline already counted
    } else {
        if (!app.Timer->Due()) return;
        app.Timer->PassRan();
    }
    app.Timer->PassStarts();
    RunGuardedPass(app);
}

void RunMainLoop(Application& app) {
    app.Main.Loop = CoreLoopState{};
    app.Main.List.RescanFlag = true;  // the first pass scans for controllers
    app.Main.ProgramState = ProgramRunning;
    PassTimer timer(PassPeriodMicroseconds);
    app.Timer = &timer;
    // The shortest timer the system gives; the handler runs a pass only when one is due.
    SetTimer(app.Window, PassTimerId, USER_TIMER_MINIMUM, nullptr);
    const auto pump = [&app] { PumpMessages(app); };
    for (;;) {
        app.PassOwed = true;
        pump();
        if (app.ShutDownDone) break;  // the Windows session ended inside the pump
        RunBetweenProgramPasses(app);
        if (app.ShutDownDone) break;  // or inside a dialog opened there
        if (app.PassOwed) {
            app.PassOwed = false;
            timer.PassStarts();
            RunGuardedPass(app);
        }
        if (app.Main.ProgramState != ProgramRunning) break;
        timer.WaitForNextPass(pump);
    }
    app.PassOwed = false;
    KillTimer(app.Window, PassTimerId);
    app.Timer = nullptr;
    app.Ui.Layout().FinishAnimations();
}

}  // namespace velmora
