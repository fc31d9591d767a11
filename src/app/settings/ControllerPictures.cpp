#include "app/settings/ControllerPictures.h"

#include <cstdlib>

#include "ui/ControlButton.h"
#include "ui/LayoutBackground.h"
#include "ui/LayoutPicture.h"

namespace velmora {
namespace {

// The upward arrow the others are turned from: a head of rows 3 to 11 that
// widens by a pixel on each side per row, on a shaft 6 pixels wide down to
// row 20. Twice the distance from the centre keeps the shape symmetric in
// whole numbers on an even-sized square.
bool UpArrowInk(int x, int y) {
    const int across = std::abs(2 * x - (DetectionArrowSize - 1));
    if (y >= 3 && y <= 11) return across <= 2 * (y - 3) + 1;
    return y >= 12 && y <= 20 && across <= 5;
}

bool ArrowInk(DirectionPicture direction, int x, int y) {
    constexpr int last = DetectionArrowSize - 1;
    switch (direction) {
        case DirectionPicture::Up:
            return UpArrowInk(x, y);
        case DirectionPicture::Down:
            return UpArrowInk(x, last - y);
        case DirectionPicture::Left:  // the upward arrow is symmetric: mirrored on the diagonal it turns
            return UpArrowInk(y, x);
        case DirectionPicture::Right:
            return UpArrowInk(y, last - x);
    }
    return false;
}

}  // namespace

PictureType ControllerLayoutPicture(LayoutScene scene, TextDrawer& text, int selectedButton) {
    // The editor shows the layout whatever the main window's animations are doing.
    scene.Status.LayoutShown = true;
    scene.Status.AnimationDone = true;
    scene.EditedControl = selectedButton;
    // The controls are lit as the main window lights them: making a layout,
    // the user needs to see which control the pad moves. The form repaints
    // when the lit states change.
    PictureType main;
    DrawPictureBackground(main, scene);
    DrawAllControlButtons(main, scene, text);
    DrawLayoutSettingsMarkers(main, scene);
    PictureType layout(ImageWidth, ImageHeight);
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth; ++x) layout.Put(x, y, main.Get(LayoutLeft + x, LayoutTop + y));
    return layout;
}

PictureType DetectionArrowPicture(DirectionPicture direction) {
    PictureType arrow(DetectionArrowSize, DetectionArrowSize);
    for (int y = 0; y < DetectionArrowSize; ++y)
        for (int x = 0; x < DetectionArrowSize; ++x)
            arrow.Put(x, y, ArrowInk(direction, x, y) ? palette::Black : palette::White);
    return arrow;
}

PictureType PictureFromPixels(int width, int height, const std::vector<std::uint8_t>& pixels) {
    PictureType picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                    static_cast<std::size_t>(x)) *
                                   3;
            if (at + 2 < pixels.size()) picture.Put(x, y, {pixels[at + 2], pixels[at + 1], pixels[at]});
        }
    return picture;
}

}  // namespace velmora
