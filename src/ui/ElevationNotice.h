#pragma once
// The notice shown while the window in front belongs to a program run as
// administrator and Velmora's input cannot reach it: its texts for the top
// bar, the tray icon's tip and balloon, and its box in the top bar.

#include <string>
#include <string_view>
#include <vector>

#include "ui/LayoutScene.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

// Translated: what happens, in a few words that fit a balloon's title
// (63 characters); then why, and what to do about it.
std::string BlockedInputTitle();
std::string BlockedInputAdvice();
// The tray icon's tip: the program's name, the title and the advice on three lines.
std::string BlockedInputTrayTip();

// The notice of a profile switch that waits for a save or a settings window: its title and advice,
// and the tray icon's tip.
std::string SwitchWaitsTitle();
std::string SwitchWaitsAdvice();
std::string SwitchWaitsTrayTip();

// The words of text in lines no wider than width; a word wider than a line
// gets a line of its own. At most maxLines lines: a text that needs more
// ends its last line with "..." where that fits.
std::vector<std::string> WrapWords(std::string_view text, int width, int maxLines, TextDrawer& drawer);
// The notice's lines in the width: its title in up to two, its advice in the rest of three.
std::vector<std::string> NoticeLines(const MainWindowStatus& status, int width, TextDrawer& text);

// Where the notice's box goes in the top bar: right of the tabs when that
// leaves it room, otherwise over the tabs. Right is exclusive.
struct NoticeSpan {
    int Left = 0;
    int Right = 0;
};
inline constexpr int NoticeRight = 465;     // short of the settings button
inline constexpr int NoticeMinWidth = 240;  // room for the texts in three lines
NoticeSpan NoticeSpanFor(int controllerCount);

// The notice's button at the right end of its box: it runs Velmora again as
// administrator. Right and Bottom are exclusive.
struct NoticeButtonBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
inline constexpr int NoticeButtonWidth = 84;
NoticeButtonBox NoticeButtonFor(int controllerCount);
bool NoticeButtonAt(int controllerCount, int x, int y);
// Translated: the button's and the tray item's caption.
std::string RunAsAdministratorCaption();

// The box with a warning sign, the problem and the remedy, when the scene's
// status asks for it (blocked input first, then a switch that waits); nothing otherwise.
void DrawElevationNotice(PictureType& picture, const LayoutScene& scene, TextDrawer& text);

}  // namespace velmora
