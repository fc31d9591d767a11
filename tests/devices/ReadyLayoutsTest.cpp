// Which layout a plugged-in controller gets: its file when the known list
// names one, else its ready layout, never written anywhere by itself.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Paths.h"
#include "devices/ReadyLayouts.h"
#include "files/ControllerFiles.h"
#include "support/DeviceWorld.h"
#include "support/FileTestSupport.h"

namespace velmora::test {
namespace {

constexpr std::string_view PS4Line =
    "030000004c050000c405000000000000,PS4 Controller,a:b1,b:b2,back:b8,dpdown:h0.4,dpleft:h0.8,dpright:h0.2,"
    "dpup:h0.1,guide:b12,leftshoulder:b4,leftstick:b10,lefttrigger:a3,leftx:a0,lefty:a1,rightshoulder:b5,"
    "rightstick:b11,righttrigger:a4,rightx:a2,righty:a5,start:b9,touchpad:b13,x:b0,y:b3,platform:Windows,\n";

// The program folder holds a database with the PS4 pad for the test's length.
struct DatabaseFolder {
    TempFolder Folder;
    std::string Saved = ProgramFolder();
    explicit DatabaseFolder(const std::string& text = std::string(PS4Line)) {
        Folder.Write("gamecontrollerdb.txt", text);
        SetProgramFolder(Folder.Folder());
        ForgetProgramControllerDatabase();
    }
    ~DatabaseFolder() {
        SetProgramFolder(Saved);
        ForgetProgramControllerDatabase();
    }
    std::size_t Files() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(Folder.Folder()),
                                                      std::filesystem::directory_iterator{}));
    }
};

FakeDevice PS4Pad() {
    FakeDevice d = MakeFakeDevice("Wireless Controller", 3, 1, 0x054C, 0x05C4);
    d.Caps = {6, 14, 1, false};
    d.Axes = {{AxisObjectType::X, false},  {AxisObjectType::Y, false},  {AxisObjectType::Z, false},
              {AxisObjectType::RX, false}, {AxisObjectType::RY, false}, {AxisObjectType::RZ, false}};
    return d;
}

FakeDevice XInputLookAlike() {
    FakeDevice d = MakeFakeDevice("Controller (XBOX 360 For Windows)", 4, 1, 0x1234, 0x5678);
    d.Caps = {5, 10, 1, false};
    d.Axes = {{AxisObjectType::X, false},
              {AxisObjectType::Y, false},
              {AxisObjectType::Z, false},
              {AxisObjectType::RX, false},
              {AxisObjectType::RY, false}};
    return d;
}

TEST(ReadyLayoutAtPlug, AModelWithoutAFileGetsItsReadyLayoutUnsavedAndUnknown) {
    DatabaseFolder database;
    DeviceWorld w;
    w.Api.Plug(PS4Pad());
    w.Rescan();
    const ControllerFileType& layout = w.List.LayoutOf(w.Pad(0));
    EXPECT_EQ(layout.ButtonNames[1], "Cross");
    EXPECT_EQ(layout.TriggerNames[0], "L2");
    EXPECT_EQ(layout.StickAccess[1][0], (AxisAccess{2, 0, 0})) << "the right stick on Z";
    EXPECT_TRUE(Stick2Placed(layout));
    EXPECT_NE(layout.PictureVersion, 0u) << "the picture was drawn";
    EXPECT_TRUE(layout.FileName.empty());
    EXPECT_EQ(layout.Changed, 0) << "nothing to save until the user edits it";
    EXPECT_EQ(w.Config.KnownCount, 0u) << "the known list gets no entry";
    EXPECT_EQ(database.Files(), 1u) << "nothing written";
    EXPECT_TRUE(w.Ui.Dialogs.empty());
}

TEST(ReadyLayoutAtPlug, AKnownFileWinsAndAFileThatCannotBeReadLeavesTheReadyLayout) {
    DatabaseFolder database;
    ControllerFileType own;
    own.FileName = database.Folder.File("mine.velmoracontroller");
    own.ButtonNames[1] = "Mine";
    RecordingUserInterface ui;
    ASSERT_TRUE(WriteControllerFile(own, ui));

    DeviceWorld w;
    w.Know("Wireless Controller", 0x054C05C4, own.FileName);
    w.Api.Plug(PS4Pad());
    w.Rescan();
    EXPECT_EQ(w.List.LayoutOf(w.Pad(0)).ButtonNames[1], "Mine");
    EXPECT_EQ(w.List.LayoutOf(w.Pad(0)).FileName, own.FileName);

    DeviceWorld broken;
    broken.Know("Wireless Controller", 0x054C05C4, database.Folder.File("gone.velmoracontroller"));
    broken.Api.Plug(PS4Pad());
    broken.Rescan();
    ASSERT_FALSE(broken.Ui.Dialogs.empty());
    EXPECT_EQ(broken.Ui.Dialogs.back().Heading, "Cannot auto-open controller file");
    EXPECT_EQ(broken.List.LayoutOf(broken.Pad(0)).ButtonNames[1], "Cross");
}

