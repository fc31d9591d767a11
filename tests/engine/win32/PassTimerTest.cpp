// The main loop's rhythm, run under Wine in the Windows build, with the
// waitable timer and with the counter that takes over when the system gives
// none. A wait can end late on a busy machine but never before its turn, so
// the bounds below hold however loaded the machine is.
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

class PassTimerClocks : public ::testing::TestWithParam<PassClock> {};

TEST_P(PassTimerClocks, PassesAreNeverCloserThanThePeriodOnAverage) {
    PassTimer timer(10000, GetParam());
    EXPECT_EQ(timer.UsesTimer(), GetParam() == PassClock::Timer);
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
TEST_P(PassTimerClocks, APassThatTakesTimeDoesNotLengthenThePeriod) {
    const double created = Milliseconds();
    PassTimer timer(10000, GetParam());
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

// A stall that is not a whole number of periods left the timer's next turn
// a few milliseconds away: two passes came almost at once.
TEST_P(PassTimerClocks, AStallIsFollowedByOnePassNotABurst) {
    PassTimer timer(10000, GetParam());
    timer.WaitForNextPass([] {});
    Sleep(67);
    const double before = Milliseconds();
    EXPECT_FALSE(timer.WaitForNextPass([] {})) << "a pass that overran has the queue looked at";
    timer.WaitForNextPass([] {});
    EXPECT_GE(Milliseconds() - before, 9.9) << "the pass after the late one is a whole period on";
}

// A system modal loop runs passes from its timer messages when the turn has
// come, and the main loop's waits carry on after it: together they never
// make more than one pass a period. Regression: a turn that a pass run when
// due did not take gave the main loop a second pass at once.
TEST_P(PassTimerClocks, PassesRunWhenDueAndAfterWaitsKeepToOnePerPeriod) {
    const double created = Milliseconds();
    PassTimer timer(10000, GetParam());
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

TEST_P(PassTimerClocks, MessagesArePumpedWhileWaiting) {
    PassTimer timer(10000, GetParam());
    int pumped = 0;
    PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0);
    timer.WaitForNextPass([&pumped] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ++pumped;
    });
    EXPECT_EQ(pumped, 1);
}

INSTANTIATE_TEST_SUITE_P(BothClocks, PassTimerClocks, ::testing::Values(PassClock::Timer, PassClock::Counter));

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
