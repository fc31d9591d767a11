#include <gtest/gtest.h>

#include "files/ControllerFiles.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::ReadBytes;
using test::RecordingUserInterface;
using test::TempFolder;

void PlaceGroup(ControllerFileType& layout, int up, std::int32_t top, std::int32_t left) {
    layout.Locations[up] = {top, left};
    layout.Locations[up + 1] = {top + 30, left + 30};
    layout.Locations[up + 2] = {top + 60, left};
    layout.Locations[up + 3] = {top + 30, left - 30};
}

// A layout with every group placed, every access set and every name filled.
std::unique_ptr<ControllerFileType> FullLayout() {
    auto layout = std::make_unique<ControllerFileType>();
    for (int b = 0; b < 32; ++b) layout->Locations[b] = {1 + b * 7, 1 + b * 15};
    PlaceGroup(*layout, DPadUp, 10, 60);
    PlaceGroup(*layout, Stick1Up, 100, 200);
    PlaceGroup(*layout, Stick2Up, 100, 400);
    layout->Locations[TriggerLeft] = {1, 1};
    layout->Locations[TriggerRight] = {225, 481};
    NormaliseLocations(*layout);
    layout->DPadAccess = {
        {{DPadKind::POV, 0, 0}, {DPadKind::Axis, 7, 0}, {DPadKind::Button, 0, 31}, {DPadKind::Button, 0, 0}}};
    layout->StickAccess = {{{{{0, 0, 0}, {1, 1, 0}}}, {{{5, 1, 0}, {6, 0, 0}}}}};
    layout->TriggerAccess = {{{2, 1, 1}, {3, 0, 1}}};
    for (int b = 0; b < 32; ++b) layout->ButtonNames[b] = "B" + std::to_string(b) + " = x";
    layout->DPadName = "Hat";
    layout->DPadDirectionNames = {"N", "E", "S", "W"};
    layout->StickNames = {"Left Stick", "Right Stick"};
    layout->StickDirectionNames = {"u", "r", "d", "l"};
    layout->TriggerNames = {"LT", "RT"};
    for (int r = 0; r < ImageHeight; r += 3)
        for (int c = 0; c < ImageWidth; ++c)
            SetPixel(*layout, r, c, static_cast<std::uint32_t>((r * 7919 + (c / 5) * 104729) & 0xFFFFFF));
    return layout;
}

class ControllerFiles : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingUserInterface ui;

    std::unique_ptr<ControllerFileType> Read(const std::string& path, bool expected = true) {
        auto layout = std::make_unique<ControllerFileType>();
        EXPECT_EQ(ReadControllerFile(path, *layout, ui), expected);
        return layout;
    }
    std::string WriteText(const std::string& lines) { return folder.Write("Pad.velmoracontroller", lines); }
};

TEST_F(ControllerFiles, WritingAndReadingGivesBackTheWholeLayout) {
    auto layout = FullLayout();
    layout->FileName = folder.File("My Pad.velmoracontroller");
    layout->Changed = 1;
    ASSERT_TRUE(WriteControllerFile(*layout, ui));
    EXPECT_EQ(layout->Changed, 0);

    auto read = std::make_unique<ControllerFileType>();
    read->Identity = {"Pad", 7};
    read->Changed = 1;
    ASSERT_TRUE(ReadControllerFile(layout->FileName, *read, ui));
    EXPECT_TRUE(ui.Dialogs.empty());
    EXPECT_EQ(read->Identity, (ControllerIDType{"Pad", 7}));
    EXPECT_EQ(read->Name, "My Pad");
    EXPECT_EQ(read->FileName, layout->FileName);
    EXPECT_EQ(read->Changed, 0);
    EXPECT_EQ(read->Locations, layout->Locations);
    EXPECT_EQ(read->DPadAccess, layout->DPadAccess);
    EXPECT_EQ(read->StickAccess, layout->StickAccess);
    EXPECT_EQ(read->TriggerAccess, layout->TriggerAccess);
    EXPECT_EQ(read->ButtonNames, layout->ButtonNames);
    EXPECT_EQ(read->DPadName, layout->DPadName);
    EXPECT_EQ(read->DPadDirectionNames, layout->DPadDirectionNames);
    EXPECT_EQ(read->StickNames, layout->StickNames);
    EXPECT_EQ(read->StickDirectionNames, layout->StickDirectionNames);
    EXPECT_EQ(read->TriggerNames, layout->TriggerNames);
    EXPECT_TRUE(read->Image == layout->Image);
    EXPECT_EQ(read->Indicators[TriggersIndicator].Present, 1);
    EXPECT_EQ(read->Indicators[TriggersIndicator].Top, 225 - 18);
}

TEST_F(ControllerFiles, FileStartsWithItsHeaderAndSkipsBackgroundRows) {
    ControllerFileType layout;
    layout.FileName = folder.File("Blank.velmoracontroller");
    layout.Locations[TriggerLeft] = {20, 30};
    ASSERT_TRUE(WriteControllerFile(layout, ui));
    const std::string text = ReadBytes(layout.FileName);
    EXPECT_EQ(text.substr(0, 104),
              ";-------------------------\r\n; Velmora Controller File\r\n;-------------------------\r\n\r\n"
              "Version=2007.12\r\n\r\n");
    EXPECT_NE(
        text.find("[Button Locations]\r\nTriggerLeftLocation=30,20\r\n\r\n[Access]\r\n\r\n[Names]\r\n\r\n"
                  "[Image]\r\n"),
        std::string::npos);
    EXPECT_EQ(text.find("ImageLine"), std::string::npos);

    auto read = Read(layout.FileName);
    EXPECT_EQ(PixelValue(*read, 128, 256), Magenta);
}

