// The controller database's costs: parsing the shipped file once (it happens
// at the first plug), and looking a model up and building its ready layout,
// picture included (every plug of a model without a layout file).

#include <benchmark/benchmark.h>

#include <memory>

#include "base/FileSystem.h"
#include "base/TextEncoding.h"
#include "files/ControllerDatabase.h"
#include "model/ReadyLayout.h"

namespace {

using namespace velmora;

const std::string& ShippedBytes() {
    static const std::string bytes =
        StandardFileSystem{}
            .ReadFile(std::string(VELMORA_SOURCE_DIR) + "/data/gamecontrollerdb.txt", 1 << 24)
            .value();
    return bytes;
}

void ParseWholeDatabase(benchmark::State& state) {
    std::size_t entries = 0;
    for (auto _ : state) {
        const ControllerDatabase database =
            ParseControllerDatabase(DecodeFileText(ShippedBytes(), false).Text);
        entries = database.Entries.size();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(ParseWholeDatabase)->Unit(benchmark::kMillisecond);

void LookUpAndBuildAtPlug(benchmark::State& state) {
    const ControllerDatabase database = ParseControllerDatabase(ShippedBytes());
    PadCapabilities ps4;
    for (std::size_t axis = 0; axis < 6; ++axis) ps4.Axes[axis] = true;
    ps4.ButtonCount = 14;
    ps4.POVCount = 1;
    const ConfigurationType config;
    auto layout = std::make_unique<ControllerFileType>();
    layout->Identity.VendorProduct = 0x054C05C4;
    for (auto _ : state) {
        const PadMapping* entry = database.Find(layout->Identity.VendorProduct);
        benchmark::DoNotOptimize(MakeReadyLayout(*layout, *entry, ps4, config.Interface));
    }
}
BENCHMARK(LookUpAndBuildAtPlug)->Unit(benchmark::kMicrosecond);

// The same without the picture: what the database's part of the plug costs.
void LookUpAndMapAtPlug(benchmark::State& state) {
    const ControllerDatabase database = ParseControllerDatabase(ShippedBytes());
    PadCapabilities ps4;
    for (std::size_t axis = 0; axis < 6; ++axis) ps4.Axes[axis] = true;
    ps4.ButtonCount = 14;
    ps4.POVCount = 1;
    auto layout = std::make_unique<ControllerFileType>();
    for (auto _ : state) benchmark::DoNotOptimize(MapPadEntry(*layout, *database.Find(0x054C05C4), ps4));
}
BENCHMARK(LookUpAndMapAtPlug)->Unit(benchmark::kMicrosecond);

}  // namespace
