#pragma once
// The clock the fake devices and the recorder stamp their logs with: the
// performance counter in microseconds, so that the runner can set a device
// read against the event it caused.

#include <windows.h>

inline long long MicrosecondClock() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const long long f = frequency.QuadPart;
    return now.QuadPart / f * 1000000 + now.QuadPart % f * 1000000 / f;
}
