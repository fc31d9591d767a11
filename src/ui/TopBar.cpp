// The top bar: gradient or theme rows, a tab per controller with its
// thumbnail, the separator that opens under the selected tab, and the two
// top-right buttons.

#include "ui/ButtonGlyphs.h"
#include "ui/LayoutBackground.h"
#include "ui/Ramps.h"
#include "ui/SmallButtons.h"
#include "ui/Tabs.h"

namespace velmora {
namespace {

ColourType Interface3(const LayoutScene& scene) {
    return scene.Config->Interface[2];
}

void DrawBarRows(PictureType& picture, const LayoutScene& scene) {
    if (scene.ThemeImage) {
        for (int y = 0; y <= 46; ++y)
            for (int x = 0; x < PictureWidth; ++x) picture.Put(x, y, ThemePixel(scene, x, y));
        return;
    }
    const auto& c = scene.Config->Interface;
    const RampType ramp = BuildRamp(45, c[0], c[1], c[2]);
    for (int y = 0; y < 45; ++y) picture.Fill(0, y, PictureWidth, 1, ramp[static_cast<std::size_t>(y)]);
}

ColourType StatusColour(bool selected, bool connected) {
    if (selected) return connected ? palette::White : palette::Red;
    return connected ? palette::Grey : palette::DarkRed;
}

void DrawTabFrame(PictureType& picture, const LayoutScene& scene, int x, int w) {
    // Grey, Black and Silver lines from the outside in along the top, bending
    // down the sides in Silver so that they meet the separator's opening.
    picture.Fill(x - 3, 2, w + 6, 1, palette::Grey);
    picture.Fill(x - 4, 3, w + 8, 1, palette::Black);
    picture.Fill(x - 4, 4, w + 8, 1, palette::Silver);
    picture.Put(x - 4, 2, palette::Grey);
    picture.Put(x + w + 3, 2, palette::Grey);
    picture.Put(x - 5, 3, palette::Black);
    picture.Put(x + w + 4, 3, palette::Black);
    picture.Fill(x - 5, 4, 1, 41, palette::Silver);
    picture.Fill(x + w + 4, 4, 1, 41, palette::Silver);
    for (int r = 5; r <= 44; ++r)
        for (int c = x - 4; c <= x + w + 3; ++c)
            picture.Put(c, r, scene.ThemeImage ? ThemePixel(scene, c, 49 + (49 - r) / 2) : Interface3(scene));
}

void DrawTab(PictureType& picture, const LayoutScene& scene, const TabGeometry& tabs, int index) {
    const int x = TabLeft(tabs, index), w = tabs.Width;
    DrawTabFrame(picture, scene, x, w);
    const SceneController& controller = scene.Controllers[static_cast<std::size_t>(index)];
    const ControllerFileType& layout = *controller.Layout;
    const ColourType status = StatusColour(index == scene.Selected, controller.Connected);
    for (int r = 0; r < layout.ThumbnailHeight; ++r)
        for (int c = 0; c < layout.ThumbnailWidth; ++c) {
            const std::size_t i = static_cast<std::size_t>(r * layout.ThumbnailWidth + c) * 3;
            const ColourType pixel{layout.Thumbnail[i + 2], layout.Thumbnail[i + 1], layout.Thumbnail[i]};
            picture.Put(x + c, tabs.Top + r, pixel == palette::White ? status : pixel);
        }
}

ColourType SpanPixel(const LayoutScene& scene, int x, int y) {
    return scene.ThemeImage ? ThemePixel(scene, x, 51 - (y - 45)) : Interface3(scene);
}

void DrawSeparator(PictureType& picture, const LayoutScene& scene) {
    picture.Fill(0, 45, PictureWidth, 1, palette::Silver);
    picture.Fill(0, 46, PictureWidth, 1, palette::Black);
    picture.Fill(0, 47, PictureWidth, 1, palette::Grey);
    if (scene.Selected < 0) return;
    const TabGeometry tabs = TabsFor(static_cast<int>(scene.Controllers.size()));
    const int x = TabLeft(tabs, scene.Selected), w = tabs.Width;
    for (int y = 45; y <= 47; ++y)
        for (int c = x - 7; c <= x + w + 6; ++c) picture.Put(c, y, SpanPixel(scene, c, y));
    for (int c : {x - 7, x - 5, x + w + 4, x + w + 6}) picture.Put(c, 45, palette::Silver);
    for (int c : {x - 6, x + w + 5}) picture.Put(c, 45, palette::Black);
    for (int c : {x - 6, x + w + 5}) picture.Put(c, 46, palette::Silver);
    for (int c : {x - 7, x + w + 6}) picture.Put(c, 46, palette::Black);
    for (int c : {x - 7, x + w + 6}) picture.Put(c, 47, palette::Grey);
}

}  // namespace

ColourType ThemePixel(const LayoutScene& scene, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * PictureWidth + static_cast<std::size_t>(x)) * 3;
    const auto& bytes = *scene.ThemeImage;
    return {bytes[i + 2], bytes[i + 1], bytes[i]};
}

void DrawTopBar(PictureType& picture, const LayoutScene& scene) {
    DrawBarRows(picture, scene);
    const TabGeometry tabs = TabsFor(static_cast<int>(scene.Controllers.size()));
    for (int i = 0; i < static_cast<int>(scene.Controllers.size()); ++i) DrawTab(picture, scene, tabs, i);
    DrawSeparator(picture, scene);
    DrawSmallButton(picture, 469, 12, SettingsGlyph, scene.Status.TopRightPressed[0] != 0);
    DrawSmallButton(picture, 493, 12, HelpGlyph, scene.Status.TopRightPressed[1] != 0);
}

}  // namespace velmora
