// The Image page's drawing tools of the controller settings window: the pen
// size slider, the palette where a press or drag picks the colour, and the
// swatch that shows it. Which of them shows follows the draw mode.
#include <string>

#include "app/settings/ControllerPictures.h"
#include "app/settings/LayoutImageTools.h"
#include "app/win32/settings/ControllerSettingsForm.h"
#include "app/win32/settings/ControllerSettingsIds.h"
#include "base/Language.h"
#include "ui/win32/PictureBox.h"

namespace velmora {

using namespace controller_ids;

void TControllerSettingsForm::AddDrawTools() {
    penSize_ = CreateLabelledTrackBar(Handle(), Translate("*Pen Size*"), 210, 76, 180, PenSizeId);
    palette_ = PictureFromPixels(PaletteWidth, PaletteHeight, PalettePixels());
    paletteBox_ =
        CreatePictureBox(Handle(), {PaletteLeft, PaletteTop, PaletteWidth, PaletteHeight}, &palette_);
    swatchBox_ = CreatePictureBox(Handle(), {SwatchLeft, PaletteTop, SwatchSize, SwatchSize}, &swatch_);
}

void TControllerSettingsForm::ShowDrawTools() {
    const bool page = state_.Tab == ControllerTab::Image;
    ShowLabelledTrackBar(penSize_, page && PenSizeShown(state_.Drawing.Mode));
    const int palette = page && PaletteShown(state_.Drawing.Mode) ? SW_SHOW : SW_HIDE;
    ShowWindow(paletteBox_, palette);
    ShowWindow(swatchBox_, palette);
}

void TControllerSettingsForm::FillDrawTools() {
    const int size = state_.Drawing.PenSize;
    FillLabelledTrackBar(penSize_, MinimumPenSize, MaximumPenSize, size, std::to_string(MinimumPenSize),
                         std::to_string(MaximumPenSize), std::to_string(size));
    swatch_ = PictureFromPixels(SwatchSize, SwatchSize, SwatchPixels(state_.Drawing.Colour));
    RedrawPictureBox(swatchBox_);
    ShowDrawTools();
}

bool TControllerSettingsForm::MouseOnPalette(UINT message, POINT position) {
    const int row = position.y - PaletteTop;
    const int column = position.x - PaletteLeft;
    if (message == WM_LBUTTONDOWN) {
        picking_ = IsWindowVisible(paletteBox_) && row >= 0 && row < PaletteHeight && column >= 0 &&
                   column < PaletteWidth;
        if (!picking_) return false;
        SetCapture(Handle());  // a drag may leave the palette and come back
    } else if (!picking_) {
        return false;
    } else if (message == WM_LBUTTONUP) {
        picking_ = false;
        ReleaseCapture();
        return true;
    }
    if (PickPaletteColour(state_, row, column)) FillDrawTools();
    return true;
}

}  // namespace velmora
