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

PassTimer::PassTimer(std::int64_t periodMicroseconds) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    frequency_ = frequency.QuadPart;
    period_ = periodMicroseconds * frequency_ / 1000000;
    timer_ =
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    highResolution_ = timer_ != nullptr;
    if (!timer_) {
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
        timerPeriodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
    }
    throttlingChanged_ = SetTimerResolutionThrottling(true);
    deadline_ = Now() + period_;
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

// Relative due times are in 100 ns units and negative; the deadline itself
// stays absolute, so the error of one wait does not carry into the next.
void PassTimer::Arm(std::int64_t ticksAhead) {
    LARGE_INTEGER due;
    due.QuadPart = -std::max<std::int64_t>(1, ticksAhead * 10000000 / frequency_);
    SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
}

bool PassTimer::WaitForNextPass(const std::function<void()>& pump) {
    std::int64_t now = Now();
    if (now - deadline_ > period_) deadline_ = now;  // overran: re-base rather than catch up
    bool queueEmpty = false;
    while (now < deadline_) {
        Arm(deadline_ - now);
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 + 1) pump();
        if (woke == WAIT_FAILED) Sleep(1);
        queueEmpty = woke == WAIT_OBJECT_0;
        now = Now();
    }
    deadline_ += period_;
    return queueEmpty;
}

void PassTimer::PassRan() {
    const std::int64_t now = Now();
    if (now - deadline_ > period_) deadline_ = now;
    deadline_ += period_;
}

}  // namespace velmora
