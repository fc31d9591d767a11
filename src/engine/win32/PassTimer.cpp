#include "engine/win32/PassTimer.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "base/win32/Library.h"

namespace velmora {
namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

// SetProcessInformation and its power-throttling record exist from Windows 8
// and 10 1709 on; both are looked up at run time.
struct PowerThrottlingState {
    ULONG Version = 1;
    ULONG ControlMask = 0;
    ULONG StateMask = 0;
};
constexpr int ProcessPowerThrottlingClass = 4;
constexpr ULONG IgnoreTimerResolution = 0x4;
using SetProcessInformationFunction = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

bool SetTimerResolutionThrottling(bool honourRequests) {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    using Generic = void (*)();
    const auto set = reinterpret_cast<SetProcessInformationFunction>(
        reinterpret_cast<Generic>(GetProcAddress(kernel, "SetProcessInformation")));
    if (!set) return false;
    // ControlMask set with StateMask clear: always honour the timer
    // resolution; both clear: the system decides again.
    PowerThrottlingState state;
    state.ControlMask = honourRequests ? IgnoreTimerResolution : 0;
    return set(GetCurrentProcess(), ProcessPowerThrottlingClass, &state, sizeof(state)) != 0;
}

}  // namespace

PassTimer::PassTimer(std::int64_t periodMicroseconds, PassClock clock) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    frequency_ = frequency.QuadPart;
    period_ = periodMicroseconds * frequency_ / 1000000;
    if (clock == PassClock::Timer) {
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS);
        highResolution_ = timer_ != nullptr;
        if (!timer_) {
            timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
            timerPeriodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
        }
    }
    throttlingChanged_ = SetTimerResolutionThrottling(true);
    lastTurn_ = Now();
    deadline_ = lastTurn_ + period_;
    if (!Arm()) DropTimer();
    OpenLog();
}

PassTimer::~PassTimer() {
    if (log_) std::fclose(log_);
    if (throttlingChanged_) SetTimerResolutionThrottling(false);
    if (timerPeriodRaised_) timeEndPeriod(1);
    if (timer_) CloseHandle(timer_);
}

std::int64_t PassTimer::Now() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void PassTimer::OpenLog() {
    const DWORD length = GetEnvironmentVariableW(L"VELMORA_PASS_LOG", nullptr, 0);
    if (length == 0) return;
    std::wstring path(length, L'\0');
    GetEnvironmentVariableW(L"VELMORA_PASS_LOG", path.data(), length);
    path.resize(length - 1);
    log_ = _wfopen(path.c_str(), L"a");
}

long long PassTimer::LogMicroseconds() const {
    // Split so that the product cannot overflow after weeks of uptime.
    const std::int64_t now = Now();
    return static_cast<long long>(now / frequency_ * 1000000 + now % frequency_ * 1000000 / frequency_);
}

void PassTimer::PassStarts() {
    if (!log_) return;
    std::fprintf(log_, "%lld\n", LogMicroseconds());
    if (++logged_ % 100 == 0) std::fflush(log_);  // a killed program still leaves most of its log
}

void PassTimer::Note(const char* what) {
    if (log_) std::fprintf(log_, "%lld %s\n", LogMicroseconds(), what);
}

// The next turn one period from now, then one every period: the turns lie on
// the timer's own schedule, so the error of one wake does not carry into the
// next. A relative due time is negative, in 100 ns units.
bool PassTimer::Arm() {
    if (!timer_) return false;
    LARGE_INTEGER due;
    due.QuadPart = -period_ * 10000000 / frequency_;
    const LONG periodMilliseconds = static_cast<LONG>(std::max<std::int64_t>(1, period_ * 1000 / frequency_));
    return SetWaitableTimer(timer_, &due, periodMilliseconds, nullptr, nullptr, FALSE) != 0;
}

// A timer the system refused to set or to wait on: the counter takes over,
// its message waits at a 1 ms system timer resolution.
void PassTimer::DropTimer() {
    if (timer_) CloseHandle(timer_);
    timer_ = nullptr;
    highResolution_ = false;
    if (!timerPeriodRaised_) timerPeriodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
}

bool PassTimer::WaitForNextPass(const std::function<void()>& pump) {
    if (!timer_) return WaitByCounter(pump);
    const std::int64_t started = Now();
    const bool overran = started - lastTurn_ >= period_;  // the turn came during the pass
    for (;;) {
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 + 1) {
            pump();
            continue;
        }
        if (woke != WAIT_OBJECT_0) {
            DropTimer();
            return WaitByCounter(pump);
        }
        lastTurn_ = Now();
        if (!overran) return lastTurn_ - started >= period_ / 2;
        // A late pass is followed by the next a whole period on, not by
        // whatever was left of the timer's own period. A turn of the old
        // schedule that came just before is dropped: Wine keeps it when the
        // timer is set again.
        if (!Arm()) DropTimer();
        if (timer_) WaitForSingleObject(timer_, 0);
        return false;
    }
}

// The deadlines stay absolute, so the time a pass takes does not add up; a
// pass that overran by more than a period re-bases them.
bool PassTimer::WaitByCounter(const std::function<void()>& pump) {
    std::int64_t now = Now();
    if (now - deadline_ > period_) deadline_ = now;
    while (now < deadline_) {
        const auto milliseconds = static_cast<DWORD>(((deadline_ - now) * 1000 + frequency_ - 1) / frequency_);
        if (MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
            WAIT_OBJECT_0)
            pump();
        now = Now();
    }
    deadline_ += period_;
    return false;
}

bool PassTimer::TakeDue() {
    const std::int64_t now = Now();
    if (!timer_) {
        if (now < deadline_) return false;
        deadline_ = now - deadline_ > period_ ? now + period_ : deadline_ + period_;
        return true;
    }
    if (WaitForSingleObject(timer_, 0) != WAIT_OBJECT_0) return false;
    lastTurn_ = now;
    return true;
}

}  // namespace velmora
