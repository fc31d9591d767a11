// Colour ramps of the bars, the picture background and the button styles.

#include <gtest/gtest.h>

#include "ui/Picture.h"
#include "ui/Ramps.h"

namespace velmora {
namespace {

ColourType Grey(std::uint8_t v) {
    return {v, v, v};
}

TEST(Ramps, ThreeStopRampRunsToMiddleThenStopsOneStepShortOfEnd) {
    const RampType ramp = BuildRamp(4, Grey(0), Grey(100), Grey(200));
    ASSERT_EQ(ramp.size(), 4u);
    EXPECT_EQ(ramp[0], Grey(0));
    EXPECT_EQ(ramp[1], Grey(50));
    EXPECT_EQ(ramp[2], Grey(100));
    EXPECT_EQ(ramp[3], Grey(150));
}

TEST(Ramps, ShortRampsAndOddCountsRoundEachChannel) {
    EXPECT_EQ(BuildRamp(1, Grey(7), Grey(100), Grey(200)), RampType{Grey(7)});
    EXPECT_EQ(BuildRamp(2, Grey(7), Grey(100), Grey(200)), (RampType{Grey(7), Grey(100)}));
    // 5 entries: h = 2, then 3 steps from 0 to 100: 33.3 and 66.7 round to 33 and 67.
    const RampType odd = BuildRamp(5, Grey(100), Grey(0), Grey(100));
    EXPECT_EQ(odd, (RampType{Grey(100), Grey(50), Grey(0), Grey(33), Grey(67)}));
    EXPECT_EQ(BuildLinearRamp(3, Grey(0), Grey(100)), (RampType{Grey(0), Grey(33), Grey(67)}));
    EXPECT_EQ(BuildLinearRamp(3, Grey(9), Grey(9)), RampType(3, Grey(9)));
}

TEST(Ramps, SolidAndUnknownGradientBasesAreFlat) {
    EXPECT_EQ(BuildButtonRamp(28, palette::Red, SolidButtons), RampType(28, palette::Red));
    EXPECT_EQ(BuildButtonRamp(28, palette::Magenta, GradientButtons), RampType(28, palette::Magenta));
}

TEST(Ramps, GradientButtonsUseTheStopsOfTheirBase) {
    EXPECT_EQ(BuildButtonRamp(28, palette::Green, GradientButtons),
              BuildRamp(28, palette::LightGreen, palette::DarkGreen, palette::Green));
    const RampType white = BuildButtonRamp(28, palette::White, GradientButtons);
    EXPECT_EQ(white[0], palette::NearWhite);
    EXPECT_EQ(white[14], palette::NearWhite);
    EXPECT_EQ(BuildButtonRamp(28, palette::Yellow, GradientButtons)[14], palette::Yellow);
}

TEST(Ramps, VistaWhiteAndSilverHaveAFlatUpperHalf) {
    for (ColourType base : {palette::White, palette::Silver}) {
        const RampType ramp = BuildButtonRamp(28, base, VistaButtons);
        for (int i = 0; i <= 14; ++i) EXPECT_EQ(ramp[static_cast<std::size_t>(i)], base) << i;
        // Below the middle each row loses 255 / 28 = 9 per channel.
        EXPECT_EQ(ramp[15].Red, base.Red - 9);
        EXPECT_EQ(ramp[27].Red, base.Red - 13 * 9);
    }
}

TEST(Ramps, VistaColourShinesAboveTheMiddleAndDarkensOnlyItsLitChannels) {
    const RampType ramp = BuildButtonRamp(28, palette::Green, VistaButtons);
    EXPECT_EQ(ramp[14], palette::Green);
    EXPECT_EQ(ramp[13], (ColourType{112, 255, 112}));
    EXPECT_EQ(ramp[12], (ColourType{121, 255, 121}));
    EXPECT_EQ(ramp[0], (ColourType{229, 255, 229}));  // 112 + 13 * 9
    EXPECT_EQ(ramp[15], (ColourType{0, 246, 0}));
    EXPECT_EQ(ramp[27], (ColourType{0, 255 - 13 * 9, 0}));
}

TEST(Ramps, VistaShineIsHeldAtWhite) {
    const RampType ramp = BuildButtonRamp(4, ColourType{200, 10, 0}, VistaButtons);
    // m = 2, step 63: entry 1 is base + 112 held at 255, entry 0 adds 63 more.
    EXPECT_EQ(ramp[1], (ColourType{255, 122, 112}));
    EXPECT_EQ(ramp[0], (ColourType{255, 185, 175}));
    EXPECT_EQ(ramp[3], (ColourType{137, 0, 0}));
}

}  // namespace
}  // namespace velmora
