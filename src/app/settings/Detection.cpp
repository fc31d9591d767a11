#include "app/settings/Detection.h"

#include <array>

#include "app/settings/ControllerEnableBoxes.h"
#include "app/settings/ControllerWindow.h"
#include "base/Language.h"

namespace velmora {

namespace {

// A quarter of the axis range: a resting stick drifts far less, a pushed one
// travels far more.
constexpr std::int32_t MoveThreshold = 16384;

struct PanelRow {
    std::string_view Command;
    std::string_view Control;
    std::string_view Number;  // appended to the control with a space
    std::string_view Direction;
    DirectionPicture Picture;
};

// Indexed by target - 1.
constexpr std::array<PanelRow, 10> PanelRows{{
    {"*Push*", "*Stick*", "1", "*Left*", DirectionPicture::Left},
    {"*Push*", "*Stick*", "1", "*Up*", DirectionPicture::Up},
    {"*Push*", "*Stick*", "2", "*Left*", DirectionPicture::Left},
    {"*Push*", "*Stick*", "2", "*Up*", DirectionPicture::Up},
    {"*Press*", "*DPad*", "", "*Up*", DirectionPicture::Up},
    {"*Press*", "*DPad*", "", "*Right*", DirectionPicture::Right},
    {"*Press*", "*DPad*", "", "*Down*", DirectionPicture::Down},
    {"*Press*", "*DPad*", "", "*Left*", DirectionPicture::Left},
    {"*Hold*", "*Left*", "", "*Trigger*", DirectionPicture::Left},
    {"*Hold*", "*Right*", "", "*Trigger*", DirectionPicture::Right},
}};

bool IsStickTarget(std::uint8_t target) {
    return target >= Stick1XTarget && target <= Stick2YTarget;
}
bool IsDPadTarget(std::uint8_t target) {
    return target >= DPadUpTarget && target <= DPadLeftTarget;
}
bool IsTriggerTarget(std::uint8_t target) {
    return target == LeftTriggerTarget || target == RightTriggerTarget;
}

std::uint8_t FirstGroupTarget(LayoutGroup group) {
    switch (group) {
        case LayoutGroup::Stick1:
            return Stick1XTarget;
        case LayoutGroup::Stick2:
            return Stick2XTarget;
        case LayoutGroup::DPad:
            return DPadUpTarget;
        case LayoutGroup::Triggers:
            return LeftTriggerTarget;
    }
    return NoDetection;
}

MessageDialog NotAnalog(std::string_view heading, std::string_view text) {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Information;
    dialog.Heading = Translate(heading);
    dialog.Message = Translate(text);
    return dialog;
}

// Buttons pressed on the Buttons tab with no detection running join the
// layout in two rows of sixteen, and are selected.
bool PlaceOrSelectButton(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                         int b) {
    Location& place = layout.Locations[static_cast<std::size_t>(b)];
    if (place.Left == 0) {
        place = {b < 16 ? 96 : 130, (b % 16) * 30 + 16};
        layout.ButtonNames[static_cast<std::size_t>(b)] = Translate("*Button*") + " " + std::to_string(b + 1);
        MarkLayoutEdited(layout, ui);
    }
    window.SelectedButton = b;
    return true;
}

// A stick target met a POV or a trigger target a button: that control is not
// analog, so its group goes and the user is told where it belongs instead.
void RefuseNonAnalog(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                     const RawJoyState& current) {
    const std::uint8_t target = window.Detection.Target;
    if (IsTriggerTarget(target)) {
        window.PendingMessage =
            NotAnalog("*Non-analog trigger detected*", "*This trigger is not analog. Add as a button.*");
        EndDetection(window.Detection, current);
        SetGroupEnabled(window, layout, ui, LayoutGroup::Triggers, false, current);
        return;
    }
    window.PendingMessage =
        NotAnalog("*Non-analog stick detected*", "*This stick is not analog. Add as a DPad.*");
    const LayoutGroup stick = target <= Stick1YTarget ? LayoutGroup::Stick1 : LayoutGroup::Stick2;
    SetGroupEnabled(window, layout, ui, stick, false, current);
    EndDetection(window.Detection, current);
}

// Stores what the result means for the target; false when it means nothing here.
bool StoreAccess(std::uint8_t target, const Classification& found, ControllerFileType& layout) {
    const auto index = static_cast<std::uint8_t>(found.Index);
    if (IsStickTarget(target) && found.Kind == RawChange::Axis) {
        const int stick = (target - Stick1XTarget) / 2;
        const int axis = (target - Stick1XTarget) % 2;
        // The user pushes Left and Up: an axis that grows that way runs backwards.
        layout.StickAccess[static_cast<std::size_t>(stick)][static_cast<std::size_t>(axis)] =
            AxisAccess{index, static_cast<std::uint8_t>(found.Negative ? 0 : 1), 0};
        return true;
    }
    if (IsDPadTarget(target) && found.Kind != RawChange::Nothing) {
        DPadDirectionAccess access;
        if (found.Kind == RawChange::Axis) access = {DPadKind::Axis, index, 0};
        if (found.Kind == RawChange::Button) access = {DPadKind::Button, 0, index};
        if (found.Kind == RawChange::POV) access = {DPadKind::POV, 0, 0};
        layout.DPadAccess[static_cast<std::size_t>(target - DPadUpTarget)] = access;
        return true;
    }
    if (IsTriggerTarget(target) && found.Kind == RawChange::Axis) {
        layout.TriggerAccess[static_cast<std::size_t>(target - LeftTriggerTarget)] =
            AxisAccess{index, static_cast<std::uint8_t>(found.Negative ? 1 : 0),
                       static_cast<std::uint8_t>(found.FullRange ? 1 : 0)};
        return true;
    }
    return false;
}

void ContinueAfterStore(DetectionState& detection, const RawJoyState& current) {
    if (!detection.GroupDetection) {
        EndDetection(detection, current);
        return;
    }
    const std::uint8_t next = NextGroupTarget(detection.Target);
    StartDetection(detection, next, current);
    if (NextGroupTarget(next) == NoDetection) detection.GroupDetection = false;
}

}  // namespace

Classification ClassifyRawState(const RawJoyState& baseline, const RawJoyState& current) {
    Classification found;
    int moved = 0;
    for (int axis = 0; axis < AxisCount; ++axis) {
        const std::int32_t rest = RawAxis(baseline, axis);
        const std::int32_t now = RawAxis(current, axis);
        const bool negative = now < rest - MoveThreshold;
        if (!negative && now <= rest + MoveThreshold) continue;
        ++moved;
        // A trigger that rests at the end it moves away from uses the whole axis.
        const bool fullRange = negative ? rest >= 49152 : rest < 16385;
        found = {RawChange::Axis, axis, negative, fullRange};
    }
    if (moved == 1) return found;
    if (moved > 1) return {};
    if (!POVCentred(current.POV[0])) return {RawChange::POV, 0, false, false};
    for (int b = 0; b < 32; ++b)
        if (current.Buttons[static_cast<std::size_t>(b)] >= 128) return {RawChange::Button, b, false, false};
    return {};
}

DetectionPanel PanelFor(std::uint8_t target) {
    if (target == NoDetection || target > RightTriggerTarget) return {};
    const PanelRow& row = PanelRows[static_cast<std::size_t>(target - 1)];
    std::string control = Translate(row.Control);
    if (!row.Number.empty()) control += " " + std::string(row.Number);
    return {true, Translate(row.Command), control, Translate(row.Direction), row.Picture};
}

void StartDetection(DetectionState& detection, std::uint8_t target, const RawJoyState& current) {
    if (!detection.GroupDetection) detection.Baseline = current;
    detection.Target = target;
    detection.Panel = PanelFor(target);
    detection.WaitForRelease = true;
}

void StartGroupDetection(DetectionState& detection, LayoutGroup group, const RawJoyState& current) {
    detection.Baseline = current;
    detection.GroupDetection = true;
    StartDetection(detection, FirstGroupTarget(group), current);
}

void EndDetection(DetectionState& detection, const RawJoyState& current) {
    detection.Panel = {};
    detection.Target = NoDetection;
    detection.GroupDetection = false;
    detection.Baseline = current;
}

std::uint8_t NextGroupTarget(std::uint8_t target) {
    switch (target) {
        case Stick1XTarget:
            return Stick1YTarget;
        case Stick2XTarget:
            return Stick2YTarget;
        case DPadUpTarget:
            return DPadDownTarget;
        case DPadDownTarget:
            return DPadLeftTarget;
        case DPadLeftTarget:
            return DPadRightTarget;
        case LeftTriggerTarget:
            return RightTriggerTarget;
        default:
            return NoDetection;
    }
}

bool DetectionTick(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                   const RawJoyState& current) {
    DetectionState& detection = window.Detection;
    const Classification found = ClassifyRawState(detection.Baseline, current);
    if (detection.WaitForRelease) {
        if (found.Kind == RawChange::Nothing) detection.WaitForRelease = false;
        return false;
    }
    if (found.Kind == RawChange::Nothing) return false;
    const std::uint8_t target = detection.Target;
    if (target == NoDetection) {
        if (window.Tab != ControllerTab::Buttons || found.Kind != RawChange::Button) return false;
        return PlaceOrSelectButton(window, layout, ui, found.Index);
    }
    const bool notAnalog = (IsStickTarget(target) && found.Kind == RawChange::POV) ||
                           (IsTriggerTarget(target) && found.Kind == RawChange::Button);
    if (notAnalog) {
        RefuseNonAnalog(window, layout, ui, current);
        return true;
    }
    if (!StoreAccess(target, found, layout)) return false;
    MarkLayoutEdited(layout, ui);
    ContinueAfterStore(detection, current);
    return true;
}

void ShowPendingDetectionMessage(ControllerWindowState& window, UserInterface& ui) {
    if (!window.PendingMessage) return;
    const MessageDialog message = std::move(*window.PendingMessage);
    window.PendingMessage.reset();  // passes go on while it is up and must not show it again
    ui.ShowMessageDialog(message);
}

}  // namespace velmora
