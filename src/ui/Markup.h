#pragma once
// The small markup of formatted text, shared by the message dialog, the help
// window and the controller details: "#" ends a line ("##" gives an empty
// line), "$" switches bold on or off and is not shown; a character after the
// escape byte (base/MarkupText.h) is plain text. Also the message
// dialog's logic that does not need a window: where the message goes, which
// buttons show with which captions, and what a click answers.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"

namespace velmora {

// More bold runs than this in one text show in plain type.
inline constexpr int MaxBoldRuns = 32;

struct MarkupSpan {
    std::string Text;
    bool Bold = false;
};

// One shown line: its text in spans, plain and bold in turn.
struct MarkupLine {
    std::vector<MarkupSpan> Spans;
};

// The lines of a text; an empty text has none. A bold run left open at the
// end is never applied, so an unbalanced "$" leaves the rest plain.
std::vector<MarkupLine> ParseMarkup(std::string_view text);
// A line's text without its formatting.
std::string LineText(const MarkupLine& line);
std::size_t MarkupLineCount(std::string_view text);

// A caption line and the value line beside it.
struct DetailPair {
    std::string Caption;
    std::string Value;
};
// The detail lines of a dialog: caption lines pair with value lines by number;
// a caption without a value gets an empty one.
std::vector<DetailPair> PairDetails(std::string_view captions, std::string_view values);

// A message told in a few words, as a tray balloon holds them: the first
// detail value in quotes (the file or controller it is about), then the
// message's lines run together.
std::string BalloonText(const MessageDialog& dialog);

// Top of the message: below the detail lines when there are any.
int MessageTop(std::string_view captions);

// The window's caption for a dialog kind, translated.
std::string DialogCaption(DialogKind kind);

// The captions of Button0, Button1 and Button2 for a button set, translated;
// an empty caption means the button is hidden.
std::array<std::string, 3> ButtonCaptions(int buttonSet);
// A button's Tag: 1, 2 and 3, except the OK button's 0.
int ButtonTag(int buttonSet, int button);
// The answer for the Tag the dialog closed with: a closed dialog keeps
// Button2's Tag, so it answers Cancel (3), or 0 for the OK set.
int AnswerForTag(int tag);

}  // namespace velmora
