// The menu of a layout's settings indicator: the group's settings window,
// its ready-made key groups, its direction mode and the mouse settings.

#include "app/MainMenuItems.h"
#include "app/MainMenus.h"
#include "model/AutoAssign.h"
#include "model/ControllerLayout.h"

namespace velmora {
namespace {

std::uint8_t GroupMode(const ProfileType& profile, int group) {
    const SetType& set = profile.Sets[profile.CurrentSet];
    return group == DPadGroup ? set.DPadMode : set.StickModes[static_cast<std::size_t>(group - 1)];
}

// The tags follow the auto-assign choices.
MenuItem AutoAssignMenu(std::uint8_t held) {
    auto choice = [held](std::string_view key, int c) {
        return CheckItem(key, LayoutSettingsMenu::FirstAutoAssign + c, held == c);
    };
    return SubmenuItem(
        Translate("*Auto-Assign*"),
        {choice("*W,S,A,D*", 0), choice("*Arrows*", 1),
         SubmenuItem(Translate("*Mouse*"), {choice("*Normal*", 2), choice("*Inverted Y*", 3),
                                            choice("*Inverted X*", 4), choice("*Inverted Y+X*", 5)}),
         choice("*NumPad*", 6), choice("*None*", 7)});
}

// The tags follow the direction modes.
MenuItem ModeMenu(std::uint8_t mode) {
    auto item = [mode](std::string_view key, int m) {
        return CheckItem(key, LayoutSettingsMenu::FirstMode + m, mode == m);
    };
    return SubmenuItem(Translate("*Mode*"), {item("*Standard*", Standard), item("*4-Way Standard*", FourWay),
                                             item("*4-Way Diagonal*", Diagonal), item("*8-Way*", EightWay),
                                             item("*Prioritize Horizontal*", Horizontal),
                                             item("*Prioritize Vertical*", Vertical)});
}

}  // namespace

std::vector<MenuItem> LayoutSettingsPopupMenu(const ProfileType& profile, int group) {
    if (group < DPadGroup || group > TriggersIndicator) return {};
    // The triggers have a threshold each but no directions: no key groups, no
    // mode and no mouse movement of their own to tune.
    if (group == TriggersIndicator) return {WindowItem("*Settings*", LayoutSettingsMenu::Settings)};
    return {WindowItem("*Settings*", LayoutSettingsMenu::Settings),
            AutoAssignMenu(DetectAutoAssign(profile, group)), ModeMenu(GroupMode(profile, group)),
            WindowItem("*Mouse Settings*", LayoutSettingsMenu::MouseSettings)};
}

bool RunLayoutSettingsChoice(DeviceContext& context, int group, int tag) {
    ControllerDataType* c = SelectedController(context.List);
    if (!c || group < DPadGroup || group > TriggersIndicator) return false;
    UserInterface& ui = context.Ui;
    if (tag == LayoutSettingsMenu::Settings) {
        static constexpr SettingsWindow Windows[] = {SettingsWindow::DPad, SettingsWindow::Stick,
                                                     SettingsWindow::Stick, SettingsWindow::Trigger};
        ui.OpenWindowFor(Windows[group], group);  // a stick window is told its stick by the group, 1 or 2
        return true;
    }
    if (group == TriggersIndicator) return false;
    if (tag == LayoutSettingsMenu::MouseSettings) {
        ui.OpenWindowFor(SettingsWindow::Mouse, 100 + group);  // the mouse window's group targets: 100..102
        return true;
    }
    if (tag >= LayoutSettingsMenu::FirstAutoAssign &&
        tag < LayoutSettingsMenu::FirstAutoAssign + AutoAssignChoiceCount)
        AutoAssign(c->Profile, group, tag - LayoutSettingsMenu::FirstAutoAssign, ui);
    else if (tag >= LayoutSettingsMenu::FirstMode && tag <= LayoutSettingsMenu::FirstMode + Vertical)
        SetGroupMode(c->Profile, group, static_cast<std::uint8_t>(tag - LayoutSettingsMenu::FirstMode), ui);
    else
        return false;
    // The group's windows show the key group and the mode: they refill themselves.
    for (SettingsWindow w : {SettingsWindow::DPad, SettingsWindow::Stick, SettingsWindow::Mouse})
        ui.RefreshWindow(w);
    return true;
}

}  // namespace velmora
