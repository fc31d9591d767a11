#include "ui/Markup.h"

#include "base/Language.h"
#include "base/MarkupText.h"

namespace velmora {
namespace {

// One bold run of the text: the positions of its two "$".
struct Run {
    std::size_t Open = 0;
    std::size_t Close = 0;
};

// The applied runs: pairs of "$", the first 32 of them; an open one at the end is dropped.
std::vector<Run> BoldRuns(std::string_view text) {
    std::vector<Run> runs;
    std::size_t open = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == MarkupEscape) {
            ++i;  // the next character is plain text
            continue;
        }
        if (text[i] != '$') continue;
        if (open == std::string_view::npos) {
            open = i;
        } else {
            if (runs.size() < static_cast<std::size_t>(MaxBoldRuns)) runs.push_back({open, i});
            open = std::string_view::npos;
        }
    }
    return runs;
}

bool InsideRun(const std::vector<Run>& runs, std::size_t position) {
    for (const Run& run : runs)
        if (position > run.Open && position < run.Close) return true;
    return false;
}

void AddCharacter(MarkupLine& line, char ch, bool bold) {
    if (line.Spans.empty() || line.Spans.back().Bold != bold) line.Spans.push_back({{}, bold});
    line.Spans.back().Text += ch;
}

}  // namespace

std::vector<MarkupLine> ParseMarkup(std::string_view text) {
    std::vector<MarkupLine> lines;
    if (text.empty()) return lines;
    const std::vector<Run> runs = BoldRuns(text);
    MarkupLine line;
    bool lineEnded = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        lineEnded = text[i] == '#';
        if (text[i] == MarkupEscape && i + 1 < text.size()) {
            ++i;
            AddCharacter(line, text[i], InsideRun(runs, i));
        } else if (text[i] == '#') {
            lines.push_back(std::move(line));
            line = {};
        } else if (text[i] != '$') {
            AddCharacter(line, text[i], InsideRun(runs, i));
        }
    }
    // The final "#" is implied when missing.
    if (!lineEnded) lines.push_back(std::move(line));
    return lines;
}

std::string LineText(const MarkupLine& line) {
    std::string text;
    for (const MarkupSpan& span : line.Spans) text += span.Text;
    return text;
}

std::string BalloonText(const MessageDialog& dialog) {
    std::string text;
    const std::vector<MarkupLine> values = ParseMarkup(dialog.Values);
    if (!values.empty()) text = "\"" + LineText(values.front()) + "\"";
    for (const MarkupLine& line : ParseMarkup(dialog.Message)) {
        const std::string part = LineText(line);
        if (part.empty()) continue;
        if (!text.empty()) text += ' ';
        text += part;
    }
    return text;
}

std::size_t MarkupLineCount(std::string_view text) {
    return ParseMarkup(text).size();
}

std::vector<DetailPair> PairDetails(std::string_view captions, std::string_view values) {
    const std::vector<MarkupLine> names = ParseMarkup(captions);
    const std::vector<MarkupLine> texts = ParseMarkup(values);
    std::vector<DetailPair> details;
    for (std::size_t i = 0; i < names.size(); ++i) {
        DetailPair detail;
        detail.Caption = LineText(names[i]);
        if (i < texts.size()) detail.Value = LineText(texts[i]);
        details.push_back(std::move(detail));
    }
    return details;
}

int MessageTop(std::string_view captions) {
    const std::size_t lines = MarkupLineCount(captions);
    if (lines == 0) return 48;
    return (static_cast<int>(lines) + 1) * 13 + 48;
}

std::string DialogCaption(DialogKind kind) {
    switch (kind) {
        case DialogKind::Confirmation:
            return Translate("*Confirmation*");
        case DialogKind::Warning:
            return Translate("*Warning*");
        case DialogKind::Error:
            return Translate("*Error*");
        default:
            return Translate("*Information*");
    }
}

std::array<std::string, 3> ButtonCaptions(int buttonSet) {
    const std::string cancel = Translate("*Cancel*");
    switch (buttonSet) {
        case SaveAsButtons:
            return {Translate("*Save As*") + "...", Translate("*Do not Save*"), cancel};
        case SaveButtons:
            return {Translate("*Save*"), Translate("*Do not Save*"), cancel};
        case OverwriteButtons:
            return {Translate("*Overwrite*"), Translate("*Do not Overwrite*"), cancel};
        case ClearButtons:
            return {Translate("*Clear*"), Translate("*Do not Clear*"), cancel};
        default:
            return {std::string{}, std::string{}, Translate("*OK*")};
    }
}

int ButtonTag(int buttonSet, int button) {
    if (button == 2 && ButtonCaptions(buttonSet)[0].empty()) return 0;  // the lone OK button
    return button + 1;
}

int AnswerForTag(int tag) {
    if (tag >= 0 && tag <= 2) return tag;
    return 3;
}

}  // namespace velmora
