#include "model/ReadyLayout.h"

#include <utility>

namespace velmora {
namespace {

struct RoleKey {
    std::string_view Key;
    PadButtonRole Role;
};

constexpr std::array<RoleKey, 19> ButtonKeys{{
    {"a", PadButtonRole::South},
    {"b", PadButtonRole::East},
    {"x", PadButtonRole::West},
    {"y", PadButtonRole::North},
    {"leftshoulder", PadButtonRole::LeftShoulder},
    {"rightshoulder", PadButtonRole::RightShoulder},
    {"lefttrigger", PadButtonRole::LeftTrigger},
    {"righttrigger", PadButtonRole::RightTrigger},
    {"back", PadButtonRole::Back},
    {"start", PadButtonRole::Start},
    {"guide", PadButtonRole::Guide},
    {"leftstick", PadButtonRole::LeftStick},
    {"rightstick", PadButtonRole::RightStick},
    {"touchpad", PadButtonRole::Touchpad},
    {"misc1", PadButtonRole::Misc},
    {"paddle1", PadButtonRole::Paddle1},
    {"paddle2", PadButtonRole::Paddle2},
    {"paddle3", PadButtonRole::Paddle3},
    {"paddle4", PadButtonRole::Paddle4},
}};

// The database's axis n is the device's n-th present axis.
std::optional<std::uint8_t> DeviceAxis(const PadCapabilities& device, std::uint8_t n) {
    for (std::uint8_t axis = 0; axis < AxisCount; ++axis)
        if (device.Axes[axis] && n-- == 0) return axis;
    return std::nullopt;
}

bool ReadsMissingAxis(const PadMapping& entry, const PadCapabilities& device) {
    for (const PadBinding& binding : entry.Bindings)
        if (binding.Input.Kind == PadInputKind::Axis && !DeviceAxis(device, binding.Input.Index)) return true;
    return false;
}

// A stick axis reads a whole axis; a half axis on a stick is left out.
AxisAccess StickAxis(const PadMapping& entry, std::string_view key, const PadCapabilities& device) {
    const PadInput* input = entry.Find(key);
    if (!input || input->Kind != PadInputKind::Axis || input->Half != 0) return {};
    return {*DeviceAxis(device, input->Index), input->Inverted ? std::uint8_t{1} : std::uint8_t{0}, 0};
}

// "+aN" is the upper half, "-aN" the lower (Inverted), a whole axis at rest at
// one end is the trigger's whole travel.
AxisAccess TriggerAxis(const PadMapping& entry, std::string_view key, const PadCapabilities& device) {
    const PadInput* input = entry.Find(key);
    if (!input || input->Kind != PadInputKind::Axis) return {};
    const std::uint8_t axis = *DeviceAxis(device, input->Index);
    if (input->Half != 0) return {axis, input->Half < 0 ? std::uint8_t{1} : std::uint8_t{0}, 0};
    return {axis, input->Inverted ? std::uint8_t{1} : std::uint8_t{0}, 1};
}

// One DPad direction: the first hat with its own direction's bit, a button,
// or the half of an axis that the DPad's axis reading turns on (Up and Left
// the low end, Right and Down the high end).
DPadDirectionAccess DPadDirection(const PadMapping& entry, int d, const PadCapabilities& device) {
    static constexpr std::array<std::string_view, 4> keys{"dpup", "dpright", "dpdown", "dpleft"};
    const PadInput* input = entry.Find(keys[static_cast<std::size_t>(d)]);
    if (!input) return {};
    switch (input->Kind) {
        case PadInputKind::Hat:
            if (input->Index != 0 || device.POVCount == 0 || input->HatMask != 1 << d) return {};
            return {DPadKind::POV, 0, 0};
        case PadInputKind::Button:
            if (input->Index >= 32) return {};
            return {DPadKind::Button, 0, input->Index};
        case PadInputKind::Axis: {
            const int wanted = d == 0 || d == 3 ? -1 : 1;
            if (input->Half != wanted || input->Inverted) return {};
            return {DPadKind::Axis, *DeviceAxis(device, input->Index), 0};
        }
    }
    return {};
}

void MapSticks(ControllerFileType& layout, const PadMapping& entry, const PadCapabilities& device) {
    layout.StickAccess[0] = {StickAxis(entry, "leftx", device), StickAxis(entry, "lefty", device)};
    layout.StickAccess[1] = {StickAxis(entry, "rightx", device), StickAxis(entry, "righty", device)};
    // Stick 2 is never placed without Stick 1: a pad with only a right stick
    // gets it as Stick 1.
    if (layout.StickAccess[0][0].Axis == NoAxis) std::swap(layout.StickAccess[0], layout.StickAccess[1]);
}

void MapButtons(ControllerFileType& layout, ReadyPlan& plan, const PadMapping& entry,
                const PadCapabilities& device) {
    for (const RoleKey& key : ButtonKeys) {
        const PadInput* input = entry.Find(key.Key);
        if (!input || input->Kind != PadInputKind::Button || input->Index >= 32) continue;
        if (plan.Roles[input->Index] == PadButtonRole::None) plan.Roles[input->Index] = key.Role;
    }
    for (std::size_t b = 0; b < 32; ++b)
        if (plan.Roles[b] != PadButtonRole::None || b < device.ButtonCount)
            layout.ButtonNames[b] = ButtonName(plan.Family, plan.Roles[b], b);
}

void NameGroups(ControllerFileType& layout, PadFamily family) {
    const bool pad = family != PadFamily::Generic;
    layout.StickNames = {pad ? "Left Stick" : "Stick 1", pad ? "Right Stick" : "Stick 2"};
    if (layout.StickAccess[1][0].Axis == NoAxis && pad) layout.StickNames[0] = "Stick";
    layout.StickDirectionNames = {"Up", "Right", "Down", "Left"};
    layout.DPadName = "DPad";
    layout.DPadDirectionNames = {"Up", "Right", "Down", "Left"};
    layout.TriggerNames = TriggerNamesOf(family);
}

// An unplaced group reads nothing (and a DPad without Up is not placed).
void ClearUnplacedAccesses(ControllerFileType& layout) {
    if (!Stick1Placed(layout)) layout.StickAccess[0] = {};
    if (!Stick2Placed(layout)) layout.StickAccess[1] = {};
    if (!TriggersPlaced(layout)) layout.TriggerAccess = {};
    if (!TriggerRightPlaced(layout)) layout.TriggerAccess[1] = {};
    if (!DPadPlaced(layout)) layout.DPadAccess = {};
}

}  // namespace

std::optional<ReadyPlan> MapPadEntry(ControllerFileType& layout, const PadMapping& entry,
                                     const PadCapabilities& device) {
    if (ReadsMissingAxis(entry, device)) return std::nullopt;
    ResetLayout(layout);
    ReadyPlan plan;
    plan.Family = FamilyOf(entry, layout.Identity.VendorProduct);
    MapSticks(layout, entry, device);
    layout.TriggerAccess = {TriggerAxis(entry, "lefttrigger", device),
                            TriggerAxis(entry, "righttrigger", device)};
    // The triggers are read only through the left one's access.
    if (layout.TriggerAccess[0].Axis == NoAxis) layout.TriggerAccess = {};
    for (int d = 0; d < 4; ++d)
        layout.DPadAccess[static_cast<std::size_t>(d)] = DPadDirection(entry, d, device);
    if (layout.DPadAccess[0].Kind == DPadKind::None) layout.DPadAccess = {};
    MapButtons(layout, plan, entry, device);
    NameGroups(layout, plan.Family);
    return plan;
}

ReadyPlan MapXInputPad(ControllerFileType& layout) {
    ResetLayout(layout);
    layout.StickAccess = {
        {{AxisAccess{0, 0, 0}, AxisAccess{1, 0, 0}}, {AxisAccess{3, 0, 0}, AxisAccess{4, 0, 0}}}};
    // Windows puts the left trigger on Z's upper half, the right one on its lower half.
    layout.TriggerAccess = {AxisAccess{2, 0, 0}, AxisAccess{2, 1, 0}};
    layout.DPadAccess.fill({DPadKind::POV, 0, 0});
    ReadyPlan plan{PadFamily::Xbox, {}};
    constexpr std::array<PadButtonRole, 10> order{
        PadButtonRole::South,        PadButtonRole::East,          PadButtonRole::West, PadButtonRole::North,
        PadButtonRole::LeftShoulder, PadButtonRole::RightShoulder, PadButtonRole::Back, PadButtonRole::Start,
        PadButtonRole::LeftStick,    PadButtonRole::RightStick};
    for (std::size_t b = 0; b < order.size(); ++b) {
        plan.Roles[b] = order[b];
        layout.ButtonNames[b] = ButtonName(plan.Family, order[b], b);
    }
    NameGroups(layout, plan.Family);
    return plan;
}

void FinishReadyLayout(ControllerFileType& layout, const ReadyPlan& plan,
                       const std::array<ColourType, 3>& colours) {
    DrawReadyPicture(layout, plan.Family, std::span<const PadButtonRole, 32>(plan.Roles), colours);
    ClearUnplacedAccesses(layout);
    layout.Changed = 0;
}

bool MakeReadyLayout(ControllerFileType& layout, const PadMapping& entry, const PadCapabilities& device,
                     const std::array<ColourType, 3>& colours) {
    const std::optional<ReadyPlan> plan = MapPadEntry(layout, entry, device);
    if (!plan) return false;
    FinishReadyLayout(layout, *plan, colours);
    return true;
}

}  // namespace velmora
