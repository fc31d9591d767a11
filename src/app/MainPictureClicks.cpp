// A click on the layout picture: the settings indicators first, then the
// buttons of the controls in index order.

#include "app/ControllerScene.h"
#include "app/MainClicks.h"
#include "app/MainMenus.h"
#include "ui/ControlButton.h"

namespace velmora {
namespace {

constexpr int IndicatorSize = 16;

// The region in the main window's picture, for placing a menu below it.
PictureRegion InWindow(int left, int top, int size) {
    return {LayoutPictureLeft + left, LayoutPictureTop + top, size, size};
}

// Any button opens the group's menu: it is the indicator's only command.
bool ClickOnIndicator(DeviceContext& context, const ControllerDataType& c, int group) {
    const IndicatorBox& box =
        context.List.Layouts[c.ControllerFileIndex].Indicators[static_cast<std::size_t>(group)];
    const int tag = ShowMenuBelow(context.Ui, LayoutSettingsPopupMenu(c.Profile, group),
                                  InWindow(box.Left, box.Top, IndicatorSize));
    return RunLayoutSettingsChoice(context, group, tag);
}

bool ClickOnControl(DeviceContext& context, const ControllerDataType& c, MouseButton button, int control) {
    UserInterface& ui = context.Ui;
    switch (button) {
        case MouseButton::Left:
            if (ui.IsWindowOpen(SettingsWindow::Assignment) &&
                ui.WindowSubject(SettingsWindow::Assignment) == control)
                ui.CloseWindow(SettingsWindow::Assignment);
            else
                ui.OpenWindowFor(SettingsWindow::Assignment, control);
            return true;
        case MouseButton::Right: {
            const Location& at =
                context.List.Layouts[c.ControllerFileIndex].Locations[static_cast<std::size_t>(control)];
            const int tag = ShowMenuBelow(ui, AssignmentPopupMenu(c.Profile, control),
                                          InWindow(at.Left, at.Top, ControlSquareSize));
            return RunAssignmentChoice(context, control, tag);
        }
        case MouseButton::Middle:
            ClearControlCommand(context, control);
            return true;
    }
    return false;
}

int IndicatorAt(const ControllerFileType& layout, int x, int y) {
    for (int group = 0; group < static_cast<int>(layout.Indicators.size()); ++group) {
        const IndicatorBox& box = layout.Indicators[static_cast<std::size_t>(group)];
        if (box.Present && Inside({box.Left, box.Top, IndicatorSize, IndicatorSize}, x, y)) return group;
    }
    return -1;
}

// Only a drawn button can be clicked: one hidden by its group's mode is not there.
int ControlAt(DeviceContext& context, const MainWindowStatus& status, int x, int y) {
    LayoutScene scene = SceneOf(context.List, context.Config, status);
    scene.Status.LayoutShown = true;  // a selected controller always has its layout shown
    const ControllerFileType& layout = *scene.SelectedLayout();
    for (int control = 0; control < ControlCount; ++control) {
        const Location& at = layout.Locations[static_cast<std::size_t>(control)];
        if (ControlButtonShown(scene, control) &&
            Inside({at.Left, at.Top, ControlSquareSize, ControlSquareSize}, x, y))
            return control;
    }
    return -1;
}

}  // namespace

bool UserClicksPicture(DeviceContext& context, const MainWindowStatus& status, MouseButton button, int x,
                       int y) {
    const ControllerDataType* c = SelectedController(context.List);
    if (!c) return false;
    if (const int group = IndicatorAt(context.List.LayoutOf(*c), x, y); group >= 0)
        return ClickOnIndicator(context, *c, group);
    const int control = ControlAt(context, status, x, y);
    return control >= 0 && ClickOnControl(context, *c, button, control);
}

}  // namespace velmora
