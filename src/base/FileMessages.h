#pragma once
// Messages about files, with the detail lines that name the file.

#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"

namespace velmora {

// One detail line of a message: the key of its caption and its value.
struct DetailLine {
    std::string_view Key;
    std::string Value;
};

// A message about a file: kind Error, button set 0, the detail lines "*Name*",
// "*Type*" and "*Location*" of the path, then the extra ones. Keys are
// translated here; the message is translated by the caller.
MessageDialog MakeMessage(DialogKind kind, std::string_view headingKey,
                          const std::vector<DetailLine>& details, std::string message,
                          int buttons = OkButtons);
std::vector<DetailLine> FileDetails(std::string_view path);

}  // namespace velmora
