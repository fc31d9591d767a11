#include "devices/DeviceScan.h"

#include <algorithm>
#include <vector>

#include "base/Assistance.h"
#include "base/FileMessages.h"
#include "base/Language.h"
#include "devices/ControllerLinks.h"

namespace velmora {
namespace {

std::string AssistanceMessage() {
    return Translate("*For assistance, send an email to*") + " " + std::string(AssistanceAddress);
}

void ShowEnumerationFailure(UserInterface& ui, EnumerationResult result) {
    if (result == EnumerationResult::Error) {
        ui.ShowMessageDialog(MakeMessage(DialogKind::Error, "*DirectInput Error*",
                                         {{"*Command*", "EnumDevices"}}, AssistanceMessage()));
        return;
    }
    ui.ShowMessageDialog(
        MakeMessage(DialogKind::Error, "*DirectInput Error*", {},
                    Translate("*A debug version of DINPUT has been detected.*") + "#" +
                        Translate("*Search for and rename \"dinputd.dll\" as \"_dinputd.dll\".*")));
}

std::vector<DeviceInstanceRecord> Enumerate(DeviceContext& context) {
    std::vector<DeviceInstanceRecord> entries;
    entries.reserve(MaxDevices);
    const EnumerationResult result = context.Devices.EnumerateControllers([&](const DeviceInstanceRecord& r) {
        entries.push_back(r);
        return entries.size() < MaxDevices;
    });
    if (result == EnumerationResult::Ok) return entries;
    ShowEnumerationFailure(context.Ui, result);
    return {};
}

// A controller whose device is open: Connected, or Returned and not yet
// passed through its next pass (a controller that is not processed stays
// Returned until it is).
bool HoldsDevice(const ControllerDataType& c) {
    return (c.Connection == Connected || c.Connection == Returned) && c.DetectionSlot < MaxDevices;
}

// The entry of every device a controller holds is left out: that device is
// already open. The match is on the instance, never on the product: two pads
// of one model share their product, and a pad plugged in (or back) may be
// listed before the one of its model that is open.
void LeaveOutConnected(DeviceContext& context, std::vector<DeviceInstanceRecord>& entries) {
    const auto open = [&context](const DeviceInstanceRecord& entry) {
        for (const ControllerDataType& c : context.List.Controllers)
            if (HoldsDevice(c) && context.List.Detection[c.DetectionSlot].InstanceGuid == entry.Instance)
                return true;
        return false;
    };
    entries.erase(std::remove_if(entries.begin(), entries.end(), open), entries.end());
}

DeviceSlot FreeSlot(const ControllerListType& list) {
    for (DeviceSlot s = 0; s < MaxDevices; ++s)
        if (!list.Detection[s].InUse) return s;
    return NoDetectionSlot;
}

int AxisObjectIndex(AxisObjectType type, const ControllerDetectionDataType& slot) {
    switch (type) {
        case AxisObjectType::Other:
            return -1;
        case AxisObjectType::Slider:
            return slot.AxisObjects[6].Present ? 7 : 6;
        default:
            return static_cast<int>(type);
    }
}

bool ReadAxisObjects(DeviceContext& context, DeviceSlot s) {
    ControllerDetectionDataType& slot = context.List.Detection[s];
    slot.AxisObjects = {};
    return context.Devices.EnumerateAxes(s, [&slot](const AxisObject& object) {
        const int index = AxisObjectIndex(object.Type, slot);
        if (index < 0) return;
        slot.AxisObjects[static_cast<std::size_t>(index)] = {true, object.Actuator};
    });
}

// Rumble is the constant force along X and Y: without both actuators, or
// without an effect, the device is one that does not rumble.
void PrepareForceFeedback(DeviceContext& context, DeviceSlot s) {
    ControllerDetectionDataType& slot = context.List.Detection[s];
    if (slot.ForceFeedback && !(slot.AxisObjects[0].Actuator && slot.AxisObjects[1].Actuator))
        slot.ForceFeedback = false;
    if (slot.ForceFeedback && !context.Devices.CreateConstantForceEffect(s)) slot.ForceFeedback = false;
}

std::uint8_t CountByte(std::uint32_t count) {
    return static_cast<std::uint8_t>(count > 255 ? 255 : count);
}

// The set-up commands in order; answers the one that failed, or empty.
std::string_view ConfigureDevice(DeviceContext& context, DeviceSlot s, const DeviceInstanceRecord& entry,
                                 ControllerIDType& identity) {
    DeviceApi& api = context.Devices;
    ControllerDetectionDataType& slot = context.List.Detection[s];
    if (!api.CreateDevice(s, entry.Instance)) return "CreateDevice";
    if (!api.SetDataFormat(s)) return "SetDataFormat";
    if (!api.SetCooperativeLevel(s)) return "SetCooperativeLevel";
    const std::optional<std::uint32_t> word = api.GetVendorProduct(s);
    if (!word) return "GetProperty";
    // DirectInput answers vendor low, product high; the identity keeps vendor high.
    identity.VendorProduct = (*word << 16) | (*word >> 16);
    const std::optional<DeviceCapabilities> caps = api.GetCapabilities(s);
    if (!caps) return "GetCapabilities";
    slot.AxisCount = CountByte(caps->AxisCount);
    slot.ButtonCount = CountByte(caps->ButtonCount);
    slot.POVCount = CountByte(caps->POVCount);
    slot.ForceFeedback = caps->ForceFeedback;
    if (!ReadAxisObjects(context, s)) return "EnumObjects or Invalid feedback axes";
    PrepareForceFeedback(context, s);
    return {};
}

}  // namespace

std::string CutName(std::string_view name, std::size_t characters) {
    std::size_t end = 0;
    for (std::size_t count = 0; end < name.size() && count < characters; ++count) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) ++end;
    }
    return std::string(name.substr(0, end));
}

