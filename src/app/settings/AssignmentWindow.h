#pragma once
// The assignment window's logic: its state, caption and hover caption, where
// it opens, its options and name box, opening and closing. The Win32 form
// turns messages into these calls and shows what they return.

#include <cstdint>
#include <optional>
#include <string>

#include "app/settings/AdvancedAssignmentPages.h"
#include "app/settings/AssignmentKeyboard.h"
#include "app/settings/KeyboardCapture.h"
#include "app/settings/KeyboardLayoutCaptions.h"
#include "base/UserInterface.h"
#include "engine/AssignmentExecution.h"
#include "model/Configuration.h"
#include "model/ControllerLayout.h"
#include "model/Profile.h"
#include "model/ProfileModel.h"
#include "ui/WindowPlacement.h"

namespace velmora {

// The state both assignment windows share (there is one of each).
struct AssignmentWindowState {
    bool Open = false;
    bool AdvancedOpen = false;
    AssignmentEditState Edit;  // the control, the slot position, the first shown slot, pauses
    std::uint8_t LastCaptured = NoCapturedKey;  // the key captured last
    bool Refreshing = false;                    // the form fills its controls: their change events do nothing
    int SliderDragOffset = -1;                  // the advanced window's slot slider; -1 not dragging
    bool TestTicked = false;                    // the advanced window's test box: its memo takes keys
    TurboLampState TurboLamp;
};

// The client area: 737 x 273, or 594 x 229 with the smaller picture on
// desktops narrower than 800 pixels.
WindowSize AssignmentClientSize(int desktopWidth);

// The control's name as the layout gives it ("Stick 1 Up"); the name that
// profile files use when the layout names it not.
std::string ControlDisplayName(const ControllerFileType& layout, int control);

// The control's name, then " [Set n]" when the current set is not the first.
std::string AssignmentCaption(const ControllerFileType& layout, int control, std::uint8_t currentSet);
// The advanced window's caption: the assignment window's + ": Advanced Settings".
std::string AdvancedAssignmentCaption(const std::string& caption);

// The caption while the pointer is over the keyboard picture: the key under
// it (none: the plain caption), with the slot position when above 0. The key
// is named as its picture shows it in the user's layout (when given).
std::string KeyboardHoverCaption(const std::string& caption, std::int32_t slotPosition,
                                 std::optional<std::uint8_t> key,
                                 const KeyboardLayoutTable* layout = nullptr);

// Only keys with a name assign anything when clicked.
bool KeyAssignable(std::uint8_t code);

// Where the window opens: the remembered place, or centred under the control's
// button (above it when it would reach past the desktop's bottom), then kept
// on the desktop. pictureScreen is the main picture's layout area on screen,
// shown enlarged by the whole factor `scale`.
WindowPoint AssignmentWindowPlace(const ConfigurationType& config, WindowSize window, WindowSize desktop,
                                  WindowPoint pictureScreen, int scale, const Location& control);

// Opening for a control: a rumble test in progress stops, an open window is
// closed first (for the old control), every other settings window closes,
// then the window shows for the new control.
void OpenAssignmentWindow(AssignmentWindowState& state, int control, RumbleTestRequest& rumbleTest,
                          UserInterface& ui);
// The show step: open, the captured key and both slot positions reset, the
// control's button redrawn (Yellow while edited).
void ShowAssignmentWindow(AssignmentWindowState& state, UserInterface& ui);
// Closing: the advanced window too, the place remembered when the option
// asks for it, the rumble test stopped, the button redrawn.
void CloseAssignmentWindow(AssignmentWindowState& state, ConfigurationType& config, WindowPoint place,
                           RumbleTestRequest& rumbleTest, UserInterface& ui);

// The check boxes under the picture.
enum class AssignmentOption : int { Toggle = 1, Turbo = 2, Rumble = 3 };

struct AssignmentWindowView {
    bool Toggle = false;
    bool Turbo = false;
    bool Rumble = false;
    bool RumbleEnabled = false;  // only controllers that can rumble
    std::string Name;
    std::string AdvancedButton;  // "Advanced..."
};
AssignmentWindowView ViewAssignmentWindow(const AssignmentType& assignment, bool canRumble);

// A check box changed by the user (nothing while refreshing): Toggle on zeroes
// the latch, Turbo on the counter, Rumble off stops a running test.
void SetAssignmentOption(AssignmentWindowState& state, ProfileType& profile, AssignmentOption option, bool on,
                         RumbleTestRequest& rumbleTest, UserInterface& ui);
// A click on an option's icon: the new state of its box, or none when the
// icon does nothing (the Rumble icon of a controller that cannot rumble).
std::optional<bool> ClickOptionIcon(const AssignmentWindowView& view, AssignmentOption option);

// A change of the name box (nothing while refreshing).
void SetAssignmentName(AssignmentWindowState& state, ProfileType& profile, const std::string& name,
                       UserInterface& ui);

// A mouse-button release over the keyboard picture.
void ClickKeyboard(AssignmentWindowState& state, ProfileType& profile, int x, int y, int unit,
                   UserInterface& ui);

}  // namespace velmora
