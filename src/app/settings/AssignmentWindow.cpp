#include "app/settings/AssignmentWindow.h"

#include <algorithm>

#include "app/settings/AssignmentKeyboard.h"
#include "app/settings/KeyboardLayoutCaptions.h"
#include "base/Language.h"

namespace velmora {
namespace {

// Diagonals are named by their two directions: UpRight, DownRight, DownLeft, UpLeft.
constexpr int DiagonalDirections[4][2] = {{0, 1}, {2, 1}, {2, 3}, {0, 3}};

std::string Joined(const std::string& group, const std::string& direction) {
    if (group.empty() || direction.empty()) return {};
    return group + " " + direction;
}

std::string DiagonalName(const std::string& group, const std::array<std::string, 4>& directions,
                         int diagonal) {
    const auto* pair = DiagonalDirections[diagonal];
    const std::string& first = directions[static_cast<std::size_t>(pair[0])];
    const std::string& second = directions[static_cast<std::size_t>(pair[1])];
    if (first.empty() || second.empty()) return {};
    return Joined(group, first + " " + second);
}

std::string LayoutName(const ControllerFileType& l, int c) {
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    if (c < 32) return l.ButtonNames[at(c)];
    if (c < 36) return Joined(l.DPadName, l.DPadDirectionNames[at(c - 32)]);
    if (c < 44) return Joined(l.StickNames[at((c - 36) / 4)], l.StickDirectionNames[at((c - 36) % 4)]);
    if (c < 46) return l.TriggerNames[at(c - 44)];
    if (c < 54) return DiagonalName(l.StickNames[at((c - 46) / 4)], l.StickDirectionNames, (c - 46) % 4);
    return DiagonalName(l.DPadName, l.DPadDirectionNames, c - 54);
}

WindowPoint KeptOnDesktop(WindowPoint place, WindowSize window, WindowSize desktop) {
    place.Left = std::max(std::min(place.Left, desktop.Width - window.Width), 0);
    place.Top = std::max(std::min(place.Top, desktop.Height - window.Height), 0);
    return place;
}

void StopRumbleTest(RumbleTestRequest& rumbleTest) {
    rumbleTest.Passes = 0;
}

}  // namespace

// The client around the keyboard picture at (8, 8): 13 pixels right of it and
// 8 below it, then the 57-pixel footer (737 x 273 for the 716 x 200 picture).
// The smaller picture gets the same margins: at 594 x 229 the window cut the
// picture's right edge (Mouse Move Right) and the Mouse Settings button.
WindowSize AssignmentClientSize(int desktopWidth) {
    const KeyboardGeometry picture = KeyboardGeometryFor(desktopWidth);
    return {picture.Width + 21, picture.Height + 73};
}

std::string ControlDisplayName(const ControllerFileType& layout, int control) {
    std::string name = LayoutName(layout, control);
    return name.empty() ? std::string(ControlName(control)) : name;
}

std::string AssignmentCaption(const ControllerFileType& layout, int control, std::uint8_t currentSet) {
    std::string caption = ControlDisplayName(layout, control);
    if (currentSet != 0) caption += " [" + Translate("*Set*") + " " + std::to_string(currentSet + 1) + "]";
    return caption;
}

std::string AdvancedAssignmentCaption(const std::string& caption) {
    return caption + ": " + Translate("*Advanced Settings*");
}

std::string KeyboardHoverCaption(const std::string& caption, std::int32_t slotPosition,
                                 std::optional<std::uint8_t> key, const KeyboardLayoutTable* layout) {
    if (!key) return caption;
    std::string name(SlotCodeTable[*key].Name);
    if (name.empty()) return caption + " - " + Translate("*This key is currently not supported*");
    // A French keyboard's key shows "A" where the US name is "Q": name what the user sees.
    if (layout) {
        std::string local = LayoutKeyCaption(*key, *layout);
        if (!local.empty()) name = std::move(local);
    }
    std::string text = caption;
    if (slotPosition > 0) text += " (" + Translate("*Slot*") + " " + std::to_string(slotPosition + 1) + ")";
    return text + " - " + Translate("*Press any key or click to assign*") + " \"" + name + "\"";
}

bool KeyAssignable(std::uint8_t code) {
    return !SlotCodeTable[code].Name.empty();
}

WindowPoint AssignmentWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop,
                                  WindowPoint pictureScreen, int scale, const Location& control) {
    const WindowPositionType saved = config.WindowPositions[AssignmentSettingsWindowPosition];
    if (config.RememberWindowPositions && (saved.Left != NoWindowPosition || saved.Top != NoWindowPosition))
        return KeptOnDesktop({saved.Left, saved.Top}, window, desktop);
    // The button's middle (19 picture pixels in) and the place below it, on the enlarged picture.
    const int buttonTop = pictureScreen.Top + control.Top * scale;
    WindowPoint place{pictureScreen.Left + (control.Left + 19) * scale - window.Width / 2,
                      buttonTop + 30 * scale};
    // Below the button when it fits, else above it, else below anyway.
    if (place.Top + window.Height > desktop.Height && buttonTop - window.Height >= 0)
        place.Top = buttonTop - window.Height;
    return KeptOnDesktop(place, window, desktop);
}

