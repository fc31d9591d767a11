#include "model/ProgramRules.h"

#include <algorithm>

#include "base/TextEncoding.h"

namespace velmora {
namespace {

// Whether text holds part at pos, letters compared without regard to case.
bool HoldsAt(std::string_view text, std::size_t pos, std::string_view part) {
    for (std::size_t at = 0; at < part.size();) {
        if (pos >= text.size() ||
            SmallLetter(NextCharacter(text, pos)) != SmallLetter(NextCharacter(part, at)))
            return false;
    }
    return true;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    for (std::size_t pos = 0; pos < text.size(); NextCharacter(text, pos))
        if (HoldsAt(text, pos, part)) return true;
    return part.empty();
}

// A rule's file with a folder in it names one program; a bare name names
// that program wherever it is installed.
bool FileMatches(std::string_view ruleFile, std::string_view path) {
    if (path.empty() || ruleFile.empty()) return false;
    if (FileNamePart(ruleFile).size() != ruleFile.size()) return SameTextIgnoringCase(ruleFile, path);
    return SameTextIgnoringCase(ruleFile, FileNamePart(path));
}

}  // namespace

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && HoldsAt(a, 0, b);
}

std::string_view FileNamePart(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool RuleMatches(const ProgramRuleType& rule, const FrontProgram& front) {
    if (!rule.Title.empty() && !ContainsIgnoringCase(front.Title, rule.Title)) return false;
    // A program that cannot be named is matched by its title alone.
    if (front.Path.empty()) return !rule.Title.empty();
    return FileMatches(rule.File, front.Path);
}

int FirstMatchingRule(const std::vector<ProgramRuleType>& rules, const FrontProgram& front) {
    for (std::size_t i = 0; i < rules.size(); ++i)
        if (RuleMatches(rules[i], front)) return static_cast<int>(i);
    return NoProgramRule;
}

bool RuleCoversController(const ProgramRuleType& rule, std::string_view productName) {
    return rule.Controller.empty() || rule.Controller == productName;
}

}  // namespace velmora
