#pragma once
// Language strings: every user-visible text is written as an English key
// between asterisks, "*Save*", and translated where it is shown.

#include <string>
#include <string_view>

namespace velmora {

// The key without its first and last characters, replaced by its translation
// when the loaded language has a non-empty one.
std::string Translate(std::string_view key);

}  // namespace velmora
