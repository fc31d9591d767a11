#pragma once
// Values in formatted text. The markup of messages and help ("#" ends a line,
// "$" switches bold) would cut a name holding a "#" and hide its "$", so a
// name, a path or a value from a file goes in as plain text: each markup
// character gets the escape byte before it, which no file line or path can
// hold (control characters are read as spaces and are not allowed in names).

#include <string>
#include <string_view>

namespace velmora {

inline constexpr char MarkupEscape = '\x1B';

// The text, shown exactly as it is.
std::string PlainText(std::string_view text);

}  // namespace velmora
