#pragma once
// The advanced assignment window's other pages: the labels of the pause
// length, the turbo delay and rate and the rumble strengths; the Turbo
// page's demonstration lamp; the Rumble page's three states and its test;
// the Set Selector page's list with its mirror rules.

#include <cstdint>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "engine/AssignmentExecution.h"
#include "model/Configuration.h"
#include "model/Controller.h"
#include "model/Profile.h"
#include "model/ProfileModel.h"

namespace velmora {

// "Pause 0.10s" for 10 hundredths.
std::string PauseLabel(int length);
// "Delay: 0.03 seconds" and "Rate: 33.3 per second" for a delay of 3 passes.
std::string TurboDelayLabel(int delay);
std::string TurboRateLabel(int delay);
// "Strength: Left 50%" for 128.
enum class RumbleSide : int { Left = 0, Right = 1 };
std::string RumbleStrengthLabel(RumbleSide side, int strength);

// The turbo slider: the delay, a fresh turbo phase, the profile changed.
void SetTurboRate(ProfileType& profile, int control, int delay);

// The demonstration lamp blinks at the turbo rate: it lights on the passes
// whose count is a multiple of the delay while Turbo is on, then fades over
// the following passes.
inline constexpr int TurboLampFull = 8;
struct TurboLampState {
    int Glow = 0;  // 0 dark .. TurboLampFull just lit
};
bool TurboLampLights(const AssignmentType& assignment, std::uint32_t passCount);
void AdvanceTurboLamp(TurboLampState& lamp, bool lights);
ColourType TurboLampColour(const TurboLampState& lamp);

// What the Rumble page shows for the selected controller.
enum class RumblePageKind : int {
    Available,     // "Enable" with the check box, sliders, labels and icons
    Undetermined,  // maybe an XInput pad not yet identified: press something
    Unavailable,   // the controller cannot rumble
};
RumblePageKind RumblePageKindOf(const ControllerDataType& controller);
struct RumblePageView {
    RumblePageKind Kind = RumblePageKind::Unavailable;
    std::string Label;
    bool CheckBoxShown = false;  // the sliders, labels and icons are shown with it
    bool Checked = false;
    std::string LeftLabel;
    std::string RightLabel;
};
RumblePageView ViewRumblePage(const AssignmentType& assignment, const ControllerDataType& controller);

// A strength slider moved: both strengths are stored; with Rumble ticked the
// selected controller plays them for 25 passes.
inline constexpr std::uint32_t RumbleTestPasses = 25;
void SetRumbleStrengths(ProfileType& profile, int control, std::uint8_t left, std::uint8_t right,
                        int controllerIndex, RumbleTestRequest& rumbleTest);

// The set selector list for the current set: "No", "Selects Set n" for the
// seven other sets, then the same seven "while held".
std::vector<std::string> SetSelectorItems(std::uint8_t currentSet);
// The item the assignment shows: "No" without a target, the plain item with
// Toggle on (latching), the "while held" item with it off.
int SetSelectorItemOf(const AssignmentType& assignment, std::uint8_t currentSet);
// A choice from the list (not while refreshing): the old target's assignment
// is emptied, then the target, Toggle and the mirror in the target set.
void ChooseSetSelectorItem(ProfileType& profile, int control, int item, UserInterface& ui);

// Everything the window's refresh puts into its controls.
struct AdvancedAssignmentView {
    bool Toggle = false;
    bool Turbo = false;
    int PauseLength = 10;
    std::string PauseText;
    int TurboRate = 10;
    std::string TurboDelayText;
    std::string TurboRateText;
    RumblePageView Rumble;
    std::array<std::uint8_t, 2> Strengths{};
    std::vector<std::string> SetSelectorList;
    int SetSelectorItem = 0;
    bool InsertEnabled = false;  // the selected slot lies inside the list
    bool MemoEnabled = false;    // the test memo, while "Enable" is ticked
};
AdvancedAssignmentView ViewAdvancedAssignmentWindow(const ProfileType& profile,
                                                    const AssignmentEditState& edit,
                                                    const ControllerDataType& controller, bool testTicked);

}  // namespace velmora
