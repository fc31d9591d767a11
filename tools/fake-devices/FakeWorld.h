#pragma once
// The world of the fake devices: one per process, shared by the fake
// dinput8.dll (which owns it) and the fake xinput1_3.dll (which reaches it
// through dinput8.dll's exports). It plays the scenario named by
// VELMORA_FAKE_SCENARIO and writes what the program does with the devices
// (rumble, reads of changed states, plugging) to VELMORA_FAKE_LOG.

#define DIRECTINPUT_VERSION 0x0800
#include <windows.h>
#include <dinput.h>
#include <xinput.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Scenario.h"

namespace velmora::fake {

struct DeviceRuntime {
    bool Plugged = false;
    unsigned Generation = 0;  // grows with every plug: device objects of an older plug stay lost
    int PadIndex = -1;        // XInput user index while plugged
    DIJOYSTATE Joy{};
    XINPUT_GAMEPAD Pad{};
    DWORD Packet = 0;
    unsigned Reads = 0;       // counted reads (at most one per 3 ms: one per pass of the program)
    long long LastCountedUs = -1000000;
    int PendingSeen = -1;     // scenario line of a change that no read has returned yet
    int Side = SideShown;     // the XInput side: shown, hidden (not connected) or a pass late
    XINPUT_GAMEPAD LatePad{}; // what a late XInput side shows: the pad as the previous pass saw it
    int Battery = BatteryIsWired;  // what XInputGetBatteryInformation reports
};

class World {
public:
    static World& Get();

    // DirectInput side, each under the world's lock.
    std::vector<int> AttachedDevices();
    const DeviceTraits& Traits(int device) const { return scenario_.Devices[static_cast<std::size_t>(device)]; }
    int FindInstance(const GUID& instance) const;
    unsigned Generation(int device);
    bool Live(int device, unsigned generation);  // plugged, and not since pulled out
    bool ReadJoy(int device, unsigned generation, DIJOYSTATE& state);
    void FillInstance(int device, DIDEVICEINSTANCEA& instance) const;

    // XInput side.
    DWORD GetPad(DWORD index, XINPUT_STATE* state);
    DWORD SetPad(DWORD index, const XINPUT_VIBRATION* vibration);
    DWORD GetBattery(DWORD index, XINPUT_BATTERY_INFORMATION* battery);

    // After a read: the read whose group holds "crash" faults here, outside the lock.
    void FaultIfAsked();

    void Log(const char* format, ...);
    static long long NowUs();
    static GUID InstanceGuid(int device);
    static GUID ProductGuid(const DeviceTraits& traits);

private:
    World();
    void Load();
    void CountRead(int device);
    void FireStep(std::size_t index);
    void Apply(const Action& action);
    void ApplyChange(const Action& action, DeviceRuntime& device, bool xinput);
    void PlugDevice(int device, bool plug);
    void TimerTick();
    static DWORD WINAPI ClockThread(void* world);
    void DeriveJoy(const DeviceRuntime& device, DIJOYSTATE& state) const;
    static void PostToProgram(UINT message, WPARAM wParam, LPARAM lParam = 0);
    void CloseProgramDialogs();

    CRITICAL_SECTION lock_;
    Scenario scenario_;
    std::vector<DeviceRuntime> devices_;
    std::size_t nextStep_ = 0;
    unsigned baseline_ = 0;  // reads of the awaited device when the previous step ran
    long long stepRanUs_ = 0;
    long long fileCheckedUs_ = 0;
    bool ended_ = false;
    std::atomic<bool> faultPending_{false};
    FILE* log_ = nullptr;
};

}  // namespace velmora::fake
