// The main loop's rhythm, run under Wine in the Windows build. A wait can
// end late on a busy machine but never before the timer's turn, so the bounds
// below hold however loaded the machine is.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "base/win32/Windows.h"
#include "engine/win32/PassTimer.h"

namespace velmora {
namespace {

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

TEST(PassTimer, PassesAreNeverCloserThanThePeriodOnAverage) {
    PassTimer timer(10000);
    RecordProperty("HighResolution", timer.HighResolution() ? "yes" : "no");
    const double start = Milliseconds();
    for (int i = 0; i < 20; ++i) timer.WaitForNextPass([] {});
    EXPECT_GE(Milliseconds() - start, 199.0);
}

// Sleep(10) would give about 15.6 ms per pass at the default timer
// resolution; the turns do not drift with the time a pass takes. They lie
// a period apart from the timer's start, so the bound counts from before it:
// counted from the end of the first wait, a first wait that woke a little
// late made the ten passes look shorter than 100 ms.
TEST(PassTimer, APassThatTakesTimeDoesNotLengthenThePeriod) {
    const double created = Milliseconds();
    PassTimer timer(10000);
    timer.WaitForNextPass([] {});
    const double start = Milliseconds();
    for (int i = 0; i < 10; ++i) {
        Sleep(4);  // the pass's own work
        timer.WaitForNextPass([] {});
    }
    const double end = Milliseconds();
    EXPECT_GE(end - created, 109.0);
    RecordProperty("TenPassesMs", static_cast<int>(end - start));
}

TEST(PassTimer, AStallIsFollowedByOnePassNotABurst) {
    PassTimer timer(10000);
    timer.WaitForNextPass([] {});
    Sleep(60);  // six periods late
    int quick = 0;
    for (int i = 0; i < 4; ++i) {
        const double before = Milliseconds();
        timer.WaitForNextPass([] {});
        if (Milliseconds() - before < 5.0) ++quick;
    }
    EXPECT_LE(quick, 1);
}

// A system modal loop runs passes from its timer messages when the timer's
// turn has come, and the main loop's waits carry on after it: together they
// never make more than one pass a period. Regression: a turn that a pass run
// when due did not take gave the main loop a second pass at once.
TEST(PassTimer, PassesRunWhenDueAndAfterWaitsKeepToOnePerPeriod) {
    const double created = Milliseconds();
    PassTimer timer(10000);
    int passes = 0;
    for (int i = 0; i < 30; ++i) {
        if (i % 3 == 0) {
            timer.WaitForNextPass([] {});
            ++passes;
        } else {
            Sleep(4);
            if (timer.TakeDue()) ++passes;
        }
    }
    const double periods = (Milliseconds() - created) / 10.0;
    EXPECT_LE(passes, periods + 1.0);
    EXPECT_GE(passes, 10) << "every wait is a pass";
    Sleep(25);
    EXPECT_TRUE(timer.TakeDue()) << "the turns came on while nothing waited";
}

TEST(PassTimer, MessagesArePumpedWhileWaiting) {
    PassTimer timer(10000);
    int pumped = 0;
    PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0);
    timer.WaitForNextPass([&pumped] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ++pumped;
    });
    EXPECT_EQ(pumped, 1);
}

// The main loop skips its own look at the queue only when the wait says the
// queue was empty at its end. Regression: a loop that trusted the wait after
// an overrun (no wait at all) would leave messages unpumped while passes overran.
TEST(PassTimer, AWaitTellsWhetherTheQueueStillNeedsALook) {
    PassTimer timer(10000);
    // A wait on a loaded machine may itself come too late to wait: one of ten is enough.
    bool timerWake = false;
    for (int i = 0; i < 10 && !timerWake; ++i) timerWake = timer.WaitForNextPass([] {});
    EXPECT_TRUE(timerWake) << "woken by the timer, nothing queued";
    Sleep(35);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0);
    EXPECT_FALSE(timer.WaitForNextPass([] {})) << "overran: no wait looked at the queue";
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_REMOVE));
}

}  // namespace
}  // namespace velmora

#endif
