// The notice in the top bar that input cannot reach the window in front: its
// line breaking, its place beside or over the tabs, and what it leaves alone.

#include <gtest/gtest.h>

#include "base/Language.h"
#include "support/PictureWorld.h"
#include "ui/ElevationNotice.h"

namespace velmora {
namespace {

struct Wrapping : ::testing::Test {
    std::unique_ptr<TextDrawer> Text = MakePixelFontTextDrawer();
    const std::string Sentence = "input cannot reach the window in front";

    std::string Joined(const std::vector<std::string>& lines) {
        std::string all;
        for (const std::string& line : lines) all += (all.empty() ? "" : " ") + line;
        return all;
    }
};

TEST_F(Wrapping, LinesKeepEveryWordInOrderWithinTheWidth) {
    const int width = Text->TextWidth("input cannot reach");
    const auto lines = WrapWords(Sentence, width, 5, *Text);
    EXPECT_GT(lines.size(), 1u);
    for (const std::string& line : lines) EXPECT_LE(Text->TextWidth(line), width) << line;
    EXPECT_EQ(Joined(lines), Sentence);
    // Each line took as many words as fit: the next line's first word would not.
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string next = lines[i + 1].substr(0, lines[i + 1].find(' '));
        EXPECT_GT(Text->TextWidth(lines[i] + " " + next), width) << lines[i];
    }
}

TEST_F(Wrapping, ExtraSpacesGoAndAWordWiderThanTheLineGetsALineOfItsOwn) {
    EXPECT_EQ(WrapWords("  run   as admin ", 1000, 3, *Text), (std::vector<std::string>{"run as admin"}));
    const auto lines = WrapWords("a administrator b", Text->TextWidth("administ"), 5, *Text);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "administrator", "b"}));
}

TEST_F(Wrapping, TooManyLinesEndTheLastWithAnEllipsisThatFits) {
    const int width = Text->TextWidth("reach the window");
    const auto lines = WrapWords(Sentence, width, 2, *Text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].ends_with("...")) << lines[1];
    EXPECT_LE(Text->TextWidth(lines[1]), width);
    EXPECT_TRUE(WrapWords(Sentence, width, 0, *Text).empty());
}

// The tray copies its texts into fixed fields and cuts what does not fit:
// a balloon title of 63 characters, a tip of 127, a balloon text of 255.
TEST(NoticeTexts, EnglishTextsFitTheTrayFieldsWhole) {
    UseEnglish();
    EXPECT_LE(BlockedInputTitle().size(), 63u) << BlockedInputTitle();
    EXPECT_LE(BlockedInputTrayTip().size(), 127u) << BlockedInputTrayTip();
    EXPECT_LE(BlockedInputAdvice().size(), 255u) << BlockedInputAdvice();
    EXPECT_LE(SwitchWaitsTrayTip().size(), 127u) << SwitchWaitsTrayTip();
}

// The notice of a waiting switch names both reasons; none of its words is
// cut, however many tabs leave it room.
TEST_F(Wrapping, TheWaitingSwitchsNoticeIsNeverCut) {
    UseEnglish();
    MainWindowStatus status;
    status.ProgramSwitchNotice = true;
    for (int count = 0; count <= 16; ++count) {
        const NoticeSpan span = NoticeSpanFor(count);
        const int width = span.Right - 4 - (span.Left + 23);  // right of the warning sign
        for (const std::string& line : NoticeLines(status, width, *Text))
            EXPECT_FALSE(line.ends_with("...")) << count << ": " << line;
    }
}

TEST(NoticeSpan, SitsRightOfTheTabsWhileTheyLeaveRoomElseCoversThem) {
    EXPECT_EQ(NoticeSpanFor(0).Left, 8);
    bool covered = false;
    for (int count = 1; count <= 16; ++count) {
        const NoticeSpan span = NoticeSpanFor(count);
        const TabGeometry tabs = TabsFor(count);
        const int tabsEnd = TabLeft(tabs, count - 1) + tabs.Width + 6;  // the separator's opening
        EXPECT_EQ(span.Right, NoticeRight);
        if (span.Left > tabsEnd) {
            EXPECT_FALSE(covered) << count << " tabs: more tabs cannot leave more room";
            EXPECT_GE(span.Right - span.Left, NoticeMinWidth) << count;
        } else {
            covered = true;
            EXPECT_EQ(span.Left, 4) << count;
            // With the span right of the tabs the texts would not have had their room.
            EXPECT_LT(NoticeRight - (tabsEnd + 4), NoticeMinWidth) << count;
        }
    }
    EXPECT_TRUE(NoticeSpanFor(1).Left > 8);
    EXPECT_TRUE(covered);
}

