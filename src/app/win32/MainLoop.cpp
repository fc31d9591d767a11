#include "app/win32/MainLoop.h"

#include "app/win32/Application.h"
#include "engine/win32/PassTimer.h"
#include "ui/ModalLoops.h"
#include "ui/win32/Form.h"

namespace velmora {

inline constexpr std::int64_t PassPeriodMicroseconds = 10000;

namespace {

// What comes again and again with nothing done (a timer, a drawing, the mouse
// moving) never starts a loop of its own; any other message may: a click or a
// key that opens a menu or moves a window, a scroll bar dragged, a tray click.
bool MayHoldThread(UINT message) {
    switch (message) {
        case WM_TIMER:
        case WM_PAINT:
        case WM_NULL:
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
        case WM_MOUSELEAVE:
        case WM_NCMOUSELEAVE:
            return false;
        default:
            return true;
    }
}

void Dispatch(const MSG& message) {
    if (!MayHoldThread(message.message)) {
        DispatchMessageW(&message);
        return;
    }
    const ModalLoopScope held;
    DispatchMessageW(&message);
}

// While a loop of its own holds the thread the main loop cannot run passes:
// the shortest timer the system gives does, and only then, since its wake
// every pass would double an idle program's cost.
void KeepPassesByTimer(HWND window, bool held) {
    if (held)
        SetTimer(window, PassTimerId, USER_TIMER_MINIMUM, nullptr);
    else
        KillTimer(window, PassTimerId);
}

}  // namespace

void PumpMessages(Application& app) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            if (app.Main.ProgramState == ProgramRunning) app.Main.ProgramState = ProgramQuitting;
            continue;
        }
        if (ForwardToForm(message)) continue;  // Tab, arrows, Enter, Escape in a settings window
        TranslateMessage(&message);
        Dispatch(message);
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
        app.PassOwed = false;  // the main loop's own pass, its timer turn already taken
    } else {
        if (!app.Timer->TakeDue()) return;
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
    // The timer's handler runs a pass only when one is due.
    SetModalLoopListener([window = app.Window](bool held) { KeepPassesByTimer(window, held); });
    const auto pump = [&app] { PumpMessages(app); };
    // Looking at an empty queue costs the idle program as much as its wait:
    // after a wait that ended on the timer with nothing queued it is skipped,
    // and what comes during the pass wakes the next wait at once.
    bool queueEmpty = false;
    for (;;) {
        app.PassOwed = true;
        if (!queueEmpty) pump();
        if (app.ShutDownDone) break;  // the Windows session ended inside the pump
        RunBetweenProgramPasses(app);
        if (app.ShutDownDone) break;  // or inside a dialog opened there
        if (app.PassOwed) {
            app.PassOwed = false;
            timer.PassStarts();
            RunGuardedPass(app);
        }
        if (app.Main.ProgramState != ProgramRunning) break;
        queueEmpty = timer.WaitForNextPass(pump);
    }
    app.PassOwed = false;
    SetModalLoopListener(nullptr);
    KillTimer(app.Window, PassTimerId);
    app.Timer = nullptr;
    app.Ui.Layout().FinishAnimations();
}

}  // namespace velmora
