#include <gtest/gtest.h>

#include "files/ControllerFiles.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;
using test::TempFolder;

// An old binary controller file, filled field by field.
struct OldFile {
    std::uint16_t Version = 2;
    std::string Picture = std::string(ImageBytes, '\xFF');
    std::array<std::pair<std::uint8_t, std::uint16_t>, 46> Locations{};  // Top, Left
    std::array<std::uint8_t, 10> Access{255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
    std::array<std::string, 45> Names;

    std::string Bytes() const {
        std::string bytes = "VelmoraController";
        bytes += static_cast<char>(Version & 0xFF);
        bytes += static_cast<char>(Version >> 8);
        bytes += Picture;
        for (auto [top, left] : Locations) {
            bytes += static_cast<char>(top);
            bytes += static_cast<char>(left & 0xFF);
            bytes += static_cast<char>(left >> 8);
        }
        for (std::uint8_t a : Access) bytes += static_cast<char>(a);
        for (const std::string& name : Names) bytes += (name + std::string(32, '\0')).substr(0, 32);
        return bytes;
    }
};

class OldControllerFiles : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingUserInterface ui;
    std::unique_ptr<ControllerFileType> layout = std::make_unique<ControllerFileType>();

    bool Read(const OldFile& file) {
        return ReadControllerFile(folder.Write("Old.velmoracontroller", file.Bytes()), *layout, ui);
    }
    static void PlaceAll(OldFile& file) {
        for (int group : {DPadUp, Stick1Up, Stick2Up})
            for (int i = 0; i < 4; ++i) file.Locations[static_cast<std::size_t>(group + i)] = {50, 100};
        file.Locations[TriggerLeft] = {10, 10};
        file.Locations[TriggerRight] = {200, 600};
    }
};

TEST_F(OldControllerFiles, Version2ReadsPictureLocationsAccessesAndNames) {
    OldFile file;
    PlaceAll(file);
    file.Picture[0] = 1;  // first pixel: blue 1, green FF, red FF
    file.Locations[0] = {0, 300};
    file.Locations[1] = {40, 0};  // Left 0: not placed
    file.Access = {0, 8, 39, 40, 3 | 8, 1, 200, 16, 2 | (2 << 3), 7 | (1 << 3)};
    file.Names[0] = "Fire";
    file.Names[32] = std::string("Hat\x01  ");
    file.Names[44] = std::string(32, 'R');
    ASSERT_TRUE(Read(file));
    EXPECT_TRUE(ui.Dialogs.empty());
    EXPECT_EQ(PixelValue(*layout, 0, 0), 0x01FFFFu);
    EXPECT_EQ(PixelValue(*layout, 255, 511), 0xFFFFFFu);
    EXPECT_EQ(layout->Locations[0], (Location{1, 300}));
    EXPECT_EQ(layout->Locations[1], Location{});
    EXPECT_EQ(layout->Locations[TriggerRight], (Location{200, 481}));
    EXPECT_EQ(layout->DPadAccess[0], (DPadDirectionAccess{DPadKind::Axis, 0, 0}));
    EXPECT_EQ(layout->DPadAccess[1], (DPadDirectionAccess{DPadKind::Button, 0, 0}));
    EXPECT_EQ(layout->DPadAccess[2], (DPadDirectionAccess{DPadKind::Button, 0, 31}));
    EXPECT_EQ(layout->DPadAccess[3].Kind, DPadKind::POV);
    EXPECT_EQ(layout->StickAccess[0][0], (AxisAccess{3, 1, 0}));
    EXPECT_EQ(layout->StickAccess[0][1], (AxisAccess{1, 0, 0}));
    EXPECT_EQ(layout->StickAccess[1][0].Axis, NoAxis);           // 200 is out of range
    EXPECT_EQ(layout->StickAccess[1][1].Axis, NoAxis);           // 16 is out of range
    EXPECT_EQ(layout->TriggerAccess[0], (AxisAccess{2, 1, 1}));  // whole axis reversed
    EXPECT_EQ(layout->TriggerAccess[1], (AxisAccess{7, 0, 0}));  // upper half
    EXPECT_EQ(layout->ButtonNames[0], "Fire");
    EXPECT_EQ(layout->DPadName, "Hat");
    EXPECT_EQ(layout->TriggerNames[1], std::string(32, 'R'));
    EXPECT_EQ(layout->Name, "Old");
}

TEST_F(OldControllerFiles, Version0RenumbersDPadAndMovesTheStickInvertedBit) {
    OldFile file;
    file.Version = 0;
    PlaceAll(file);
    file.Access = {0, 1, 9, 255, 0x80 | 4, 2, 255, 0x80, 2, 2};
    ASSERT_TRUE(Read(file));
    EXPECT_EQ(layout->DPadAccess[0].Kind, DPadKind::POV);
    EXPECT_EQ(layout->DPadAccess[1], (DPadDirectionAccess{DPadKind::Axis, 0, 0}));
    EXPECT_EQ(layout->DPadAccess[2], (DPadDirectionAccess{DPadKind::Button, 0, 0}));
    EXPECT_EQ(layout->DPadAccess[3].Kind, DPadKind::None);
    EXPECT_EQ(layout->StickAccess[0][0], (AxisAccess{4, 1, 0}));
    EXPECT_EQ(layout->StickAccess[0][1], (AxisAccess{2, 0, 0}));
    EXPECT_EQ(layout->StickAccess[1][0].Axis, NoAxis);
    EXPECT_EQ(layout->StickAccess[1][1], (AxisAccess{0, 1, 0}));
    // Both triggers on one axis: the left takes the upper half, the right the lower.
    EXPECT_EQ(layout->TriggerAccess[0], (AxisAccess{2, 0, 0}));
    EXPECT_EQ(layout->TriggerAccess[1], (AxisAccess{2, 1, 0}));
}

