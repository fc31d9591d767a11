#include "ui/ElevationNotice.h"

#include <algorithm>

#include "base/Language.h"
#include "ui/Tabs.h"
#include "ui/TextDrawer.h"

namespace velmora {
namespace {

constexpr ColourType NoticeFill{255, 255, 225};  // the system's tooltip yellow
constexpr int BoxTop = 3, BoxHeight = 41;        // inside the bar's 45 rows
constexpr int LineStep = 12;                     // three lines of 13-pixel text fit the box
constexpr int SignSize = 13;

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = text.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(' ', end);
    }
    return words;
}

// Drops the last line's words until it holds "..." within width.
void EndWithEllipsis(std::string& line, int width, TextDrawer& drawer) {
    while (!line.empty() && drawer.TextWidth(line + "...") > width) {
        const std::size_t space = line.rfind(' ');
        line.resize(space == std::string::npos ? 0 : space);
    }
    line += "...";
}

// A yellow triangle with a black rim and an exclamation mark, 13 pixels wide.
void DrawWarningSign(PictureType& picture, int left, int top) {
    for (int r = 0; r < SignSize; ++r) {
        const int half = r / 2, centre = left + SignSize / 2;
        picture.Fill(centre - half, top + r, 2 * half + 1, 1,
                     r == SignSize - 1 ? palette::Black : palette::Yellow);
        picture.Put(centre - half, top + r, palette::Black);
        picture.Put(centre + half, top + r, palette::Black);
    }
    picture.Fill(left + SignSize / 2, top + 4, 1, 5, palette::Black);
    picture.Put(left + SignSize / 2, top + 10, palette::Black);
}

}  // namespace

std::vector<std::string> NoticeLines(const MainWindowStatus& status, int width, TextDrawer& text) {
    const bool blocked = status.InputBlockedNotice;
    std::vector<std::string> lines =
        WrapWords(blocked ? BlockedInputTitle() : SwitchWaitsTitle(), width, 2, text);
    const std::vector<std::string> advice = WrapWords(blocked ? BlockedInputAdvice() : SwitchWaitsAdvice(),
                                                      width, 3 - static_cast<int>(lines.size()), text);
    lines.insert(lines.end(), advice.begin(), advice.end());
    return lines;
}

namespace {

// A raised Silver button whose caption takes up to two lines.
void DrawNoticeButton(PictureType& picture, const NoticeButtonBox& box, TextDrawer& text) {
    const int width = box.Right - box.Left, height = box.Bottom - box.Top;
    picture.Fill(box.Left, box.Top, width, height, palette::Black);
    picture.Fill(box.Left, box.Top, width - 1, height - 1, palette::White);
    picture.Fill(box.Left + 1, box.Top + 1, width - 2, height - 2, palette::Grey);
    picture.Fill(box.Left + 1, box.Top + 1, width - 3, height - 3, palette::Silver);
    const std::vector<std::string> lines = WrapWords(RunAsAdministratorCaption(), width - 6, 2, text);
    int y = box.Top + (height - LineStep * static_cast<int>(lines.size())) / 2;
    const ClipBox clip{box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2};
    for (const std::string& line : lines) {
        text.DrawText(picture, box.Left + (width - text.TextWidth(line)) / 2, y, line, palette::Black, clip);
        y += LineStep;
    }
}

}  // namespace

std::string RunAsAdministratorCaption() {
    return Translate("*Run as administrator*");
}

NoticeButtonBox NoticeButtonFor(int controllerCount) {
    const NoticeSpan span = NoticeSpanFor(controllerCount);
    return {span.Right - 4 - NoticeButtonWidth, BoxTop + 4, span.Right - 4, BoxTop + BoxHeight - 4};
}

bool NoticeButtonAt(int controllerCount, int x, int y) {
    const NoticeButtonBox box = NoticeButtonFor(controllerCount);
    return x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom;
}

std::string BlockedInputTitle() {
    return Translate("*Input cannot reach the window in front*");
}

std::string BlockedInputAdvice() {
    return Translate("*It runs as administrator.*") + " " +
           Translate("*To control it, run Velmora as administrator.*");
}

std::string BlockedInputTrayTip() {
    return "Velmora\n" + BlockedInputTitle() + "\n" + BlockedInputAdvice();
}

std::string SwitchWaitsTitle() {
    return Translate("*A profile switch waits*");
}

std::string SwitchWaitsAdvice() {
    return Translate("*Save the profile or close its settings window.*");
}

std::string SwitchWaitsTrayTip() {
    return "Velmora\n" + SwitchWaitsTitle() + "\n" + SwitchWaitsAdvice();
}

std::vector<std::string> WrapWords(std::string_view text, int width, int maxLines, TextDrawer& drawer) {
    std::vector<std::string> lines;
    if (maxLines <= 0) return lines;
    for (std::string_view word : Words(text)) {
        if (!lines.empty() && drawer.TextWidth(lines.back() + ' ' + std::string(word)) <= width) {
            lines.back() += ' ';
            lines.back() += word;
            continue;
        }
        if (static_cast<int>(lines.size()) == maxLines) {
            EndWithEllipsis(lines.back(), width, drawer);
            return lines;
        }
        lines.emplace_back(word);
    }
    return lines;
}

NoticeSpan NoticeSpanFor(int controllerCount) {
    NoticeSpan span{8, NoticeRight};
    if (controllerCount > 0) {
        const TabGeometry tabs = TabsFor(controllerCount);
        // Past the last tab's frame and its opening in the separator.
        span.Left = TabLeft(tabs, controllerCount - 1) + tabs.Width + 10;
    }
    if (span.Right - span.Left < NoticeMinWidth) span.Left = 4;
    return span;
}

void DrawElevationNotice(PictureType& picture, const LayoutScene& scene, TextDrawer& text) {
    if (!scene.Status.InputBlockedNotice && !scene.Status.ProgramSwitchNotice) return;
    const NoticeSpan span = NoticeSpanFor(static_cast<int>(scene.Controllers.size()));
    const int width = span.Right - span.Left;
    picture.Fill(span.Left, BoxTop, width, BoxHeight, palette::Black);
    picture.Fill(span.Left + 1, BoxTop + 1, width - 2, BoxHeight - 2, NoticeFill);
    DrawWarningSign(picture, span.Left + 5, BoxTop + (BoxHeight - SignSize) / 2);
    int textRight = span.Right - 4;
    if (scene.Status.InputBlockedNotice) {
        const NoticeButtonBox button = NoticeButtonFor(static_cast<int>(scene.Controllers.size()));
        DrawNoticeButton(picture, button, text);
        textRight = button.Left - 4;
    }
    const int textLeft = span.Left + SignSize + 10;
    const std::vector<std::string> lines = NoticeLines(scene.Status, textRight - textLeft, text);
    const int count = static_cast<int>(lines.size());
    int y = BoxTop + (BoxHeight - LineStep * count - 1) / 2;
    const ClipBox clip{textLeft, BoxTop + 1, textRight, BoxTop + BoxHeight - 1};
    for (const std::string& line : lines) {
        text.DrawText(picture, textLeft, y, line, palette::Black, clip);
        y += LineStep;
    }
}

}  // namespace velmora
