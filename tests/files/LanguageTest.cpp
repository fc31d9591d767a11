#include <gtest/gtest.h>

#include <algorithm>

#include "base/Language.h"
#include "base/Paths.h"
#include "support/FileTestSupport.h"
#include "files/LanguageFiles.h"
#include "model/Configuration.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::RecordingUserInterface;
using test::TempFolder;

// Points the program's folder at a scratch folder and forgets the loaded
// language before and after, so that no other test sees a translation.
class Language : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingUserInterface ui;
    std::string savedFolder = ProgramFolder();

    void SetUp() override {
        SetProgramFolder(folder.Folder());
        ResetLanguage();
    }
    void TearDown() override {
        SetProgramFolder(savedFolder);
        ResetLanguage();
    }
};

TEST_F(Language, WithoutAFileTextsShowInEnglish) {
    EXPECT_EQ(Translate("*Save*"), "Save");
    EXPECT_TRUE(LoadedLanguage().Pairs.empty());
}

TEST_F(Language, TranslatesOnlyExactNamesWithNonEmptyValues) {
    folder.Write("French.velmoralanguage",
                 "; comment\r\nSave=Enregistrer \r\nOpen=\r\nCancel=  \r\nsave as=x\r\nClose =Fermer\r\n"
                 "Help=Aide\r\nHelp=Later\r\n");
    EXPECT_EQ(Translate("*Save*"), "Enregistrer");
    EXPECT_EQ(Translate("*Open*"), "Open");
    EXPECT_EQ(Translate("*Cancel*"), "Cancel");
    EXPECT_EQ(Translate("*Save As*"), "Save As");
    EXPECT_EQ(Translate("*Close*"), "Close");  // the name ends with the space
    EXPECT_EQ(Translate("*Help*"), "Aide");    // the first pair of a name wins
}

TEST_F(Language, OnlyTheFirstFileOfTheFolderListingIsUsed) {
    folder.Write("A.velmoralanguage", "Save=Alpha\n");
    folder.Write("B.velmoralanguage", "Save=Beta\n");
    folder.Write("Notes.txt", "Save=Text\n");
    std::string first;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Folder()))
        if (entry.path().extension() == ".velmoralanguage") {
            first = entry.path().stem().string();
            break;
        }
    EXPECT_EQ(Translate("*Save*"), first == "A" ? "Alpha" : "Beta");
}

TEST_F(Language, TooManyLinesLeaveTheLanguageEmpty) {
    std::string text;
    for (int i = 0; i < 4096; ++i) text += "Key" + std::to_string(i) + "=x\r\n";
    folder.Write("Big.velmoralanguage", text + "Save=Big\r\n");
    SetLanguageUserInterface(&ui);
    EXPECT_EQ(Translate("*Save*"), "Save");
    SetLanguageUserInterface(nullptr);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File too large to open");
}

TEST_F(Language, WrittenFileHasItsHeaderAndReadsBack) {
    LanguageDatabaseType database{{{"Save", "Sauver"}, {"Open", ""}}};
    const std::string path = folder.File("x.velmoralanguage");
    ASSERT_TRUE(WriteLanguageFile(path, database, {"First", "", "Third"}, ui));
    const std::string text = ReadBytes(path);
    const std::string hyphens = ";" + std::string(126, '-') + "\r\n";
    EXPECT_EQ(text,
              hyphens +
                  "; Velmora Language File v2007.12\r\n;\r\n; YOUR INFORMATION HERE (Name, etc)\r\n;\r\n"
                  "; - First\r\n; - Third\r\n;\r\n" +
                  hyphens + "\r\nSave=Sauver\r\nOpen=\r\n");
    LanguageDatabaseType read;
    ASSERT_TRUE(ReadLanguageFile(path, read, ui));
    ASSERT_EQ(read.Pairs.size(), 2u);
    EXPECT_EQ(read.Pairs[0].Value, "Sauver");

    ASSERT_TRUE(WriteLanguageFile(path, database, {"", "Second"}, ui));
    EXPECT_EQ(ReadBytes(path).find("Second"), std::string::npos);
}