DeviceSlot OpenDevice(DeviceContext& context, const DeviceInstanceRecord& entry) {
    const DeviceSlot s = FreeSlot(context.List);
    if (s == NoDetectionSlot) return NoDetectionSlot;
    ControllerDetectionDataType& slot = context.List.Detection[s];
    slot.InstanceGuid = entry.Instance;
    slot.ProductGuid = entry.Product;
    slot.BatteryLowTold = false;  // another device may have had the slot
    ControllerIDType identity{CutName(entry.ProductName, MaxDeviceNameLength), 0};
    const std::string_view failed = ConfigureDevice(context, s, entry, identity);
    if (failed.empty()) {
        slot.InUse = true;
        if (!LinkDevice(context, s, identity)) ReleaseSlot(context, s);  // a seventeenth controller
        return s;
    }
    if (failed != "CreateDevice") {
        context.Devices.Unacquire(s);
        context.Devices.ReleaseDevice(s);
    }
    context.Ui.ShowMessageDialog(MakeMessage(
        DialogKind::Error, "*DirectInput Error*",
        {{"*Controller*", identity.DeviceName}, {"*Command*", std::string(failed)}}, AssistanceMessage()));
    return NoDetectionSlot;
}

void ScanDevices(DeviceContext& context) {
    std::vector<DeviceInstanceRecord> entries = Enumerate(context);
    if (entries.empty()) return;
    LeaveOutConnected(context, entries);
    for (const DeviceInstanceRecord& entry : entries) OpenDevice(context, entry);
}

void ReleaseSlot(DeviceContext& context, DeviceSlot s) {
    if (s >= MaxDevices) return;
    ControllerDetectionDataType& slot = context.List.Detection[s];
    context.Devices.Unacquire(s);
    if (slot.ForceFeedback) context.Devices.UnloadEffect(s);
    context.Devices.ReleaseDevice(s);
    slot.InUse = false;
}

void ReleaseDevice(DeviceContext& context, ControllerDataType& c) {
    if (c.RumbleNow[0] > 0 || c.RumbleNow[1] > 0) SetRumble(c, 0, 0, true, context.Rumble);
    ReleaseSlot(context, c.DetectionSlot);
    // The slot may soon hold another device; a returning device brings its own.
    c.DetectionSlot = NoDetectionSlot;
}

}  // namespace velmora
