#pragma once
// What the main window's picture shows: the controllers with their tabs, the
// selected one's layout and profile, the drawn state of each control and the
// window's flags. The drawing code reads it and never changes the model.

#include <array>
#include <cstdint>
#include <vector>

#include "model/Configuration.h"
#include "model/ControllerLayout.h"
#include "model/Profile.h"

namespace velmora {

struct MainWindowStatus {
    bool NamesShown = false;
    bool LayoutShown = false;
    bool AnimationDone = false;
    std::array<std::uint8_t, 2> TopRightPressed{};
    std::uint8_t ControllerButtonPressed = 0;
    std::uint8_t ProfileButtonPressed = 0;
    std::uint8_t ProfileNamePressed = 0;
    std::uint8_t BottomButtonPressed = 0;
    // The window in front runs as administrator and Velmora's input cannot reach it.
    bool InputBlockedNotice = false;
    // A program's profile waits for a controller's unsaved changes to be saved.
    bool ProgramSwitchNotice = false;
};

struct SceneController {
    const ControllerFileType* Layout = nullptr;  // never null
    bool Connected = true;
};

enum DrawnState : std::uint8_t { DrawnOff = 0, DrawnFiltered = 1, DrawnActive = 2 };

struct LayoutScene {
    const ConfigurationType* Config = nullptr;
    // The loaded theme image, 520 x 360 pixels blue, green, red, top row first; null when none.
    const std::vector<std::uint8_t>* ThemeImage = nullptr;
    std::vector<SceneController> Controllers;
    int Selected = -1;                     // index into Controllers, or -1
    const ProfileType* Profile = nullptr;  // the selected controller's
    std::array<std::uint8_t, ControlCount> DrawnStates{};
    int EditedControl = -1;  // the control the assignment window edits, or -1
    MainWindowStatus Status;

    const ControllerFileType* SelectedLayout() const {
        return Selected >= 0 ? Controllers[static_cast<std::size_t>(Selected)].Layout : nullptr;
    }
};

}  // namespace velmora