struct NoticePicture : ::testing::Test {
    test::World Plain, Noticed;

    void SetUp() override { UseEnglish(); }
    void DrawBoth(int controllers) {
        Plain.Connect(controllers, 0);
        Noticed.Connect(controllers, 0);
        Noticed.Scene.Status.InputBlockedNotice = true;
        Plain.Draw();
        Noticed.Draw();
    }
    bool SameRect(int left, int top, int right, int bottom) const {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (Plain.At(x, y) != Noticed.At(x, y)) return false;
        return true;
    }
    int CountInk(int left, int top, int right, int bottom) const {
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) ink += Noticed.At(x, y) == palette::Black ? 1 : 0;
        return ink;
    }
};

TEST_F(NoticePicture, ChangesNothingBelowTheBarNorTheTopRightButtons) {
    DrawBoth(1);
    EXPECT_TRUE(SameRect(0, 45, PictureWidth, PictureHeight));
    EXPECT_TRUE(SameRect(NoticeRight, 0, PictureWidth, 45));
    EXPECT_FALSE(SameRect(0, 0, PictureWidth, 45));
}

TEST_F(NoticePicture, OneTabStaysVisibleBesideTheBox) {
    DrawBoth(1);
    const NoticeSpan span = NoticeSpanFor(1);
    EXPECT_TRUE(SameRect(0, 0, span.Left, 45));
    // A framed box with text in it: its corners are the frame, its inside has ink.
    EXPECT_EQ(Noticed.At(span.Left, 3), palette::Black);
    EXPECT_EQ(Noticed.At(span.Right - 1, 43), palette::Black);
    EXPECT_NE(Noticed.At(span.Left + 1, 4), palette::Black);
    EXPECT_GT(CountInk(span.Left + 25, 5, span.Right - 4, 42), 100);
}

TEST_F(NoticePicture, ManyTabsAreCoveredSoThatTheTextsHaveRoom) {
    DrawBoth(8);
    EXPECT_FALSE(SameRect(4, 4, 60, 42));
    EXPECT_EQ(Noticed.At(4, 20), palette::Black);  // the box's left frame over the first tab
}

// The button is where a click finds it: inside the box, left of its frame,
// with its caption drawn, and the notice's texts stop short of it.
TEST_F(NoticePicture, TheButtonSitsAtTheBoxsRightEndWhereTheClickFindsIt) {
    for (int controllers : {1, 8}) {
        DrawBoth(controllers);
        const NoticeSpan span = NoticeSpanFor(controllers);
        const NoticeButtonBox b = NoticeButtonFor(controllers);
        EXPECT_GT(b.Left, span.Left + 100) << controllers;
        EXPECT_LT(b.Right, span.Right) << controllers;
        EXPECT_TRUE(NoticeButtonAt(controllers, b.Left, b.Top));
        EXPECT_TRUE(NoticeButtonAt(controllers, b.Right - 1, b.Bottom - 1));
        EXPECT_FALSE(NoticeButtonAt(controllers, b.Left - 1, b.Top));
        EXPECT_FALSE(NoticeButtonAt(controllers, b.Right, b.Bottom - 1));
        EXPECT_EQ(Noticed.At(b.Left + 2, b.Top + 2), palette::Silver) << controllers;
        EXPECT_GT(CountInk(b.Left + 2, b.Top + 2, b.Right - 2, b.Bottom - 2), 40) << controllers;
        EXPECT_EQ(CountInk(b.Left - 3, b.Top, b.Left, b.Bottom), 0) << controllers;
    }
}

}  // namespace
}  // namespace velmora
