#include "devices/ReadyLayouts.h"

#include <algorithm>

#include "devices/XInputPairing.h"

namespace velmora {

PadCapabilities CapabilitiesOf(const ControllerDetectionDataType& slot) {
    PadCapabilities device;
    for (std::size_t axis = 0; axis < device.Axes.size(); ++axis)
        device.Axes[axis] = slot.AxisObjects[axis].Present;
    device.ButtonCount = std::min<std::uint8_t>(slot.ButtonCount, 32);
    device.POVCount = slot.POVCount;
    return device;
}

bool MakeControllerReadyLayout(const ControllerListType& list, const ControllerDataType& c,
                               ControllerFileType& layout, const ControllerDatabase& database,
                               bool xinputLoaded, const std::array<ColourType, 3>& colours) {
    const ControllerDetectionDataType* slot = list.DetectionOf(c);
    if (!slot) return false;
    // The model's last line first; an earlier one may still fit when it does not.
    for (const PadMapping* entry : database.FindAll(c.Identity.VendorProduct))
        if (MakeReadyLayout(layout, *entry, CapabilitiesOf(*slot), colours)) return true;
    if (!xinputLoaded || !LooksLikeXInputPad(list, c)) return false;
    FinishReadyLayout(layout, MapXInputPad(layout), colours);
    return true;
}

}  // namespace velmora
