// The markup of formatted text and the message dialog's logic.

#include <gtest/gtest.h>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/MarkupText.h"
#include "ui/Markup.h"

namespace velmora {
namespace {

std::vector<std::string> Texts(std::string_view markup) {
    std::vector<std::string> texts;
    for (const MarkupLine& line : ParseMarkup(markup)) texts.push_back(LineText(line));
    return texts;
}

// Each line as "plain[bold]plain" so that runs are easy to compare.
std::vector<std::string> Shapes(std::string_view markup) {
    std::vector<std::string> shapes;
    for (const MarkupLine& line : ParseMarkup(markup)) {
        std::string shape;
        for (const MarkupSpan& span : line.Spans) shape += span.Bold ? "[" + span.Text + "]" : span.Text;
        shapes.push_back(shape);
    }
    return shapes;
}

TEST(Markup, HashesSplitLinesAndTwoGiveAnEmptyLine) {
    EXPECT_EQ(Texts("A##B"), (std::vector<std::string>{"A", "", "B"}));
    EXPECT_EQ(Texts("A#B#"), (std::vector<std::string>{"A", "B"}));  // the final "#" is not doubled
    EXPECT_EQ(Texts("A"), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Texts("#"), (std::vector<std::string>{""}));
    EXPECT_TRUE(Texts("").empty());
}

TEST(Markup, DollarsSwitchBoldAndAreNotShown) {
    EXPECT_EQ(Shapes("$Name$ is #plain $and$ $two$"),
              (std::vector<std::string>{"[Name] is ", "plain [and] [two]"}));
    EXPECT_EQ(Shapes("$$x"), (std::vector<std::string>{"x"}));  // an empty run shows nothing
}

TEST(Markup, UnbalancedDollarLeavesTheRestPlain) {
    EXPECT_EQ(Shapes("$a$ b $c#d"), (std::vector<std::string>{"[a] b c", "d"}));
}

TEST(Markup, BoldRunMaySpanLines) {
    EXPECT_EQ(Shapes("x$a#b$y"), (std::vector<std::string>{"x[a]", "[b]y"}));
}

TEST(Markup, OnlyTheFirst32RunsAreBold) {
    std::string text;
    for (int i = 0; i < 34; ++i) text += "$r$ ";
    const std::vector<MarkupLine> lines = ParseMarkup(text);
    ASSERT_EQ(lines.size(), 1u);
    int bold = 0;
    for (const MarkupSpan& span : lines[0].Spans) bold += span.Bold ? 1 : 0;
    EXPECT_EQ(bold, MaxBoldRuns);
    EXPECT_EQ(lines[0].Spans.back().Text, " r r ");  // runs 33 and 34 are plain and merge
}

TEST(MessageDialogLogic, TwoBoldCaptionsPairWithTwoValuesAndPushTheMessageDown) {
    const std::vector<DetailPair> details = PairDetails("$Name$#$Location$", "game.lnk#C:\\Games");
    ASSERT_EQ(details.size(), 2u);
    EXPECT_EQ(details[0].Caption, "Name");
    EXPECT_EQ(details[0].Value, "game.lnk");
    EXPECT_EQ(details[1].Caption, "Location");
    EXPECT_EQ(details[1].Value, "C:\\Games");
    EXPECT_EQ(MessageTop("$Name$#$Location$"), 87);
    EXPECT_EQ(MessageTop(""), 48);
    EXPECT_EQ(MessageTop("$Name$"), 74);
}

TEST(MessageDialogLogic, CaptionWithoutValueGetsAnEmptyOne) {
    const std::vector<DetailPair> details = PairDetails("a#b", "1");
    ASSERT_EQ(details.size(), 2u);
    EXPECT_EQ(details[1].Value, "");
}

// Regression: a "#" or "$" in a file or folder name cut the name, hid the
// "$" and moved every later detail line down by one.
TEST(MessageDialogLogic, NamesAndValuesShowEveryMarkupCharacterAsItIs) {
    UseEnglish();
    const std::string path = "C:\\My #1 $pads$\\pad#2$ \x1B.velmoraprofile";
    const MessageDialog dialog =
        MakeMessage(DialogKind::Error, "*File cannot be saved*", FileDetails(path), "");
    const std::vector<DetailPair> details = PairDetails(dialog.Captions, dialog.Values);
    ASSERT_EQ(details.size(), 3u);
    EXPECT_EQ(details[0].Value, "pad#2$ \x1B");
    EXPECT_EQ(details[1].Value, "velmoraprofile");
    EXPECT_EQ(details[2].Caption, "Location");
    EXPECT_EQ(details[2].Value, "C:\\My #1 $pads$");
    EXPECT_EQ(MessageTop(dialog.Captions), (3 + 1) * 13 + 48);
}

TEST(Markup, PlainTextIsNeverBoldNorALineEnd) {
    EXPECT_EQ(Shapes("$" + PlainText("a$b") + "$#" + PlainText("#x$") + "#"),
              (std::vector<std::string>{"[a$b]", "#x$"}));
    EXPECT_EQ(Texts(PlainText("end#")), (std::vector<std::string>{"end#"}));  // not taken as the final "#"
    EXPECT_EQ(MarkupLineCount(PlainText("a#b#c")), 1u);
}

class DialogButtons : public ::testing::Test {
protected:
    void SetUp() override { UseEnglish(); }
};

TEST_F(DialogButtons, OkSetShowsOnlyTheThirdButtonWhichAnswersZero) {
    EXPECT_EQ(ButtonCaptions(OkButtons), (std::array<std::string, 3>{"", "", "OK"}));
    EXPECT_EQ(ButtonTag(OkButtons, 2), 0);
    EXPECT_EQ(AnswerForTag(ButtonTag(OkButtons, 2)), 0);
}

TEST_F(DialogButtons, QuestionSetsHaveThreeCaptionsAndAnswerOneToThree) {
    EXPECT_EQ(ButtonCaptions(SaveAsButtons),
              (std::array<std::string, 3>{"Save As...", "Do not Save", "Cancel"}));
    EXPECT_EQ(ButtonCaptions(SaveButtons)[0], "Save");
    EXPECT_EQ(ButtonCaptions(OverwriteButtons)[1], "Do not Overwrite");
    EXPECT_EQ(ButtonCaptions(ClearButtons)[0], "Clear");
    for (int button = 0; button < 3; ++button)
        EXPECT_EQ(AnswerForTag(ButtonTag(SaveButtons, button)), button + 1);
}

TEST_F(DialogButtons, ClosingKeepsButton2sTagSoASaveQuestionAnswersCancel) {
    EXPECT_EQ(AnswerForTag(ButtonTag(SaveButtons, 2)), 3);
    EXPECT_EQ(AnswerForTag(-1), 3);  // anything unknown counts as the third button
}

TEST_F(DialogButtons, KindsHaveTheirCaptions) {
    EXPECT_EQ(DialogCaption(DialogKind::Information), "Information");
    EXPECT_EQ(DialogCaption(DialogKind::Confirmation), "Confirmation");
    EXPECT_EQ(DialogCaption(DialogKind::Warning), "Warning");
    EXPECT_EQ(DialogCaption(DialogKind::Error), "Error");
}

}  // namespace
}  // namespace velmora
