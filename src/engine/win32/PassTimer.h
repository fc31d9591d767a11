#pragma once
// The rhythm of the main loop: one pass every 10 ms. Sleep(10) lasts about
// 15.6 ms at the default timer resolution, which would make every pause,
// turbo and repeat half as slow again as profiles say. So the loop waits on
// a high-resolution waitable timer that comes round by itself every period
// (the time a pass takes does not add up, and no wait has to arm it again),
// pumping messages while it waits. Where the high-resolution timer is
// missing (before Windows 10 1803) a normal waitable timer with a 1 ms
// system timer resolution takes its place. Power throttling of timer
// resolution is turned off so that the rhythm holds while the window is
// minimised or hidden. Everything changed here is restored when the timer
// goes.
//
// VELMORA_PASS_LOG=path: every pass appends one line to that file: the time
// of the start of the pass on the performance counter, in microseconds (the
// clock of the end-to-end tests' device log and recorder). Tests and
// measurements read the period from it, and set passes against the events
// of a scenario. Between them a line "TIME WHAT" notes a moment that a
// measurement is about, such as a profile switched for the program in front.

#include <cstdint>
#include <cstdio>
#include <functional>

#include "base/win32/Windows.h"

namespace velmora {

// Where the rhythm comes from: the waitable timer, or the performance counter
// read around message waits that time out, when the system gives no timer
// (tests ask for it too).
enum class PassClock { Timer, Counter };

class PassTimer {
public:
    explicit PassTimer(std::int64_t periodMicroseconds, PassClock clock = PassClock::Timer);
    ~PassTimer();
    PassTimer(const PassTimer&) = delete;
    PassTimer& operator=(const PassTimer&) = delete;

    // Called when a pass begins: writes the pass log line.
    void PassStarts();
    // Notes a moment in the pass log (a word, no spaces), when there is one.
    void Note(const char* what);
    // Waits for the timer's next turn, calling pump whenever messages arrive.
    // The timer keeps one turn, however many periods a stall lasted, and
    // after a pass that overran the next turn is a whole period on: a stall
    // is followed by one pass, not by a burst of them. True when the wait
    // ended on the timer with no message waiting: the caller need not look
    // at the queue again before its pass. False when the last wake was for
    // messages, or when the wait was short: the turn may have come during
    // the pass, with messages queued behind it.
    bool WaitForNextPass(const std::function<void()>& pump);
    // Whether the timer's turn has come since the last pass, taking it: a
    // system modal loop (a menu, a dialog, a window being moved) runs a pass
    // from its timer messages when this says one is due, and the main loop's
    // next wait is then for the turn after.
    bool TakeDue();

    bool HighResolution() const { return highResolution_; }
    bool UsesTimer() const { return timer_ != nullptr; }

private:
    std::int64_t Now() const;  // in counter ticks
    bool Arm();
    void DropTimer();
    bool WaitByCounter(const std::function<void()>& pump);
    void OpenLog();
    long long LogMicroseconds() const;

    std::int64_t frequency_ = 1;
    std::int64_t period_ = 0;    // ticks
    std::int64_t lastTurn_ = 0;  // when the last pass's turn was taken
    std::int64_t deadline_ = 0;  // the next turn, when the counter keeps the rhythm
    HANDLE timer_ = nullptr;
    bool highResolution_ = false;
    bool timerPeriodRaised_ = false;
    bool throttlingChanged_ = false;
    std::FILE* log_ = nullptr;
    std::uint32_t logged_ = 0;
};

}  // namespace velmora