TEST(LanguageKeys, ListHoldsTheKeysWrittenInTheSourcesSortedWithoutCase) {
    LanguageDatabaseType keys;
    BuildKeyList(keys);
    auto has = [&](std::string_view key) {
        return std::any_of(keys.Pairs.begin(), keys.Pairs.end(),
                           [&](const LanguagePair& p) { return p.Key == key; });
    };
    EXPECT_TRUE(has("File cannot be saved"));
    EXPECT_TRUE(has("Untitled profile"));
    EXPECT_TRUE(has("Automatic controller file selection added"));
    EXPECT_TRUE(has("This is not a valid value. The DPad Access has loaded as \"None\"."));
    EXPECT_FALSE(has("") || has("*"));
    for (std::size_t i = 1; i < keys.Pairs.size(); ++i) {
        std::string a = keys.Pairs[i - 1].Key, b = keys.Pairs[i].Key;
        std::transform(a.begin(), a.end(), a.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
        std::transform(b.begin(), b.end(), b.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
        EXPECT_LE(a, b) << i;
        EXPECT_NE(keys.Pairs[i - 1].Key, keys.Pairs[i].Key);
        EXPECT_TRUE(keys.Pairs[i].Value.empty());
    }
}

TEST(LanguageKeys, CheckingCountsMissingTranslationsAndLines) {
    LanguageDatabaseType keyList;
    for (int i = 0; i < 1000; ++i) keyList.Pairs.push_back({"Key " + std::to_string(i), {}});
    LanguageDatabaseType file;
    for (int i = 999; i >= 1; --i)
        file.Pairs.push_back({"Key " + std::to_string(i), "T" + std::to_string(i)});
    file.Pairs[0].Value.clear();  // "Key 999" untranslated
    file.Pairs.push_back({"Old key", "gone"});
    const LanguageCheckResult result = CompareWithKeyList(file, keyList);
    EXPECT_EQ(result.MissingTranslations, 1);
    EXPECT_EQ(result.MissingLines, 1);
    EXPECT_EQ(CompatibilityText(result, keyList.Pairs.size()),
              "99% (1 missing translations, 1 missing lines)");
    EXPECT_EQ(keyList.Pairs[0].Value, "  ");
    EXPECT_EQ(keyList.Pairs[5].Value, "T5");
    EXPECT_EQ(keyList.Pairs[999].Value, "  ");
    EXPECT_EQ(keyList.Pairs.size(), 1000u);
}

TEST_F(Language, CheckOffersAnUpdatedFileAndWritesIt) {
    ConfigurationType config;
    config.DefaultLanguageLocation = "nowhere";
    const std::string checked =
        folder.Write("Deutsch.velmoralanguage", "Untitled profile=Unbenannt\nZzz old=x\n");
    const std::string updated = folder.File("New Deutsch.velmoralanguage");
    ui.ChosenFiles = {checked, updated};
    ui.Answers = {1};
    CheckLanguageFile(config, ui);
    EXPECT_EQ(config.DefaultLanguageLocation, folder.Folder());
    EXPECT_TRUE(config.ConfigurationChanged);
    ASSERT_EQ(ui.SaveDialogs.size(), 1u);
    EXPECT_EQ(ui.SaveDialogs[0].SuggestedName, "New Deutsch");
    EXPECT_EQ(ui.SaveDialogs[0].Extension, "velmoralanguage");
    ASSERT_EQ(ui.Dialogs.size(), 2u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Language File Checker");
    EXPECT_EQ(ui.Dialogs[0].Buttons, SaveAsButtons);
    EXPECT_NE(ui.Dialogs[0].Values.find("missing lines)"), std::string::npos);
    EXPECT_EQ(ui.Dialogs[1].Heading, "New updated Language file created");
    const std::string text = ReadBytes(updated);
    EXPECT_NE(text.find("; - This is an updated version of Deutsch\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nUntitled profile=Unbenannt\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nFile cannot be saved=  \r\n"), std::string::npos);
    EXPECT_EQ(text.find("Zzz old"), std::string::npos);
}

TEST_F(Language, NewFileListsEveryKeyAndCancelWritesNothing) {
    ConfigurationType config;
    NewLanguageFile(config, ui);
    EXPECT_TRUE(ui.Dialogs.empty());
    ASSERT_EQ(ui.SaveDialogs.size(), 1u);
    EXPECT_EQ(ui.SaveDialogs[0].SuggestedName, "New Language");

    const std::string path = folder.File("Mine.velmoralanguage");
    ui.ChosenFiles = {path};
    NewLanguageFile(config, ui);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "New Language file created");
    LanguageDatabaseType read, keys;
    ASSERT_TRUE(ReadLanguageFile(path, read, ui));
    BuildKeyList(keys);
    EXPECT_EQ(read.Pairs.size(), keys.Pairs.size());
}

}  // namespace
}  // namespace velmora
