#pragma once
// Profiles that follow the program in front: the rules the user keeps in
// "Velmora.ini" and the question whether one fits the window in front.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr std::size_t MaxProgramRules = 32;
inline constexpr int NoProgramRule = -1;

// One rule: when File's program is in front (with Title in its window's
// title, when given), each controller of the Controller model (every one
// when empty) opens Profile.
struct ProgramRuleType {
    std::string File;        // a file name or a full path, compared without regard to case
    std::string Title;       // empty, or a part of the window's title
    std::string Controller;  // empty, or a controller model's product name
    std::string Profile;     // absolute in memory, relative to the program's folder in the file

    friend bool operator==(const ProgramRuleType&, const ProgramRuleType&) = default;
};

// The program whose window is in front. Path is empty when the program
// could not be named (it runs above us, or went away): then only rules with
// a title part can match, by the title alone.
struct FrontProgram {
    std::string Path;
    std::string Title;
};

// Equal without regard to case (the letters of the Latin, Greek and Cyrillic
// alphabets, as Windows compares file names).
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// The part after the last "\" or "/".
std::string_view FileNamePart(std::string_view path);

bool RuleMatches(const ProgramRuleType& rule, const FrontProgram& front);
// The index of the first rule that matches, or NoProgramRule.
int FirstMatchingRule(const std::vector<ProgramRuleType>& rules, const FrontProgram& front);
// Whether the rule is for a controller of this product name.
bool RuleCoversController(const ProgramRuleType& rule, std::string_view productName);

}  // namespace velmora
