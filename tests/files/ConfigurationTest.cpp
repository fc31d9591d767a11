#include <gtest/gtest.h>

#include "base/FileAccess.h"
#include "base/Paths.h"
#include "files/ConfigurationFile.h"
#include "model/Configuration.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::RecordingUserInterface;
using test::TempFolder;

class Configuration : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder documents;
    RecordingUserInterface ui;
    ConfigurationType config;
    std::string savedFolder = ProgramFolder();

    void SetUp() override { SetProgramFolder(folder.Folder()); }
    void TearDown() override { SetProgramFolder(savedFolder); }

    void ReadFrom(const std::string& text) {
        folder.Write("Velmora.ini", text);
        ReadConfiguration(config, ui, documents.Folder());
    }
    std::string Written() {
        EXPECT_TRUE(WriteConfiguration(config, ui));
        return ReadBytes(folder.File("Velmora.ini"));
    }
};

TEST_F(Configuration, MissingFileGivesDefaultsAndIsCreatedAtTheEnd) {
    config.StartMinimized = true;
    ReadConfiguration(config, ui, documents.Folder());
    EXPECT_TRUE(config.ConfigurationChanged);
    EXPECT_FALSE(config.StartMinimized);
    EXPECT_TRUE(config.AutoOpenLastProfile);
    EXPECT_EQ(config.DefaultProfileLocation, documents.Folder());
    EXPECT_EQ(config.WindowPositions[MainWindowPosition], (WindowPositionType{65535, 65535}));
    EXPECT_EQ(config.ThemeButtons, VistaButtons);
    EXPECT_EQ(config.KnownCount, 0);
    EXPECT_TRUE(ui.Dialogs.empty());

    SaveConfigurationIfChanged(config, ui);
    EXPECT_FALSE(config.ConfigurationChanged);
    const std::string text = ReadBytes(folder.File("Velmora.ini"));
    EXPECT_TRUE(
        text.starts_with(";----------------------------\r\n; Velmora Configuration File\r\n"
                         ";----------------------------\r\n\r\n[Default Locations]\r\n"));
    ReadConfiguration(config, ui, documents.Folder());
    EXPECT_FALSE(config.ConfigurationChanged);
}

// The fault: a file that was there but failed to load was written over at
// the end with defaults, losing the known controllers and recent profiles.
TEST_F(Configuration, AFileThatFailsToLoadIsNeverWrittenOverAndTheUserIsToldOnce) {
    std::string text = "[Controllers]\r\nController1Name=Pad\r\n";
    for (int line = 0; line < 5000; ++line)
        text += "Unused" + std::to_string(line) + "=0\r\n";  // past the limit
    ReadFrom(text);
    EXPECT_TRUE(config.ConfigurationUnread);
    EXPECT_FALSE(config.ConfigurationChanged);
    EXPECT_EQ(config.KnownCount, 0);
    ASSERT_FALSE(ui.Dialogs.empty());
    EXPECT_EQ(ui.Dialogs.back().Heading, "Configuration file not read");
    const std::size_t told = ui.Dialogs.size();
    config.ConfigurationChanged = true;  // the user changes settings meanwhile
    config.StartMinimized = true;
    SaveConfigurationIfChanged(config, ui);
    EXPECT_EQ(ReadBytes(folder.File("Velmora.ini")), text);
    EXPECT_EQ(ui.Dialogs.size(), told);
}

