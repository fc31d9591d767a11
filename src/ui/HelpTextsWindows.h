#pragma once
// The help texts of the settings windows' help buttons (topics 11 to 56).

#include <string>

namespace velmora {

// The text of a settings window's topic, empty for any other number.
std::string WindowTopicText(int topic);

}  // namespace velmora
