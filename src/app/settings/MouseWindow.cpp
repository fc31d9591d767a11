#include "app/settings/MouseWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/settings/AssignmentWindow.h"
#include "base/Language.h"
#include "model/AutoAssign.h"

namespace velmora {
namespace {

bool MovesAlong(const AssignmentType& assignment, MouseAxis axis) {
    for (std::uint8_t code : assignment.Slots.Codes) {
        const SlotCodeInfo& info = SlotCodeTable[code];
        const bool horizontal = info.ScanCode == 1 || info.ScanCode == 3;  // right, left
        if (info.Kind == SlotKind::MouseMove && horizontal == (axis == MouseAxis::X)) return true;
    }
    return false;
}

// The slider of one axis: a single control's speed, or the group's average
// over the directions that move that way; hidden when none does.
SliderView SpeedSlider(const MouseWindowState& state, const ProfileType& profile, MouseAxis axis) {
    int sum = 0, count = 0;
    for (int control : TargetControls(state.Target)) {
        const AssignmentType& a = profile.Current(control);
        if (!MovesAlong(a, axis)) continue;
        sum += a.MouseSpeed;
        ++count;
    }
    const int speed = count ? sum / count : 1;
    SliderView slider{1, 255, speed, Translate("*Slower*"), Translate("*Faster*"), BracketLabel(speed)};
    slider.Visible = count > 0;
    return slider;
}

std::string GroupName(const ControllerFileType& layout, int group) {
    static constexpr std::string_view Defaults[] = {"*DPad*", "*Stick 1*", "*Stick 2*"};
    const std::string& name =
        group == DPadGroup ? layout.DPadName : layout.StickNames[static_cast<std::size_t>(group - 1)];
    return name.empty() ? Translate(Defaults[group]) : name;
}

// A single control is named as the assignment window names it: a DPad or
// stick direction by the layout's names ("Pad Up"), not by its file key.
std::string TargetName(const ControllerFileType& layout, int target) {
    if (IsGroupTarget(target)) return GroupName(layout, target - FirstGroupTarget);
    return ControlDisplayName(layout, target);
}

std::vector<ChoiceButton> MouseModeButtons(std::uint8_t mode) {
    return {{Translate("*Look/Camera*"), LookCamera, mode == LookCamera},
            {Translate("*Cursor*"), Cursor, mode == Cursor},
            {Translate("*Spring*"), Spring, mode == Spring}};
}

std::vector<ChoiceButton> MouseAutoAssignButtons(std::uint8_t detected) {
    std::vector<ChoiceButton> buttons{{Translate("*Normal*"), 2},
                                      {Translate("*Inverted Y*"), 3},
                                      {Translate("*Inverted X*"), 4},
                                      {Translate("*Inverted Y+X*"), 5},
                                      {Translate("*None*"), 7}};
    for (ChoiceButton& b : buttons) b.Marked = b.Value == detected;
    return buttons;
}

void WriteSpeed(const MouseWindowState& state, ProfileType& profile, MouseAxis axis, int position) {
    const auto speed = static_cast<std::uint8_t>(std::clamp(position, 1, 255));
    if (!IsGroupTarget(state.Target)) {
        profile.Current(state.Target).MouseSpeed = speed;
        return;
    }
    for (int control : TargetControls(state.Target))
        if (MovesAlong(profile.Current(control), axis)) profile.Current(control).MouseSpeed = speed;
}

std::string StatusLine(const char* label, double position, std::int32_t speed) {
    std::string line = std::string(label) + std::to_string(static_cast<long long>(std::trunc(position)));
    // Hundredths of a pixel per 10 ms pass: the same number is pixels per second.
    // One space before the bracket, as in any sentence (three looked like a
    // missing word in the window's proportional font).
    if (speed != 0) line += " (" + std::to_string(std::abs(speed)) + " pps)";
    return line;
}

}  // namespace

bool IsGroupTarget(int target) {
    return target >= FirstGroupTarget && target < FirstGroupTarget + DirectionGroupCount;
}

std::vector<int> TargetControls(int target) {
    if (!IsGroupTarget(target)) return {target};
    const int first = FirstControlOfGroup(target - FirstGroupTarget);
    return {first, first + 1, first + 2, first + 3};
}

std::uint8_t TargetMode(const MouseWindowState& state, const ProfileType& profile) {
    const int control = IsGroupTarget(state.Target) ? TargetControls(state.Target)[3] : state.Target;  // Left
    return profile.Current(control).MouseMode;
}

MouseWindowView MouseView(const MouseWindowState& state, const ProfileType& profile,
                          const ControllerFileType& layout) {
    MouseWindowView view;
    view.Caption = WindowCaption("*Mouse Settings*", TargetName(layout, state.Target), profile.CurrentSet);
    view.SpeedX = SpeedSlider(state, profile, MouseAxis::X);
    view.SpeedY = SpeedSlider(state, profile, MouseAxis::Y);
    view.MoveTogether = state.MoveTogether;
    view.Modes = MouseModeButtons(TargetMode(state, profile));
    // Auto-assign fills a whole group: a single control's window offers none,
    // as it would change controls the window is not about.
    if (IsGroupTarget(state.Target))
        view.AutoAssign = MouseAutoAssignButtons(DetectAutoAssign(profile, state.Target - FirstGroupTarget));
    return view;
}

void RefreshMouseWindow(MouseWindowState& state, const ProfileType& profile, const ControllerFileType& layout,
                        const std::function<void(const MouseWindowView&)>& show) {
    const MouseWindowView view = MouseView(state, profile, layout);
    RefreshGuard guard(state.Flag);
    show(view);
}

bool ChangeMouseSpeed(const MouseWindowState& state, ProfileType& profile, MouseAxis moved, int position,
                      int otherPosition) {
    if (state.Flag.Refreshing) return false;
    WriteSpeed(state, profile, moved, position);
    if (state.MoveTogether && otherPosition != position)
        WriteSpeed(state, profile, moved == MouseAxis::X ? MouseAxis::Y : MouseAxis::X, position);
    profile.Changed = true;
    return true;
}

void PressMouseMode(const MouseWindowState& state, ProfileType& profile, int mode) {
    for (int control : TargetControls(state.Target))
        profile.Current(control).MouseMode = static_cast<std::uint8_t>(std::clamp(mode, 0, 2));
    profile.Changed = true;
}

void PressMouseAutoAssign(const MouseWindowState& state, ProfileType& profile, int choice,
                          UserInterface& ui) {
    if (IsGroupTarget(state.Target)) AutoAssign(profile, state.Target - FirstGroupTarget, choice, ui);
}

std::vector<std::string> MouseStatusLines(const MouseState& mouse) {
    return {StatusLine("X: ", mouse.PositionX, mouse.SpeedX),
            StatusLine("Y: ", mouse.PositionY, mouse.SpeedY)};
}

SpeedCurves CurvesOf(const MouseWindowView& view) {
    return {view.SpeedX.Visible, view.SpeedX.Position, view.SpeedY.Visible, view.SpeedY.Position};
}

}  // namespace velmora
