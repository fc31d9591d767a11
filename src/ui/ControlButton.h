#pragma once
// One control's button on the layout picture: its state colour, its keys or
// name, the marks of the assignment's options, and placing it on the picture.

#include "ui/LayoutScene.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

inline constexpr int ControlButtonHeight = 30;
inline constexpr int ControlButtonMaxWidth = 90;

// Whether the button is drawn: placed by the layout and not hidden by its group's mode.
bool ControlButtonShown(const LayoutScene& scene, int control);
// The button's width: 30, or the name's width + 10 while names are shown.
int ControlButtonWidth(const LayoutScene& scene, TextDrawer& text, int control);
void DrawControlButton(PictureType& picture, const LayoutScene& scene, TextDrawer& text, int control);
// Restores the layout picture under the control's button.
void EraseControlButton(PictureType& picture, const LayoutScene& scene, TextDrawer& text, int control);
void DrawAllControlButtons(PictureType& picture, const LayoutScene& scene, TextDrawer& text);
// What each pass does for the selected controller: redraws the buttons whose
// state differs from what they show; true when any was redrawn, so that the
// window is repainted once.
bool DrawChangedControlButtons(PictureType& picture, const LayoutScene& scene, TextDrawer& text,
                               const std::array<std::uint8_t, ControlCount>& shown);
void EraseAllControlButtons(PictureType& picture, const LayoutScene& scene, TextDrawer& text);

}  // namespace velmora
