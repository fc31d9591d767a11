// The key list of the program and the language-file commands of the global
// settings window.

#include "files/LanguageFiles.h"

#include <algorithm>

#include "base/FileAccess.h"
#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/MarkupText.h"
#include "base/NumberText.h"
#include "base/Paths.h"
#include "files/FileDialogs.h"
#include "model/Configuration.h"

namespace velmora {

// Written at build time from the sources (cmake/LanguageKeys.cmake).
extern const std::string_view GeneratedLanguageKeys[];
extern const std::size_t GeneratedLanguageKeyCount;

namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return lower;
}

const LanguagePair* FindPair(const LanguageDatabaseType& database, std::string_view key) {
    for (const LanguagePair& pair : database.Pairs)
        if (pair.Key == key) return &pair;
    return nullptr;
}

// The language dialogs start in their own default folder, which follows the
// user's choice; saving over an existing file asks first. A note follows the
// caption in the dialog's title.
std::string ChooseLanguageFile(ConfigurationType& config, UserInterface& ui, bool save, std::string suggested,
                               std::string_view note = {}) {
    const FileDialog dialog{Translate("*Language*") + (note.empty() ? "" : " - " + std::string(note)),
                            Translate("*Languages*"),
                            std::string(LanguageFileExtension),
                            std::move(suggested),
                            {},
                            false};
    std::string& folder = config.DefaultLanguageLocation;
    return save ? ShowSaveDialog(ui, config, folder, dialog) : ShowOpenDialog(ui, config, folder, dialog);
}

void ShowCreated(UserInterface& ui, std::string_view headingKey, const std::string& file,
                 std::string message) {
    ui.ShowMessageDialog(MakeMessage(DialogKind::Information, headingKey,
                                     {{"*Name*", FileTitle(file)}, {"*Location*", FileFolder(file)}},
                                     std::move(message)));
}

// The checker's own texts are shown as they are, not translated.
int ShowCheckerMessage(UserInterface& ui, DialogKind kind, std::vector<DetailLine> details,
                       std::string message, int buttons) {
    MessageDialog dialog = MakeMessage(kind, "**", details, std::move(message), buttons);
    dialog.Heading = "Language File Checker";
    return ui.ShowMessageDialog(dialog);
}

}  // namespace

const std::vector<std::string_view>& ProgramLanguageKeys() {
    static const std::vector<std::string_view> keys(GeneratedLanguageKeys,
                                                    GeneratedLanguageKeys + GeneratedLanguageKeyCount);
    return keys;
}

void BuildKeyList(LanguageDatabaseType& database) {
    std::vector<std::string> keys(ProgramLanguageKeys().begin(), ProgramLanguageKeys().end());
    std::stable_sort(keys.begin(), keys.end(),
                     [](const std::string& a, const std::string& b) { return LowerCase(a) < LowerCase(b); });
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    if (keys.size() > MaxLanguagePairs) keys.resize(MaxLanguagePairs);
    database.Pairs.clear();
    for (std::string& key : keys) database.Pairs.push_back({std::move(key), {}});
}

LanguageCheckResult CompareWithKeyList(const LanguageDatabaseType& file, LanguageDatabaseType& keyList) {
    LanguageCheckResult result;
    for (LanguagePair& pair : keyList.Pairs) {
        const LanguagePair* found = FindPair(file, pair.Key);
        pair.Value = found && !found->Value.empty() ? found->Value : "  ";
        if (!found)
            ++result.MissingLines;
        else if (found->Value.empty())
            ++result.MissingTranslations;
    }
    return result;
}

std::string CompatibilityText(const LanguageCheckResult& result, std::size_t keyCount) {
    const long long complete =
        static_cast<long long>(keyCount) - result.MissingTranslations - result.MissingLines;
    const long long percent = keyCount == 0 ? 0 : complete * 100 / static_cast<long long>(keyCount);
    return std::to_string(percent) + "% (" + std::to_string(result.MissingTranslations) +
           " missing translations, " + std::to_string(result.MissingLines) + " missing lines)";
}

void NewLanguageFile(ConfigurationType& config, UserInterface& ui) {
    // A new file is used only from the program's folder, which the dialog
    // may not start in: say so where the place is chosen, and again after.
    const std::string where = Translate("*Velmora reads language files from its own folder*");
    const std::string file = ChooseLanguageFile(config, ui, true, Translate("*New Language*"), where);
    if (file.empty()) return;
    LanguageDatabaseType keys;
    BuildKeyList(keys);
    const std::vector<std::string> information{
        "Change the lines below to EnglishText=YourText", "To use the English text leave YourText blank",
        "The file must be saved and Velmora must be restarted for any changes in this file to be shown",
        "You can delete these four lines after you have read them"};
    if (WriteLanguageFile(file, keys, information, ui))
        ShowCreated(ui, "*New Language file created*", file,
                    Translate("*Open this file in a text editor for instructions.*") + "##" + where + ":#" +
                        PlainText(ProgramFolder()));
}

void CheckLanguageFile(ConfigurationType& config, UserInterface& ui) {
    const std::string checked = ChooseLanguageFile(config, ui, false, {});
    LanguageDatabaseType read;
    if (checked.empty() || !ReadLanguageFile(checked, read, ui)) return;
    LanguageDatabaseType keys;
    BuildKeyList(keys);
    const LanguageCheckResult result = CompareWithKeyList(read, keys);
    std::vector<DetailLine> details{{"*Name*", FileTitle(checked)}, {"*Location*", FileFolder(checked)}};
    if (result.MissingTranslations == 0 && result.MissingLines == 0) {
        ShowCheckerMessage(ui, DialogKind::Information, details,
                           "This language file 100% translated and up-to-date.", OkButtons);
        return;
    }
    details.push_back({"*Compatibility*", CompatibilityText(result, keys.Pairs.size())});
    if (ShowCheckerMessage(
            ui, DialogKind::Confirmation, details,
            "Save a new re-ordered file with new lines added and missing translations identified?",
            SaveAsButtons) != 1)
        return;
    const std::string file =
        ChooseLanguageFile(config, ui, true, Translate("*New*") + " " + FileTitle(checked));
    if (file.empty()) return;
    const std::vector<std::string> information{
        "This is an updated version of " + FileTitle(checked),
        "Missing translations are set to two spaces. Search for a double space, delete and translate",
        "You can delete these three lines after you have read them"};
    if (WriteLanguageFile(file, keys, information, ui))
        ShowCreated(ui, "*New updated Language file created*", file,
                    Translate("*Open this file in a text editor for updated instructions.*"));
}

void AddLanguageEntries(FileAccess& file, const LanguageDatabaseType& database,
                        const std::vector<std::string>& information) {
    const std::string hyphens(126, '-');
    file.AddComment(hyphens);
    file.AddComment(" Velmora Language File v" + VersionString());
    file.AddComment("");
    file.AddComment(" YOUR INFORMATION HERE (Name, etc)");
    file.AddComment("");
    if (!information.empty() && !information[0].empty()) {
        for (std::size_t i = 0; i < information.size() && i < 4; ++i)
            if (!information[i].empty()) file.AddComment(" - " + information[i]);
        file.AddComment("");
    }
    file.AddComment(hyphens);
    file.AddBlankLine();
    for (const LanguagePair& pair : database.Pairs) file.AddEntry(pair.Key, pair.Value);
}

bool WriteLanguageFile(const std::string& fileName, const LanguageDatabaseType& database,
                       const std::vector<std::string>& information, UserInterface& ui) {
    FileAccess file(ui);
    AddLanguageEntries(file, database, information);
    return file.SaveTextFile(fileName, true);
}

}  // namespace velmora
