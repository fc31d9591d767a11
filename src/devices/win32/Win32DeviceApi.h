#pragma once
// The device seam over DirectInput 8 and XInput. Both libraries are loaded
// at run time by file name, so that the program starts (and says why not)
// without them. The object keeps the device and effect objects of the 16
// detection slots and releases whatever is still open when it goes.

#define DIRECTINPUT_VERSION 0x0800
#include <dinput.h>
#include <xinput.h>

#include <array>

#include "base/win32/Library.h"
#include "base/win32/Windows.h"
#include "devices/DeviceApi.h"
#include "devices/HeldRumble.h"

namespace velmora {

// EnumDevices over the attached game controllers of a DirectInput object,
// answered as EnumerateControllers answers it: an exception that DirectInput
// raises inside (a debug DirectInput does) ends it as DebugDirectInput; one
// thrown by visit goes on to the caller.
EnumerationResult EnumerateGameControllers(IDirectInput8A& input,
                                           const std::function<bool(const DeviceInstanceRecord&)>& visit);

class Win32DeviceApi : public DeviceApi {
public:
    Win32DeviceApi();
    ~Win32DeviceApi() override;
    Win32DeviceApi(const Win32DeviceApi&) = delete;
    Win32DeviceApi& operator=(const Win32DeviceApi&) = delete;

    // Loads "dinput8.dll" and creates the DirectInput interface; frees the
    // library again when that fails.
    bool LoadDirectInput(HINSTANCE instance);
    // Loads one XInput library with both entry points; false leaves nothing loaded.
    bool TryLoadXInput(const wchar_t* file);
    void SetXInputStatus(XInputStatusValue status) { xinputStatus_ = status; }
    // The window the devices are bound to (exclusive, background access).
    void SetWindow(HWND window) { window_ = window; }
    // Where every start and stop of a motor is noted, for a crash to stop them.
    void SetHeldRumble(HeldRumble* held) { held_ = held; }
    // Releases every device, the DirectInput interface and both libraries.
    void FreeLibraries();

    EnumerationResult EnumerateControllers(
        const std::function<bool(const DeviceInstanceRecord&)>& visit) override;
    bool CreateDevice(DeviceSlot slot, const DeviceGuid& instance) override;
    bool SetDataFormat(DeviceSlot slot) override;
    bool SetCooperativeLevel(DeviceSlot slot) override;
    std::optional<std::uint32_t> GetVendorProduct(DeviceSlot slot) override;
    std::optional<DeviceCapabilities> GetCapabilities(DeviceSlot slot) override;
    bool EnumerateAxes(DeviceSlot slot, const std::function<void(const AxisObject&)>& visit) override;
    bool CreateConstantForceEffect(DeviceSlot slot) override;

    void Acquire(DeviceSlot slot) override;
    void Unacquire(DeviceSlot slot) override;
    void Poll(DeviceSlot slot) override;
    bool GetDeviceState(DeviceSlot slot, RawJoyState& state) override;

    void StartConstantForce(DeviceSlot slot, std::int32_t magnitude, std::int32_t direction) override;
    void StopAllEffects(DeviceSlot slot) override;
    void UnloadEffect(DeviceSlot slot) override;
    void ReleaseDevice(DeviceSlot slot) override;
    bool RunControlPanel(DeviceSlot slot, std::uintptr_t ownerWindow) override;

    XInputStatusValue XInputStatus() const override { return xinputStatus_; }
    bool XInputGetState(std::uint8_t userIndex, RawXInputState& state) override;
    void XInputSetState(std::uint8_t userIndex, std::uint16_t leftSpeed, std::uint16_t rightSpeed) override;
    std::optional<BatteryState> XInputGetBattery(std::uint8_t userIndex) override;

private:
    using XInputGetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
    using XInputSetStateFunction = DWORD(WINAPI*)(DWORD, XINPUT_VIBRATION*);
    using XInputGetBatteryFunction = DWORD(WINAPI*)(DWORD, BYTE, XINPUT_BATTERY_INFORMATION*);

    IDirectInputDevice8A* Device(DeviceSlot slot) const {
        return slot < MaxDevices ? devices_[slot] : nullptr;
    }
    IDirectInputEffect* Effect(DeviceSlot slot) const { return slot < MaxDevices ? effects_[slot] : nullptr; }
    void PrepareForceEffect();

    HWND window_ = nullptr;
    HeldRumble* held_ = nullptr;
    LoadedLibrary directInputLibrary_;
    IDirectInput8A* directInput_ = nullptr;
    std::array<IDirectInputDevice8A*, MaxDevices> devices_{};
    std::array<IDirectInputEffect*, MaxDevices> effects_{};

    // The one constant-force description all devices share: each request
    // fills magnitude and direction, sends it and clears them again.
    DIEFFECT forceEffect_{};
    std::array<DWORD, 2> forceAxes_{};
    std::array<LONG, 2> forceDirections_{};
    DICONSTANTFORCE constantForce_{};

    LoadedLibrary xinputLibrary_;
    XInputStatusValue xinputStatus_ = XInputNotFound;
    XInputGetStateFunction xinputGetState_ = nullptr;
    XInputSetStateFunction xinputSetState_ = nullptr;
    XInputGetBatteryFunction xinputGetBattery_ = nullptr;  // not in XInput 9.1.0
};

}  // namespace velmora