TEST_F(Configuration, EveryFieldSurvivesWritingAndReading) {
    config.DefaultControllerLocation = folder.File("Layouts");
    config.DefaultProfileLocation = folder.Folder();
    config.DefaultImageLocation = documents.File("Pictures");
    config.DefaultLanguageLocation = documents.Folder();
    config.StartWithWindows = config.StartMinimized = true;
    config.AutoOpenLastProfile = config.ShowIconInNotificationArea = false;
    config.WindowPositions[HelpWindowPosition] = {12, 34};
    config.WindowPositions[TriggerSettingsWindowPosition] = {0, 65535};
    config.DefaultStickDeadZone = 200;
    config.DefaultTriggerDeadZone = 9;
    config.Interface[2] = {1, 2, 3};
    config.Background[0] = {250, 0, 7};
    config.ThemeImage = folder.File("theme.bmp");
    config.ThemeButtons = GradientButtons;
    config.KnownCount = 2;
    config.KnownControllers[0] = {
        {"Pad", 0x046DC216},
        folder.File("Pad.velmoracontroller"),
        {folder.File("a.velmoraprofile"), documents.File("b.velmoraprofile"), "", ""}};
    config.KnownControllers[1] = {{"Stick", 0xFFFFFFFF}, documents.File("Stick.velmoracontroller"), {}};
    const std::string text = Written();
    EXPECT_NE(text.find("DefaultControllerLocation=Layouts\r\nDefaultProfileLocation=\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Controller1ID=4,109,194,22\r\nController1File=Pad.velmoracontroller\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("ThemeButtons=Gradient\r\n"), std::string::npos);

    ConfigurationType read;
    ReadConfiguration(read, ui, "elsewhere");
    EXPECT_EQ(read.DefaultControllerLocation, config.DefaultControllerLocation);
    EXPECT_EQ(read.DefaultProfileLocation, config.DefaultProfileLocation);
    EXPECT_EQ(read.DefaultImageLocation, config.DefaultImageLocation);
    EXPECT_TRUE(read.StartWithWindows && read.StartMinimized);
    EXPECT_FALSE(read.AutoOpenLastProfile || read.ShowIconInNotificationArea);
    EXPECT_EQ(read.WindowPositions, config.WindowPositions);
    EXPECT_EQ(read.DefaultStickDeadZone, 200);
    EXPECT_EQ(read.DefaultTriggerDeadZone, 9);
    EXPECT_EQ(read.Interface, config.Interface);
    EXPECT_EQ(read.Background, config.Background);
    EXPECT_EQ(read.ThemeImage, config.ThemeImage);
    EXPECT_EQ(read.ThemeButtons, GradientButtons);
    ASSERT_EQ(read.KnownCount, 2);
    EXPECT_EQ(read.KnownControllers[0].Identity, config.KnownControllers[0].Identity);
    EXPECT_EQ(read.KnownControllers[0].ControllerFile, config.KnownControllers[0].ControllerFile);
    EXPECT_EQ(read.KnownControllers[0].RecentProfiles, config.KnownControllers[0].RecentProfiles);
    EXPECT_EQ(read.KnownControllers[1].Identity, config.KnownControllers[1].Identity);
    EXPECT_FALSE(read.ConfigurationChanged);
}

TEST_F(Configuration, BadValuesTakeTheirDefaults) {
    ReadFrom(
        "Interface1=10\nBackground2=1,x,3\nThemeButtons=Shiny\nDefaultStickDeadZone=0\n"
        "DefaultTriggerDeadZone=256\nStartWithWindows=yes\nAutoOpenLastProfile=0\n"
        "MainWindowPosition=100\nDefaultImageLocation=\n");
    EXPECT_EQ(config.Interface[0], (ColourType{10, 15, 63}));
    EXPECT_EQ(config.Background[1], (ColourType{1, 0, 3}));
    EXPECT_EQ(config.ThemeButtons, VistaButtons);
    EXPECT_EQ(config.DefaultStickDeadZone, 64);
    EXPECT_EQ(config.DefaultTriggerDeadZone, 1);
    EXPECT_FALSE(config.StartWithWindows);
    EXPECT_FALSE(config.AutoOpenLastProfile);
    EXPECT_EQ(config.WindowPositions[MainWindowPosition], (WindowPositionType{100, 65535}));
    EXPECT_EQ(config.DefaultImageLocation, folder.Folder());  // present but empty: the program's folder
    EXPECT_NE(Written().find("ThemeButtons=Vista\r\n"), std::string::npos);
}

TEST_F(Configuration, KnownListClosesGapsAndDropsDuplicates) {
    ReadFrom(
        "Controller1Name=Pad\nController1ID=0,0,0,1\nController1File=\n"
        "Controller2Name=Pad\nController2ID=0,0,0,1\nController2File=pad.velmoracontroller\n"
        "Controller2Recent1=A\nController2Recent3=A\nController2Recent4=B\n"
        "Controller3Name=Pad\nController3ID=0,0,0,1\nController3File=other.velmoracontroller\n"
        "Controller4Name=  \nController4File=x.velmoracontroller\n"
        "Controller5Name=pad\nController5ID=0,0,0,1\nController5File=lower.velmoracontroller\n");
    ASSERT_EQ(config.KnownCount, 2);
    const KnownControllerDataType& first = config.KnownControllers[0];
    EXPECT_EQ(first.ControllerFile, folder.File("pad.velmoracontroller"));
    EXPECT_EQ(first.RecentProfiles, (std::array<std::string, 4>{folder.File("A"), folder.File("B"), "", ""}));
    EXPECT_EQ(config.KnownControllers[1].Identity.DeviceName, "pad");
    const std::string text = Written();
    EXPECT_NE(text.find("Controller1File=pad.velmoracontroller\r\n"), std::string::npos);
    EXPECT_NE(text.find("Controller2Name=pad\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Controller3"), std::string::npos);
}

// Regression: a layout or profile on a share was read back with a drive in
// front and saved that way.
TEST_F(Configuration, NetworkAndLongPathsSurviveReadingAndWriting) {
    SetProgramFolder("C:\\Velmora");
    const std::string share = "\\\\nas\\pads\\pad.velmoracontroller";
    const std::string longPath = "\\\\?\\D:\\Pads\\game.velmoraprofile";
    ReadConfigurationFile(
        config, ui,
        folder.Write("Velmora.ini", "Controller1Name=Pad\nController1ID=0,0,0,1\nController1File=" + share +
                                        "\nController1Recent1=" + longPath + "\n"),
        documents.Folder());
    ASSERT_EQ(config.KnownCount, 1);
    EXPECT_EQ(config.KnownControllers[0].ControllerFile, share);
    EXPECT_EQ(config.KnownControllers[0].RecentProfiles[0], longPath);
    FileAccess file(ui);
    AddConfigurationEntries(file, config);
    EXPECT_EQ(file.FindValue("Controller1File", {}), share);
    EXPECT_EQ(file.FindValue("Controller1Recent1", {}), longPath);
}

}  // namespace
}  // namespace velmora
