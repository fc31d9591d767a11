// The menu of a layout's settings indicator: the group's settings window,
// its ready-made key groups, its direction mode and the mouse settings.

#include "app/MainMenuItems.h"
#include "app/MainMenus.h"
#include "model/AutoAssign.h"
#include "model/ControllerLayout.h"
#include "model/SlotCodes.h"

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

constexpr std::uint8_t NoMode = 255;  // none checked

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

MenuItem Disabled(MenuItem item) {
    item.Enabled = false;
    return item;
}

// The first trigger whose assignment in the current set moves the mouse, or -1.
int MouseTrigger(const ProfileType& profile) {
    for (const int control : {TriggerLeft, TriggerRight})
        for (const std::uint8_t code : profile.Current(control).Slots.Codes)
            if (SlotCodeTable[code].Kind == SlotKind::MouseMove) return control;
    return -1;
}

}  // namespace

// Every indicator's menu has the same items. The triggers have no four
// directions, so their key groups and mode are greyed; their mouse settings
// are those of the first trigger that moves the mouse.
std::vector<MenuItem> LayoutSettingsPopupMenu(const ProfileType& profile, int group) {
    if (group < DPadGroup || group > TriggersIndicator) return {};
    if (group == TriggersIndicator)
        return {
            WindowItem("*Settings*", LayoutSettingsMenu::Settings),
            Disabled(AutoAssignMenu(NoAutoAssignChoice)), Disabled(ModeMenu(NoMode)),
            WindowItem("*Mouse Settings*", LayoutSettingsMenu::MouseSettings, MouseTrigger(profile) >= 0)};
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
    if (group == TriggersIndicator) {
        if (tag != LayoutSettingsMenu::MouseSettings || MouseTrigger(c->Profile) < 0) return false;
        ui.OpenWindowFor(SettingsWindow::Mouse, MouseTrigger(c->Profile));  // a single control's target
        return true;
    }
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
