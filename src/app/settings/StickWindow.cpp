#include "app/settings/StickWindow.h"

#include <algorithm>

#include "base/Language.h"
#include "model/AutoAssign.h"

namespace velmora {
namespace {

std::size_t Index(const StickWindowState& state) {
    return static_cast<std::size_t>(state.Stick);
}

int GroupOf(const StickWindowState& state) {
    return state.Stick == 0 ? Stick1Group : Stick2Group;
}

std::string StickName(const ControllerFileType& layout, int stick) {
    const std::string& name = layout.StickNames[static_cast<std::size_t>(stick)];
    if (!name.empty()) return name;
    return Translate(stick == 0 ? "*Stick 1*" : "*Stick 2*");
}

SliderView DeadZoneSlider(std::uint8_t value) {
    return {
        1, 255, value, Translate("*More Responsive*"), Translate("*Less Responsive*"), PercentLabel(value)};
}

SliderView DiagonalSlider(std::uint8_t value, std::uint8_t mode) {
    SliderView slider{1, 89, value, Translate("*Smaller*"), Translate("*Larger*"), BracketLabel(value)};
    // The 4-Way modes have no diagonal band; the stored size stays for when the mode changes back.
    slider.Visible = mode != FourWay && mode != Diagonal;
    return slider;
}

}  // namespace

StickWindowView StickView(const StickWindowState& state, const ProfileType& profile,
                          const ControllerFileType& layout) {
    const SetType& set = profile.Sets[profile.CurrentSet];
    const std::uint8_t mode = set.StickModes[Index(state)];
    StickWindowView view;
    view.Caption = WindowCaption("*Settings*", StickName(layout, state.Stick), profile.CurrentSet);
    view.DeadZone = DeadZoneSlider(set.StickDeadZones[Index(state)]);
    view.DiagonalSize = DiagonalSlider(set.StickDiagonalSizes[Index(state)], mode);
    view.Modes = ModeButtons(mode);
    view.AutoAssign = GroupAutoAssignButtons(DetectAutoAssign(profile, GroupOf(state)));
    view.MouseSettingsCaption = Translate("*Mouse Settings*") + "...";
    view.MouseSettingsTarget = MouseTargetOfGroup(GroupOf(state));
    return view;
}

void RefreshStickWindow(StickWindowState& state, const ProfileType& profile, const ControllerFileType& layout,
                        const std::function<void(const StickWindowView&)>& show) {
    const StickWindowView view = StickView(state, profile, layout);
    RefreshGuard guard(state.Flag);
    show(view);
}

bool ChangeStickDeadZone(const StickWindowState& state, ProfileType& profile, int position) {
    if (state.Flag.Refreshing) return false;
    profile.Sets[profile.CurrentSet].StickDeadZones[Index(state)] =
        static_cast<std::uint8_t>(std::clamp(position, 1, 255));
    profile.Changed = true;
    return true;
}

bool ChangeStickDiagonalSize(const StickWindowState& state, ProfileType& profile, int position) {
    if (state.Flag.Refreshing) return false;
    profile.Sets[profile.CurrentSet].StickDiagonalSizes[Index(state)] =
        static_cast<std::uint8_t>(std::clamp(position, 1, 89));
    profile.Changed = true;
    return true;
}

void PressStickMode(const StickWindowState& state, ProfileType& profile, int mode, UserInterface& ui) {
    SetGroupMode(profile, GroupOf(state), static_cast<std::uint8_t>(std::clamp(mode, 0, 5)), ui);
}

void PressStickAutoAssign(const StickWindowState& state, ProfileType& profile, int choice,
                          UserInterface& ui) {
    const int group = GroupOf(state);
    AutoAssign(profile, group, GroupAutoAssignChoice(DetectAutoAssign(profile, group), choice), ui);
}

std::vector<std::string> StickLiveLines(const StickLive& live) {
    return {": " + std::to_string(LivePercent(live.X)) + "%",
            ": " + std::to_string(LivePercent(live.Y)) + "%",
            ": " + std::to_string(LivePercent(live.Distance)) + "%",
            ": " + std::to_string(live.Bearing) + "\xC2\xB0"};
}

void DrawStickStatus(PictureType& picture, int left, int top, const SetType& set, int stick, int x, int y,
                     const ConfigurationType& config) {
    const auto s = static_cast<std::size_t>(stick);
    DrawStickZoneMap(picture, left, top, set.StickDeadZones[s], set.StickModes[s], set.StickDiagonalSizes[s],
                     config);
    DrawStickDot(picture, left, top, MeasureStickLive(x, y));
}

void PrepareStickWindowOpening(UserInterface& ui) {
    if (ui.IsWindowOpen(SettingsWindow::Mouse)) ui.CloseWindow(SettingsWindow::Mouse);
}

WindowPoint StickWindowPlace(const ConfigurationType& config, const ControllerFileType& layout, int stick,
                             WindowPoint mainPicture, int scale, WindowSize window, WindowSize desktop) {
    if (config.RememberWindowPositions)
        return SettingsWindowPlace(config, StickSettingsWindowPosition, window, desktop);
    // The stick's settings marker when the layout has one, else its Up button.
    const IndicatorBox& marker = layout.Indicators[static_cast<std::size_t>(Stick1Indicator + stick)];
    const Location up = layout.Locations[static_cast<std::size_t>(stick == 0 ? Stick1Up : Stick2Up)];
    const WindowPoint inPicture =
        marker.Present ? WindowPoint{marker.Left, marker.Top} : WindowPoint{up.Left, up.Top};
    return KeptOnDesktop({mainPicture.Left + (LayoutLeft + inPicture.Left) * scale,
                          mainPicture.Top + (LayoutTop + inPicture.Top) * scale},
                         window, desktop);
}

}  // namespace velmora
