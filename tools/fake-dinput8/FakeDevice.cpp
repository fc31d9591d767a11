#include <cstdint>

#include "FakeObjects.h"

namespace velmora::fake {
namespace {

const GUID* AxisGuids[AxisCount] = {&GUID_XAxis, &GUID_YAxis, &GUID_ZAxis, &GUID_RxAxis,
                                    &GUID_RyAxis, &GUID_RzAxis, &GUID_Slider, &GUID_Slider};

DWORD AxisOffset(int axis) { return static_cast<DWORD>(axis) * sizeof(LONG); }

// The predefined properties are small numbers posing as GUID references:
// only the address tells them apart.
bool IsProperty(REFGUID property, std::uintptr_t number) {
    return reinterpret_cast<std::uintptr_t>(&property) == number;
}

}  // namespace

bool FakeDevice::Accepts(REFIID riid) const {
    return IsEqualGUID(riid, IID_IDirectInputDevice8A) || IsEqualGUID(riid, IID_IDirectInputDevice2A) ||
           IsEqualGUID(riid, IID_IDirectInputDeviceA);
}

bool FakeDevice::Live() const {
    return World::Get().Live(device_, generation_);
}

HRESULT FakeDevice::GetCapabilities(LPDIDEVCAPS caps) {
    if (!caps || caps->dwSize < sizeof(DIDEVCAPS_DX3)) return DIERR_INVALIDPARAM;
    const DeviceTraits& traits = World::Get().Traits(device_);
    DWORD size = caps->dwSize;
    ZeroMemory(caps, size);
    caps->dwSize = size;
    caps->dwFlags = DIDC_ATTACHED | (traits.ForceFeedback ? DIDC_FORCEFEEDBACK : 0);
    caps->dwDevType = DI8DEVTYPE_GAMEPAD | DI8DEVTYPEGAMEPAD_STANDARD << 8 | DIDEVTYPE_HID;
    int axes = 0;
    for (int a = 0; a < AxisCount; ++a) axes += (traits.AxisMask >> a) & 1;
    caps->dwAxes = static_cast<DWORD>(axes);
    caps->dwButtons = static_cast<DWORD>(traits.Buttons);
    caps->dwPOVs = static_cast<DWORD>(traits.Povs);
    return Live() ? DI_OK : DIERR_INPUTLOST;
}

HRESULT FakeDevice::EnumAxes(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID ref) {
    const DeviceTraits& traits = World::Get().Traits(device_);
    for (int a = 0, instance = 0; a < AxisCount; ++a) {
        if (!((traits.AxisMask >> a) & 1)) continue;
        DIDEVICEOBJECTINSTANCEA object{};
        object.dwSize = sizeof object;
        object.guidType = *AxisGuids[a];
        object.dwOfs = AxisOffset(a);
        bool actuator = traits.ForceFeedback && (a == AxisX || a == AxisY);
        object.dwType = DIDFT_ABSAXIS | DIDFT_MAKEINSTANCE(instance++) | (actuator ? DIDFT_FFACTUATOR : 0);
        object.dwFlags = actuator ? DIDOI_FFACTUATOR : 0;
        lstrcpynA(object.tszName, "Axis", MAX_PATH);
        if (callback(&object, ref) == DIENUM_STOP) return DI_OK;
    }
    return DI_OK;
}

HRESULT FakeDevice::EnumButtonsAndPovs(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID ref, DWORD flags) {
    const DeviceTraits& traits = World::Get().Traits(device_);
    bool buttons = flags == DIDFT_ALL || (flags & DIDFT_BUTTON);
    bool povs = flags == DIDFT_ALL || (flags & DIDFT_POV);
    for (int b = 0; buttons && b < traits.Buttons; ++b) {
        DIDEVICEOBJECTINSTANCEA object{};
        object.dwSize = sizeof object;
        object.guidType = GUID_Button;
        object.dwOfs = static_cast<DWORD>(offsetof(DIJOYSTATE, rgbButtons) + b);
        object.dwType = DIDFT_PSHBUTTON | DIDFT_MAKEINSTANCE(b);
        if (callback(&object, ref) == DIENUM_STOP) return DI_OK;
    }
    for (int p = 0; povs && p < traits.Povs; ++p) {
        DIDEVICEOBJECTINSTANCEA object{};
        object.dwSize = sizeof object;
        object.guidType = GUID_POV;
        object.dwOfs = static_cast<DWORD>(offsetof(DIJOYSTATE, rgdwPOV) + p * sizeof(DWORD));
        object.dwType = DIDFT_POV | DIDFT_MAKEINSTANCE(p);
        if (callback(&object, ref) == DIENUM_STOP) return DI_OK;
    }
    return DI_OK;
}

HRESULT FakeDevice::EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, LPVOID ref, DWORD flags) {
    if (!callback) return DIERR_INVALIDPARAM;
    if (flags == DIDFT_ALL || (flags & DIDFT_AXIS)) EnumAxes(callback, ref);
    return EnumButtonsAndPovs(callback, ref, flags);
}

