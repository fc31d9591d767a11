// The area between the bars: theme or Interface3 around the white-framed
// layout picture, the controller line, the picture background and the
// bottom strip with the names switch and the set buttons.

#include <algorithm>

#include "base/Language.h"
#include "ui/ButtonGlyphs.h"
#include "ui/LayoutBackground.h"
#include "ui/Ramps.h"
#include "ui/SmallButtons.h"

namespace velmora {
namespace {

bool InsideLayoutPicture(int x, int y) {
    return x >= LayoutLeft && x < LayoutLeft + ImageWidth && y >= LayoutTop && y < LayoutTop + ImageHeight;
}

void DrawFrame(PictureType& picture) {
    picture.Fill(LayoutLeft, LayoutTop - 1, ImageWidth, 1, palette::White);
    picture.Fill(LayoutLeft, LayoutTop + ImageHeight, ImageWidth, 1, palette::White);
    picture.Fill(LayoutLeft - 1, LayoutTop, 1, ImageHeight, palette::White);
    picture.Fill(LayoutLeft + ImageWidth, LayoutTop, 1, ImageHeight, palette::White);
}

std::string ControllerLineName(const ControllerFileType& layout) {
    if (!layout.FileName.empty()) return layout.Name;
    if (layout.Changed) return "<--- " + Translate("*Click \"Save As\" to save layout*");
    // Unsaved, unedited and yet placed: the ready layout Velmora made for a known model.
    const std::array<bool, ControlCount> placed = PlacedControls(layout);
    if (std::find(placed.begin(), placed.end(), true) != placed.end())
        return "<--- " + Translate("*Ready layout: \"Save As\" to keep it*");
    return "<--- " + Translate("*Click \"New\" to create layout or \"Open\"*");
}

void DrawControllerLine(PictureType& picture, const LayoutScene& scene, TextDrawer& text) {
    const MainWindowStatus& status = scene.Status;
    DrawSmallButton(picture, 4, 52, ControllerGlyph, status.ControllerButtonPressed != 0);
    DrawNameBox(picture, text, 28, 52, 228, ControllerLineName(*scene.SelectedLayout()), false);
    DrawSmallButton(picture, 236, 52, LayoutEditGlyph, false);
    DrawSmallButton(picture, 264, 52, ProfileGlyph, status.ProfileButtonPressed != 0);
    const std::string profileName = scene.Profile ? scene.Profile->Name : std::string();
    DrawNameBox(picture, text, 288, 52, 228, profileName, status.ProfileNamePressed != 0);
}

ColourType ImagePixel(const ControllerFileType& layout, int x, int y) {
    const std::size_t i = PixelOffset(y, x);
    return {layout.Image[i + 2], layout.Image[i + 1], layout.Image[i]};
}

}  // namespace

void DrawArea(PictureType& picture, const LayoutScene& scene, TextDrawer& text) {
    for (int y = 48; y <= 333; ++y)
        for (int x = 0; x < PictureWidth; ++x)
            if (!InsideLayoutPicture(x, y))
                picture.Put(x, y, scene.ThemeImage ? ThemePixel(scene, x, y) : scene.Config->Interface[2]);
    DrawFrame(picture);
    if (scene.Selected >= 0) DrawControllerLine(picture, scene, text);
}

ColourType LayoutBackgroundPixel(const LayoutScene& scene, int x, int y) {
    const ControllerFileType* layout = scene.SelectedLayout();
    if (scene.Status.LayoutShown && layout) {
        const ColourType pixel = ImagePixel(*layout, x, y);
        if (pixel != palette::Magenta) return pixel;
    }
    if (scene.ThemeImage) return ThemePixel(scene, LayoutLeft + x, LayoutTop + y);
    const auto& b = scene.Config->Background;
    // Built once for the configuration's colours and kept. Drawing runs on the
    // user-interface thread only; a thread_local here cost an emulated-TLS call
    // per pixel on Windows, about 9 ms for the area.
    static RampType ramp;
    static std::array<ColourType, 3> rampColours{};
    if (ramp.empty() || rampColours != b) {
        ramp = BuildRamp(ImageHeight, b[0], b[1], b[2]);
        rampColours = b;
    }
    return ramp[static_cast<std::size_t>(y)];
}

void DrawPictureBackground(PictureType& picture, const LayoutScene& scene) {
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth; ++x)
            picture.Put(LayoutLeft + x, LayoutTop + y, LayoutBackgroundPixel(scene, x, y));
}

void DrawBottomStrip(PictureType& picture, const LayoutScene& scene) {
    const auto& c = scene.Config->Interface;
    const RampType ramp = BuildRamp(26, c[0], c[1], c[2]);
    for (int y = 334; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x)
            picture.Put(x, y,
                        scene.ThemeImage ? ThemePixel(scene, x, y) : ramp[static_cast<std::size_t>(359 - y)]);
    if (!scene.Status.LayoutShown) return;
    DrawSmallButton(picture, 4, 337, NamesGlyph, scene.Status.NamesShown);
    DrawSmallButton(picture, 320, 337, ProfileSetGlyph, scene.Status.BottomButtonPressed != 0);
    const int current = scene.Profile ? scene.Profile->CurrentSet : 0;
    for (int i = 0; i < SetCount; ++i)
        DrawSmallButton(picture, 342 + 22 * i, 337, SetGlyph1 + i % SetGlyphCount, i == current);
}

}  // namespace velmora
