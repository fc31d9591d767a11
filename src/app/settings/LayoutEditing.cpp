#include "app/settings/LayoutEditing.h"

#include <algorithm>

#include "app/settings/LayoutImageTools.h"

namespace velmora {

namespace {

constexpr int GridStep = 32;  // a group's squares sit 32 pixels apart

const Location& At(const ControllerFileType& layout, int index) {
    return layout.Locations[static_cast<std::size_t>(index)];
}

bool IsGroup(int item) {
    return item == DPadUp || item == Stick1Up || item == Stick2Up;
}

bool InRect(int row, int column, int top, int left, int bottom, int right) {
    return row >= top && row <= bottom && column >= left && column <= right;
}

bool InSquare(const Location& place, int row, int column) {
    return place.Left != 0 &&
           InRect(row, column, place.Top, place.Left, place.Top + SingleExtent, place.Left + SingleExtent);
}

// The DPad is drawn as a cross: a press on either bar takes it.
bool OnDPadBars(const ControllerFileType& layout, int row, int column) {
    const Location& up = At(layout, DPadUp);
    const Location& right = At(layout, DPadUp + 1);
    const Location& down = At(layout, DPadUp + 2);
    const Location& left = At(layout, DPadUp + 3);
    if (up.Left == 0) return false;
    return InRect(row, column, up.Top, up.Left, down.Top + SingleExtent, up.Left + SingleExtent) ||
           InRect(row, column, left.Top, left.Left, left.Top + SingleExtent, right.Left + SingleExtent);
}

// A stick is drawn inside the circle that fits its 94 x 94 grid; counted in
// half pixels so that the centre between the two middle pixels is exact.
bool InStickCircle(const ControllerFileType& layout, int up, int row, int column) {
    if (At(layout, up).Left == 0) return false;
    const Location corner = DragCorner(layout, up);
    const int dy = 2 * row - (2 * corner.Top + GroupExtent);
    const int dx = 2 * column - (2 * corner.Left + GroupExtent);
    const int diameter = GroupExtent + 1;
    return dy * dy + dx * dx <= diameter * diameter;
}

Location GroupCentre(const ControllerFileType& layout, int up) {
    return {At(layout, up + 3).Top, At(layout, up).Left};
}

int FirstDiagonal(int up) {
    return up == Stick1Up ? Stick1UpRight : up == Stick2Up ? Stick2UpRight : DPadUpRight;
}

void MoveDraggedItem(ControllerWindowState& window, ControllerFileType& layout, int row, int column) {
    const DragState& drag = window.Drag;
    const Location corner = ClampCorner({row - drag.GrabTop, column - drag.GrabLeft}, drag.Extent);
    if (IsGroup(drag.Item))
        MoveGroup(layout, drag.Item, corner);
    else
        layout.Locations[static_cast<std::size_t>(drag.Item)] = corner;
}

}  // namespace

int LayoutHitTest(const ControllerFileType& layout, int row, int column) {
    for (int b = 0; b < 32; ++b)
        if (InSquare(At(layout, b), row, column)) return b;
    if (OnDPadBars(layout, row, column)) return DPadUp;
    if (InStickCircle(layout, Stick1Up, row, column)) return Stick1Up;
    if (InStickCircle(layout, Stick2Up, row, column)) return Stick2Up;
    if (InSquare(At(layout, TriggerLeft), row, column)) return TriggerLeft;
    if (InSquare(At(layout, TriggerRight), row, column)) return TriggerRight;
    return NoItem;
}

Location DragCorner(const ControllerFileType& layout, int item) {
    if (!IsGroup(item)) return At(layout, item);
    return {At(layout, item).Top, At(layout, item + 3).Left};
}

Location ClampCorner(Location corner, int extent) {
    corner.Top = std::clamp(corner.Top, 1, ImageHeight - 2 - extent);
    corner.Left = std::clamp(corner.Left, 1, ImageWidth - 2 - extent);
    return corner;
}

void MoveGroup(ControllerFileType& layout, int up, Location corner) {
    const Location oldCentre = GroupCentre(layout, up);
    const Location newCentre{corner.Top + GridStep, corner.Left + GridStep};
    const std::array<Location, 4> directions{{{corner.Top, corner.Left + GridStep},
                                              {corner.Top + GridStep, corner.Left + 2 * GridStep},
                                              {corner.Top + 2 * GridStep, corner.Left + GridStep},
                                              {corner.Top + GridStep, corner.Left}}};
    for (std::size_t i = 0; i < 4; ++i) layout.Locations[static_cast<std::size_t>(up) + i] = directions[i];
    FollowDiagonals(layout, up, FirstDiagonal(up));
    // A stick's push button sits on its centre and belongs with it.
    for (std::size_t b = 0; b < 32; ++b)
        if (oldCentre.Left != 0 && layout.Locations[b] == oldCentre) layout.Locations[b] = newCentre;
}

int StickUnderButton(const ControllerFileType& layout, int button) {
    const Location& place = At(layout, button);
    if (place.Left == 0) return NoItem;
    for (int stick = 0; stick < 2; ++stick) {
        const int up = stick == 0 ? Stick1Up : Stick2Up;
        if (At(layout, up).Left == 0) continue;
        const Location corner = DragCorner(layout, up);
        if (InRect(place.Top, place.Left, corner.Top, corner.Left, corner.Top + GroupExtent,
                   corner.Left + GroupExtent))
            return stick;
    }
    return NoItem;
}

LayoutPress PressOnLayout(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                          int row, int column) {
    const int item = LayoutHitTest(layout, row, column);
    if (item == NoItem) {
        if (!ApplyDrawTool(window, layout, ui, row, column, true)) return LayoutPress::Nothing;
        window.Drawing.Drawing = true;
        return LayoutPress::Drawing;
    }
    if (item < 32) window.SelectedButton = item;
    const Location corner = DragCorner(layout, item);
    window.Drag = {item, row - corner.Top, column - corner.Left, IsGroup(item) ? GroupExtent : SingleExtent};
    return LayoutPress::Drag;
}

void MoveOnLayout(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, int row,
                  int column) {
    if (window.Drag.Item != NoItem) {
        const auto before = layout.Locations;
        MoveDraggedItem(window, layout, row, column);
        if (layout.Locations != before) MarkLayoutEdited(layout, ui);
        return;
    }
    if (window.Drawing.Drawing) ApplyDrawTool(window, layout, ui, row, column, false);
}

void ReleaseOnLayout(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui) {
    const int item = window.Drag.Item;
    if (item != NoItem && item < 32) {
        const int stick = StickUnderButton(layout, item);
        if (stick != NoItem) {
            layout.Locations[static_cast<std::size_t>(item)] =
                GroupCentre(layout, stick == 0 ? Stick1Up : Stick2Up);
            MarkLayoutEdited(layout, ui);
        }
    }
    window.Drag = {};
    window.Drawing.Drawing = false;
}

}  // namespace velmora
