#include "devices/ControllerLinks.h"

#include <utility>

#include "devices/DeviceScan.h"

namespace velmora {
namespace {

KnownControllerDataType* KnownEntry(ConfigurationType& config, const ControllerDataType& c) {
    if (c.KnownIndex >= config.KnownCount || c.KnownIndex >= MaxKnownControllers) return nullptr;
    return &config.KnownControllers[c.KnownIndex];
}

std::uint8_t LastKnownIndex(const ConfigurationType& config, const ControllerIDType& identity) {
    std::uint8_t found = UnknownController;
    for (std::uint8_t k = 0; k < config.KnownCount && k < MaxKnownControllers; ++k)
        if (config.KnownControllers[k].Identity == identity) found = k;
    return found;
}

std::uint8_t CountWithIdentity(const ControllerListType& list, const ControllerIDType& identity) {
    std::uint8_t count = 0;
    for (const ControllerDataType& c : list.Controllers)
        if (c.Identity == identity) ++count;
    return count;
}

void AddController(DeviceContext& context, DeviceSlot slot, const ControllerIDType& identity) {
    ControllerDataType c;
    c.Connection = New;
    c.DetectionSlot = slot;
    c.Identity = identity;
    c.Arrival = static_cast<std::uint8_t>(context.List.Count());
    c.Name = identity.DeviceName;
    c.XInputIndex = NoXInputIndex;
    c.KnownIndex = LastKnownIndex(context.Config, identity);
    if (KnownControllerDataType* entry = KnownEntry(context.Config, c)) {
        c.InstanceNumber = static_cast<std::uint8_t>(entry->ConnectedCount + entry->LostCount);
        ++entry->ConnectedCount;
    } else {
        c.InstanceNumber = CountWithIdentity(context.List, identity);
    }
    context.List.Controllers.push_back(std::move(c));
}

// Exchange order of two list entries.
bool SortsAfter(const ControllerDataType& a, const ControllerDataType& b) {
    const bool aKnown = a.KnownIndex != UnknownController, bKnown = b.KnownIndex != UnknownController;
    if (aKnown != bKnown) return !aKnown;
    if (aKnown) {
        if (a.KnownIndex != b.KnownIndex) return a.KnownIndex > b.KnownIndex;
        return a.InstanceNumber > b.InstanceNumber;
    }
    if (a.Identity.DeviceName != b.Identity.DeviceName) return a.Identity.DeviceName > b.Identity.DeviceName;
    return a.InstanceNumber > b.InstanceNumber;
}

// Every open settings window but the help and the one kept.
void CloseWindowsBut(UserInterface& ui, SettingsWindow kept) {
    for (int w = 0; w < SettingsWindowCount; ++w) {
        const auto window = static_cast<SettingsWindow>(w);
        if (window != SettingsWindow::Help && window != kept && ui.IsWindowOpen(window))
            ui.CloseWindow(window);
    }
}

}  // namespace

void DropRunningActions(ControllerDataType& c) {
    for (AssignmentType& a : c.Profile.Sets[c.Profile.CurrentSet].Assignments) {
        if (a.Toggle) a.ToggleState = 0;
        a.Slots.StepIndex = 0;
        if (a.Slots.SequenceState == Running) a.Slots.SequenceState = Ready;
    }
}

void CloseSettingsWindows(UserInterface& ui) {
    CloseWindowsBut(ui, SettingsWindow::Help);
}

void CloseControllerWindows(UserInterface& ui) {
    CloseWindowsBut(ui, SettingsWindow::GlobalSettings);
}

bool LinkDevice(DeviceContext& context, DeviceSlot slot, const ControllerIDType& identity) {
    for (ControllerDataType& c : context.List.Controllers) {
        if (c.Connection != Lost || !(c.Identity == identity)) continue;
        c.Connection = Returned;
        c.DetectionSlot = slot;
        c.Identity = identity;
        return true;
    }
    if (context.List.Count() >= MaxControllers) return false;
    AddController(context, slot, identity);
    return true;
}

void ControllerLost(DeviceContext& context, std::size_t index) {
    ControllerDataType& c = context.List.Controllers[index];
    c.Input = NormalisedInput{};
    c.Connection = Lost;
    // Its rumble stops the way it was started, before the kind changes.
    if (c.RumbleNow[0] > 0 || c.RumbleNow[1] > 0) SetRumble(c, 0, 0, true, context.Rumble);
    if (c.DeviceKind == XInputDevice) c.DeviceKind = UnidentifiedDevice;  // matched again when it returns
    if (KnownControllerDataType* entry = KnownEntry(context.Config, c)) {
        if (entry->ConnectedCount > 0) --entry->ConnectedCount;
        ++entry->LostCount;
        context.Ui.RefreshWindow(SettingsWindow::GlobalSettings);
    }
    DropRunningActions(c);
    if (index == context.List.Selected) {
        CloseSettingsWindows(context.Ui);
        context.Ui.RedrawLayout();
        context.Ui.PlayAnimation(LayoutAnimation::HideLayout, true);
    } else {
        context.Ui.RedrawLayout();
    }
    ReleaseDevice(context, c);
}

void ControllerReturned(DeviceContext& context, std::size_t index) {
    ControllerDataType& c = context.List.Controllers[index];
    c.Connection = Connected;
    if (c.DeviceKind == UnidentifiedDevice) {
        context.List.IdentificationDone = false;
        if (c.DetectionSlot < MaxDevices) context.List.Detection[c.DetectionSlot].DirectInputVotes = 0;
    }
    if (KnownControllerDataType* entry = KnownEntry(context.Config, c)) {
        if (entry->LostCount > 0) --entry->LostCount;
        ++entry->ConnectedCount;
        context.Ui.RefreshWindow(SettingsWindow::GlobalSettings);
    }
    UpdateCanRumble(context.List, c);
    context.Ui.RedrawLayout();
    if (index != context.List.Selected) return;
    context.Ui.PlayAnimation(LayoutAnimation::ShowLayout, true);
    context.Ui.RedrawLayout();
}

void SelectController(DeviceContext& context, std::size_t index) {
    ControllerListType& list = context.List;
    if (index == list.Selected || index >= list.Count()) return;
    CloseSettingsWindows(context.Ui);
    const std::uint8_t previous = list.Selected;
    // While every controller stays processed the switch is not animated:
    // the new layout shows at once.
    const bool stopOthers = previous == NoSelection || !context.Config.ProcessNonSelectedControllers;
    if (stopOthers && previous != NoSelection) {
        ControllerDataType& old = list.Controllers[previous];
        if (old.RumbleNow[0] > 0 || old.RumbleNow[1] > 0) SetRumble(old, 0, 0, true, context.Rumble);
        old.Processing = false;
    }
    if (previous != NoSelection && list.Controllers[previous].Connection != Lost)
        context.Ui.PlayAnimation(LayoutAnimation::HideLayout, stopOthers);
    list.Selected = static_cast<std::uint8_t>(index);
    context.Ui.RedrawLayout();
    if (list.Controllers[index].Connection != Lost) {
        context.Ui.PlayAnimation(LayoutAnimation::ShowLayout, stopOthers);
        context.Ui.RedrawLayout();
    }
    list.Controllers[index].Processing = true;
}

void SortControllers(ControllerListType& list) {
    std::vector<ControllerDataType>& cs = list.Controllers;
    for (std::size_t i = 0; i < cs.size(); ++i) {
        for (std::size_t j = i + 1; j < cs.size(); ++j) {
            if (!SortsAfter(cs[i], cs[j])) continue;
            std::swap(cs[i], cs[j]);
            if (list.Selected == i)
                list.Selected = static_cast<std::uint8_t>(j);
            else if (list.Selected == j)
                list.Selected = static_cast<std::uint8_t>(i);
        }
    }
}

}  // namespace velmora
