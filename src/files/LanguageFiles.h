#pragma once
// Language files as the user makes and checks them: a new file lists every key
// of the program, a check compares a file with the keys.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Language.h"
#include "base/UserInterface.h"

namespace velmora {

class FileAccess;
struct ConfigurationType;

// The lines of a language file: the header with up to four information
// lines, then one line per pair.
void AddLanguageEntries(FileAccess& file, const LanguageDatabaseType& database,
                        const std::vector<std::string>& information);
bool WriteLanguageFile(const std::string& fileName, const LanguageDatabaseType& database,
                       const std::vector<std::string>& information, UserInterface& ui);

// Every key the program uses, sorted by lower-case form, with empty values.
void BuildKeyList(LanguageDatabaseType& database);
// The keys written between asterisks in the program's sources, listed at
// build time, in no particular order.
const std::vector<std::string_view>& ProgramLanguageKeys();

// What a check found: untranslated keys and keys without a line.
struct LanguageCheckResult {
    int MissingTranslations = 0;
    int MissingLines = 0;
};
// Fills the template's values from the file: a missing translation or line
// becomes two spaces. Pairs of the file that are not in the template are dropped.
LanguageCheckResult CompareWithKeyList(const LanguageDatabaseType& file, LanguageDatabaseType& keyList);
// "99% (1 missing translations, 1 missing lines)"
std::string CompatibilityText(const LanguageCheckResult& result, std::size_t keyCount);

// The global settings window's commands: a new empty language file listing
// every key, and a check of a language file against the keys.
void NewLanguageFile(ConfigurationType& config, UserInterface& ui);
void CheckLanguageFile(ConfigurationType& config, UserInterface& ui);

}  // namespace velmora
