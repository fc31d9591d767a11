// The check of the window in front, made every quarter second between
// passes, when nothing changed: the same window in front, 32 rules. It must
// cost well under 50 microseconds and allocate nothing; the counter
// "allocations" reports what the checks allocated.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/ProgramProfiles.h"

namespace {

std::atomic<long> Allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    ++Allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace velmora;

class SameWindow : public FrontProgramSeam {
public:
    std::uintptr_t FrontWindow() override { return 0x1234; }
    bool Ignored(std::uintptr_t) override { return false; }
    bool WindowExists(std::uintptr_t) override { return true; }
    FrontProgram Describe(std::uintptr_t) override {
        return {"C:\\Games\\Some Game\\game31.exe", "Some Game"};
    }
};

void BM_FrontWindowCheckWhenNothingChanged(benchmark::State& state) {
    ConfigurationType config;
    for (int i = 0; i < 32; ++i)
        config.ProgramRules.push_back({"game" + std::to_string(i) + ".exe", "", "", "/p.velmoraprofile"});
    SameWindow seam;
    ProgramWatch watch;
    std::uint64_t now = 1000;
    SettledProgramRule(watch, seam, config, now);  // the window is described once
    const long before = Allocations.load();
    for (auto _ : state) {
        now += ProgramCheckMilliseconds;
        benchmark::DoNotOptimize(SettledProgramRule(watch, seam, config, now));
    }
    state.counters["allocations"] = static_cast<double>(Allocations.load() - before);
}
BENCHMARK(BM_FrontWindowCheckWhenNothingChanged);

}  // namespace