TEST(ReadyLayoutAtPlug, UnknownModelsStayBlankAndXInputLookAlikesGetXInputsLayout) {
    DatabaseFolder database;
    DeviceWorld w;
    w.Api.Plug(MakeFakeDevice("Stick", 5, 1, 0x1111, 0x2222));
    w.Api.Plug(XInputLookAlike());
    w.Rescan();
    ASSERT_EQ(w.List.Count(), 2u);
    for (const ControllerDataType& c : w.List.Controllers) {
        const ControllerFileType& layout = w.List.LayoutOf(c);
        if (c.Identity.DeviceName == "Stick") {
            EXPECT_TRUE(layout.ButtonNames[0].empty());
            EXPECT_TRUE(layout.DPadName.empty());
        } else {
            EXPECT_EQ(layout.ButtonNames[0], "A");
            EXPECT_EQ(layout.ButtonNames[9], "RS");
        }
    }

    DeviceWorld noXInput;
    noXInput.Api.Status = XInputNotFound;
    noXInput.Api.Plug(XInputLookAlike());
    noXInput.Rescan();
    EXPECT_TRUE(noXInput.List.LayoutOf(noXInput.Pad(0)).ButtonNames[0].empty());
}

TEST(ReadyLayoutAtPlug, AnEntryWhoseAxesTheDeviceLacksIsNotUsed) {
    DatabaseFolder database;
    DeviceWorld w;
    FakeDevice pad = PS4Pad();
    pad.Axes.resize(4);  // X Y Z RX: the entry's a4 and a5 are missing
    w.Api.Plug(pad);
    w.Rescan();
    EXPECT_TRUE(w.List.LayoutOf(w.Pad(0)).ButtonNames[1].empty());
}

// The PS4 line with Cross and Square swapped, as a user would append to correct it.
constexpr std::string_view PS4Correction =
    "030000004c050000c405000000000000,PS4 "
    "Controller,a:b0,b:b2,x:b1,y:b3,leftx:a0,lefty:a1,rightx:a2,righty:a5,"
    "lefttrigger:a3,righttrigger:a4,platform:Windows,\n";
// The same model with its triggers as buttons: fits a pad with four axes.
constexpr std::string_view PS4FourAxes =
    "030000004c050000c405000000000000,PS4 "
    "Controller,a:b1,b:b2,x:b0,y:b3,leftx:a0,lefty:a1,rightx:a2,righty:a3,"
    "lefttrigger:b6,righttrigger:b7,platform:Windows,\n";

TEST(ReadyLayoutAtPlug, ALineAppendedForAModelReplacesTheEarlierOne) {
    // Regression: the first line of a model was kept and the user's correction ignored.
    DatabaseFolder database(std::string(PS4Line) + std::string(PS4Correction));
    DeviceWorld w;
    w.Api.Plug(PS4Pad());
    w.Rescan();
    EXPECT_EQ(w.List.LayoutOf(w.Pad(0)).ButtonNames[0], "Cross");
    EXPECT_EQ(w.List.LayoutOf(w.Pad(0)).ButtonNames[1], "Square");
}

TEST(ReadyLayoutAtPlug, WhenTheLastLineDoesNotFitTheDeviceAnEarlierLineOfTheModelIsTried) {
    // Regression: only one line per model was ever tried.
    DatabaseFolder database(std::string(PS4Line) + std::string(PS4FourAxes) + std::string(PS4Line));
    DeviceWorld w;
    FakeDevice pad = PS4Pad();
    pad.Axes.resize(4);  // X Y Z RX: both full lines read a4 and a5
    w.Api.Plug(pad);
    w.Rescan();
    const ControllerFileType& layout = w.List.LayoutOf(w.Pad(0));
    EXPECT_EQ(layout.ButtonNames[1], "Cross");
    EXPECT_EQ(layout.StickAccess[1][1], (AxisAccess{3, 0, 0})) << "the right stick's Y on RX";
}

}  // namespace
}  // namespace velmora::test
