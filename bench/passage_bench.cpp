#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "common/helpers.h"
#include "cruise/title.h"
#include "sim/cruise_start.h"
#include "sim/tick.h"
#include "world/passages.h"
#include "world/terrain.h"

namespace vel {
namespace {

std::unique_ptr<Game> Passage(int32_t areaCode, uint32_t seed) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.areaCode = areaCode;
    g->cruiseOptions.difficulty = 5;
    g->screenState.height = 729;
    ApplyBoatDesign(*g);
    g->rng.srand(seed);
    FillRandomTable(g->randomTable, g->rng);
    BuildTrigTables(g->trigTables);
    StartCruise(*g);
    return g;
}

// The whole cruise start of each passage (areas 5..8).
void BM_PassageCruiseStart(benchmark::State& state) {
    const auto area = static_cast<int32_t>(state.range(0));
    auto g = Passage(area, 1);
    uint32_t seed = 1;
    for (auto _ : state) {
        g->cruiseOptions.areaCode = area;
        g->rng.srand(++seed);
        g->shoreMap = ShoreMap{};  // as the first cruise in the area: the shoreline decoded afresh
        StartCruise(*g);
        benchmark::DoNotOptimize(g->areaGrid.landX[1][0]);
    }
}
BENCHMARK(BM_PassageCruiseStart)->DenseRange(5, 8)->Unit(benchmark::kMicrosecond);

// DepthAt over a 64 x 64 grid spread across the passage (+-21000): the
// benchmark's time is per query.
void BM_PassageDepthAt(benchmark::State& state) {
    auto g = Passage(static_cast<int32_t>(state.range(0)), 3);
    std::vector<std::pair<int32_t, int32_t>> points;
    for (int32_t i = 0; i < 64; ++i)
        for (int32_t j = 0; j < 64; ++j) points.emplace_back(-21000 + i * 667, -21000 + j * 667);
    std::size_t k = 0;
    for (auto _ : state) {
        const auto& p = points[k];
        benchmark::DoNotOptimize(DepthAt(*g, p.first, p.second, 1));
        k = k + 1 == points.size() ? 0 : k + 1;
    }
}
BENCHMARK(BM_PassageDepthAt)->Arg(5)->Arg(7);

// One tick of a boat reaching across the middle of the Gulf Stream.
void BM_GulfStreamTick(benchmark::State& state) {
    auto g = Passage(5, 7);
    g->screenState.phase = 2;
    g->screenState.startPlaced = 1;
    g->screenState.chartShown = 0;
    OwnBoat& b = g->ownBoat;
    b.heading = NormaliseAngle(g->weather.baseDirection + 100);
    b.headingExact = b.heading;
    b.sailsUp = 1;
    for (auto _ : state) {
        b.x = -11000;
        b.y = 0;
        RunSimulationSteps(*g);
        g->soundRequests.clear();
        if (g->simClock.day > 5) g->simClock.day = 2;
        benchmark::DoNotOptimize(b.x);
    }
}
BENCHMARK(BM_GulfStreamTick);

}  // namespace
}  // namespace vel
