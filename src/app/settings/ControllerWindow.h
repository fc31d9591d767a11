#pragma once
// The logic of the controller settings window: its tabs, caption, placement,
// the steps of showing and closing, the name edits and the Buttons tab. The
// window edits the layout in memory directly; saving stays with the main
// window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/Detection.h"
#include "base/UserInterface.h"
#include "model/Configuration.h"
#include "model/ControllerLayout.h"
#include "model/RawState.h"
#include "ui/WindowPlacement.h"

namespace velmora {

enum class ControllerTab : std::uint8_t { Start, Image, Sticks, DPad, Buttons, Triggers, Finish };
inline constexpr std::array<std::string_view, 7> ControllerTabKeys{
    "*Start*", "*Image*", "*Sticks*", "*DPad*", "*Buttons*", "*Triggers*", "*Finish*"};

enum class DrawMode : std::uint8_t { None = 0, Pen = 1, Fill = 2, Erase = 3 };
inline constexpr int MinimumPenSize = 1;
inline constexpr int MaximumPenSize = 64;

struct DrawingState {
    DrawMode Mode = DrawMode::None;
    std::uint32_t Colour = 0;  // blue * 65536 + green * 256 + red; black at first
    int PenSize = 32;
    bool Drawing = false;  // the mouse button went down on the picture with a tool
};

inline constexpr int NoItem = -1;

struct DragState {
    int Item = NoItem;  // the location index held: a button, a trigger or a group's Up
    int GrabTop = 0;    // mouse minus the item's corner when it was picked up
    int GrabLeft = 0;
    int Extent = 0;  // last row and column past the corner: 93 for a group, 29 for a single square
};

struct ControllerWindowState {
    ControllerTab Tab = ControllerTab::Start;
    DetectionState Detection;
    DragState Drag;
    DrawingState Drawing;
    int SelectedButton = NoItem;
    bool Refreshing = false;  // filling the controls: their change events write nothing
    bool WindowOpen = false;  // the main loop runs DetectionTick while set
    bool DesktopWarned = false;
    std::optional<MessageDialog> PendingMessage;  // detection's, shown between passes
};

// Every change made in the window: the layout is marked changed, its
// indicators follow the locations, the main picture is redrawn at once and
// the windows showing this layout's controls refresh.
void MarkLayoutEdited(ControllerFileType& layout, UserInterface& ui);

// The seven tab captions, translated.
std::vector<std::string> ControllerTabCaptions();

// "Controller Settings - "Name"": the layout's name, or the device's name
// when the layout has none.
std::string ControllerWindowCaption(const ControllerFileType& layout, std::string_view deviceName);

// The desktop check made on showing: a warning for a desktop smaller than
// 800 x 600, given once per run (the state remembers that it warned).
std::optional<MessageDialog> ControllerDesktopWarning(ControllerWindowState& window, int desktopWidth,
                                                      int desktopHeight);

// The remembered place kept on the desktop, or centred when positions are
// not remembered or none was saved.
WindowPoint ControllerWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop);

// The steps of showing, after placement: nothing dragged or drawn, any
// detection ended, wait-for-release set with a fresh baseline, the Start
// tab, the window marked open. The form then fills its controls.
void ShowControllerWindow(ControllerWindowState& window, const RawJoyState& current);

// The steps of closing: stores the place when positions are remembered,
// redraws the main picture, ends detection, clears the open flag.
void CloseControllerWindow(ControllerWindowState& window, ConfigurationType& config, WindowPoint place,
                           UserInterface& ui, const RawJoyState& current);

// Changing tabs ends any detection and clears the button selection.
void ChangeControllerTab(ControllerWindowState& window, ControllerTab tab, const RawJoyState& current);

// The three lines of the Finish tab, translated.
std::vector<std::string> FinishTabTexts();

// The Buttons tab's details line for the selected button, empty without one.
std::string SelectedButtonDetails(const ControllerWindowState& window);
// "Delete": the selected button leaves the layout (its place and name), the
// assignment window closes first. Nothing without a selection.
void DeleteSelectedButton(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui);

// The name edits; each change is written to the layout at once unless the
// window is filling its controls.
enum class NameEdit : std::uint8_t {
    Stick,           // index: stick 0 or 1
    StickDirection,  // index: Up, Right, Down, Left; shared by both sticks
    DPad,
    DPadDirection,  // index: Up, Right, Down, Left
    Trigger,        // index: Left, Right
    SelectedButton,
};
void EditName(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui, NameEdit edit,
              int index, std::string_view text);
// The text a name edit shows.
std::string NameEditText(const ControllerWindowState& window, const ControllerFileType& layout, NameEdit edit,
                         int index);

}  // namespace velmora
