#pragma once
// Language strings: every user-visible text is written as an English key
// between asterisks, "*Save*", and translated where it is shown. The
// translations come from the first ".velmoralanguage" file in the program's
// folder, loaded by the first translation. The loaded language is the one
// piece of state that every translation shares: it lives in this unit alone.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"

namespace velmora {

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

// Where messages about the language file go while it loads. Messages of a
// load before any interface is installed are held and shown on installing one.
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
}  // namespace velmora
