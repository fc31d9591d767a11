#pragma once
// The pictures of the controller settings window: its layout picture with
// the controls drawn as the main window draws them, the arrow of the
// detection panel, and the Image tab's palette and swatch as pictures.

#include <cstdint>
#include <vector>

#include "app/settings/Detection.h"
#include "ui/LayoutScene.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

// The 512 x 256 layout picture of the scene's selected controller: the
// image over the main window's background, every shown control's button and
// the group markers, all where the main window puts them inside its layout
// picture. Every control shows its resting look; the selected button (or
// NoItem) takes the edited look.
PictureType ControllerLayoutPicture(LayoutScene scene, TextDrawer& text, int selectedButton);

// The detection panel's arrow, pointing the way the user is asked to move:
// black on white, DetectionArrowSize pixels square.
inline constexpr int DetectionArrowSize = 24;
PictureType DetectionArrowPicture(DirectionPicture direction);

// A picture of width x height pixels given as blue, green, red bytes, top
// row first (the palette's and the swatch's pixels).
PictureType PictureFromPixels(int width, int height, const std::vector<std::uint8_t>& pixels);

}  // namespace velmora
