#pragma once
// A row of push buttons of which one may be marked (drawn bold): the
// settings windows' mode and auto-assign buttons. Each button tells its
// parent by WM_COMMAND with its id, firstId + its place in the row.

#include <string>
#include <vector>

#include "base/win32/Windows.h"

namespace velmora {

// `count` buttons side by side from (x, y), each `width` x `height`, with a
// gap of 4 pixels; `perLine` buttons to a line, lines `height` + 4 apart.
std::vector<HWND> CreateChoiceButtonRow(HWND parent, int x, int y, int width, int height, int count,
                                        int perLine, int firstId);

// Gives the buttons their captions; the marked one gets the bold font.
void FillChoiceButton(HWND button, const std::string& caption, bool marked);

}  // namespace velmora
