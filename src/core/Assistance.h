#pragma once
// Where the messages send people who need help.

#include <string_view>

namespace velmora {

inline constexpr std::string_view AssistanceAddress = "help@velmora.example";

}  // namespace velmora
