// The controller database: any bytes in any encoding are read without a
// fault, and the first entries read are turned into ready layouts for a
// device with every axis and one without any (a mapping resets a whole
// picture: mapping every entry of a long input would slow the fuzzer down
// to a few runs a second without reaching more of the mapping). One layout
// is mapped onto again and again, as a rescan maps onto the layout it has.

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
    static const auto layout = std::make_unique<ControllerFileType>();
    for (std::size_t i = 0; i < database.Entries.size() && i < 4; ++i) {
        const PadMapping& entry = database.Entries[i];
        MapPadEntry(*layout, entry, all);
        MapPadEntry(*layout, entry, none);
        (void)GuidVendorProduct(entry.Guid);
    }
    return 0;
}
