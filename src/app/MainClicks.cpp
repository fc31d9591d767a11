// The regions of the main window's picture, tested in order: the tabs, the
// two top-right buttons, then (with a controller) the controller and profile
// lines, and (with a selected controller) the layout and the bottom strip.

#include "app/MainClicks.h"

#include "app/MainMenuItems.h"
#include "app/MainMenus.h"
#include "base/Language.h"
#include "devices/BatteryWatch.h"
#include "devices/ControllerLinks.h"
#include "ui/Tabs.h"

namespace velmora {
namespace {

constexpr PictureRegion SettingsButton{469, 12, 20, 20};
constexpr PictureRegion HelpButton{493, 12, 20, 20};
constexpr PictureRegion ControllerButton{4, 52, 20, 20};
constexpr PictureRegion ControllerNameBox{28, 52, 228, 20};
constexpr PictureRegion ProfileButton{264, 52, 20, 20};
constexpr PictureRegion ProfileNameBox{288, 52, 228, 20};
constexpr PictureRegion LayoutPicture{LayoutPictureLeft, LayoutPictureTop, ImageWidth, ImageHeight};
constexpr PictureRegion NamesSwitch{4, 337, 20, 20};
constexpr PictureRegion BottomButton{320, 337, 20, 20};
constexpr PictureRegion SetStrip{342, 337, 176, 20};
constexpr int SetButtonPitch = 22, SetButtonWidth = 20;

// The button looks pressed while its menu is up.
int ShowButtonMenu(UserInterface& ui, std::uint8_t& pressed, const std::vector<MenuItem>& items,
                   const PictureRegion& button) {
    pressed = 1;
    ui.RedrawLayout();
    const int tag = ShowMenuBelow(ui, items, button);
    pressed = 0;
    ui.RedrawLayout();
    return tag;
}

void ToggleWindow(UserInterface& ui, SettingsWindow window) {
    if (ui.IsWindowOpen(window))
        ui.CloseWindow(window);
    else
        ui.OpenWindow(window);
}

// The icon square of each tab. A left click selects another controller; any
// other click on a tab shows or hides the selected controller's properties.
bool ClickOnTabs(DeviceContext& context, MouseButton button, int x, int y) {
    const int i = TabAt(static_cast<int>(context.List.Count()), x, y);
    if (i < 0) return false;
    if (button == MouseButton::Left && i != context.List.Selected) {
        SelectController(context, static_cast<std::size_t>(i));
        return true;
    }
    if (!SelectedConnected(context.List)) return false;
    ToggleWindow(context.Ui, SettingsWindow::ControllerProperties);
    return true;
}

bool ClickOnTopBar(DeviceContext& context, MainWindowStatus& status, MouseButton button, int x, int y) {
    if (ClickOnTabs(context, button, x, y)) return true;
    if (Inside(SettingsButton, x, y)) {
        context.Ui.OpenWindow(SettingsWindow::GlobalSettings);
        return true;
    }
    if (!Inside(HelpButton, x, y)) return false;
    const int tag = ShowButtonMenu(context.Ui, status.TopRightPressed[1], HelpPopupMenu(), HelpButton);
    return RunHelpChoice(context, tag);
}

// The profile name box lists the recent profiles; without any it goes
// straight to the open dialog, which is what "[All...]" would do.
bool ClickOnProfileName(DeviceContext& context, MainWindowStatus& status) {
    PruneSelectedRecentProfiles(context.List, context.Config);
    const std::vector<MenuItem> items = ProfileOpenPopupMenu(context.List, context.Config);
    if (items.empty()) return RunProfileOpenChoice(context, RecentProfileMenu::OpenDialog);
    return RunProfileOpenChoice(context,
                                ShowButtonMenu(context.Ui, status.ProfileNamePressed, items, ProfileNameBox));
}

// A click between two set buttons, or on the current set, withdraws a request.
bool ClickOnSetStrip(ProfileType& profile, int x) {
    const int d = x - SetStrip.Left;
    const int set = d / SetButtonPitch;
    const bool onButton = d % SetButtonPitch < SetButtonWidth;
    profile.RequestedSet = onButton && set != profile.CurrentSet ? static_cast<std::uint8_t>(set) : NoSet;
    return true;
}

bool ClickOnLayoutArea(DeviceContext& context, MainWindowStatus& status, MouseButton button, int x, int y) {
    ControllerDataType& c = *SelectedController(context.List);
    if (Inside(ProfileNameBox, x, y)) return ClickOnProfileName(context, status);
    if (Inside(LayoutPicture, x, y))
        return UserClicksPicture(context, status, button, x - LayoutPictureLeft, y - LayoutPictureTop);
    if (Inside(NamesSwitch, x, y)) {
        context.List.NamesShown = !context.List.NamesShown;
        return true;
    }
    if (Inside(BottomButton, x, y)) {
        const int tag =
            ShowButtonMenu(context.Ui, status.BottomButtonPressed, SetPopupMenu(c.Profile), BottomButton);
        ControllerDataType* now = SelectedController(context.List);  // the menu is modal: re-read
        return now && RunSetChoice(now->Profile, tag);
    }
    return Inside(SetStrip, x, y) && ClickOnSetStrip(c.Profile, x);
}

bool ClickOnLines(DeviceContext& context, MainWindowStatus& status, MouseButton button, int x, int y) {
    if (Inside(ControllerButton, x, y)) {
        const auto items = ControllerPopupMenu(context.List);
        return RunControllerChoice(
            context, ShowButtonMenu(context.Ui, status.ControllerButtonPressed, items, ControllerButton));
    }
    if (Inside(ControllerNameBox, x, y)) {
        if (!SelectedConnected(context.List)) return false;
        context.Ui.OpenWindow(SettingsWindow::ControllerSettings);
        return true;
    }
    if (Inside(ProfileButton, x, y)) {
        const auto items = ProfilePopupMenu(context.List);
        const int tag = ShowButtonMenu(context.Ui, status.ProfileButtonPressed, items, ProfileButton);
        // Open goes on to the name box's recent-profile list, which leads to the open dialog.
        if (tag == ProfileMenu::Open) return ClickOnProfileName(context, status);
        return RunProfileChoice(context, tag);
    }
    // A layout is shown while the selected controller is there: a lost one's picture has slid out.
    const ControllerDataType* selected = SelectedController(context.List);
    return selected && selected->Connection != Lost && ClickOnLayoutArea(context, status, button, x, y);
}

}  // namespace

PictureRegion TabRegion(int tabCount, int tab) {
    const TabGeometry tabs = TabsFor(tabCount);
    return {TabLeft(tabs, tab), tabs.Top, tabs.Width, tabs.Height};
}

int TabAt(int tabCount, int x, int y) {
    for (int i = 0; i < tabCount; ++i)
        if (Inside(TabRegion(tabCount, i), x, y)) return i;
    return -1;
}

std::string TabTip(const ControllerListType& list, std::size_t tab) {
    if (tab >= list.Count()) return {};
    const ControllerDataType& controller = list.Controllers[tab];
    const std::string battery =
        controller.DeviceKind == XInputDevice ? BatteryText(list.DetectionOf(controller)) : std::string();
    return battery.empty() ? controller.Name
                           : controller.Name + "\r\n" + Translate("*Battery*") + ": " + battery;
}

int ShowMenuBelow(UserInterface& ui, const std::vector<MenuItem>& items, const PictureRegion& below) {
    const int tag = ui.ShowPopupMenu(items, {below.Left, below.Top + below.Height, false});
    return ChosenItem(items, tag) ? tag : NoMenuChoice;
}

void UserClicksLayout(DeviceContext& context, MainWindowStatus& status, MouseButton button, int x, int y) {
    const bool acted = ClickOnTopBar(context, status, button, x, y) ||
                       (context.List.Count() > 0 && ClickOnLines(context, status, button, x, y));
    if (acted) context.Ui.RedrawLayout();
}

}  // namespace velmora
