#include "model/AutoAssign.h"

#include "model/ProfileModel.h"

namespace velmora {
namespace {

// The five key groups. Codes: "W" 38, "D" 19, "S" 34, "A" 16; the arrow keys
// 12..15; the mouse moves 2..5; "NumPad 8" 50, "NumPad 6" 48, "NumPad 2" 44,
// "NumPad 4" 46.
constexpr KeyGroup Letters{38, 19, 34, 16};
constexpr KeyGroup Arrows{12, 13, 14, 15};
constexpr KeyGroup Mouse{2, 3, 4, 5};
constexpr KeyGroup NumericPad{50, 48, 44, 46};
constexpr KeyGroup NoKeys{NoneCode, NoneCode, NoneCode, NoneCode};

enum : std::size_t { Up = 0, Right = 1, Down = 2, Left = 3 };

// The mouse choices differ only in which direction gets which mouse move.
constexpr KeyGroup MouseInverted(bool invertY, bool invertX) {
    return {Mouse[invertY ? Down : Up], Mouse[invertX ? Left : Right], Mouse[invertY ? Up : Down],
            Mouse[invertX ? Right : Left]};
}

constexpr std::array<KeyGroup, AutoAssignChoiceCount> Choices{
    Letters,
    Arrows,
    Mouse,
    MouseInverted(true, false),
    MouseInverted(false, true),
    MouseInverted(true, true),
    NumericPad,
    NoKeys,
};

bool ValidGroup(int group) {
    return group >= 0 && group < DirectionGroupCount;
}

}  // namespace

int FirstControlOfGroup(int group) {
    return DPadUp + 4 * group;
}

const KeyGroup& AutoAssignCodes(int choice) {
    return Choices[static_cast<std::size_t>(choice)];
}

void AutoAssign(ProfileType& profile, int group, int choice, UserInterface& ui) {
    if (!ValidGroup(group)) return;
    if (ui.IsWindowOpen(SettingsWindow::Assignment)) ui.CloseWindow(SettingsWindow::Assignment);
    const int first = FirstControlOfGroup(group);
    if (choice >= 0 && choice < AutoAssignChoiceCount) {
        for (int direction = 0; direction < 4; ++direction)
            SetSlot(profile.Current(first + direction).Slots, -1,
                    AutoAssignCodes(choice)[static_cast<std::size_t>(direction)]);
        profile.Changed = true;
        ui.RedrawSlotDisplays();
        for (int direction = 0; direction < 4; ++direction) ui.DrawControlButton(first + direction);
    }
    // Auto-assign always leaves the group in Standard mode.
    SetGroupMode(profile, group, Standard, ui);
    ui.RedrawLayout();
}

void SetGroupMode(ProfileType& profile, int group, std::uint8_t mode, UserInterface& ui) {
    if (!ValidGroup(group) || mode > Vertical) return;
    // Redrawn first so that no button keeps a state drawn under the old mode.
    ui.RedrawLayout();
    SetType& set = profile.Sets[profile.CurrentSet];
    if (group == DPadGroup)
        set.DPadMode = mode;
    else
        set.StickModes[static_cast<std::size_t>(group - 1)] = mode;
    profile.Changed = true;
    ui.RedrawLayout();
}

std::uint8_t DetectAutoAssign(const ProfileType& profile, int group) {
    if (!ValidGroup(group)) return NoAutoAssignChoice;
    const int first = FirstControlOfGroup(group);
    for (int choice = 0; choice < AutoAssignChoiceCount; ++choice) {
        bool matches = true;
        // Only the first slot counts; an empty assignment matches nothing, not even "None".
        for (int direction = 0; direction < 4 && matches; ++direction) {
            const SlotType& slots = profile.Current(first + direction).Slots;
            matches = !slots.Codes.empty() &&
                      slots.Codes[0] == AutoAssignCodes(choice)[static_cast<std::size_t>(direction)];
        }
        if (matches) return static_cast<std::uint8_t>(choice);
    }
    return NoAutoAssignChoice;
}

}  // namespace velmora
