// The help topics: every topic of the table has a heading and a text, and the
// texts' markup is well formed.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/Language.h"
#include "ui/HelpTexts.h"
#include "ui/Markup.h"

namespace velmora {
namespace {

class HelpTexts : public ::testing::Test {
protected:
    void SetUp() override { UseEnglish(); }
    HelpValues values{"Windows 10 (10.0.19045)", "1.0", "xinput1_3.dll"};
};

TEST_F(HelpTexts, EveryMenuAndButtonTopicHasAHeadingAndAText) {
    const std::vector<int> expected{11, 12,  13,  14,  15,  21,  31,  32,  33,  34,  35,
                                    36, 37,  40,  41,  42,  46,  51,  52,  53,  54,  55,
                                    56, 100, 101, 102, 103, 106, 107, 108, 109, 110, 111};
    const std::span<const int> numbers = HelpTopicNumbers();
    EXPECT_EQ(std::vector<int>(numbers.begin(), numbers.end()), expected);
    for (const int number : expected) {
        const std::optional<HelpTopic> topic = FindHelpTopic(number, values);
        ASSERT_TRUE(topic) << number;
        EXPECT_FALSE(topic->Heading.empty()) << number;
        EXPECT_GE(MarkupLineCount(topic->Text), 3u) << number;  // a sentence, a gap and more
    }
}

TEST_F(HelpTexts, TextsHaveBalancedBoldMarksAndNoLeftoverAsterisks) {
    for (const int number : HelpTopicNumbers()) {
        const std::string text = FindHelpTopic(number, values)->Text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '$') % 2, 0) << number;
        EXPECT_EQ(text.find('*'), std::string::npos) << number;  // every key went through Translate
        EXPECT_LE(std::count(text.begin(), text.end(), '$') / 2, MaxBoldRuns) << number;
    }
}

TEST_F(HelpTexts, HeadingsFollowTheTable) {
    EXPECT_EQ(FindHelpTopic(110, values)->Heading, "Advanced Starting");
    EXPECT_EQ(FindHelpTopic(46, values)->Heading, "Mouse Settings");
    EXPECT_EQ(FindHelpTopic(109, values)->Heading, "Sets");
    EXPECT_FALSE(FindHelpTopic(43, values));
    EXPECT_FALSE(FindHelpTopic(0, values));
}

TEST_F(HelpTexts, AboutShowsTheRunningValuesAndXInputOnlyWhenLoaded) {
    const std::string about = FindHelpTopic(100, values)->Text;
    EXPECT_NE(about.find("1.0"), std::string::npos);
    EXPECT_NE(about.find("Windows 10 (10.0.19045)"), std::string::npos);
    EXPECT_NE(about.find("#XInput xinput1_3.dll"), std::string::npos);
    values.XInputLibrary.clear();
    EXPECT_EQ(FindHelpTopic(100, values)->Text.find("XInput"), std::string::npos);
}

TEST_F(HelpTexts, AdvancedStartingNamesEverySwitch) {
    const std::string text = FindHelpTopic(110, values)->Text;
    for (const char* word : {"/M", "/C", "/?", ".lnk"}) EXPECT_NE(text.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace velmora
