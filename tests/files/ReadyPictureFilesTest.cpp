#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "files/ControllerFiles.h"
#include "model/ReadyPicture.h"
#include "support/FileTestSupport.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;
using test::TempFolder;

using enum PadButtonRole;

// The buttons of a common pad of each family, in its device's order: a pad
// with an XInput layout, one with a touchpad and its triggers on axes, one
// whose triggers are buttons, a plain one. The sticks, the DPad and analog
// triggers are mapped when the pad has them.
struct CommonPad {
    std::array<PadButtonRole, 32> Roles;
    bool AnalogTriggers;
};
const std::array<CommonPad, 4> CommonPads{{
    {{South, East, West, North, LeftShoulder, RightShoulder, Back, Start, LeftStick, RightStick, Guide},
     true},
    {{West, South, East, North, LeftShoulder, RightShoulder, None, None, Back, Start, LeftStick, RightStick,
      Guide, Touchpad},
     true},
    {{South, East, West, North, LeftShoulder, RightShoulder, LeftTrigger, RightTrigger, Back, Start,
      LeftStick, RightStick, Guide, Misc},
     false},
    {{West, South, East, North, LeftShoulder, RightShoulder, LeftTrigger, RightTrigger, Back, Start,
      LeftStick, RightStick},
     false},
}};

std::unique_ptr<ControllerFileType> Pad(PadFamily family, std::span<const PadButtonRole, 32> roles,
                                        bool analogTriggers) {
    auto layout = std::make_unique<ControllerFileType>();
    layout->StickAccess = {{{{{0, 0, 0}, {1, 0, 0}}}, {{{3, 0, 0}, {4, 0, 0}}}}};
    if (analogTriggers) layout->TriggerAccess = {{{2, 0, 1}, {5, 0, 1}}};
    for (DPadDirectionAccess& direction : layout->DPadAccess) direction.Kind = DPadKind::POV;
    DrawReadyPicture(*layout, family, roles, ConfigurationType{}.Interface);
    return layout;
}

// Every control a pad can have, as the fullest pad sets them.
std::unique_ptr<ControllerFileType> FullPad(PadFamily family) {
    std::array<PadButtonRole, 32> roles{};
    for (int b = 0; b < 19; ++b) roles[static_cast<std::size_t>(b)] = static_cast<PadButtonRole>(b + 1);
    return Pad(family, roles, true);
}

// A ready layout saved by the user and read again is the same layout: nothing
// placed is dropped by the reader's rules, and the picture comes back whole.
// With VELMORA_READY_PICTURES set to a folder the four files are kept there, to be
// rendered with velmora-cli and looked at.
TEST(ReadyPictureFiles, SavedAndReadBackUnchanged) {
    TempFolder temporary;
    const char* kept = std::getenv("VELMORA_READY_PICTURES");
    const std::string folder = kept ? kept : temporary.Folder();
    const char* names[] = {"xbox", "playstation", "nintendo", "generic"};
    for (int family = 0; family < 8; ++family) {
        const auto& common = CommonPads[family % 4];
        auto layout = family < 4 ? Pad(static_cast<PadFamily>(family), common.Roles, common.AnalogTriggers)
                                 : FullPad(static_cast<PadFamily>(family % 4));
        layout->FileName =
            folder + "/ready-" + names[family % 4] + (family < 4 ? "" : "-full") + ".velmoracontroller";
        RecordingUserInterface ui;
        ASSERT_TRUE(WriteControllerFile(*layout, ui)) << layout->FileName;
        auto read = std::make_unique<ControllerFileType>();
        ASSERT_TRUE(ReadControllerFile(layout->FileName, *read, ui));
        EXPECT_EQ(read->Locations, layout->Locations) << names[family];
        EXPECT_EQ(read->Image, layout->Image) << names[family];
    }
}

}  // namespace
}  // namespace velmora