void OpenAssignmentWindow(AssignmentWindowState& state, int control, RumbleTestRequest& rumbleTest,
                          UserInterface& ui) {
    // The rumble test belongs to the control that was edited: reopening ends it.
    StopRumbleTest(rumbleTest);
    if (state.Open || ui.IsWindowOpen(SettingsWindow::Assignment)) ui.CloseWindow(SettingsWindow::Assignment);
    state.Edit.Control = control;
    for (int w = 0; w < SettingsWindowCount; ++w)
        if (w != static_cast<int>(SettingsWindow::Assignment) &&
            ui.IsWindowOpen(static_cast<SettingsWindow>(w)))
            ui.CloseWindow(static_cast<SettingsWindow>(w));
    ShowAssignmentWindow(state, ui);
}

void ShowAssignmentWindow(AssignmentWindowState& state, UserInterface& ui) {
    state.Open = true;
    state.LastCaptured = NoCapturedKey;
    state.Edit.SlotPosition = 0;
    state.Edit.FirstVisibleSlot = 0;
    ui.DrawControlButton(state.Edit.Control);
}

void CloseAssignmentWindow(AssignmentWindowState& state, ConfigurationType& config, WindowPoint place,
                           RumbleTestRequest& rumbleTest, UserInterface& ui) {
    if (ui.IsWindowOpen(SettingsWindow::AdvancedAssignment))
        ui.CloseWindow(SettingsWindow::AdvancedAssignment);
    state.AdvancedOpen = false;
    if (config.RememberWindowPositions) {
        config.WindowPositions[AssignmentSettingsWindowPosition] = {place.Left, place.Top};
        config.ConfigurationChanged = true;
    }
    state.Open = false;
    StopRumbleTest(rumbleTest);
    ui.DrawControlButton(state.Edit.Control);
}

AssignmentWindowView ViewAssignmentWindow(const AssignmentType& assignment, bool canRumble) {
    AssignmentWindowView view;
    view.Toggle = assignment.Toggle;
    view.Turbo = assignment.Turbo;
    view.Rumble = assignment.Rumble;
    view.RumbleEnabled = canRumble;
    view.Name = assignment.Name;
    view.AdvancedButton = Translate("*Advanced*") + "...";
    return view;
}

void SetAssignmentOption(AssignmentWindowState& state, ProfileType& profile, AssignmentOption option, bool on,
                         RumbleTestRequest& rumbleTest, UserInterface& ui) {
    if (state.Refreshing) return;
    AssignmentType& assignment = profile.Current(state.Edit.Control);
    switch (option) {
        case AssignmentOption::Toggle:
            assignment.Toggle = on;
            if (on) assignment.ToggleState = 0;
            break;
        case AssignmentOption::Turbo:
            assignment.Turbo = on;
            if (on) assignment.TurboCounter = 0;
            break;
        case AssignmentOption::Rumble:
            assignment.Rumble = on;
            if (!on) StopRumbleTest(rumbleTest);
            break;
    }
    profile.Changed = true;
    ui.DrawControlButton(state.Edit.Control);
}

std::optional<bool> ClickOptionIcon(const AssignmentWindowView& view, AssignmentOption option) {
    switch (option) {
        case AssignmentOption::Toggle:
            return !view.Toggle;
        case AssignmentOption::Turbo:
            return !view.Turbo;
        case AssignmentOption::Rumble:
            if (!view.RumbleEnabled) return std::nullopt;
            return !view.Rumble;
    }
    return std::nullopt;
}

void SetAssignmentName(AssignmentWindowState& state, ProfileType& profile, const std::string& name,
                       UserInterface& ui) {
    if (state.Refreshing) return;
    profile.Current(state.Edit.Control).Name = name;
    profile.Changed = true;
    // A named button may change width: every button is drawn again, this one last.
    ui.RedrawLayout();
    ui.DrawControlButton(state.Edit.Control);
}

void ClickKeyboard(AssignmentWindowState& state, ProfileType& profile, int x, int y, int unit,
                   UserInterface& ui) {
    const auto key = KeyAt(x, y, unit);
    if (key && KeyAssignable(*key)) AssignSlot(profile, state.Edit, *key, ui);
}

}  // namespace velmora
