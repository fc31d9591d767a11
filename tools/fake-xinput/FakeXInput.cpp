// The fake xinput1_3.dll: its two entry points hand over to the fake
// dinput8.dll beside the program, which plays the scenario for both.
#include <windows.h>
#include <xinput.h>

namespace {

using GetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
using SetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_VIBRATION*);
using LogFunction = void(WINAPI*)(const char*);

struct World {
    GetStateFunction GetState = nullptr;
    SetStateFunction SetState = nullptr;
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

// Marker: a test asks GetProcAddress for it to tell the fake from the real library.
__declspec(dllexport) const char* WINAPI VelmoraFakeXInput() { return "velmora fake xinput1_3"; }
}
