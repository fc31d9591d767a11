#pragma once
// The main window's clicks: every command is reached by releasing a mouse
// button over a region of the picture, which acts at once or opens one of
// the window's popup menus below the region.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "devices/DeviceContext.h"
#include "ui/LayoutScene.h"  // MainWindowStatus (pressed-look bytes, LayoutShown...)

namespace velmora {

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// A mouse button released at (x, y) of the picture. Acts at once or shows a popup menu
// (through context.Ui.ShowPopupMenu, modal: it returns the chosen Tag) and runs its command.
// While a popup from a picture button is up that button's pressed-look byte in `status` is 1
// (set it, ask context.Ui.RedrawLayout(), show the menu, clear it, redraw again).
void UserClicksLayout(DeviceContext& context, MainWindowStatus& status, MouseButton button, int x, int y);

// A click on the layout picture, at (x, y) relative to the picture's top-left
// corner: an indicator's menu, or a control's command. True when something was done.
bool UserClicksPicture(DeviceContext& context, const MainWindowStatus& status, MouseButton button, int x,
                       int y);

// A rectangle of the picture; a point is inside from Left to Left + Width - 1
// and from Top to Top + Height - 1.
struct PictureRegion {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
inline bool Inside(const PictureRegion& r, int x, int y) {
    return x >= r.Left && x < r.Left + r.Width && y >= r.Top && y < r.Top + r.Height;
}

// The icon square of tab `tab` of `tabCount`, and the tab at (x, y) of the picture or -1.
PictureRegion TabRegion(int tabCount, int tab);
int TabAt(int tabCount, int x, int y);
// The tip of a controller's tab: its name and, for an XInput pad whose
// battery is known, "Battery: " and the level (or "Wired") on a second line.
std::string TabTip(const ControllerListType& list, std::size_t tab);

// The layout picture's top-left corner in the main window's picture.
inline constexpr int LayoutPictureLeft = 4;
inline constexpr int LayoutPictureTop = 77;

// Shows a popup menu just below a region, at its left edge; the answer is
// the chosen Tag, or NoMenuChoice when nothing that can be chosen was.
int ShowMenuBelow(UserInterface& ui, const std::vector<MenuItem>& items, const PictureRegion& below);

}  // namespace velmora
