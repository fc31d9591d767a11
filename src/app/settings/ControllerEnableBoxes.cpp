#include "app/settings/ControllerEnableBoxes.h"

#include <array>

#include "base/Language.h"

namespace velmora {

namespace {

// Default places of a group's Up, Right, Down and Left: a cross on the
// lower half of the picture, Stick 1 left, the DPad in the middle, Stick 2 right.
constexpr std::array<Location, 4> Stick1Places{{{158, 36}, {190, 68}, {222, 36}, {190, 4}}};
constexpr std::array<Location, 4> Stick2Places{{{158, 446}, {190, 478}, {222, 446}, {190, 414}}};
constexpr std::array<Location, 4> DPadPlaces{{{158, 241}, {190, 273}, {222, 241}, {190, 209}}};
constexpr Location LeftTriggerPlace{4, 4};
constexpr Location RightTriggerPlace{4, 478};

int FirstDirection(LayoutGroup group) {
    switch (group) {
        case LayoutGroup::Stick1:
            return Stick1Up;
        case LayoutGroup::Stick2:
            return Stick2Up;
        case LayoutGroup::DPad:
            return DPadUp;
        case LayoutGroup::Triggers:
            return TriggerLeft;
    }
    return TriggerLeft;
}

int FirstDiagonal(LayoutGroup group) {
    return group == LayoutGroup::Stick1   ? Stick1UpRight
           : group == LayoutGroup::Stick2 ? Stick2UpRight
                                          : DPadUpRight;
}

SettingsWindow GroupWindow(LayoutGroup group) {
    if (group == LayoutGroup::DPad) return SettingsWindow::DPad;
    if (group == LayoutGroup::Triggers) return SettingsWindow::Trigger;
    return SettingsWindow::Stick;
}

void ClearStick(ControllerFileType& layout, int stick) {
    const int up = stick == 0 ? Stick1Up : Stick2Up;
    const int diagonal = stick == 0 ? Stick1UpRight : Stick2UpRight;
    for (int i = 0; i < 4; ++i) {
        layout.Locations[static_cast<std::size_t>(up + i)] = {};
        layout.Locations[static_cast<std::size_t>(diagonal + i)] = {};
    }
    layout.StickAccess[static_cast<std::size_t>(stick)] = {};
    layout.StickNames[static_cast<std::size_t>(stick)].clear();
}

void ClearGroup(ControllerFileType& layout, LayoutGroup group) {
    switch (group) {
        case LayoutGroup::Stick1:
            // Stick 2 never stays without Stick 1; the direction names are theirs together.
            ClearStick(layout, 0);
            ClearStick(layout, 1);
            layout.StickDirectionNames = {};
            break;
        case LayoutGroup::Stick2:
            ClearStick(layout, 1);
            break;
        case LayoutGroup::DPad:
            for (int i = 0; i < 4; ++i) {
                layout.Locations[static_cast<std::size_t>(DPadUp + i)] = {};
                layout.Locations[static_cast<std::size_t>(DPadUpRight + i)] = {};
            }
            layout.DPadAccess = {};
            layout.DPadName.clear();
            layout.DPadDirectionNames = {};
            break;
        case LayoutGroup::Triggers:
            layout.Locations[TriggerLeft] = {};
            layout.Locations[TriggerRight] = {};
            layout.TriggerAccess = {};
            layout.TriggerNames = {};
            break;
    }
}

std::array<std::string, 4> DirectionNames() {
    return {Translate("*Up*"), Translate("*Right*"), Translate("*Down*"), Translate("*Left*")};
}

void PlaceCross(ControllerFileType& layout, LayoutGroup group, const std::array<Location, 4>& places) {
    const int up = FirstDirection(group);
    for (std::size_t i = 0; i < 4; ++i) layout.Locations[static_cast<std::size_t>(up) + i] = places[i];
    FollowDiagonals(layout, up, FirstDiagonal(group));
}

void PlaceGroup(ControllerFileType& layout, LayoutGroup group) {
    switch (group) {
        case LayoutGroup::Stick1:
            PlaceCross(layout, group, Stick1Places);
            layout.StickNames[0] = Translate("*Stick*") + " 1";
            layout.StickDirectionNames = DirectionNames();
            break;
        case LayoutGroup::Stick2:
            PlaceCross(layout, group, Stick2Places);
            layout.StickNames[1] = Translate("*Stick*") + " 2";
            break;
        case LayoutGroup::DPad:
            PlaceCross(layout, group, DPadPlaces);
            layout.DPadName = Translate("*DPad*");
            layout.DPadDirectionNames = DirectionNames();
            break;
        case LayoutGroup::Triggers:
            layout.Locations[TriggerLeft] = LeftTriggerPlace;
            layout.Locations[TriggerRight] = RightTriggerPlace;
            layout.TriggerNames = {Translate("*Trigger*") + " " + Translate("*Left*"),
                                   Translate("*Trigger*") + " " + Translate("*Right*")};
            break;
    }
}

}  // namespace

bool GroupEnabled(const ControllerFileType& layout, LayoutGroup group) {
    return layout.Locations[static_cast<std::size_t>(FirstDirection(group))].Left != 0;
}

bool EnableBoxUsable(const ControllerFileType& layout, LayoutGroup group) {
    return group != LayoutGroup::Stick2 || GroupEnabled(layout, LayoutGroup::Stick1);
}

bool GroupControlsUsable(const ControllerFileType& layout, LayoutGroup group) {
    return EnableBoxUsable(layout, group) && GroupEnabled(layout, group);
}

void SetGroupEnabled(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                     LayoutGroup group, bool ticked, const RawJoyState& current) {
    if (window.Refreshing || !EnableBoxUsable(layout, group) || ticked == GroupEnabled(layout, group)) return;
    ui.CloseWindow(GroupWindow(group));
    ui.CloseWindow(SettingsWindow::Assignment);
    if (!ticked) {
        ClearGroup(layout, group);
        MarkLayoutEdited(layout, ui);
        EndDetection(window.Detection, current);
        return;
    }
    PlaceGroup(layout, group);
    MarkLayoutEdited(layout, ui);
    StartGroupDetection(window.Detection, group, current);
}

}  // namespace velmora
