#pragma once
// Keys and buttons held when the program ends abnormally would stay down in
// Windows until pressed again. The engine sends through a sink that keeps
// what is held in a static record, and the device backend notes the motors
// it runs in another; an unhandled-exception filter and a terminate handler
// send the releases and stop the motors, and nothing else (no file is written
// on the way out, so a crash cannot leave a half-written Velmora.ini), then
// let the system's handling go on.

#include "devices/HeldRumble.h"
#include "engine/HeldInput.h"
#include "engine/win32/SendInputSink.h"

namespace velmora {

// The running program's record of what is held.
HeldInput& ProgramHeldInput();
// And of the motors that run; the handlers stop them through devices
// (none: they stop nothing, as after the libraries are freed).
HeldRumble& ProgramHeldRumble();
void SetCrashRumbleStop(DeviceApi* devices);

// Installs the exception filter and the terminate handler, which release
// through send. Installing again only changes send.
void InstallCrashRelease(SendInputFunction send);

// Sends the releases of whatever is held now and stops the motors, as the handlers do. (The end
// of the Windows session needs no call of its own: the shut-down it runs
// releases everything through the engine before anything else.)
void ReleaseHeldInputNow();

// Before SendInput's library is freed: the handlers then send nothing.
void StopCrashRelease();

}  // namespace velmora
