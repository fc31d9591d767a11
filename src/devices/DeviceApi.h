#pragma once
// The device seam: the DirectInput 8 and XInput operations the program uses,
// one method per operation so that a failure can name its command. The
// Windows backend implements it over the real libraries; tests script fake
// devices. Devices are named by their detection slot (0..15): the backend
// keeps the device and effect objects of each slot.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/RawState.h"

namespace velmora {

using DeviceSlot = std::uint8_t;  // the detection slot, 0..15
inline constexpr DeviceSlot MaxDevices = 16;

// A device instance or product identifier, as the 16 bytes of a GUID.
struct DeviceGuid {
    std::array<std::uint8_t, 16> Bytes{};
    friend bool operator==(const DeviceGuid&, const DeviceGuid&) = default;
};

// One attached game controller as enumeration reports it.
struct DeviceInstanceRecord {
    DeviceGuid Instance;
    DeviceGuid Product;
    std::string ProductName;  // UTF-8
};

enum class EnumerationResult : std::uint8_t {
    Ok,
    Error,             // EnumDevices returned an error
    DebugDirectInput,  // the enumeration raised an exception: a debug DirectInput is installed
};

struct DeviceCapabilities {
    std::uint32_t AxisCount = 0;
    std::uint32_t ButtonCount = 0;
    std::uint32_t POVCount = 0;
    bool ForceFeedback = false;
};

// The type of an axis object; Other for any type that is not a standard axis.
enum class AxisObjectType : std::uint8_t { X, Y, Z, RX, RY, RZ, Slider, Other };

struct AxisObject {
    AxisObjectType Type = AxisObjectType::Other;
    bool Actuator = false;  // a force-feedback actuator
};

// XInput's load state; the controller properties window reports it.
enum XInputStatusValue : std::uint8_t {
    XInputLoaded = 0,
    XInputNotFound = 1,
    XInputDisabled = 2,
    XInputUnsupported = 3,
};

// What XInput reports of a pad's battery: how the pad is powered and how full it is.
enum BatteryTypeValue : std::uint8_t {
    BatteryDisconnected = 0,
    BatteryWired = 1,
    BatteryAlkaline = 2,
    BatteryNiMH = 3,
    BatteryUnknownType = 0xFF
};
enum BatteryLevelValue : std::uint8_t {
    BatteryEmpty = 0,
    BatteryLow = 1,
    BatteryMedium = 2,
    BatteryFull = 3
};
struct BatteryState {
    std::uint8_t Type = BatteryDisconnected;
    std::uint8_t Level = BatteryEmpty;
};

class DeviceApi {
public:
    virtual ~DeviceApi() = default;

    // EnumDevices over attached game controllers: visit is called once per
    // device and returns true to continue, false to stop.
    virtual EnumerationResult EnumerateControllers(
        const std::function<bool(const DeviceInstanceRecord&)>& visit) = 0;

    // Opening and configuring a device into a slot; each answers success.
    virtual bool CreateDevice(DeviceSlot slot, const DeviceGuid& instance) = 0;
    virtual bool SetDataFormat(DeviceSlot slot) = 0;        // the standard 80-byte joystick format
    virtual bool SetCooperativeLevel(DeviceSlot slot) = 0;  // the program's window, exclusive and background
    // The vendor-and-product property as DirectInput answers it: vendor in
    // the low 16 bits, product in the high 16 bits.
    virtual std::optional<std::uint32_t> GetVendorProduct(DeviceSlot slot) = 0;
    virtual std::optional<DeviceCapabilities> GetCapabilities(DeviceSlot slot) = 0;
    // EnumObjects for axes only: visit once per axis object; false on failure.
    virtual bool EnumerateAxes(DeviceSlot slot, const std::function<void(const AxisObject&)>& visit) = 0;
    // Creates the slot's constant-force effect from the prepared description.
    virtual bool CreateConstantForceEffect(DeviceSlot slot) = 0;

    // Reading. Acquire, Unacquire and Poll answer nothing the program uses.
    virtual void Acquire(DeviceSlot slot) = 0;
    virtual void Unacquire(DeviceSlot slot) = 0;
    virtual void Poll(DeviceSlot slot) = 0;
    virtual bool GetDeviceState(DeviceSlot slot, RawJoyState& state) = 0;

    // Force feedback: fill the effect's magnitude (0..10000) and polar
    // direction (hundredths of a degree), SetParameters without download,
    // Download, Start once solo.
    virtual void StartConstantForce(DeviceSlot slot, std::int32_t magnitude, std::int32_t direction) = 0;
    virtual void StopAllEffects(DeviceSlot slot) = 0;  // SendForceFeedbackCommand stop-all
    virtual void UnloadEffect(DeviceSlot slot) = 0;    // Unload and release the effect
    virtual void ReleaseDevice(DeviceSlot slot) = 0;   // release the device interface

    // RunControlPanel with flags 0: the device's own settings dialog, owned by
    // the window whose native handle is given (0: the program's window).
    // False when the slot holds no device or the device refuses.
    virtual bool RunControlPanel(DeviceSlot slot, std::uintptr_t ownerWindow) = 0;

    // XInput, for user indexes 0..3.
    virtual XInputStatusValue XInputStatus() const = 0;
    bool XInputIsLoaded() const { return XInputStatus() == XInputLoaded; }
    virtual bool XInputGetState(std::uint8_t userIndex, RawXInputState& state) = 0;  // true: connected
    virtual void XInputSetState(std::uint8_t userIndex, std::uint16_t leftSpeed,
                                std::uint16_t rightSpeed) = 0;
    // XInputGetBatteryInformation for the pad itself; nothing when the
    // library has no such entry (XInput 9.1.0) or the pad does not answer.
    virtual std::optional<BatteryState> XInputGetBattery(std::uint8_t userIndex) = 0;
};

}  // namespace velmora
