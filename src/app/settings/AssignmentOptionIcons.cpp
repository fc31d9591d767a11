#include "app/settings/AssignmentOptionIcons.h"

namespace velmora {
namespace {

constexpr int Last = OptionIconSize - 1;

// A White key with a Grey outline, one pixel in from the icon's edge.
void DrawKey(PictureType& icon) {
    icon.Fill(0, 0, OptionIconSize, OptionIconSize, palette::Silver);
    icon.Fill(1, 1, OptionIconSize - 2, OptionIconSize - 2, palette::Grey);
    icon.Fill(2, 2, OptionIconSize - 4, OptionIconSize - 4, palette::White);
}

void DrawMark(PictureType& icon, AssignmentOption option, ColourType colour) {
    switch (option) {
        case AssignmentOption::Turbo:
            icon.Fill(2, 2, OptionIconSize - 4, 3, colour);
            break;
        case AssignmentOption::Toggle:
            icon.Fill(2, Last - 4, OptionIconSize - 4, 3, colour);
            break;
        case AssignmentOption::Rumble:
            icon.Fill(2, 2, 3, OptionIconSize - 4, colour);
            icon.Fill(Last - 4, 2, 3, OptionIconSize - 4, colour);
            break;
    }
}

ColourType MarkColour(AssignmentOption option) {
    switch (option) {
        case AssignmentOption::Turbo:
            return palette::Magenta;
        case AssignmentOption::Toggle:
            return palette::Blue;
        case AssignmentOption::Rumble:
            return palette::Yellow;
    }
    return palette::Black;
}

}  // namespace

PictureType DrawOptionIcon(AssignmentOption option, bool enabled) {
    PictureType icon(OptionIconSize, OptionIconSize);
    DrawKey(icon);
    DrawMark(icon, option, enabled ? MarkColour(option) : palette::Grey);
    return icon;
}

PictureType DrawRumbleEndIcon(bool strongest) {
    PictureType icon(OptionIconSize, OptionIconSize);
    DrawKey(icon);
    if (!strongest) return icon;
    // Diagonal waves across the key's face.
    for (int y = 3; y < Last - 2; ++y)
        for (int x = 3; x < Last - 2; ++x)
            if ((x + y) % 4 < 2) icon.Put(x, y, palette::Yellow);
    return icon;
}

}  // namespace velmora
