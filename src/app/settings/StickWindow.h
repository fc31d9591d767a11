#pragma once
// The stick settings window's logic: one stick at a time, its dead zone,
// diagonal size, mode and ready-made key groups in the current set, with the
// zone map and the live position.

#include <functional>
#include <string>
#include <vector>

#include "app/settings/SettingsControls.h"
#include "app/settings/StickZoneMap.h"
#include "base/UserInterface.h"
#include "model/Configuration.h"
#include "model/ControllerLayout.h"
#include "ui/WindowPlacement.h"

namespace velmora {

struct StickWindowState {
    int Stick = 0;  // 0 or 1
    RefreshingFlag Flag;
};

struct StickWindowView {
    std::string Caption;
    SliderView DeadZone;
    SliderView DiagonalSize;  // hidden in the two 4-Way modes
    std::vector<ChoiceButton> Modes;
    std::vector<ChoiceButton> AutoAssign;
    std::string MouseSettingsCaption;
    int MouseSettingsTarget = 0;  // what the "Mouse Settings..." button opens the mouse window on
};

// What the window shows for the current set of the profile.
StickWindowView StickView(const StickWindowState& state, const ProfileType& profile,
                          const ControllerFileType& layout);

// Fills the window: show runs with the refreshing flag set, so the change
// handlers its control updates provoke write nothing.
void RefreshStickWindow(StickWindowState& state, const ProfileType& profile, const ControllerFileType& layout,
                        const std::function<void(const StickWindowView&)>& show);

// Slider handlers: store the position (1..255, 1..89) and mark the profile
// changed; false, with nothing written, while the window refreshes itself.
bool ChangeStickDeadZone(const StickWindowState& state, ProfileType& profile, int position);
bool ChangeStickDiagonalSize(const StickWindowState& state, ProfileType& profile, int position);

// The mode buttons (0..5) and the auto-assign buttons (their choice) act on the shown stick's group.
void PressStickMode(const StickWindowState& state, ProfileType& profile, int mode, UserInterface& ui);
void PressStickAutoAssign(const StickWindowState& state, ProfileType& profile, int choice, UserInterface& ui);

// The live text beside X, Y, "Distance" and "Bearing": four lines ": value".
std::vector<std::string> StickLiveLines(const StickLive& live);

// The status picture with the dot, drawn at (left, top).
void DrawStickStatus(PictureType& picture, int left, int top, const SetType& set, int stick, int x, int y,
                     const ConfigurationType& config);

// Opening the stick window first closes the mouse window, which may be
// showing the same stick's movement under settings about to change.
void PrepareStickWindowOpening(UserInterface& ui);

// Where the window opens: at the stick's place in the layout picture (the
// main picture's origin on the desktop given, the picture shown enlarged by
// the whole factor `scale`), or with RememberWindowPositions at the
// remembered place; kept on the desktop either way.
WindowPoint StickWindowPlace(const ConfigurationType& config, const ControllerFileType& layout, int stick,
                             WindowPoint mainPicture, int scale, WindowSize window, WindowSize desktop);

}  // namespace velmora
