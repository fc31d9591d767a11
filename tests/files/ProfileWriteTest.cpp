// Writing profiles: the exact layout, and every profile reads back as written.

#include <gtest/gtest.h>

#include "support/ProfileTestSupport.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

using test::ProfileRead;

std::string DefaultsText() {
    std::string text =
        ";----------------------\r\n; Velmora Profile File\r\n;----------------------\r\n\r\n"
        "Version=2007.12\r\n\r\n[Set Settings]\r\n";
    for (int n = 1; n <= 8; ++n) {
        const std::string p = "Set" + std::to_string(n);
        text += p + "StickDeadZones=64,64\r\n" + p + "StickDiagonalSizes=45,45\r\n" + p +
                "TriggerDeadZones=1,1\r\n" + p + "DPadMode=Standard\r\n" + p + "Stick1Mode=Standard\r\n" + p +
                "Stick2Mode=Standard\r\n";
    }
    return text + "\r\n[Assignments]\r\n";
}

// Every option of every assignment differs from its default.
ProfileType FullProfile() {
    ProfileType profile;
    for (int s = 0; s < SetCount; ++s) {
        SetType& set = profile.Sets[static_cast<std::size_t>(s)];
        set.StickDeadZones = {static_cast<std::uint8_t>(s + 1), 255};
        set.StickDiagonalSizes = {1, 89};
        set.TriggerDeadZones = {255, static_cast<std::uint8_t>(s + 2)};
        set.DPadMode = static_cast<std::uint8_t>(s % 6);
        set.StickModes = {static_cast<std::uint8_t>((s + 1) % 6), static_cast<std::uint8_t>((s + 5) % 6)};
        for (int c = 0; c < ControlCount; ++c) {
            AssignmentType& a = set.Assignments[static_cast<std::size_t>(c)];
            a.Name = " " + std::to_string(s) + "=," + std::string(ControlName(c)) + " \xC3\xA9 ";
            for (int i = 0; i < 10; ++i)
                SetSlot(a.Slots, a.Slots.CodeCount(),
                        static_cast<std::uint8_t>(1 + (s * 580 + c * 10 + i) % 136));
            a.Toggle = a.Turbo = a.Rumble = true;
            a.TurboRate = static_cast<std::uint8_t>(2 + c);
            a.RumbleStrengths = {static_cast<std::uint8_t>(c), 255};
            a.SetSelect = static_cast<std::uint8_t>((s + 1 + c % 7) % 8);
            a.MouseSpeed = static_cast<std::uint8_t>(200 + c % 50);
            a.MouseMode = static_cast<std::uint8_t>(1 + c % 2);
        }
    }
    return profile;
}

void ExpectSameSavedContent(const ProfileType& a, const ProfileType& b) {
    for (std::size_t s = 0; s < SetCount; ++s) {
        const SetType& x = a.Sets[s];
        const SetType& y = b.Sets[s];
        EXPECT_EQ(x.StickDeadZones, y.StickDeadZones);
        EXPECT_EQ(x.StickDiagonalSizes, y.StickDiagonalSizes);
        EXPECT_EQ(x.TriggerDeadZones, y.TriggerDeadZones);
        EXPECT_EQ(x.DPadMode, y.DPadMode);
        EXPECT_EQ(x.StickModes, y.StickModes);
        for (std::size_t c = 0; c < ControlCount; ++c) {
            const AssignmentType& p = x.Assignments[c];
            const AssignmentType& q = y.Assignments[c];
            ASSERT_EQ(p.Name, q.Name);
            ASSERT_EQ(p.Slots.Codes, q.Slots.Codes);
            ASSERT_EQ(std::tie(p.Toggle, p.Turbo, p.TurboRate, p.Rumble, p.RumbleStrengths, p.SetSelect,
                               p.MouseSpeed, p.MouseMode),
                      std::tie(q.Toggle, q.Turbo, q.TurboRate, q.Rumble, q.RumbleStrengths, q.SetSelect,
                               q.MouseSpeed, q.MouseMode));
        }
    }
}

