#pragma once
// A scripted device seam for tests: attached devices that can be plugged and
// unplugged, their raw states, four XInput pads, set-up commands that fail on
// request, and a record of every command that moves motors or frees devices.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "devices/DeviceApi.h"

namespace velmora::test {

struct FakeDevice {
    DeviceInstanceRecord Record;
    std::uint32_t VendorProductWord = 0;  // as DirectInput answers: vendor low, product high
    DeviceCapabilities Caps{6, 12, 1, false};
    std::vector<AxisObject> Axes{{AxisObjectType::X, false}, {AxisObjectType::Y, false}};
    RawJoyState State;
    bool Attached = true;
    std::string FailingCommand;  // "SetDataFormat", ...: that set-up step fails
    bool EffectFails = false;
};

// A device of a model: the model byte makes the product identifier, the
// serial byte the instance identifier.
inline FakeDevice MakeFakeDevice(const std::string& name, std::uint8_t model, std::uint8_t serial,
                                 std::uint16_t vendor = 0x045E, std::uint16_t product = 0x0028) {
    FakeDevice d;
    d.Record.ProductName = name;
    d.Record.Product.Bytes[0] = model;
    d.Record.Instance.Bytes[0] = model;
    d.Record.Instance.Bytes[1] = serial;
    d.VendorProductWord = vendor | (std::uint32_t{product} << 16);
    return d;
}

class FakeDeviceApi : public DeviceApi {
public:
    std::vector<FakeDevice> Devices;  // in the order enumeration reports them
    EnumerationResult Enumeration = EnumerationResult::Ok;
    // A debug DirectInput: the enumeration breaks off with an exception after
    // visiting this many devices, which the backend reports as DebugDirectInput.
    int RaisesAfter = -1;
    XInputStatusValue Status = XInputLoaded;
    std::array<std::optional<RawXInputState>, 4> Pads{};  // connected pads
    // What each pad's battery reports; nothing: no answer (as XInput 9.1.0 gives none).
    std::array<std::optional<BatteryState>, 4> Batteries{};
    int BatteryReads = 0;
    std::vector<std::string> Calls;  // motor, release, unacquire and control-panel commands, in order
    int CreatedEffects = 0;

    FakeDevice& Plug(FakeDevice device) {
        Devices.push_back(std::move(device));
        return Devices.back();
    }
    // The device stops answering and is no longer enumerated.
    void Unplug(std::size_t device) { Devices[device].Attached = false; }
    FakeDevice& Device(std::size_t index) { return Devices[index]; }
    // The device opened in a slot. Slots hold the instance, so a device
    // plugged in at the front of the listing leaves the open ones in place.
    FakeDevice* InSlot(DeviceSlot slot) {
        if (!slots_[slot]) return nullptr;
        for (FakeDevice& d : Devices)
            if (d.Record.Instance == *slots_[slot]) return &d;
        return nullptr;
    }

    EnumerationResult EnumerateControllers(
        const std::function<bool(const DeviceInstanceRecord&)>& visit) override {
        if (Enumeration != EnumerationResult::Ok) return Enumeration;
        int visits = 0;
        for (const FakeDevice& d : Devices) {
            if (!d.Attached) continue;
            if (visits++ == RaisesAfter || !visit(d.Record)) break;
        }
        return RaisesAfter >= 0 ? EnumerationResult::DebugDirectInput : EnumerationResult::Ok;
    }
    bool CreateDevice(DeviceSlot slot, const DeviceGuid& instance) override {
        for (std::size_t i = 0; i < Devices.size(); ++i) {
            if (!Devices[i].Attached || !(Devices[i].Record.Instance == instance)) continue;
            if (Devices[i].FailingCommand == "CreateDevice") return false;
            slots_[slot] = instance;
            return true;
        }
        return false;
    }
    bool SetDataFormat(DeviceSlot slot) override { return !Fails(slot, "SetDataFormat"); }
    bool SetCooperativeLevel(DeviceSlot slot) override { return !Fails(slot, "SetCooperativeLevel"); }
    std::optional<std::uint32_t> GetVendorProduct(DeviceSlot slot) override {
        if (Fails(slot, "GetProperty")) return std::nullopt;
        return InSlot(slot)->VendorProductWord;
    }
    std::optional<DeviceCapabilities> GetCapabilities(DeviceSlot slot) override {
        if (Fails(slot, "GetCapabilities")) return std::nullopt;
        return InSlot(slot)->Caps;
    }
    bool EnumerateAxes(DeviceSlot slot, const std::function<void(const AxisObject&)>& visit) override {
        if (Fails(slot, "EnumObjects")) return false;
        for (const AxisObject& a : InSlot(slot)->Axes) visit(a);
        return true;
    }
    bool CreateConstantForceEffect(DeviceSlot slot) override {
        if (InSlot(slot)->EffectFails) return false;
        ++CreatedEffects;
        return true;
    }
    void Acquire(DeviceSlot) override {}
    void Unacquire(DeviceSlot slot) override { Record("Unacquire", slot); }
    void Poll(DeviceSlot) override {}
    bool GetDeviceState(DeviceSlot slot, RawJoyState& state) override {
        FakeDevice* d = InSlot(slot);
        if (!d || !d->Attached) return false;
        state = d->State;
        return true;
    }
    void StartConstantForce(DeviceSlot slot, std::int32_t magnitude, std::int32_t direction) override {
        Calls.push_back("Force " + std::to_string(slot) + " " + std::to_string(magnitude) + " " +
                        std::to_string(direction));
    }
    void StopAllEffects(DeviceSlot slot) override { Record("StopAll", slot); }
    void UnloadEffect(DeviceSlot slot) override { Record("Unload", slot); }
    void ReleaseDevice(DeviceSlot slot) override {
        Record("Release", slot);
        slots_[slot].reset();
    }
    bool RunControlPanel(DeviceSlot slot, std::uintptr_t ownerWindow) override {
        if (!InSlot(slot)) return false;
        Calls.push_back("ControlPanel " + std::to_string(slot) + " owner " + std::to_string(ownerWindow));
        return true;
    }
    XInputStatusValue XInputStatus() const override { return Status; }
    bool XInputGetState(std::uint8_t index, RawXInputState& state) override {
        if (index >= Pads.size() || !Pads[index]) return false;
        state = *Pads[index];
        return true;
    }
    void XInputSetState(std::uint8_t index, std::uint16_t left, std::uint16_t right) override {
        Calls.push_back("XInput " + std::to_string(index) + " " + std::to_string(left) + " " +
                        std::to_string(right));
    }
    std::optional<BatteryState> XInputGetBattery(std::uint8_t index) override {
        ++BatteryReads;
        return index < Batteries.size() ? Batteries[index] : std::nullopt;
    }

private:
    bool Fails(DeviceSlot slot, const std::string& command) {
        const FakeDevice* d = InSlot(slot);
        return !d || d->FailingCommand == command;
    }
    void Record(const char* what, DeviceSlot slot) {
        Calls.push_back(std::string(what) + " " + std::to_string(slot));
    }

    std::array<std::optional<DeviceGuid>, MaxDevices> slots_{};
};

}  // namespace velmora::test
