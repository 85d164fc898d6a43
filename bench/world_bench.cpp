#include <benchmark/benchmark.h>

#include <memory>

#include "common/helpers.h"
#include "sim/cruise_start.h"
#include "world/terrain.h"

namespace vel {
namespace {

std::unique_ptr<Game> Prepared(int32_t areaCode, int32_t region, uint32_t seed) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.areaCode = areaCode;
    g->cruiseOptions.region = region;
    g->screenState.height = 729;
    g->rng.srand(seed);
    FillRandomTable(g->randomTable, g->rng);
    BuildTrigTables(g->trigTables);
    return g;
}

// Cruise start per generated area kind: 1 coast, 2 islands, 3 waterway,
// 4 river; region 3 is the Bahamas.
void BM_StartCruise(benchmark::State& state) {
    const auto area = static_cast<int32_t>(state.range(0));
    const auto region = static_cast<int32_t>(state.range(1));
    auto g = Prepared(area, region, 1);
    uint32_t seed = 1;
    for (auto _ : state) {
        g->cruiseOptions.areaCode = area;
        g->cruiseOptions.region = region;
        g->rng.srand(++seed);
        StartCruise(*g);
        benchmark::DoNotOptimize(g->areaGrid.harbourX);
    }
}
BENCHMARK(BM_StartCruise)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({3, 1})
    ->Args({4, 1})
    ->Args({2, 3})
    ->Unit(benchmark::kMicrosecond);

void BM_DepthAtOpenWater(benchmark::State& state) {
    auto g = Prepared(1, 1, 5);
    StartCruise(*g);
    const int32_t y = g->areaGrid.seaSign * 8000;  // far out to sea
    for (auto _ : state) benchmark::DoNotOptimize(DepthAt(*g, 1234, y, 1));
}
BENCHMARK(BM_DepthAtOpenWater);

void BM_DepthAtNearIsland(benchmark::State& state) {
    auto g = Prepared(1, 1, 5);
    StartCruise(*g);
    const AreaGrid& a = g->areaGrid;
    const int32_t x = a.islandX[3] + a.islandRadius[3];
    const int32_t y = a.islandY[3];
    for (auto _ : state) benchmark::DoNotOptimize(DepthAt(*g, x, y, 1));
}
BENCHMARK(BM_DepthAtNearIsland);

}  // namespace
}  // namespace vel
