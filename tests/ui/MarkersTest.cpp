// The group markers on the layout and the picture shown while no controller is present.

#include <gtest/gtest.h>

#include "support/PictureWorld.h"
#include "ui/ButtonGlyphs.h"
#include "ui/LayoutPicture.h"

namespace velmora {
namespace {

TEST(LayoutMarkers, EachPresentIndicatorShowsItsGlyphAtItsPlaceOnThePicture) {
    test::World w;
    w.Layout->Indicators[Stick2Indicator] = {1, 40, 300, 16, 16};
    w.Connect(1, 0);
    w.Draw();
    const ButtonGlyph& glyph = ButtonGlyphPicture(Stick2MarkerGlyph);
    int ink = 0;
    for (int r = 0; r < ButtonGlyphSize; ++r)
        for (int c = 0; c < ButtonGlyphSize; ++c) {
            const ColourType pixel = w.At(4 + 300 + c, 77 + 40 + r);
            const char mark = glyph[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (mark == '#') {
                ++ink;
                EXPECT_EQ(pixel, palette::Black) << c << "," << r;
            } else if (r > 1 && r < 14 && c > 1 && c < 14) {
                EXPECT_EQ(pixel, palette::White) << c << "," << r;
            }
        }
    EXPECT_GT(ink, 10);
    // Indicators that are not present draw nothing: the DPad's box at 0, 0 stays background.
    EXPECT_EQ(w.At(4 + 3, 77 + 3), LayoutBackgroundPixel(w.Scene, 3, 3));
    EraseLayoutSettingsMarkers(w.Picture, w.Scene);
    EXPECT_EQ(w.At(4 + 300 + 8, 77 + 40 + 8), LayoutBackgroundPixel(w.Scene, 308, 48));
}

TEST(NoControllerPicture, PhasesZeroAndTwoMatchWhileOneAndThreeDiffer) {
    test::World w;
    w.Connect(0, -1);
    std::array<std::vector<std::uint8_t>, 4> phases;
    for (int phase = 0; phase < 4; ++phase) {
        DrawNoControllerPicture(w.Picture, w.Scene, phase);
        phases[static_cast<std::size_t>(phase)] = w.Picture.Bytes();
    }
    EXPECT_EQ(phases[0], phases[2]);
    EXPECT_NE(phases[0], phases[1]);
    EXPECT_NE(phases[0], phases[3]);
    EXPECT_NE(phases[1], phases[3]);
    // Only the picture area changes: the frame and the bars are left alone.
    w.Draw();
    const PictureType before = w.Picture;
    DrawNoControllerPicture(w.Picture, w.Scene, 1);
    for (int x : {0, 3, 516, 519}) EXPECT_EQ(w.At(x, 200), before.Get(x, 200));
    EXPECT_EQ(w.At(100, 76), before.Get(100, 76));
}

// The main loop draws a new phase as its square alone: a square too small
// would leave pieces of the old glyph, a wrong background a visible patch.
TEST(NoControllerPicture, APhaseDrawnAsItsSquareAloneGivesThePhaseDrawnWhole) {
    std::vector<std::uint8_t> theme(std::size_t{PictureWidth} * PictureHeight * 3);
    for (std::size_t i = 0; i < theme.size(); ++i) theme[i] = static_cast<std::uint8_t>(i * 7 / 3);
    for (const bool themed : {false, true}) {
        test::World w;
        w.Connect(0, -1);
        if (themed) w.Scene.ThemeImage = &theme;
        std::array<PictureType, 4> whole;
        for (int phase = 0; phase < 4; ++phase) {
            w.Draw();
            DrawNoControllerPicture(w.Picture, w.Scene, phase);
            whole[static_cast<std::size_t>(phase)] = w.Picture;
        }
        const WaitingGlyphBox box = WaitingGlyphArea();
        for (int from = 0; from < 4; ++from)
            for (int to = 0; to < 4; ++to) {
                PictureType picture = whole[static_cast<std::size_t>(from)];
                DrawWaitingGlyph(picture, WaitingSquare(w.Scene), to);
                EXPECT_TRUE(picture.Bytes() == whole[static_cast<std::size_t>(to)].Bytes())
                    << "themed " << themed << ", phase " << from << " to " << to;
            }
        // What the phases change lies inside the square that is repainted.
        for (int y = 0; y < PictureHeight; ++y)
            for (int x = 0; x < PictureWidth; ++x) {
                const bool inside =
                    x >= box.Left && x < box.Left + box.Size && y >= box.Top && y < box.Top + box.Size;
                if (!inside) {
                    ASSERT_EQ(whole[1].Get(x, y), whole[3].Get(x, y)) << x << "," << y;
                }
            }
    }
}

}  // namespace
}  // namespace velmora
