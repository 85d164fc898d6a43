#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "common/helpers.h"
#include "cruise/title.h"
#include "sim/cruise_start.h"
#include "sim/tick.h"
#include "sim/wave_motion.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

struct RealArea {
    int32_t code, region;
};

std::unique_ptr<Game> Started(RealArea a, uint32_t seed) {
    auto g = std::make_unique<Game>();
    CruiseOptions& o = g->cruiseOptions;
    o.areaCode = a.code;
    o.region = a.region;
    o.difficulty = 8;
    o.simSpeed = 9;
    o.stepDivisor = 114;
    ApplyBoatDesign(*g);
    g->screenState.height = 729;
    g->rng.srand(seed);
    FillRandomTable(g->randomTable, g->rng);
    BuildTrigTables(g->trigTables);
    StartCruise(*g);
    return g;
}

RealArea AreaOf(const benchmark::State& state) {
    return {static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1))};
}

// The whole cruise start of a real area: tables, outlines, depth index,
// weather and traffic.
void BM_RealCruiseStart(benchmark::State& state) {
    const RealArea area = AreaOf(state);
    auto g = Started(area, 1);
    uint32_t seed = 1;
    for (auto _ : state) {
        g->cruiseOptions.areaCode = area.code;
        g->cruiseOptions.region = area.region;
        g->rng.srand(++seed);
        g->shoreMap = ShoreMap{};  // as the first cruise in the area: the shoreline decoded afresh
        StartCruise(*g);
        benchmark::DoNotOptimize(g->areaGrid.realDockX);
    }
}
BENCHMARK(BM_RealCruiseStart)->Args({11, 1})->Args({12, 2})->Args({20, 1})->Args({30, 3})->Unit(benchmark::kMicrosecond);

// One depth query at points spread over the area, each iteration the next
// point of a 97 x 89 grid across +-21000.
void BM_RealDepth(benchmark::State& state) {
    auto g = Started(AreaOf(state), 2);
    std::vector<std::pair<int32_t, int32_t>> points;
    for (int32_t j = 0; j < 89; ++j)
        for (int32_t i = 0; i < 97; ++i) points.push_back({-21000 + i * 433, -21000 + j * 472});
    std::size_t k = 0;
    for (auto _ : state) {
        const auto [x, y] = points[k];
        benchmark::DoNotOptimize(RealDepth(*g, x, y, 0, 0));
        k = k + 1 == points.size() ? 0 : k + 1;
    }
}
BENCHMARK(BM_RealDepth)->Args({11, 1})->Args({12, 2})->Args({20, 1})->Args({30, 3});

// One simulation tick under sail off the area's dock.
void BM_RealTick(benchmark::State& state) {
    auto g = Started(AreaOf(state), 3);
    g->screenState.phase = 2;
    g->screenState.startPlaced = 1;
    g->screenState.chartShown = 0;
    OwnBoat& b = g->ownBoat;
    b.x = g->areaGrid.realDockX;
    b.y = g->areaGrid.realDockY + (g->areaGrid.realDockSide == 1 ? 300 : -300);
    b.heading = NormaliseAngle(g->weather.baseDirection + 100);
    b.headingExact = b.heading;
    for (int i = 0; i < 200; ++i) RunSimulationSteps(*g);
    const double x0 = b.x, y0 = b.y;
    int n = 0;
    for (auto _ : state) {
        RunSimulationSteps(*g);
        AdvanceWaveMotion(*g);
        g->soundRequests.clear();
        if (g->simClock.day > 5) g->simClock.day = 2;
        // Keep her sailing the same waters.
        if (++n % 2000 == 0) b.x = x0, b.y = y0;
        benchmark::DoNotOptimize(b.x);
    }
}
BENCHMARK(BM_RealTick)->Args({11, 1})->Args({12, 2})->Args({20, 1})->Args({30, 3});

}  // namespace
}  // namespace vel
