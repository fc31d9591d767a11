// A test of the fake devices on their own: it uses dinput8.dll and
// xinput1_3.dll the way the program does (loaded at run time, a 10 ms pass,
// enumeration, the 80-byte joystick state, XInput pads, rumble) and prints
// what it sees, one line per change, pass number first.
//
//   fake-probe.exe PASSES

#define DIRECTINPUT_VERSION 0x0800
#include <windows.h>
#include <dinput.h>
#include <xinput.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using CreateFunction = HRESULT(WINAPI*)(HINSTANCE, DWORD, REFIID, LPVOID*, LPUNKNOWN);
using GetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
using SetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_VIBRATION*);

struct Opened {
    GUID Instance{};
    char Name[MAX_PATH]{};
    IDirectInputDevice8A* Device = nullptr;
    IDirectInputEffect* Effect = nullptr;
    DIJOYSTATE Last{};
};

int pass = 0;

template <class T>
T Entry(HMODULE library, const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

BOOL CALLBACK Collect(LPCDIDEVICEINSTANCEA instance, LPVOID list) {
    static_cast<std::vector<DIDEVICEINSTANCEA>*>(list)->push_back(*instance);
    return DIENUM_CONTINUE;
}

BOOL CALLBACK CountAxis(LPCDIDEVICEOBJECTINSTANCEA object, LPVOID text) {
    char* out = static_cast<char*>(text);
    const char* name = IsEqualGUID(object->guidType, GUID_XAxis)    ? "x"
                       : IsEqualGUID(object->guidType, GUID_YAxis)  ? "y"
                       : IsEqualGUID(object->guidType, GUID_ZAxis)  ? "z"
                       : IsEqualGUID(object->guidType, GUID_RxAxis) ? "rx"
                       : IsEqualGUID(object->guidType, GUID_RyAxis) ? "ry"
                       : IsEqualGUID(object->guidType, GUID_RzAxis) ? "rz"
                                                                    : "slider";
    std::strcat(out, " ");
    std::strcat(out, name);
    if (object->dwFlags & DIDOI_FFACTUATOR) std::strcat(out, "*");
    return DIENUM_CONTINUE;
}

void CreateRumble(Opened& o) {
    static DWORD axes[2] = {DIJOFS_X, DIJOFS_Y};
    static LONG directions[2] = {0, 0};
    static DICONSTANTFORCE force{0};
    DIEFFECT effect{};
    effect.dwSize = sizeof effect;
    effect.dwFlags = DIEFF_POLAR | DIEFF_OBJECTOFFSETS;
    effect.dwDuration = INFINITE;
    effect.dwGain = 10000;
    effect.dwTriggerButton = DIEB_NOTRIGGER;
    effect.cAxes = 2;
    effect.rgdwAxes = axes;
    effect.rglDirection = directions;
    effect.cbTypeSpecificParams = sizeof force;
    effect.lpvTypeSpecificParams = &force;
    if (o.Device->CreateEffect(GUID_ConstantForce, &effect, &o.Effect, nullptr) != DI_OK) o.Effect = nullptr;
}

void Open(IDirectInput8A* input, const DIDEVICEINSTANCEA& instance, std::vector<Opened>& opened) {
    Opened o;
    o.Instance = instance.guidInstance;
    std::strcpy(o.Name, instance.tszProductName);
    if (input->CreateDevice(instance.guidInstance, &o.Device, nullptr) != DI_OK) return;
    o.Device->SetDataFormat(&c_dfDIJoystick);
    DIPROPDWORD vidpid{};
    vidpid.diph.dwSize = sizeof vidpid;
    vidpid.diph.dwHeaderSize = sizeof vidpid.diph;
    vidpid.diph.dwHow = DIPH_DEVICE;
    HRESULT property = o.Device->GetProperty(DIPROP_VIDPID, &vidpid.diph);
    DIDEVCAPS caps{};
    caps.dwSize = sizeof caps;
    o.Device->GetCapabilities(&caps);
    char axes[128] = "";
    o.Device->EnumObjects(CountAxis, axes, DIDFT_AXIS);
    std::printf("%d open \"%s\" vidpid %s %08lX axes%s buttons %lu povs %lu ffb %d\n", pass, o.Name,
                property == DI_OK ? "ok" : "failed", vidpid.dwData, axes, caps.dwButtons, caps.dwPOVs,
                (caps.dwFlags & DIDC_FORCEFEEDBACK) ? 1 : 0);
    if (caps.dwFlags & DIDC_FORCEFEEDBACK) CreateRumble(o);
    o.Device->RunControlPanel(nullptr, 0);  // the fake only logs it
    opened.push_back(o);
}

void Rumble(Opened& o, bool on) {
    if (!o.Effect) return;
    if (!on) {
        o.Device->SendForceFeedbackCommand(DISFFC_STOPALL);
        return;
    }
    LONG direction[2] = {4500, 0};
    DICONSTANTFORCE force{5850};
    DIEFFECT effect{};
    effect.dwSize = sizeof effect;
    effect.dwFlags = DIEFF_POLAR | DIEFF_OBJECTOFFSETS;
    effect.cAxes = 2;
    effect.rglDirection = direction;
    effect.cbTypeSpecificParams = sizeof force;
    effect.lpvTypeSpecificParams = &force;
    o.Effect->SetParameters(&effect, DIEP_DIRECTION | DIEP_TYPESPECIFICPARAMS | DIEP_NODOWNLOAD);
    o.Effect->Download();
    o.Effect->Start(1, DIES_SOLO);
}

void PrintChanges(Opened& o, const DIJOYSTATE& now) {
    const LONG* a = &now.lX;
    const LONG* b = &o.Last.lX;
    static const char* names[8] = {"x", "y", "z", "rx", "ry", "rz", "s1", "s2"};
    for (int i = 0; i < 8; ++i)
        if (a[i] != b[i]) std::printf("%d \"%s\" axis %s %ld\n", pass, o.Name, names[i], a[i]);
    if (now.rgdwPOV[0] != o.Last.rgdwPOV[0])
        std::printf("%d \"%s\" pov %ld\n", pass, o.Name, static_cast<long>(static_cast<int>(now.rgdwPOV[0])));
    for (int i = 0; i < 32; ++i)
        if (now.rgbButtons[i] != o.Last.rgbButtons[i]) {
            std::printf("%d \"%s\" button %d %s\n", pass, o.Name, i + 1, now.rgbButtons[i] ? "down" : "up");
            if (i == 0) Rumble(o, now.rgbButtons[i] != 0);
        }
    o.Last = now;
}

void ReadDevices(std::vector<Opened>& opened) {
    for (std::size_t i = 0; i < opened.size();) {
        Opened& o = opened[i];
        DIJOYSTATE state{};
        o.Device->Acquire();
        o.Device->Poll();
        if (o.Device->GetDeviceState(sizeof state, &state) != DI_OK) {
            std::printf("%d \"%s\" lost\n", pass, o.Name);
            if (o.Effect) o.Effect->Release();
            o.Device->Release();
            opened.erase(opened.begin() + static_cast<long>(i));
            continue;
        }
        PrintChanges(o, state);
        ++i;
    }
}

void ReadPads(GetStateFunction getState, SetStateFunction setState, XINPUT_STATE (&last)[4], bool (&was)[4]) {
    for (DWORD i = 0; i < 4; ++i) {
        XINPUT_STATE state{};
        bool connected = getState(i, &state) == ERROR_SUCCESS;
        if (connected != was[i]) std::printf("%d pad %lu %s\n", pass, i, connected ? "connected" : "gone");
        was[i] = connected;
        const XINPUT_GAMEPAD& g = state.Gamepad;
        if (connected && std::memcmp(&g, &last[i].Gamepad, sizeof g) != 0) {
            std::printf("%d pad %lu buttons %04X triggers %d %d thumbs %d %d %d %d\n", pass, i, g.wButtons,
                        g.bLeftTrigger, g.bRightTrigger, g.sThumbLX, g.sThumbLY, g.sThumbRX, g.sThumbRY);
            bool a = g.wButtons & XINPUT_GAMEPAD_A;
            if (a != static_cast<bool>(last[i].Gamepad.wButtons & XINPUT_GAMEPAD_A)) {
                XINPUT_VIBRATION v{static_cast<WORD>(a ? 65280 : 0), static_cast<WORD>(a ? 256 : 0)};
                setState(i, &v);
            }
        }
        last[i] = state;
    }
}

}  // namespace

