// The check of the window in front, made every quarter second between
// passes, when nothing changed: the same window in front with the same
// title, 32 rules. It must cost well under 50 microseconds (that it
// allocates nothing is checked by the unit tests on every run).

#include <benchmark/benchmark.h>

#include <string>

#include "app/ProgramProfiles.h"

namespace {

using namespace velmora;

class SameWindow : public FrontProgramSeam {
public:
    std::uintptr_t FrontWindow() override { return 0x1234; }
    bool Ignored(std::uintptr_t) override { return false; }
    bool WindowExists(std::uintptr_t) override { return true; }
    bool TitleChanged(std::uintptr_t) override { return false; }
    bool ShowBalloon(const std::string&, const std::string&) override { return true; }
    FrontProgram Describe(std::uintptr_t) override {
        return {"C:\\Games\\Some Game\\game31.exe", "Some Game"};
    }
};

void BM_FrontWindowCheckWhenNothingChanged(benchmark::State& state) {
    ConfigurationType config;
    // One rule has a title part: every check asks for the title as well.
    for (int i = 0; i < 32; ++i)
        config.ProgramRules.push_back(
            {"game" + std::to_string(i) + ".exe", i == 0 ? "Launcher" : "", "", "/p.velmoraprofile"});
    SameWindow seam;
    ProgramWatch watch;
    std::uint64_t now = 1000;
    SettledProgramRule(watch, seam, config, now);  // the window is described once
    for (auto _ : state) {
        now += ProgramCheckMilliseconds;
        benchmark::DoNotOptimize(SettledProgramRule(watch, seam, config, now));
    }
}
BENCHMARK(BM_FrontWindowCheckWhenNothingChanged);

}  // namespace
