#include <gtest/gtest.h>

#include <algorithm>

#include "base/Language.h"
#include "base/MarkupText.h"
#include "base/Paths.h"
#include "files/LanguageFiles.h"
#include "model/Configuration.h"
#include "support/EncodingTestSupport.h"
#include "support/FileTestSupport.h"
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

// Regression: the first translation came before the program installed its
// interface, and the message of a language file too large to load was lost.
TEST_F(Language, AMessageOfALoadBeforeTheInterfaceIsShownWhenItIsInstalled) {
    std::string text;
    for (int i = 0; i < 4096; ++i) text += "Key" + std::to_string(i) + "=x\r\n";
    folder.Write("Big.velmoralanguage", test::Utf16(text, false, true));
    SetLanguageUserInterface(nullptr);
    EXPECT_EQ(Translate("*Save*"), "Save");
    EXPECT_TRUE(ui.Dialogs.empty());
    SetLanguageUserInterface(&ui);
    SetLanguageUserInterface(nullptr);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File too large to open");
    SetLanguageUserInterface(&ui);
    SetLanguageUserInterface(nullptr);
    EXPECT_EQ(ui.Dialogs.size(), 1u) << "each message is shown once";
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

// Regression: a UTF-16 language file was checked as 0 % translated and the
// checker offered to write a blank one.
TEST_F(Language, CheckReadsAUtf16FileAsItsUtf8Twin) {
    ConfigurationType config;
    const std::string text = "Untitled profile=Unbenannt\r\nSave=Sichern\r\n";
    std::vector<std::string> compatibility;
    for (const std::string& bytes : {text, test::Utf16(text, false, true), test::Utf16(text, true, false)}) {
        const std::string checked = folder.Write("Deutsch.velmoralanguage", bytes);
        const std::string updated =
            folder.File("New Deutsch " + std::to_string(compatibility.size()) + ".velmoralanguage");
        ui.ChosenFiles = {checked, updated};
        ui.Answers = {1};
        ui.Dialogs.clear();
        CheckLanguageFile(config, ui);
        ASSERT_FALSE(ui.Dialogs.empty());
        compatibility.push_back(ui.Dialogs[0].Values.substr(ui.Dialogs[0].Values.rfind('#') + 1));
        EXPECT_NE(ReadBytes(updated).find("\r\nUntitled profile=Unbenannt\r\n"), std::string::npos);
    }
    EXPECT_EQ(compatibility[1], compatibility[0]);
    EXPECT_EQ(compatibility[2], compatibility[0]);
}

// The program reads language files only from its own folder, which the save
// dialog may not start in.
TEST_F(Language, ANewFileIsToldWhereVelmoraReadsLanguageFiles) {
    ConfigurationType config;
    const std::string path = folder.File("Mine.velmoralanguage");
    ui.ChosenFiles = {path};
    NewLanguageFile(config, ui);
    ASSERT_EQ(ui.SaveDialogs.size(), 1u);
    EXPECT_EQ(ui.SaveDialogs[0].Caption, "Language - Velmora reads language files from its own folder");
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Message,
              "Open this file in a text editor for instructions.##Velmora reads language "
              "files from its own folder:#" +
                  PlainText(ProgramFolder()));
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
