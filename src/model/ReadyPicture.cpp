#include "model/ReadyPicture.h"

namespace velmora {

// First cut: the picture is cleared and nothing is placed yet; the drawing follows.
void DrawReadyPicture(ControllerFileType& layout, PadFamily, std::span<const PadButtonRole, 32>,
                      const std::array<ColourType, 3>&) {
    layout.Image = MagentaPixels(std::size_t{ImageWidth} * ImageHeight);
    layout.Locations = {};
    UpdateIndicators(layout);
    PictureChanged(layout);
}

}  // namespace velmora
