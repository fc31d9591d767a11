#pragma once
// Language strings: every user-visible text is written as an English key
// between asterisks, "*Save*", and translated where it is shown. The
// translations come from the first ".velmoralanguage" file in the program's
// folder, loaded by the first translation.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/UserInterface.h"

namespace velmora {

class FileAccess;
struct ConfigurationType;

inline constexpr std::string_view LanguageFileExtension = "velmoralanguage";
inline constexpr std::size_t MaxLanguagePairs = 4096;

struct LanguagePair {
    std::string Key;    // the English text, without asterisks
    std::string Value;  // its translation; empty or spaces: untranslated
};

struct LanguageDatabaseType {
    std::vector<LanguagePair> Pairs;
};

// The key without its first and last characters, replaced by its translation
// when the loaded language has a non-empty one.
std::string Translate(std::string_view key);

// Where messages about the language file go while it loads (none by default).
void SetLanguageUserInterface(UserInterface* ui);
// Loads the first language file of the program's folder, once per run.
void LoadLanguage();
// Shows every text in English from now on, whatever language files exist.
void UseEnglish();
// Forgets the loaded language, so that the next translation loads it again.
void ResetLanguage();
// The loaded language.
const LanguageDatabaseType& LoadedLanguage();

// Every entry of the file becomes a pair, its value without spaces at either end.
bool ReadLanguageFile(const std::string& fileName, LanguageDatabaseType& database, UserInterface& ui);
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
