// Reading profiles: every bad or missing value gets its default, and every bad
// value is named in one message.

#include <gtest/gtest.h>

#include "model/ProfileModel.h"
#include "support/ProfileTestSupport.h"
#include "support/SlotCode.h"

namespace velmora {
namespace {

using test::Codes;

using test::ProfileRead;

TEST(ProfileReading, AnUnknownSlotNameLoadsAsUnknownWithOneMessage) {
    ProfileRead r;
    ASSERT_TRUE(r.Read("Set1Button1Slots=A,Q,Jump,None\r\n"));
    EXPECT_EQ(r.At(0, Button1).Slots.Codes, Codes({"A", "Q", "Unknown", "Unknown"}));
    ASSERT_EQ(r.Ui.Dialogs.size(), 2u);
    const MessageDialog& d = r.Ui.Dialogs[0];
    EXPECT_EQ(d.Kind, DialogKind::Error);
    EXPECT_EQ(d.Buttons, OkButtons);
    EXPECT_EQ(d.Heading, "Bad slot code value found in profile");
    EXPECT_EQ(d.Captions, "$Profile$#$Location$#$Name$#$Value$");
    EXPECT_EQ(d.Values, "pad#" + r.Folder.Folder() + "#Set1Button1Slots#Jump (Slot 3)");
    EXPECT_EQ(d.Message, "This is not a valid value. The slot code has been loaded as \"Unknown\".");
    EXPECT_TRUE(r.Ui.Dialogs[1].Values.ends_with("#None (Slot 4)"));
}

TEST(ProfileReading, SlotsBuildCyclesThroughSetSlot) {
    ProfileRead r;
    ASSERT_TRUE(r.Read("Set2Stick2DownLeftSlots=A,CYCLE STOP,B\r\n"));
    EXPECT_EQ(r.At(1, Stick2DownLeft).Slots.Cycles.size(), 2u);
    EXPECT_TRUE(r.Ui.Dialogs.empty());
}

TEST(ProfileReading, SetSelectCannotSelectItsOwnSetOrABeyondTheEighth) {
    ProfileRead r;
    ASSERT_TRUE(
        r.Read("Set1Button1SetSelect=0\nSet2Button1SetSelect=0\nSet3Button1SetSelect=8\n"
               "Set4Button1SetSelect=7\nSet5Button1SetSelect=x\n"));
    EXPECT_EQ(r.At(0, Button1).SetSelect, NoSet);
    EXPECT_EQ(r.At(1, Button1).SetSelect, 0);
    EXPECT_EQ(r.At(2, Button1).SetSelect, NoSet);
    EXPECT_EQ(r.At(3, Button1).SetSelect, 7);
    EXPECT_EQ(r.At(4, Button1).SetSelect, NoSet);
}

// Assignments without a single key of theirs are given the missing values
// without being looked up key by key: they must still be what a read of
// missing keys gives, also in a profile read into one that held another, and
// a key of a control whose name begins another's ("Button1", "Button10")
// must not hide the other.
TEST(ProfileReading, AssignmentsWithoutKeysGetTheMissingValuesOverAnEarlierProfile) {
    ProfileRead r;
    ASSERT_TRUE(
        r.Read("Set1Button1Name=Jump\nSet1Button1Turbo=1\nSet3Button2MouseSpeed=90\n"
               "Set8Stick2DownLeftSlots=A\nSet2Button1TurboRate=33\n"));
    ASSERT_TRUE(r.Read("Set1Button10Name=Duck\nSet2Button1Toggle=1\n"));
    EXPECT_EQ(r.At(0, Button1 + 9).Name, "Duck");
    EXPECT_EQ(r.At(0, Button1).Name, "");
    EXPECT_FALSE(r.At(0, Button1).Turbo);
    EXPECT_EQ(r.At(2, Button1 + 1).MouseSpeed, 32);
    EXPECT_EQ(r.At(1, Button1).TurboRate, 10);
    EXPECT_TRUE(r.At(1, Button1).Toggle);
    // Every untouched assignment equals one read from its keys, all of them present and empty.
    ProfileRead keyed;
    ASSERT_TRUE(keyed.Read("Set4Button3Name=\nSet4Button3Slots=\nSet4Button3Toggle=\n"));
    const AssignmentType& read = keyed.At(3, Button1 + 2);
    const AssignmentType& missing = r.At(3, Button1 + 2);
    EXPECT_EQ(missing.Slots.Codes, read.Slots.Codes);
    EXPECT_EQ(r.At(7, Stick2DownLeft).Slots.Codes, read.Slots.Codes);
    EXPECT_EQ(missing.RumbleStrengths, read.RumbleStrengths);
    EXPECT_EQ(std::tie(missing.Name, missing.Toggle, missing.Turbo, missing.TurboRate, missing.Rumble,
                       missing.SetSelect, missing.MouseSpeed, missing.MouseMode),
              std::tie(read.Name, read.Toggle, read.Turbo, read.TurboRate, read.Rumble, read.SetSelect,
                       read.MouseSpeed, read.MouseMode));
    EXPECT_TRUE(r.Ui.Dialogs.empty());
}

TEST(ProfileReading, RumbleStrengthsDefaultEachMissingOrBadOneTo128) {
    ProfileRead r;
    ASSERT_TRUE(
        r.Read("Set1Button1RumbleStrengths=200\nSet1Button2RumbleStrengths=loud,300\n"
               "Set1Button3RumbleStrengths=0,255\n"));
    EXPECT_EQ(r.At(0, 0).RumbleStrengths, (std::array<std::uint8_t, 2>{200, 128}));
    EXPECT_EQ(r.At(0, 1).RumbleStrengths, (std::array<std::uint8_t, 2>{128, 128}));
    EXPECT_EQ(r.At(0, 2).RumbleStrengths, (std::array<std::uint8_t, 2>{0, 255}));
}

TEST(ProfileReading, NumbersOutsideTheirRangeGiveTheirDefault) {
    ProfileRead r;
    r.Config.DefaultStickDeadZone = 70;
    r.Config.DefaultTriggerDeadZone = 9;
    ASSERT_TRUE(
        r.Read("Set1Button1TurboRate=1\nSet1Button2TurboRate=251\nSet1Button3TurboRate=250\n"
               "Set1Button4MouseSpeed=0\nSet2StickDeadZones=0,300\nSet3StickDeadZones=5,6\n"
               "Set2StickDiagonalSizes=90,89\nSet2TriggerDeadZones=,\n"));
    EXPECT_EQ(r.At(0, 0).TurboRate, 10);
    EXPECT_EQ(r.At(0, 1).TurboRate, 10);
    EXPECT_EQ(r.At(0, 2).TurboRate, 250);
    EXPECT_EQ(r.At(0, 3).MouseSpeed, 32);
    EXPECT_EQ(r.Profile.Sets[0].StickDeadZones, (std::array<std::uint8_t, 2>{70, 70}));
    EXPECT_EQ(r.Profile.Sets[1].StickDeadZones, (std::array<std::uint8_t, 2>{70, 70}));
    EXPECT_EQ(r.Profile.Sets[2].StickDeadZones, (std::array<std::uint8_t, 2>{5, 6}));
    EXPECT_EQ(r.Profile.Sets[1].StickDiagonalSizes, (std::array<std::uint8_t, 2>{45, 89}));
    EXPECT_EQ(r.Profile.Sets[1].TriggerDeadZones, (std::array<std::uint8_t, 2>{9, 9}));
    EXPECT_TRUE(r.Ui.Dialogs.empty());
}

TEST(ProfileReading, BadModeWordsLoadStandardWithTheirMessages) {
    ProfileRead r;
    ASSERT_TRUE(r.Read("Set1DPadMode=Sideways\nSet1Stick2Mode=standard\nSet1Button1MouseMode=Cursor \n"));
    EXPECT_EQ(r.Profile.Sets[0].DPadMode, Standard);
    ASSERT_EQ(r.Ui.Dialogs.size(), 3u);
    EXPECT_EQ(r.Ui.Dialogs[0].Heading, "Bad DPad mode value found in profile");
    EXPECT_TRUE(r.Ui.Dialogs[0].Values.ends_with("#Set1DPadMode#Sideways"));
    EXPECT_EQ(r.Ui.Dialogs[0].Message,
              "This is not a valid value. The DPad mode has loaded as \"Standard\".");
    EXPECT_EQ(r.Ui.Dialogs[1].Heading, "Bad Stick mode value found in profile");
    EXPECT_EQ(r.Ui.Dialogs[1].Message,
              "This is not a valid value. The Stick mode has loaded as \"Standard\".");
    EXPECT_EQ(r.Ui.Dialogs[2].Heading, "Bad mouse mode value found in profile");
    EXPECT_TRUE(r.Ui.Dialogs[2].Values.ends_with("#Set1Button1MouseMode#Cursor "));
    EXPECT_EQ(r.Ui.Dialogs[2].Message,
              "This is not a valid value. The mouse mode has been loaded as \"Look/Camera\".");
}

TEST(ProfileReading, OldModeKeysAreReadWhenTheNewOnesAreMissingOrEmpty) {
    ProfileRead r;
    ASSERT_TRUE(
        r.Read("Set1DPadDiagonalMode=Prioritize Up/Down\nSet1Stick1Mode=\n"
               "Set1Stick1DiagonalMode=Ignore\nSet1Stick2DiagonalMode=Prioritize Left/Right\n"
               "Set1Stick2Mode=EightWay\nSet2DPadDiagonalMode=Vertical\n"));
    EXPECT_EQ(r.Profile.Sets[0].DPadMode, Vertical);
    EXPECT_EQ(r.Profile.Sets[0].StickModes[0], FourWay);
    EXPECT_EQ(r.Profile.Sets[0].StickModes[1], EightWay);
    ASSERT_EQ(r.Ui.Dialogs.size(), 1u);  // the old key takes only the old words
    EXPECT_TRUE(r.Ui.Dialogs[0].Values.ends_with("#Set2DPadDiagonalMode#Vertical"));
}

TEST(ProfileReading, NamesAreCutToTheirFirst32Characters) {
    ProfileRead r;
    ASSERT_TRUE(r.Read("Set1Button1Name=" + std::string(40, 'n') +
                       "\nSet1Button2Name=" + std::string(31, 'x') + "\xC3\xA9\xC3\xA9\n"));
    EXPECT_EQ(r.At(0, 0).Name, std::string(32, 'n'));
    EXPECT_EQ(r.At(0, 1).Name, std::string(31, 'x') + "\xC3\xA9");
}

TEST(ProfileReading, FileNameAndNameComeFromThePath) {
    ProfileRead r;
    ASSERT_TRUE(r.Read("", "my.game.velmoraprofile"));
    EXPECT_EQ(r.Profile.FileName, r.Path);
    EXPECT_EQ(r.Profile.Name, "my");
}

TEST(ProfileReading, VersionsAfterThisOneAreRefused) {
    for (const std::string version : {"2007.12.01", "2008.01"}) {
        ProfileRead r;
        EXPECT_FALSE(r.Read("Version=" + version + "\n"));
        ASSERT_EQ(r.Ui.Dialogs.size(), 1u);
        EXPECT_EQ(r.Ui.Dialogs[0].Heading, "Cannot open newer profile file");
        EXPECT_EQ(r.Ui.Dialogs[0].Captions, "$Profile File$#$Location$");
        EXPECT_EQ(r.Ui.Dialogs[0].Message,
                  "This profile file was saved by a newer version and cannot be opened.");
    }
    for (const std::string text : {"", "Version=2007.12\n", "Version=2007.07.11\n", "Version=10\n"}) {
        ProfileRead r;
        EXPECT_TRUE(r.Read(text)) << text;
    }
}

std::string OldBinary(std::size_t length, std::uint16_t version) {
    std::string bytes = "VelmoraProfile";
    bytes += static_cast<char>(version & 0xFF);
    bytes += static_cast<char>(version >> 8);
    bytes.resize(length, '\0');
    return bytes;
}

TEST(ProfileReading, OldBinaryProfilesAreRecognisedAndRefused) {
    ProfileRead r;
    EXPECT_FALSE(r.Read(OldBinary(5336, 2)));
    ASSERT_EQ(r.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(r.Ui.Dialogs[0].Heading, "Cannot access binary profile file");
    EXPECT_EQ(r.Ui.Dialogs[0].Captions, "$Profile$#$Location$#$Binary Version$");
    EXPECT_EQ(r.Ui.Dialogs[0].Values, "pad#" + r.Folder.Folder() + "#v3 (2007-03/04/05)");
    EXPECT_EQ(r.Ui.Dialogs[0].Message,
              "To access this profile you must convert it to a new text profile file.#"
              "Download version 2007-11a, open this profile and re-save it.#");
    for (auto [length, version] : {std::pair{2234, 0}, {1102, 1}, {388, 3}}) {
        ProfileRead old;
        EXPECT_FALSE(
            old.Read(OldBinary(static_cast<std::size_t>(length), static_cast<std::uint16_t>(version))));
    }
}

// Not an old profile (wrong length or version), so read as text: it holds no
// entry, and a load as an empty profile would let the next Save replace it.
TEST(ProfileReading, AlmostBinaryFilesAreReadAsTextAndRefusedAsUnreadable) {
    for (const std::string& bytes : {OldBinary(2235, 0), OldBinary(2234, 1)}) {
        ProfileRead r;
        EXPECT_FALSE(r.Read(bytes));
        ASSERT_EQ(r.Ui.Dialogs.size(), 1u);
        EXPECT_EQ(r.Ui.Dialogs[0].Heading, "File holds nothing Velmora can read");
    }
}

TEST(ProfileReading, AnUnreadableFileFailsWithoutAMessage) {
    test::RecordingUserInterface ui;
    ProfileType profile;
    EXPECT_FALSE(ReadProfile("/nonexistent-velmora/pad.velmoraprofile", profile, ConfigurationType{}, ui));
    EXPECT_TRUE(ui.Dialogs.empty());
}

}  // namespace
}  // namespace velmora
