#pragma once
// The mouse settings window's logic: how fast and in which mode the mouse
// movement of one control, or of a direction group, moves the pointer.
// Targets 0..57 are single controls; 100, 101 and 102 the DPad, Stick 1 and
// Stick 2 groups.

#include <functional>
#include <string>
#include <vector>

#include "app/settings/MouseTestPicture.h"
#include "app/settings/SettingsControls.h"
#include "app/settings/SpeedGraph.h"
#include "base/UserInterface.h"
#include "engine/MouseEmulation.h"
#include "model/ControllerLayout.h"

namespace velmora {

inline constexpr int FirstGroupTarget = 100;

enum class MouseAxis : int { X = 0, Y = 1 };

struct MouseWindowState {
    int Target = FirstGroupTarget + 1;
    bool MoveTogether = false;
    RefreshingFlag Flag;
    MouseTestTrail Trail;
};

struct MouseWindowView {
    std::string Caption;
    SliderView SpeedX, SpeedY;  // each hidden when nothing of the target moves that way
    bool MoveTogether = false;
    std::vector<ChoiceButton> Modes;
    std::vector<ChoiceButton> AutoAssign;  // empty for a single control
};

bool IsGroupTarget(int target);
// The controls a target edits: one, or the group's Up, Right, Down, Left.
std::vector<int> TargetControls(int target);

MouseWindowView MouseView(const MouseWindowState& state, const ProfileType& profile,
                          const ControllerFileType& layout);

// Fills the window with the refreshing flag set while show runs.
void RefreshMouseWindow(MouseWindowState& state, const ProfileType& profile, const ControllerFileType& layout,
                        const std::function<void(const MouseWindowView&)>& show);

// A speed slider moved to position (1..255), the other slider standing at
// otherPosition. A single control's speed is one field for both sliders; a
// group's X slider sets the directions that move the mouse horizontally and
// its Y slider those that move it vertically. With Move Together the other
// slider follows. False, with nothing written, while refreshing.
bool ChangeMouseSpeed(const MouseWindowState& state, ProfileType& profile, MouseAxis moved, int position,
                      int otherPosition);

// A mode button (0 Look/Camera, 1 Cursor, 2 Spring) for the target's assignments.
void PressMouseMode(const MouseWindowState& state, ProfileType& profile, int mode);

// "Normal", "Inverted Y", "Inverted X", "Inverted Y+X" and "None": choices 2..5 and 7 on a group target.
void PressMouseAutoAssign(const MouseWindowState& state, ProfileType& profile, int choice, UserInterface& ui);

// The two status lines "X: 12" and "Y: -3", each with " (2001 pps)" while the pointer moves.
std::vector<std::string> MouseStatusLines(const MouseState& mouse);

// The graph of the sliders the view shows.
SpeedCurves CurvesOf(const MouseWindowView& view);

// The mode the test picture shows: the target's (a group's Left direction's).
std::uint8_t TargetMode(const MouseWindowState& state, const ProfileType& profile);

}  // namespace velmora