TEST_F(ControllerFiles, LocationsAreClampedAndIncompleteGroupsRemoved) {
    const std::string path = WriteText(
        "Button1Location=300\nButton2Location=600,300\nStick2UpLocation=100,100\nStick2XAccess=Axis X\n"
        "Stick1XAccess=Axis Y\nTriggerRightLocation=40,40\nTriggerRightAccess=Axis Z\n");
    auto read = Read(path);
    EXPECT_EQ(read->Locations[0], (Location{1, 300}));
    EXPECT_EQ(read->Locations[1], (Location{225, 481}));
    EXPECT_EQ(read->Locations[Stick2Up], Location{});
    EXPECT_EQ(read->StickAccess[0][0].Axis, NoAxis);
    EXPECT_EQ(read->StickAccess[1][0].Axis, NoAxis);
    EXPECT_EQ(read->Locations[TriggerRight], Location{});
    EXPECT_EQ(read->TriggerAccess[1].Axis, NoAxis);
    EXPECT_TRUE(ui.Dialogs.empty());
}

TEST_F(ControllerFiles, BadAccessValuesLoadAsNotSetAndNameTheKeyAndValue) {
    const std::string path = WriteText(
        "DPadUpLocation=50,50\nDPadUpAccess=Button 33\nDPadRightAccess=Button 7\n"
        "Stick1UpLocation=100,100\nStick1XAccess=Axis X inverted\nStick1YAccess=Axis Y Inverted\n"
        "TriggerLeftLocation=9,9\nTriggerLeftAccess=Axis Q\n");
    auto read = Read(path);
    EXPECT_EQ(read->DPadAccess[0].Kind, DPadKind::None);
    EXPECT_EQ(read->DPadAccess[1], (DPadDirectionAccess{DPadKind::Button, 0, 6}));
    EXPECT_EQ(read->StickAccess[0][0].Axis, NoAxis);
    EXPECT_EQ(read->StickAccess[0][1], (AxisAccess{1, 1, 0}));
    EXPECT_EQ(read->TriggerAccess[0].Axis, NoAxis);
    ASSERT_EQ(ui.Dialogs.size(), 3u);
    const MessageDialog& stick = ui.Dialogs[1];
    EXPECT_EQ(stick.Kind, DialogKind::Error);
    EXPECT_EQ(stick.Heading, "Bad Stick Access value found in controller file");
    EXPECT_EQ(stick.Captions, "$Controller File$#$Location$#$Name$#$Value$");
    EXPECT_EQ(stick.Values, "Pad#" + folder.Folder() + "#Stick1XAccess#Axis X inverted");
    EXPECT_EQ(stick.Message, "This is not a valid value. The Stick Access has loaded as \"None\".");
    EXPECT_EQ(ui.Dialogs[0].Heading, "Bad DPad Access value found in controller file");
    EXPECT_EQ(ui.Dialogs[2].Heading, "Bad Trigger Access value found in controller file");
}

// The picture's rows are found by one walk of the file's entries: only a
// row's own key counts (no leading zero, no row 0 or 257, case as written),
// the last line of a row wins, and an empty last line leaves it blank.
TEST_F(ControllerFiles, OnlyEachRowsOwnKeyIsReadAndTheLastLineOfARowWins) {
    auto read =
        Read(WriteText("ImageLine1=0,5\nImageLine007=0,6\nImageLine0=0,7\nImageLine257=0,8\nimageline9=0,9\n"
                       "ImageLine256=0,A\nImageLine2=0,B\nImageLine2=0,C\nImageLine3=0,D\nImageLine3=\n"
                       "ImageLine10x=0,E\n"));
    EXPECT_EQ(PixelValue(*read, 0, 0), 5u);
    EXPECT_EQ(PixelValue(*read, 255, 0), 0xAu);
    EXPECT_EQ(PixelValue(*read, 1, 0), 0xCu);
    for (const int blank : {2, 6, 8, 9}) EXPECT_EQ(PixelValue(*read, blank, 0), Magenta) << "row " << blank;
}

TEST_F(ControllerFiles, NewerVersionIsRefusedBeforeTheLayoutIsTouched) {
    const std::string path = WriteText("Version=2008.01\r\nButton1Location=10,10\r\n");
    ControllerFileType layout;
    layout.Name = "Old";
    EXPECT_FALSE(ReadControllerFile(path, layout, ui));
    EXPECT_EQ(layout.Name, "Old");
    EXPECT_EQ(layout.Locations[0], Location{});
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Cannot open newer controller file");
    EXPECT_EQ(ui.Dialogs[0].Captions, "$Controller File$#$Location$");
}

TEST_F(ControllerFiles, FileWithoutVersionIsReadAndMissingFileFails) {
    auto read = Read(WriteText("Button1Location=10,20\n"));
    EXPECT_EQ(read->Locations[0], (Location{20, 10}));
    Read(folder.File("missing.velmoracontroller"), false);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File cannot be found or cannot be opened");
}

TEST_F(ControllerFiles, WriteFailureKeepsTheLayoutChanged) {
    ControllerFileType layout;
    layout.FileName = folder.File("no such folder/Pad.velmoracontroller");
    layout.Changed = 1;
    EXPECT_FALSE(WriteControllerFile(layout, ui));
    EXPECT_EQ(layout.Changed, 1);
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "File cannot be saved");
}

}  // namespace
}  // namespace velmora
