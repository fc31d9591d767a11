#pragma once
// The layout picture of the controller settings window: which control the
// mouse is on, dragging single controls and whole groups inside the picture,
// and a button dropped on a stick becoming its push button. Points are
// pixels of the 512 x 256 layout picture: row then column.

#include "app/settings/ControllerWindow.h"

namespace velmora {

inline constexpr int GroupExtent = 93;   // a group's 3 x 3 grid ends 93 pixels past its corner
inline constexpr int SingleExtent = 29;  // a single square ends 29 pixels past its corner

// The location a press at (row, column) takes hold of, or NoItem. Tested in
// index order: a button or trigger inside its 30 x 30 square; the DPad on
// its vertical or horizontal bar (answering DPad Up's index); a stick
// anywhere inside the circle around its grid (answering its Up's index).
int LayoutHitTest(const ControllerFileType& layout, int row, int column);

// The top-left corner of what a hit item drags: its square, or its group's grid.
Location DragCorner(const ControllerFileType& layout, int item);

// Where a dragged corner may go: top >= 1, top + extent <= 254, left >= 1,
// left + extent <= 510.
Location ClampCorner(Location corner, int extent);

// Moves a group's grid so that its corner is at corner: its four directions,
// its diagonals and a button sitting at its centre go along. up is the
// group's Up index (32, 36 or 40).
void MoveGroup(ControllerFileType& layout, int up, Location corner);

// The stick whose grid square holds the button's place (0 or 1), or NoItem.
int StickUnderButton(const ControllerFileType& layout, int button);

// What a press on the layout picture started.
enum class LayoutPress { Nothing, Drag, Drawing };

// Press: a hit starts a drag (a button is also selected); otherwise the
// image tool of the current draw mode starts at the point.
LayoutPress PressOnLayout(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                          int row, int column);
// Move with the mouse button held: the dragged item follows, kept inside
// the picture, or the pen or eraser paints again.
void MoveOnLayout(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int row,
                  int column);
// Release: a single button let go on a placed stick snaps to its centre.
// The drag and the drawing end.
void ReleaseOnLayout(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui);

}  // namespace velmora
