#pragma once
// What the stick, DPad, trigger and mouse windows have in common: sliders
// with their labels, rows of mode and auto-assign buttons, captions and the
// refreshing guard.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Configuration.h"
#include "model/Profile.h"
#include "ui/WindowPlacement.h"

namespace velmora {

// A slider as the window shows it; labels are translated.
struct SliderView {
    int Minimum = 1;
    int Maximum = 255;
    int Position = 1;
    std::string LowLabel, HighLabel, ValueLabel;
    bool Visible = true;
};

// One button of a row; Marked is drawn bold (the current mode, the detected choice).
struct ChoiceButton {
    std::string Caption;
    int Value = 0;
    bool Marked = false;
};

// Set while a window fills its own controls, so that the change handlers
// those fills provoke do not write the values back.
struct RefreshingFlag {
    bool Refreshing = false;
};

// Sets the flag for its lifetime; the previous value comes back afterwards,
// so a refresh inside a refresh does not clear the flag early.
class RefreshGuard {
public:
    explicit RefreshGuard(RefreshingFlag& flag) : flag_(flag), previous_(flag.Refreshing) {
        flag.Refreshing = true;
    }
    ~RefreshGuard() { flag_.Refreshing = previous_; }
    RefreshGuard(const RefreshGuard&) = delete;
    RefreshGuard& operator=(const RefreshGuard&) = delete;

private:
    RefreshingFlag& flag_;
    bool previous_;
};

// A dead zone or threshold as "(25%)": v * 100 >> 8, but at least 1.
std::string PercentLabel(int value);
// A diagonal size as "(45)".
std::string BracketLabel(int value);
// A live value 0..255 (or -255..255) as a whole percentage, truncated toward zero.
int LivePercent(int value);

// Translated title, ": ", name, " [", translated "Set", " ", set number, "]".
std::string WindowCaption(std::string_view titleKey, const std::string& name, int currentSet);

// The six direction-mode buttons in mode order, the current one marked.
std::vector<ChoiceButton> ModeButtons(std::uint8_t mode);

// The stick and DPad windows' auto-assign buttons: choices 0, 1, 2, 6, 7.
// Every mouse choice (2..5) marks "Mouse"; 255 marks none.
std::vector<ChoiceButton> GroupAutoAssignButtons(std::uint8_t detected);
// The auto-assign choice a group button press stands for: "Mouse" on a group
// that already has an inverted mouse keeps that inversion.
int GroupAutoAssignChoice(std::uint8_t detected, int pressed);

// The direction mode of a group (0 DPad, 1 Stick 1, 2 Stick 2) in the current set.
std::uint8_t CurrentGroupMode(const ProfileType& profile, int group);

// The mouse window's target for a direction group: 100 + group.
int MouseTargetOfGroup(int group);

// A place moved back so that the whole window lies on the desktop.
WindowPoint KeptOnDesktop(WindowPoint place, WindowSize window, WindowSize desktop);

// With RememberWindowPositions and a saved place, that place kept on the
// desktop; otherwise centred.
WindowPoint SettingsWindowPlace(const ConfigurationType& config, WindowPositionIndex position,
                                WindowSize window, WindowSize desktop);

}  // namespace velmora
