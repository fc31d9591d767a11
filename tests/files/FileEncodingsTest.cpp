// Every reader gets the files Windows users have: UTF-8 with and without a
// byte-order mark, UTF-16 either way round with and without one, and the
// system's ANSI page; and a file with nothing readable is left alone.

#include <gtest/gtest.h>

#include <memory>

#include "base/FileAccess.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "files/ConfigurationFile.h"
#include "files/ControllerFiles.h"
#include "files/ProfileFiles.h"
#include "model/Configuration.h"
#include "model/ProfileModel.h"
#include "support/EncodingTestSupport.h"
#include "support/ProfileTestSupport.h"

namespace velmora {
namespace {

using test::AnsiPageScope;
using test::EveryEncoding;
using test::ReadBytes;
using test::RecordingUserInterface;
using test::TempFolder;
using test::WrittenEncoding;

// "Jump", "Left stick", "Pad", "Help" and "Save" in Russian.
constexpr std::string_view Jump = "\xD0\x9F\xD1\x80\xD1\x8B\xD0\xB6\xD0\xBE\xD0\xBA";
constexpr std::string_view LeftStick = "\xD0\x9B\xD0\xB5\xD0\xB2\xD1\x8B\xD0\xB9";
constexpr std::string_view PadWord = "\xD0\x9F\xD1\x83\xD0\xBB\xD1\x8C\xD1\x82";
constexpr std::string_view Help = "\xD0\xA1\xD0\xBF\xD1\x80\xD0\xB0\xD0\xB2\xD0\xBA\xD0\xB0";
constexpr std::string_view Save = "\xD0\xA1\xD0\xBE\xD1\x85\xD1\x80\xD0\xB0\xD0\xBD\xD0\xB8\xD1\x82\xD1\x8C";

std::string Line(std::string_view name, std::string_view value) {
    return std::string(name) + "=" + std::string(value) + "\r\n";
}

// The first line is an entry: a byte-order mark must not swallow it.
TEST(FileEncodings, EveryReaderReadsEveryEncodingFromItsFirstEntry) {
    for (const WrittenEncoding& encoding : EveryEncoding()) {
        SCOPED_TRACE(encoding.Name);
        AnsiPageScope page(encoding.SystemPage);
        TempFolder folder;
        RecordingUserInterface ui;

        FileAccess file(ui);
        ASSERT_TRUE(file.LoadTextFile(folder.Write("t.txt", encoding.Encode(Line("Name", Jump))), true));
        EXPECT_EQ(file.Encoding, encoding.Expected);

        test::ProfileRead profile;
        ASSERT_TRUE(
            profile.Read(encoding.Encode(Line("Set1Button1Name", Jump) + Line("Set1Button1Slots", "A"))));
        EXPECT_EQ(profile.At(0, Button1).Name, Jump);
        EXPECT_EQ(profile.At(0, Button1).Slots.Codes, std::vector<std::uint8_t>{*FindSlotCode("A")});

        auto layout = std::make_unique<ControllerFileType>();
        const std::string layoutText = Line("Button1Name", Jump) + Line("Stick1Name", LeftStick);
        ASSERT_TRUE(ReadControllerFile(folder.Write("pad.velmoracontroller", encoding.Encode(layoutText)),
                                       *layout, ui));
        EXPECT_EQ(layout->ButtonNames[0], Jump);
        EXPECT_EQ(layout->StickNames[0], LeftStick);

        ConfigurationType config;
        const std::string ini = Line("Controller1Name", PadWord) + Line("Controller1ID", "0,0,0,1") +
                                Line("Controller1File", "/p/c.x") +
                                Line("Program1File", std::string(Jump) + ".exe") +
                                Line("Program1Title", Help) + Line("Program1Profile", "/p/j.velmoraprofile");
        ReadConfigurationFile(config, ui, folder.Write("Velmora.ini", encoding.Encode(ini)), folder.Folder());
        ASSERT_EQ(config.KnownCount, 1);
        EXPECT_EQ(config.KnownControllers[0].Identity.DeviceName, PadWord);
        ASSERT_EQ(config.ProgramRules.size(), 1u);
        EXPECT_EQ(config.ProgramRules[0].File, std::string(Jump) + ".exe");
        EXPECT_EQ(config.ProgramRules[0].Title, Help);

        LanguageDatabaseType language;
        const std::string languageText = Line("Help", Help) + Line("Save", Save);
        ASSERT_TRUE(ReadLanguageFile(folder.Write("ru.velmoralanguage", encoding.Encode(languageText)),
                                     language, ui));
        ASSERT_EQ(language.Pairs.size(), 2u);
        EXPECT_EQ(language.Pairs[0].Key, "Help");
        EXPECT_EQ(language.Pairs[0].Value, Help);
        EXPECT_TRUE(ui.Dialogs.empty());
    }
}

// The Western page is still the fallback where no system page is installed.
TEST(FileEncodings, AnsiFilesReadThroughTheSystemsPage) {
    TempFolder folder;
    RecordingUserInterface ui;
    test::ProfileRead western;
    ASSERT_TRUE(western.Read("Set1Button1Name=Caf\xE9 \x80\r\n"));
    EXPECT_EQ(western.At(0, Button1).Name, "Caf\xC3\xA9 \xE2\x82\xAC");

    AnsiPageScope page(&test::FakeCp1251ToUtf8);
    test::ProfileRead russian;
    ASSERT_TRUE(russian.Read(test::SingleByte(Line("Set1Button1Name", Help), true)));
    EXPECT_EQ(russian.At(0, Button1).Name, Help);
}

// One invalid line makes the whole file ANSI: the file is decided as a whole.
TEST(FileEncodings, AMixedFileIsReadInTheAnsiPage) {
    AnsiPageScope page(&test::FakeCp1251ToUtf8);
    TempFolder folder;
    RecordingUserInterface ui;
    FileAccess file(ui);
    const std::string mixed = Line("Help", "plain") + Line("Save", test::SingleByte(Save, true));
    ASSERT_TRUE(file.LoadTextFile(folder.Write("mixed.txt", mixed), true));
    EXPECT_EQ(file.Encoding, FileEncoding::Ansi);
    EXPECT_EQ(file.FindValue("Help", {}), "plain");
    EXPECT_EQ(file.FindValue("Save", {}), Save);
}

// Regression: a UTF-16 profile loaded empty and its next Save wrote the empty
// profile over it. It now loads, and saving writes UTF-8 without a mark.
TEST(FileEncodings, AUtf16ProfileSavesAsUtf8WithItsAssignments) {
    test::ProfileRead r;
    ASSERT_TRUE(
        r.Read(test::Utf16(Line("Set1Button1Name", Jump) + Line("Set1Button1Slots", "A"), false, true)));
    r.Profile.FileName = r.Folder.File("saved.velmoraprofile");
    ASSERT_TRUE(WriteProfile(r.Profile, r.Ui));
    const std::string saved = ReadBytes(r.Profile.FileName);
    EXPECT_TRUE(IsValidUtf8(saved));
    EXPECT_FALSE(saved.starts_with("\xEF\xBB\xBF"));
    EXPECT_NE(saved.find(Line("Set1Button1Name", Jump)), std::string::npos);
    test::ProfileRead again;
    ASSERT_TRUE(again.Read(saved));
    EXPECT_EQ(again.At(0, Button1).Name, Jump);
    EXPECT_EQ(again.At(0, Button1).Slots.Codes, r.At(0, Button1).Slots.Codes);
}

TEST(FileEncodings, AUtf16ConfigurationKeepsItsControllerLinksThroughASave) {
    TempFolder folder;
    RecordingUserInterface ui;
    const std::string saved = ProgramFolder();
    SetProgramFolder(folder.Folder());
    ConfigurationType config;
    const std::string ini =
        Line("Controller1Name", PadWord) + Line("Controller1ID", "0,0,0,1") + Line("Controller1File", "c.x");
    folder.Write("Velmora.ini", test::Utf16(ini, false, false));
    ReadConfiguration(config, ui, folder.Folder());
    config.ConfigurationChanged = true;
    SaveConfigurationIfChanged(config, ui);
    SetProgramFolder(saved);
    const std::string text = ReadBytes(folder.File("Velmora.ini"));
    EXPECT_NE(text.find(Line("Controller1Name", PadWord)), std::string::npos);
    EXPECT_NE(text.find(Line("Controller1File", "c.x")), std::string::npos);
}

// Lines that are none of entry, comment, section or blank, and no entry: the
// user is told which file and how it was read, and nothing replaces it.
constexpr std::string_view Unreadable = "\x81\x8D\x8F nothing here\r\n\x90\x9D\r\n";

void ExpectUnreadableMessage(const RecordingUserInterface& ui, const std::string& path,
                             std::string_view encoding) {
    ASSERT_FALSE(ui.Dialogs.empty());
    const MessageDialog& d = ui.Dialogs.front();
    EXPECT_EQ(d.Kind, DialogKind::Error);
    EXPECT_EQ(d.Heading, "File holds nothing Velmora can read");
    EXPECT_EQ(d.Captions, "$Name$#$Type$#$Location$#$Encoding$");
    EXPECT_EQ(d.Values, FileTitle(path) + "#" + FileExtension(path) + "#" + FileFolder(path) + "#" +
                            std::string(encoding));
}

TEST(FileEncodings, AFileWithNothingReadableIsNamedAndNeverWrittenOver) {
    TempFolder folder;
    RecordingUserInterface ui;
    test::ProfileRead profile;
    EXPECT_FALSE(profile.Read(std::string(Unreadable)));
    ExpectUnreadableMessage(profile.Ui, profile.Path, "ANSI");

    const std::string saved = ProgramFolder();
    SetProgramFolder(folder.Folder());
    const std::string ini = folder.Write("Velmora.ini", std::string(Unreadable));
    ConfigurationType config;
    ReadConfiguration(config, ui, folder.Folder());
    config.ConfigurationChanged = true;
    SaveConfigurationIfChanged(config, ui);
    SetProgramFolder(saved);
    ExpectUnreadableMessage(ui, ini, "ANSI");
    EXPECT_EQ(ReadBytes(ini), Unreadable);

    RecordingUserInterface languageUi;
    LanguageDatabaseType language;
    const std::string languageFile = folder.Write("x.velmoralanguage", std::string(Unreadable));
    EXPECT_FALSE(ReadLanguageFile(languageFile, language, languageUi));
    ExpectUnreadableMessage(languageUi, languageFile, "ANSI");
}

TEST(FileEncodings, FilesOfOnlyCommentsSectionsAndBlanksAreNotUnreadable) {
    test::ProfileRead r;
    EXPECT_TRUE(r.Read(test::Utf16("; a comment\r\n[Assignments]\r\n\r\n", false, true)));
    EXPECT_TRUE(r.Ui.Dialogs.empty());
    EXPECT_TRUE(r.Read(""));
    EXPECT_TRUE(r.Ui.Dialogs.empty());
}

}  // namespace
}  // namespace velmora