TEST(ProfileWriting, ADefaultsOnlyProfileHoldsOnlyTheSetSettings) {
    ProfileRead r;
    ProfileType profile;
    profile.FileName = r.Folder.File("defaults.velmoraprofile");
    profile.Changed = true;
    ASSERT_TRUE(WriteProfile(profile, r.Ui));
    EXPECT_FALSE(profile.Changed);
    const std::string text = test::ReadBytes(profile.FileName);
    EXPECT_EQ(text, DefaultsText());
    ASSERT_TRUE(r.Read(text));
    ExpectSameSavedContent(r.Profile, profile);
    EXPECT_TRUE(r.Ui.Dialogs.empty());
}

TEST(ProfileWriting, OnlyOptionsThatDifferFromTheDefaultAreWritten) {
    ProfileType profile;
    AssignmentType& a = profile.Sets[2].Assignments[Stick2DownLeft];
    SetSlot(a.Slots, 0, *FindSlotCode("Left Shift"));
    SetSlot(a.Slots, 1, *FindSlotCode("A"));
    a.SetSelect = 0;
    a.MouseMode = Spring;
    a.RumbleStrengths = {128, 0};
    test::RecordingUserInterface ui;
    const auto bytes = ProfileFileBytes(profile, ui, "x.velmoraprofile");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(
        bytes->ends_with("[Assignments]\r\nSet3Stick2DownLeftSlots=Left Shift,A\r\n"
                         "Set3Stick2DownLeftRumbleStrengths=128,0\r\nSet3Stick2DownLeftSetSelect=0\r\n"
                         "Set3Stick2DownLeftMouseMode=Spring\r\n"));
}

// Regression: a profile using every option of every assignment needs more
// lines than other files may hold, and must still read back exactly.
TEST(ProfileWriting, AProfileUsingEveryOptionEverywhereReadsBackExactly) {
    ProfileRead r;
    ProfileType profile = FullProfile();
    profile.FileName = r.Folder.File("full.velmoraprofile");
    ASSERT_TRUE(WriteProfile(profile, r.Ui));
    const std::string text = test::ReadBytes(profile.FileName);
    ASSERT_TRUE(r.Read(text));
    EXPECT_TRUE(r.Ui.Dialogs.empty());
    ExpectSameSavedContent(r.Profile, profile);
    r.Profile.FileName = r.Folder.File("again.velmoraprofile");
    ASSERT_TRUE(WriteProfile(r.Profile, r.Ui));
    EXPECT_EQ(test::ReadBytes(r.Profile.FileName), text);
}

TEST(ProfileWriting, AProfileTooLargeToReadBackIsRefused) {
    ProfileRead r;
    ProfileType profile;
    profile.Sets[0].Assignments[0].Name.assign(ProfileFileLimits.MaxBytes, 'n');
    profile.FileName = r.Folder.File("huge.velmoraprofile");
    profile.Changed = true;
    EXPECT_FALSE(WriteProfile(profile, r.Ui));
    EXPECT_TRUE(profile.Changed);
    EXPECT_FALSE(std::filesystem::exists(profile.FileName));
    ASSERT_EQ(r.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(r.Ui.Dialogs[0].Heading, "File too large to save");
    EXPECT_EQ(r.Ui.Dialogs[0].Kind, DialogKind::Error);
}

TEST(ProfileWriting, AFailedSaveKeepsTheProfileChangedAndTheOldFile) {
    ProfileRead r;
    ProfileType profile;
    profile.FileName = r.Folder.File("missing") + "/pad.velmoraprofile";
    profile.Changed = true;
    EXPECT_FALSE(WriteProfile(profile, r.Ui));
    EXPECT_TRUE(profile.Changed);
    ASSERT_EQ(r.Ui.Dialogs.size(), 1u);
    EXPECT_EQ(r.Ui.Dialogs[0].Heading, "File cannot be saved");
}

}  // namespace
}  // namespace velmora