HRESULT FakeDevice::GetProperty(REFGUID property, LPDIPROPHEADER header) {
    if (!header) return DIERR_INVALIDPARAM;
    if (!IsProperty(property, 24)) return DIERR_UNSUPPORTED;  // DIPROP_VIDPID
    if (header->dwSize != sizeof(DIPROPDWORD) || header->dwHeaderSize != sizeof(DIPROPHEADER) ||
        header->dwHow != DIPH_DEVICE)
        return DIERR_INVALIDPARAM;
    const DeviceTraits& traits = World::Get().Traits(device_);
    reinterpret_cast<DIPROPDWORD*>(header)->dwData = MAKELONG(traits.Vendor, traits.ProductId);
    return DI_OK;
}

HRESULT FakeDevice::Acquire() { return Live() ? DI_OK : DIERR_INPUTLOST; }

HRESULT FakeDevice::Poll() { return Live() ? DI_NOEFFECT : DIERR_INPUTLOST; }

HRESULT FakeDevice::GetDeviceState(DWORD size, LPVOID data) {
    if (!formatSet_) return DIERR_NOTACQUIRED;
    if (size != sizeof(DIJOYSTATE) || !data) return DIERR_INVALIDPARAM;
    World& world = World::Get();
    const bool read = world.ReadJoy(device_, generation_, *static_cast<DIJOYSTATE*>(data));
    world.FaultIfAsked();
    if (!read) {
        if (!lostLogged_) world.Log("lost %s", world.Traits(device_).Name.c_str());
        lostLogged_ = true;
        return DIERR_INPUTLOST;
    }
    return DI_OK;
}

HRESULT FakeDevice::SetDataFormat(LPCDIDATAFORMAT format) {
    // Only the standard 80-byte joystick format is offered.
    if (!format || format->dwDataSize != sizeof(DIJOYSTATE)) return DIERR_INVALIDPARAM;
    formatSet_ = true;
    return DI_OK;
}

HRESULT FakeDevice::SetCooperativeLevel(HWND window, DWORD flags) {
    World::Get().Log("cooperative-level %s window %s flags %lu", World::Get().Traits(device_).Name.c_str(),
                     window ? "set" : "none", static_cast<unsigned long>(flags));
    return DI_OK;
}

HRESULT FakeDevice::GetDeviceInfo(LPDIDEVICEINSTANCEA instance) {
    if (!instance) return DIERR_INVALIDPARAM;
    World::Get().FillInstance(device_, *instance);
    return DI_OK;
}

// No dialog opens: the log line is what an end-to-end check looks for.
HRESULT FakeDevice::RunControlPanel(HWND owner, DWORD flags) {
    World::Get().Log("control-panel %s owner %s flags %lu", World::Get().Traits(device_).Name.c_str(),
                     owner ? "set" : "none", static_cast<unsigned long>(flags));
    return Live() ? DI_OK : DIERR_INPUTLOST;
}

HRESULT FakeDevice::CreateEffect(REFGUID type, LPCDIEFFECT, LPDIRECTINPUTEFFECT* out, LPUNKNOWN) {
    if (!out) return DIERR_INVALIDPARAM;
    *out = nullptr;
    const DeviceTraits& traits = World::Get().Traits(device_);
    if (!traits.ForceFeedback) return DIERR_UNSUPPORTED;
    if (!IsEqualGUID(type, GUID_ConstantForce)) return DIERR_DEVICENOTREG;
    *out = new FakeEffect(device_);
    World::Get().Log("effect-created %s", traits.Name.c_str());
    return DI_OK;
}

HRESULT FakeDevice::SendForceFeedbackCommand(DWORD command) {
    World& world = World::Get();
    if (command == DISFFC_STOPALL) world.Log("rumble stopall %s", world.Traits(device_).Name.c_str());
    else world.Log("ffb-command %s %lu", world.Traits(device_).Name.c_str(), static_cast<unsigned long>(command));
    return Live() ? DI_OK : DIERR_INPUTLOST;
}

}  // namespace velmora::fake
