#pragma once
// Detection in the controller settings window: which axis, POV or button a
// stick, DPad direction or trigger uses, found by watching the controller's
// raw state change against a baseline while the user moves that control.

#include <cstdint>
#include <string>

#include "base/UserInterface.h"
#include "model/ControllerLayout.h"
#include "model/RawState.h"

namespace velmora {

struct ControllerWindowState;

// What changed between the baseline and the current raw state.
enum class RawChange : std::uint8_t { Nothing, Axis, POV, Button };

struct Classification {
    RawChange Kind = RawChange::Nothing;
    int Index = 0;           // the axis (0..7) or button (0..31)
    bool Negative = false;   // the axis moved towards 0
    bool FullRange = false;  // the axis rested at the end it moved away from
};

// An axis moved when it left the baseline by more than a quarter of its
// range. Two or more moved axes give nothing (the user is moving a stick
// diagonally); with no moved axis a pushed POV wins over the lowest pressed
// button.
Classification ClassifyRawState(const RawJoyState& baseline, const RawJoyState& current);

// What a detection run is looking for.
enum DetectionTarget : std::uint8_t {
    NoDetection = 0,
    Stick1XTarget,
    Stick1YTarget,
    Stick2XTarget,
    Stick2YTarget,
    DPadUpTarget,
    DPadRightTarget,
    DPadDownTarget,
    DPadLeftTarget,
    LeftTriggerTarget,
    RightTriggerTarget,
};

enum class DirectionPicture : std::uint8_t { Left, Up, Right, Down };

// The panel that tells the user what to do: "Push" "Stick 1" "Left".
struct DetectionPanel {
    bool Shown = false;
    std::string Command;
    std::string Control;
    std::string Direction;
    DirectionPicture Picture = DirectionPicture::Up;
};

struct DetectionState {
    std::uint8_t Target = NoDetection;
    bool GroupDetection = false;
    // Set at every start, so that a control still held from the previous step
    // is not detected twice; cleared once the controller reports nothing.
    bool WaitForRelease = false;
    RawJoyState Baseline;
    DetectionPanel Panel;
};

// The groups that an Enable box and a group "Detect" button work on.
enum class LayoutGroup : std::uint8_t { Stick1, Stick2, DPad, Triggers };

// The panel's texts (translated) and picture for a target.
DetectionPanel PanelFor(std::uint8_t target);

// Starts one detection: takes the baseline unless a group run goes on, sets
// the target, fills and shows the panel and sets wait-for-release.
void StartDetection(DetectionState& detection, std::uint8_t target, const RawJoyState& current);
// A group's "Detect": takes the baseline and starts the group's first target.
void StartGroupDetection(DetectionState& detection, LayoutGroup group, const RawJoyState& current);
// Hides the panel, clears the target and the group run, retakes the baseline.
void EndDetection(DetectionState& detection, const RawJoyState& current);

// The target a group run moves on to after target: stick X then Y; DPad Up,
// Down, Left, Right; left then right trigger. NoDetection after the last.
std::uint8_t NextGroupTarget(std::uint8_t target);

// One pass of detection against the selected controller's raw state: stores
// what was found in the layout, places and selects pressed buttons on the
// Buttons tab, and keeps a message for the user when a stick or trigger is
// not analog (a pass never opens a dialog: the pads would stop while it is
// up). Returns whether the window must refill its controls.
bool DetectionTick(ControllerWindowState& window, ControllerFileType& layout, UserInterface& ui,
                   const RawJoyState& current);

// Shows the message detection kept, once; called between passes.
void ShowPendingDetectionMessage(ControllerWindowState& window, UserInterface& ui);

}  // namespace velmora
