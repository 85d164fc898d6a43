#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "app/frame.h"
#include "common/game.h"
#include "sim/tick.h"

namespace {

// Time stands still and the cursor is away: only the frame's own work counts.
class BenchHost : public vel::FrameHost {
public:
    uint32_t tickCount() override { return 0; }
    uint32_t wallClockSeed() override { return 1; }
    bool cursor(int32_t&, int32_t&) override { return false; }
    void playSounds(const std::vector<vel::SoundRequest>&) override {}
};

void BM_TitleFrame(benchmark::State& state) {
    auto g = std::make_unique<vel::Game>();
    BenchHost host;
    vel::FrameDriver driver(768);
    const vel::Display display{1024, 768, 32, 20};
    for (auto _ : state) {
        vel::FrameResult r = driver.run(*g, host, display);
        benchmark::DoNotOptimize(r.picture.get());
    }
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

void BM_SimulationTick(benchmark::State& state) {
    auto g = std::make_unique<vel::Game>();
    g->forcedSeed = 1;
    BenchHost host;
    vel::SetUpCruise(*g, host);
    vel::ScreenState& s = g->screenState;
    s.forecastShown = 0;
    s.chartShown = 0;
    s.startPlaced = 1;
    g->cruiseOptions.simSpeed = 9;
    g->cruiseOptions.stepDivisor = 114;
    for (auto _ : state) {
        vel::RunSimulationSteps(*g);
        benchmark::DoNotOptimize(g->ownBoat.x);
    }
}
BENCHMARK(BM_SimulationTick);

}  // namespace
