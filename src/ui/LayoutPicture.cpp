#include "ui/LayoutPicture.h"

#include "ui/ButtonGlyphs.h"
#include "ui/ControlButton.h"
#include "ui/ElevationNotice.h"
#include "ui/LayoutBackground.h"
#include "ui/SmallButtons.h"

namespace velmora {
namespace {

constexpr std::array<int, IndicatorIndex::TriggersIndicator + 1> MarkerGlyphs{
    DPadMarkerGlyph, Stick1MarkerGlyph, Stick2MarkerGlyph, TriggersMarkerGlyph};

bool InsideLayoutPicture(int x, int y) {
    return x >= LayoutLeft && x < LayoutLeft + ImageWidth && y >= LayoutTop && y < LayoutTop + ImageHeight;
}

// A white rounded square under the glyph so that it reads on any picture.
void DrawMarker(PictureType& picture, int x, int y, int glyph) {
    for (int r = 0; r < ButtonGlyphSize; ++r)
        for (int c = 0; c < ButtonGlyphSize; ++c)
            if (InsideRoundedButton(c, r, ButtonGlyphSize, ButtonGlyphSize) &&
                InsideLayoutPicture(x + c, y + r))
                picture.Put(x + c, y + r, palette::White);
    DrawButtonGlyph(picture, x, y, glyph);
}

// A large copy of a glyph, each pixel a 4 x 4 square.
void DrawLargeGlyph(PictureType& picture, int x, int y, int glyph) {
    const ButtonGlyph& rows = ButtonGlyphPicture(glyph);
    for (int r = 0; r < ButtonGlyphSize; ++r)
        for (int c = 0; c < ButtonGlyphSize; ++c) {
            const char ink = rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (ink == '#' || ink == '+')
                picture.Fill(x + 4 * c, y + 4 * r, 4, 4, ink == '#' ? palette::Black : palette::Grey);
        }
}

}  // namespace

void RedrawLayout(PictureType& picture, const LayoutScene& scene, TextDrawer& text) {
    DrawTopBar(picture, scene);
    DrawElevationNotice(picture, scene, text);
    DrawArea(picture, scene, text);
    DrawBottomStrip(picture, scene);
}

void DrawLayoutSettingsMarkers(PictureType& picture, const LayoutScene& scene) {
    const ControllerFileType* layout = scene.SelectedLayout();
    if (!layout || !scene.Status.LayoutShown) return;
    for (std::size_t i = 0; i < MarkerGlyphs.size(); ++i) {
        const IndicatorBox& box = layout->Indicators[i];
        if (box.Present) DrawMarker(picture, LayoutLeft + box.Left, LayoutTop + box.Top, MarkerGlyphs[i]);
    }
}

void EraseLayoutSettingsMarkers(PictureType& picture, const LayoutScene& scene) {
    const ControllerFileType* layout = scene.SelectedLayout();
    if (!layout) return;
    for (const IndicatorBox& box : layout->Indicators) {
        if (!box.Present) continue;
        for (int r = 0; r < box.Height; ++r)
            for (int c = 0; c < box.Width; ++c)
                if (box.Left + c < ImageWidth && box.Top + r < ImageHeight)
                    picture.Put(LayoutLeft + box.Left + c, LayoutTop + box.Top + r,
                                LayoutBackgroundPixel(scene, box.Left + c, box.Top + r));
    }
}

WaitingGlyphBox WaitingGlyphArea() {
    constexpr int size = 4 * ButtonGlyphSize;
    return {LayoutLeft + (ImageWidth - size) / 2, LayoutTop + (ImageHeight - size) / 2, size};
}

constexpr std::array<int, 4> WaitingVariants{WaitingGlyph19, WaitingGlyph20, WaitingGlyph19, WaitingGlyph18};

PictureType WaitingSquare(const LayoutScene& scene) {
    const WaitingGlyphBox box = WaitingGlyphArea();
    PictureType square(box.Size, box.Size);
    for (int r = 0; r < box.Size; ++r)
        for (int c = 0; c < box.Size; ++c) {
            const int x = box.Left - LayoutLeft + c, y = box.Top - LayoutTop + r;
            square.Put(c, r,
                       x % 16 == 8 && y % 16 == 8 ? palette::Silver : LayoutBackgroundPixel(scene, x, y));
        }
    return square;
}

// The square alone: its background with the grid's dots, then the glyph.
void DrawWaitingGlyph(PictureType& picture, const PictureType& square, int phase) {
    const WaitingGlyphBox box = WaitingGlyphArea();
    picture.Paste(square, box.Left, box.Top);
    DrawLargeGlyph(picture, box.Left, box.Top, WaitingVariants[static_cast<std::size_t>(phase & 3)]);
}

void DrawNoControllerPicture(PictureType& picture, const LayoutScene& scene, int phase) {
    DrawPictureBackground(picture, scene);
    // The fixed pattern: a faint grid of dots, every 16 pixels.
    for (int y = 8; y < ImageHeight; y += 16)
        for (int x = 8; x < ImageWidth; x += 16) picture.Put(LayoutLeft + x, LayoutTop + y, palette::Silver);
    const WaitingGlyphBox box = WaitingGlyphArea();
    DrawLargeGlyph(picture, box.Left, box.Top, WaitingVariants[static_cast<std::size_t>(phase & 3)]);
}

void DrawMainPicture(PictureType& picture, const LayoutScene& scene, TextDrawer& text) {
    RedrawLayout(picture, scene, text);
    if (scene.Selected < 0) {
        DrawNoControllerPicture(picture, scene, 0);
        return;
    }
    DrawPictureBackground(picture, scene);
    DrawAllControlButtons(picture, scene, text);
    DrawLayoutSettingsMarkers(picture, scene);
}

}  // namespace velmora
