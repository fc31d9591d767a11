#include <gtest/gtest.h>

#include <algorithm>

#include "app/settings/AssignmentOptionIcons.h"

namespace velmora {
namespace {

struct MarkSpread {
    int Count = 0;
    int Top = OptionIconSize, Bottom = -1, Left = OptionIconSize, Right = -1;
};

MarkSpread Spread(const PictureType& icon, ColourType colour) {
    MarkSpread s;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x)
            if (icon.Get(x, y) == colour) {
                ++s.Count;
                s.Top = std::min(s.Top, y), s.Bottom = std::max(s.Bottom, y);
                s.Left = std::min(s.Left, x), s.Right = std::max(s.Right, x);
            }
    return s;
}

TEST(AssignmentOptionIcons, EachIconCarriesTheMarkOfItsOptionWhereTheButtonsShowIt) {
    const MarkSpread turbo = Spread(DrawOptionIcon(AssignmentOption::Turbo, true), palette::Magenta);
    EXPECT_GT(turbo.Count, 0);
    EXPECT_LT(turbo.Bottom, OptionIconSize / 3);  // a bar across the top
    EXPECT_GE(turbo.Right - turbo.Left, OptionIconSize / 2);

    const MarkSpread toggle = Spread(DrawOptionIcon(AssignmentOption::Toggle, true), palette::Blue);
    EXPECT_GT(toggle.Count, 0);
    EXPECT_GE(toggle.Top, OptionIconSize * 2 / 3);  // a bar across the bottom
    EXPECT_GE(toggle.Right - toggle.Left, OptionIconSize / 2);

    const PictureType rumble = DrawOptionIcon(AssignmentOption::Rumble, true);
    const MarkSpread sides = Spread(rumble, palette::Yellow);
    EXPECT_LT(sides.Left, OptionIconSize / 3);  // both sides, top to bottom
    EXPECT_GE(sides.Right, OptionIconSize * 2 / 3);
    EXPECT_GE(sides.Bottom - sides.Top, OptionIconSize / 2);
    EXPECT_EQ(rumble.Get(OptionIconSize / 2, OptionIconSize / 2), palette::White);  // the middle stays free
}

TEST(AssignmentOptionIcons, AnIconShowsNoOtherOptionsMark) {
    const struct {
        AssignmentOption Option;
        ColourType Mark;
    } options[] = {{AssignmentOption::Toggle, palette::Blue},
                   {AssignmentOption::Turbo, palette::Magenta},
                   {AssignmentOption::Rumble, palette::Yellow}};
    for (const auto& icon : options)
        for (const auto& other : options) {
            if (other.Option == icon.Option) continue;
            EXPECT_EQ(Spread(DrawOptionIcon(icon.Option, true), other.Mark).Count, 0)
                << static_cast<int>(icon.Option) << " shows the mark of " << static_cast<int>(other.Option);
        }
}

TEST(AssignmentOptionIcons, ADisabledRumbleIconKeepsItsShapeButLosesItsColour) {
    const PictureType enabled = DrawOptionIcon(AssignmentOption::Rumble, true);
    const PictureType disabled = DrawOptionIcon(AssignmentOption::Rumble, false);
    EXPECT_EQ(Spread(disabled, palette::Yellow).Count, 0);
    // Every Yellow pixel of the enabled icon is Grey in the disabled one.
    for (int y = 0; y < OptionIconSize; ++y)
        for (int x = 0; x < OptionIconSize; ++x)
            if (enabled.Get(x, y) == palette::Yellow) {
                EXPECT_EQ(disabled.Get(x, y), palette::Grey) << x << "," << y;
            }
}

TEST(AssignmentOptionIcons, OnlyTheMaxEndOfARumbleSliderShakes) {
    const MarkSpread none = Spread(DrawRumbleEndIcon(false), palette::Yellow);
    const MarkSpread max = Spread(DrawRumbleEndIcon(true), palette::Yellow);
    EXPECT_EQ(none.Count, 0);
    // The waves fill the key's face, not one corner of it.
    EXPECT_GE(max.Count, OptionIconSize * OptionIconSize / 6);
    EXPECT_GE(max.Right - max.Left, OptionIconSize / 2);
    EXPECT_GE(max.Bottom - max.Top, OptionIconSize / 2);
}

}  // namespace
}  // namespace velmora
