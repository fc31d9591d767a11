#pragma once
// The keys of controller files and the text of their access values.

#include <optional>
#include <string>
#include <string_view>

#include "model/ControllerLayout.h"

namespace velmora {

// "Button12Location", "DPadUpLocation", "Stick2LeftLocation", "TriggerRightLocation"
// for controls 0..45 (diagonals are never stored).
std::string LocationKey(int control);
std::string DPadAccessKey(int direction);          // "DPadUpAccess"
std::string StickAccessKey(int stick, int axis);   // "Stick1XAccess", axis 0 X, 1 Y
std::string TriggerAccessKey(int side);            // "TriggerLeftAccess"
std::string ButtonNameKey(int button);             // "Button1Name", button 0..31
std::string DPadDirectionNameKey(int direction);   // "DPadUpName"
std::string StickNameKey(int stick);               // "Stick1Name"
std::string StickDirectionNameKey(int direction);  // "StickUpName"
std::string TriggerNameKey(int side);              // "TriggerLeftName"
std::string ImageLineKey(int row);                 // "ImageLine1" for the top row 0

// Access values as written. Not-set accesses have no line: callers skip them.
std::string DPadAccessText(const DPadDirectionAccess& access);
std::string StickAccessText(const AxisAccess& access);
// Old binary imports name the upper half explicitly (" +").
std::string TriggerAccessText(const AxisAccess& access, bool explicitUpperHalf = false);

// Access values as read; nothing for a value that is not valid. An empty
// value is a valid "not set".
std::optional<DPadDirectionAccess> ParseDPadAccess(std::string_view value);
std::optional<AxisAccess> ParseStickAccess(std::string_view value);
std::optional<AxisAccess> ParseTriggerAccess(std::string_view value);

}  // namespace velmora
