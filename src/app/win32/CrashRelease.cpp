#include "app/win32/CrashRelease.h"

#include <atomic>
#include <cstdlib>
#include <exception>

#include "engine/win32/HeldInputRelease.h"

namespace velmora {
namespace {

// The program's only globals of this kind: a crash has nothing else to
// reach them through. Constant-initialised, so usable before and after
// every other object's lifetime.
constinit HeldInput heldInput;
constinit HeldRumble heldRumble;
constinit std::atomic<DeviceApi*> crashDevices{nullptr};
constinit std::atomic<SendInputFunction> crashSend{nullptr};
constinit std::atomic<LPTOP_LEVEL_EXCEPTION_FILTER> previousFilter{nullptr};
constinit std::atomic<std::terminate_handler> previousTerminate{nullptr};
constinit std::atomic<bool> installed{false};

LONG WINAPI ReleaseOnCrash(EXCEPTION_POINTERS* exception) {
    ReleaseHeldInputNow();
    // The system's own handling (a report, a debugger) goes on as before.
    const LPTOP_LEVEL_EXCEPTION_FILTER previous = previousFilter.load();
    return previous ? previous(exception) : EXCEPTION_CONTINUE_SEARCH;
}

[[noreturn]] void ReleaseOnTerminate() {
    ReleaseHeldInputNow();
    const std::terminate_handler previous = previousTerminate.load();
    if (previous) previous();
    std::abort();
}

}  // namespace

HeldInput& ProgramHeldInput() {
    return heldInput;
}

HeldRumble& ProgramHeldRumble() {
    return heldRumble;
}

void SetCrashRumbleStop(DeviceApi* devices) {
    crashDevices.store(devices);
}

void InstallCrashRelease(SendInputFunction send) {
    crashSend.store(send);
    if (installed.exchange(true)) return;
    previousFilter.store(SetUnhandledExceptionFilter(ReleaseOnCrash));
    previousTerminate.store(std::set_terminate(ReleaseOnTerminate));
}

void ReleaseHeldInputNow() {
    SendHeldReleases(heldInput, crashSend.load());
    if (DeviceApi* devices = crashDevices.exchange(nullptr)) StopHeldRumble(heldRumble, *devices);
}

void StopCrashRelease() {
    crashSend.store(nullptr);
    crashDevices.store(nullptr);
}

}  // namespace velmora
