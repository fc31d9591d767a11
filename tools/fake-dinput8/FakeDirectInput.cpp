#include "FakeObjects.h"

namespace velmora::fake {

HRESULT FakeDirectInput::CreateDevice(REFGUID instance, LPDIRECTINPUTDEVICE8A* device, LPUNKNOWN) {
    if (!device) return DIERR_INVALIDPARAM;
    *device = nullptr;
    World& world = World::Get();
    int index = world.FindInstance(instance);
    if (index < 0 || GetDeviceStatus(instance) != DI_OK) return DIERR_DEVICENOTREG;
    *device = new FakeDevice(index, world.Generation(index));
    world.Log("created %s", world.Traits(index).Name.c_str());
    return DI_OK;
}

HRESULT FakeDirectInput::EnumDevices(DWORD type, LPDIENUMDEVICESCALLBACKA callback, LPVOID ref, DWORD flags) {
    if (!callback) return DIERR_INVALIDPARAM;
    World& world = World::Get();
    world.Log("enum-devices type %lu flags %lu", static_cast<unsigned long>(type), static_cast<unsigned long>(flags));
    if (type != DI8DEVCLASS_ALL && type != DI8DEVCLASS_GAMECTRL && type != DI8DEVTYPE_GAMEPAD &&
        type != DI8DEVTYPE_JOYSTICK)
        return DI_OK;
    for (int device : world.AttachedDevices()) {
        DIDEVICEINSTANCEA instance{};
        instance.dwSize = sizeof instance;
        world.FillInstance(device, instance);
        if (callback(&instance, ref) == DIENUM_STOP) break;
    }
    return DI_OK;
}

HRESULT FakeDirectInput::GetDeviceStatus(REFGUID instance) {
    World& world = World::Get();
    int index = world.FindInstance(instance);
    if (index < 0) return DIERR_DEVICENOTREG;
    return world.Live(index, world.Generation(index)) ? DI_OK : DI_NOTATTACHED;
}

}  // namespace velmora::fake

extern "C" {

// Creates the fake DirectInput; the first call also starts the scenario.
__declspec(dllexport) HRESULT WINAPI DirectInput8Create(HINSTANCE, DWORD version, REFIID riid, LPVOID* out,
                                                        LPUNKNOWN) {
    using velmora::fake::World;
    if (!out) return DIERR_INVALIDPARAM;
    *out = nullptr;
    World& world = World::Get();
    world.Log("fake-dinput8 DirectInput8Create version %lx", static_cast<unsigned long>(version));
    if (version != 0x0800) return DIERR_OLDDIRECTINPUTVERSION;
    if (!IsEqualGUID(riid, IID_IDirectInput8A)) {
        world.Log("error only the ANSI DirectInput 8 interface is faked");
        return E_NOINTERFACE;
    }
    *out = static_cast<IDirectInput8A*>(new velmora::fake::FakeDirectInput());
    return DI_OK;
}

// Marker: a test asks GetProcAddress for it to tell the fake from the real library.
__declspec(dllexport) const char* WINAPI VelmoraFakeDirectInput() { return "velmora fake dinput8"; }

// The XInput entry points of the fake xinput1_3.dll land here, so that one
// world serves both libraries (an XInput pad is a DirectInput device too).
__declspec(dllexport) DWORD WINAPI VelmoraFakeXInputGetState(DWORD index, XINPUT_STATE* state) {
    velmora::fake::World& world = velmora::fake::World::Get();
    const DWORD result = world.GetPad(index, state);
    world.FaultIfAsked();
    return result;
}

__declspec(dllexport) DWORD WINAPI VelmoraFakeXInputSetState(DWORD index, XINPUT_VIBRATION* vibration) {
    return velmora::fake::World::Get().SetPad(index, vibration);
}

__declspec(dllexport) DWORD WINAPI VelmoraFakeXInputGetBatteryInformation(DWORD index, BYTE type,
                                                                         XINPUT_BATTERY_INFORMATION* battery) {
    if (type != BATTERY_DEVTYPE_GAMEPAD) return ERROR_BAD_ARGUMENTS;
    return velmora::fake::World::Get().GetBattery(index, battery);
}

__declspec(dllexport) void WINAPI VelmoraFakeLog(const char* text) { velmora::fake::World::Get().Log("%s", text); }
}