int main(int argc, char** argv) {
    int passes = argc > 1 ? std::atoi(argv[1]) : 100;
    HMODULE dinput = LoadLibraryA("dinput8.dll");
    HMODULE xinput = LoadLibraryA("xinput1_3.dll");
    std::printf("fake dinput8 %s, fake xinput1_3 %s\n", Entry<void*>(dinput, "VelmoraFakeDirectInput") ? "yes" : "no",
                Entry<void*>(xinput, "VelmoraFakeXInput") ? "yes" : "no");
    auto create = Entry<CreateFunction>(dinput, "DirectInput8Create");
    auto getState = Entry<GetStateFunction>(xinput, "XInputGetState");
    auto setState = Entry<SetStateFunction>(xinput, "XInputSetState");
    IDirectInput8A* input = nullptr;
    if (!create || !getState || !setState ||
        create(GetModuleHandleA(nullptr), 0x0800, IID_IDirectInput8A, reinterpret_cast<void**>(&input), nullptr) != DI_OK)
        return 1;
    std::vector<Opened> opened;
    XINPUT_STATE last[4]{};
    bool was[4]{};
    for (pass = 0; pass < passes; ++pass) {
        std::vector<DIDEVICEINSTANCEA> attached;
        input->EnumDevices(DI8DEVCLASS_GAMECTRL, Collect, &attached, DIEDFL_ATTACHEDONLY);
        for (const DIDEVICEINSTANCEA& instance : attached) {
            bool known = false;
            for (const Opened& o : opened) known = known || IsEqualGUID(o.Instance, instance.guidInstance);
            if (!known) Open(input, instance, opened);
        }
        ReadDevices(opened);
        ReadPads(getState, setState, last, was);
        std::fflush(stdout);
        Sleep(10);
    }
    return 0;
}
