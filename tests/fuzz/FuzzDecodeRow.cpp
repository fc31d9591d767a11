// Picture rows: any items decode to exactly one row, and every row encodes
// to items that decode back to it.

#include <cstdlib>
#include <cstring>
#include <vector>

#include "files/ControllerFileRows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    std::vector<std::int32_t> items(size / 4);
    if (!items.empty()) std::memcpy(items.data(), data, items.size() * 4);
    const std::vector<std::uint32_t> row = DecodeRow(items);
    if (row.size() != RowPixels) std::abort();
    std::vector<std::uint32_t> masked(row);
    for (std::uint32_t& pixel : masked) pixel &= 0xFFFFFF;
    const std::vector<std::uint32_t> encoded = EncodeRow(masked);
    const std::vector<std::int32_t> again(encoded.begin(), encoded.end());
    if (DecodeRow(again) != masked) std::abort();
    return 0;
}
