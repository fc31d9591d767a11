#pragma once
// Where users write for help; some failure messages end with it.

#include <string_view>

namespace velmora {

inline constexpr std::string_view AssistanceAddress = "support@velmora.example";

}  // namespace velmora
