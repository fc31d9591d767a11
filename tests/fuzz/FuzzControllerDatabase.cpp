// The controller database: any bytes in any encoding are read without a
// fault, and every entry read is turned into a ready layout for a device
// with every axis and one without any.

#include <memory>

#include "FuzzSupport.h"
#include "files/ControllerDatabase.h"
#include "model/ReadyLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    fuzz::UseInput(data, size);
    const ControllerDatabase database = ReadControllerDatabase("gamecontrollerdb.txt");
    PadCapabilities all, none;
    all.Axes.fill(true);
    all.ButtonCount = 32;
    all.POVCount = 1;
    auto layout = std::make_unique<ControllerFileType>();
    for (const PadMapping& entry : database.Entries) {
        MapPadEntry(*layout, entry, all);
        MapPadEntry(*layout, entry, none);
        (void)GuidVendorProduct(entry.Guid);
    }
    return 0;
}
