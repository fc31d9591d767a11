#include "app/settings/SettingsWindows.h"

#include <array>

#include "model/Configuration.h"

namespace velmora {
namespace {

constexpr std::array AssignmentTopics{51};
constexpr std::array AdvancedTopics{52, 53, 54, 55, 56};
constexpr std::array StickTopics{41};
constexpr std::array DPadTopics{40};
constexpr std::array TriggerTopics{42};
constexpr std::array MouseTopics{46};
constexpr std::array ControllerSettingsTopics{31, 32, 33, 34, 35, 36, 37};
constexpr std::array PropertiesTopics{21};
constexpr std::array GlobalTopics{11, 12, 13, 14};

using W = SettingsWindow;

// In the order of the SettingsWindow values.
const std::array<SettingsWindowRow, SettingsWindowCount> Rows{{
    {W::Assignment, WindowSubject::Control, AssignmentSettingsWindowPosition, AssignmentTopics, W::Assignment,
     true},
    {W::AdvancedAssignment, WindowSubject::Control, AssignmentAdvancedSettingsWindowPosition, AdvancedTopics,
     W::Assignment, true},
    {W::Stick, WindowSubject::Group, StickSettingsWindowPosition, StickTopics, W::Stick},
    {W::DPad, WindowSubject::Group, DPadSettingsWindowPosition, DPadTopics, W::DPad},
    {W::Trigger, WindowSubject::Group, TriggerSettingsWindowPosition, TriggerTopics, W::Trigger},
    {W::Mouse, WindowSubject::MouseTarget, MouseSettingsWindowPosition, MouseTopics, W::Mouse},
    {W::ControllerSettings, WindowSubject::None, ControllerSettingsWindowPosition, ControllerSettingsTopics,
     W::ControllerSettings},
    {W::ControllerProperties, WindowSubject::None, ControllerPropertiesWindowPosition, PropertiesTopics,
     W::ControllerProperties},
    {W::GlobalSettings, WindowSubject::None, SettingsWindowPosition, GlobalTopics, W::GlobalSettings},
    {W::ProfileSettings, WindowSubject::None, ProfileSettingsWindowPosition, {}, W::ProfileSettings},
    {W::Help, WindowSubject::None, HelpWindowPosition, {}, W::Help},
}};

}  // namespace

const SettingsWindowRow& SettingsWindowInfo(SettingsWindow window) {
    return Rows[static_cast<std::size_t>(window)];
}

bool ClosesWhenOpening(SettingsWindow opening, SettingsWindow other) {
    return other != opening && other != W::Help && other != SettingsWindowInfo(opening).Beside;
}

}  // namespace velmora
