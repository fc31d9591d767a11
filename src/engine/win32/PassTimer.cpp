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
    // The first turn one period from now, then one every period: the turns
    // lie on the timer's own schedule, so the error of one wake does not
    // carry into the next. A relative due time is negative, in 100 ns units.
    LARGE_INTEGER due;
    due.QuadPart = -periodMicroseconds * 10;
    const LONG periodMilliseconds = static_cast<LONG>(std::max<std::int64_t>(1, periodMicroseconds / 1000));
    if (timer_) SetWaitableTimer(timer_, &due, periodMilliseconds, nullptr, nullptr, FALSE);
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

bool PassTimer::WaitForNextPass(const std::function<void()>& pump) {
    const std::int64_t started = Now();
    for (;;) {
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) return Now() - started >= period_ / 2;
        if (woke == WAIT_OBJECT_0 + 1) {
            pump();
            continue;
        }
        // No timer to wait on: the rhythm falls back on Sleep's.
        Sleep(static_cast<DWORD>(period_ * 1000 / frequency_));
        return false;
    }
}

bool PassTimer::TakeDue() {
    if (!timer_) return true;  // no timer at all: the modal loop's timer messages set the rhythm
    return WaitForSingleObject(timer_, 0) == WAIT_OBJECT_0;
}

}  // namespace velmora
