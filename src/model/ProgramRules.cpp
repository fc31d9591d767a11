#include "model/ProgramRules.h"

#include <algorithm>

namespace velmora {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                   [](char a, char b) { return Lower(a) == Lower(b); });
    return found != text.end() || part.empty();
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
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
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