TEST_F(OldControllerFiles, Version1TriggersOnDifferentAxesBothTakeTheUpperHalf) {
    OldFile file;
    file.Version = 1;
    PlaceAll(file);
    file.Access[8] = 2;
    file.Access[9] = 5;
    ASSERT_TRUE(Read(file));
    EXPECT_EQ(layout->TriggerAccess[0], (AxisAccess{2, 0, 0}));
    EXPECT_EQ(layout->TriggerAccess[1], (AxisAccess{5, 0, 0}));
}

TEST_F(OldControllerFiles, AccessesOfGroupsNotPlacedAreNotSet) {
    OldFile file;
    file.Locations[Stick2Up] = {50, 100};  // Stick 2 without Stick 1
    file.Access = {40, 40, 40, 40, 0, 1, 2, 3, 2, 3};
    ASSERT_TRUE(Read(file));
    for (const auto& access : layout->DPadAccess) EXPECT_EQ(access.Kind, DPadKind::None);
    EXPECT_EQ(layout->StickAccess[1][0].Axis, NoAxis);
    EXPECT_EQ(layout->Locations[Stick2Up], Location{});
    EXPECT_EQ(layout->TriggerAccess[0].Axis, NoAxis);
}

// The import reads into the layout it is given (a rescan's, a reopened
// one): nothing of what that layout held may outlive the read.
TEST_F(OldControllerFiles, ALayoutReadOverGetsWhatAFreshOneGets) {
    OldFile first;
    PlaceAll(first);
    first.Access = {0, 8, 39, 40, 3, 1, 2, 3, 2, 3};
    for (std::string& name : first.Names) name = "Old name";
    first.Picture.assign(ImageBytes, '\x11');
    ASSERT_TRUE(Read(first));
    // Cut inside the picture: its end and every field after it read as 0.
    const std::string bytes = OldFile{}.Bytes().substr(0, 19 + ImageBytes - 100);
    const std::string path = folder.Write("Second.velmoracontroller", bytes);
    ASSERT_TRUE(ReadControllerFile(path, *layout, ui));
    const auto fresh = std::make_unique<ControllerFileType>();
    ASSERT_TRUE(ReadControllerFile(path, *fresh, ui));
    EXPECT_EQ(layout->Image, fresh->Image);
    EXPECT_EQ(PixelValue(*layout, 255, 511), 0u);
    EXPECT_EQ(layout->Locations, fresh->Locations);
    EXPECT_EQ(layout->DPadAccess, fresh->DPadAccess);
    EXPECT_EQ(layout->StickAccess, fresh->StickAccess);
    EXPECT_EQ(layout->TriggerAccess, fresh->TriggerAccess);
    EXPECT_EQ(layout->ButtonNames, fresh->ButtonNames);
    EXPECT_EQ(layout->DPadDirectionNames, fresh->DPadDirectionNames);
    EXPECT_EQ(layout->StickNames, fresh->StickNames);
    EXPECT_EQ(layout->TriggerNames, fresh->TriggerNames);
    EXPECT_EQ(layout->Name, "Second");
    EXPECT_NE(layout->PictureVersion, 0u);
}

TEST_F(OldControllerFiles, NewerBinaryVersionIsRefused) {
    OldFile file;
    file.Version = 3;
    layout->Name = "Kept";
    EXPECT_FALSE(Read(file));
    EXPECT_EQ(layout->Name, "Kept");
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Invalid binary controller version number");
    EXPECT_EQ(ui.Dialogs[0].Message, "This controller file cannot be opened.");
}

TEST_F(OldControllerFiles, ACutFileReadsWhatItHolds) {
    OldFile file;
    std::string bytes = file.Bytes().substr(0, 1000);
    EXPECT_TRUE(ReadControllerFile(folder.Write("Cut.velmoracontroller", bytes), *layout, ui));
    EXPECT_EQ(PixelValue(*layout, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelValue(*layout, 255, 511), 0u);
}

TEST_F(OldControllerFiles, ACutInsideAPixelKeepsItsBytesAndZeroesTheRest) {
    OldFile file;
    file.Picture[30] = '\x12';  // pixel 10: blue 12, green 34, then the cut
    file.Picture[31] = '\x34';
    const std::size_t head = std::string_view("VelmoraController").size() + 2;  // signature, version
    const std::string bytes = file.Bytes().substr(0, head + 32);
    EXPECT_TRUE(ReadControllerFile(folder.Write("Cut.velmoracontroller", bytes), *layout, ui));
    EXPECT_EQ(PixelValue(*layout, 0, 9), 0xFFFFFFu);
    EXPECT_EQ(PixelValue(*layout, 0, 10), 0x123400u);
    EXPECT_EQ(PixelValue(*layout, 0, 11), 0u);
}

}  // namespace
}  // namespace velmora
