// The fake xinput1_3.dll: its entry points hand over to the fake
// dinput8.dll beside the program, which plays the scenario for both.
#include <windows.h>
#include <xinput.h>

namespace {

using GetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
using SetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_VIBRATION*);
using GetBatteryFunction = DWORD(WINAPI*)(DWORD, BYTE, XINPUT_BATTERY_INFORMATION*);
using LogFunction = void(WINAPI*)(const char*);

struct World {
    GetStateFunction GetState = nullptr;
    SetStateFunction SetState = nullptr;
    GetBatteryFunction GetBattery = nullptr;
};

const World& TheWorld() {
    static const World world = [] {
        World w;
        HMODULE library = LoadLibraryA("dinput8.dll");
        if (!library) return w;
        w.GetState = reinterpret_cast<GetStateFunction>(
            reinterpret_cast<void*>(GetProcAddress(library, "VelmoraFakeXInputGetState")));
        w.SetState = reinterpret_cast<SetStateFunction>(
            reinterpret_cast<void*>(GetProcAddress(library, "VelmoraFakeXInputSetState")));
        w.GetBattery = reinterpret_cast<GetBatteryFunction>(
            reinterpret_cast<void*>(GetProcAddress(library, "VelmoraFakeXInputGetBatteryInformation")));
        auto log = reinterpret_cast<LogFunction>(reinterpret_cast<void*>(GetProcAddress(library, "VelmoraFakeLog")));
        if (log) log("fake-xinput1_3 in use");
        return w;
    }();
    return world;
}

}  // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI XInputGetState(DWORD index, XINPUT_STATE* state) {
    const World& world = TheWorld();
    return world.GetState ? world.GetState(index, state) : ERROR_DEVICE_NOT_CONNECTED;
}

__declspec(dllexport) DWORD WINAPI XInputSetState(DWORD index, XINPUT_VIBRATION* vibration) {
    const World& world = TheWorld();
    return world.SetState ? world.SetState(index, vibration) : ERROR_DEVICE_NOT_CONNECTED;
}

// As in XInput 1.3 (9.1.0 has no such entry).
__declspec(dllexport) DWORD WINAPI XInputGetBatteryInformation(DWORD index, BYTE type,
                                                              XINPUT_BATTERY_INFORMATION* battery) {
    const World& world = TheWorld();
    return world.GetBattery ? world.GetBattery(index, type, battery) : ERROR_DEVICE_NOT_CONNECTED;
}

// Marker: a test asks GetProcAddress for it to tell the fake from the real library.
__declspec(dllexport) const char* WINAPI VelmoraFakeXInput() { return "velmora fake xinput1_3"; }
}
