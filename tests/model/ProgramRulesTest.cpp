// Which rule fits the program in front.

#include <gtest/gtest.h>

#include "model/ProgramRules.h"

namespace velmora {
namespace {

ProgramRuleType Rule(std::string file, std::string title = {}, std::string controller = {}) {
    return {std::move(file), std::move(title), std::move(controller), "/p/x.velmoraprofile"};
}

TEST(ProgramRules, AFileNameFitsTheProgramWhereverItIsWithoutRegardToCase) {
    const FrontProgram game{"C:\\Games\\Space\\GAME.exe", "Space"};
    EXPECT_TRUE(RuleMatches(Rule("game.EXE"), game));
    EXPECT_FALSE(RuleMatches(Rule("me.exe"), game));  // a name's tail is not the name
    EXPECT_FALSE(RuleMatches(Rule("game"), game));
    EXPECT_FALSE(RuleMatches(Rule(""), game));
}

// Windows sees "ÜBER.EXE" and "über.exe" as one file; a title part typed in
// small letters finds a title in capitals in any of these alphabets.
TEST(ProgramRules, CaseIsIgnoredForLatinGreekAndCyrillicLettersToo) {
    EXPECT_TRUE(RuleMatches(Rule("über-ÉLAN.exe"), {"C:\\Spiele\\ÜBER-élan.EXE", ""}));
    EXPECT_TRUE(RuleMatches(Rule("ŁÓDŹ.exe"), {"C:\\Gry\\łódź.exe", ""}));
    EXPECT_FALSE(RuleMatches(Rule("uber.exe"), {"C:\\Spiele\\über.exe", ""}));  // no accent is another letter
    EXPECT_TRUE(RuleMatches(Rule("g.exe", "ΟΔΥΣΣΕΑΣ"), {"C:\\g.exe", "Οδυσσεας - Level 1"}));
    EXPECT_TRUE(RuleMatches(Rule("g.exe", "ΟΔΥΣΣΕΑΣ"), {"C:\\g.exe", "οδυσσεας"}));  // final sigma
    EXPECT_TRUE(RuleMatches(Rule("g.exe", "война"), {"C:\\g.exe", "ВОЙНА И МИР"}));
    EXPECT_FALSE(RuleMatches(Rule("g.exe", "война"), {"C:\\g.exe", "ВОЙН"}));
    // Bytes that are no UTF-8 match only themselves.
    EXPECT_TRUE(RuleMatches(Rule("g.exe", "\xC3"), {"C:\\g.exe", "a\xC3"}));
    EXPECT_FALSE(RuleMatches(Rule("g.exe", "\xC3"), {"C:\\g.exe", "\xE3"}));
}

TEST(ProgramRules, AFullPathFitsOnlyThatProgram) {
    const FrontProgram game{"C:\\Games\\Space\\game.exe", ""};
    EXPECT_TRUE(RuleMatches(Rule("c:\\games\\SPACE\\game.exe"), game));
    EXPECT_FALSE(RuleMatches(Rule("D:\\Games\\Space\\game.exe"), game));
    EXPECT_FALSE(RuleMatches(Rule("Space\\game.exe"), game));
}

TEST(ProgramRules, ATitlePartMustAlsoBeInTheTitle) {
    const FrontProgram emulator{"C:\\Emu\\emu.exe", "Emu - Racing Stars (USA)"};
    EXPECT_TRUE(RuleMatches(Rule("emu.exe", "racing stars"), emulator));
    EXPECT_FALSE(RuleMatches(Rule("emu.exe", "Puzzle"), emulator));
    EXPECT_FALSE(RuleMatches(Rule("other.exe", "Racing"), emulator));
}

TEST(ProgramRules, AProgramThatCannotBeNamedIsMatchedByTitleOnly) {
    const FrontProgram elevated{"", "Admin Game"};
    EXPECT_TRUE(RuleMatches(Rule("admin.exe", "Admin Game"), elevated));
    EXPECT_FALSE(RuleMatches(Rule("admin.exe"), elevated));  // no title part: nothing to go by
    EXPECT_FALSE(RuleMatches(Rule("admin.exe", "Other"), elevated));
}

TEST(ProgramRules, TheFirstRuleThatFitsWins) {
    const std::vector<ProgramRuleType> rules{Rule("emu.exe", "Puzzle"), Rule("emu.exe"),
                                             Rule("emu.exe", "Racing")};
    EXPECT_EQ(FirstMatchingRule(rules, {"C:\\emu.exe", "Racing"}), 1);
    EXPECT_EQ(FirstMatchingRule(rules, {"C:\\emu.exe", "Puzzle"}), 0);
    EXPECT_EQ(FirstMatchingRule(rules, {"C:\\notepad.exe", "Racing"}), NoProgramRule);
    EXPECT_EQ(FirstMatchingRule({}, {"C:\\emu.exe", ""}), NoProgramRule);
}

TEST(ProgramRules, AControllerLimitNamesOneModel) {
    EXPECT_TRUE(RuleCoversController(Rule("a.exe"), "Any Pad"));
    EXPECT_TRUE(RuleCoversController(Rule("a.exe", "", "Pad X"), "Pad X"));
    EXPECT_FALSE(RuleCoversController(Rule("a.exe", "", "Pad X"), "Pad Y"));
}

}  // namespace
}  // namespace velmora
