#include <benchmark/benchmark.h>

#include <memory>

#include "common/helpers.h"
#include "sim/anchoring.h"
#include "sim/vessels.h"

namespace {

std::unique_ptr<vel::Game> AnchoredInTheAnchorage() {
    auto g = std::make_unique<vel::Game>();
    vel::BuildTrigTables(g->trigTables);
    g->rng.srand(1);
    g->cruiseOptions.areaCode = 3;
    g->boatDesign.draft = 6;
    g->ownBoat.depth = 15;
    g->weather.windSpeed = 18;
    g->weather.windDirection = 220;
    g->simClock.timeStep = 30.0 / 114;
    vel::PlaceVirtualVessels(*g);
    vel::PlaceOpeningItems(*g);
    g->ownBoat.y = 300.0;
    g->anchors.anchor[1][1] = 3;
    g->anchors.anchor[1][2] = 3;
    g->anchors.yanch[1][1] = 290.0;
    g->anchors.xanch[1][2] = 20.0;
    g->anchors.yanch[1][2] = 290.0;
    g->anchorState.lineLength1 = g->anchorState.lineLength2 = 150;
    g->ownBoat.anchored = 1;
    return g;
}

// Step 20 of a tick: two ships with the crests and ripples, the fleet, contacts.
void BM_UpdateVesselsAndHazards(benchmark::State& state) {
    auto g = AnchoredInTheAnchorage();
    for (auto _ : state) {
        g->simClock.dayMinutes += 0.05;
        vel::UpdateVesselsAndHazards(*g);
        benchmark::DoNotOptimize(g->hazards.closestVessel);
    }
}
BENCHMARK(BM_UpdateVesselsAndHazards);

// Step 19 with two anchors down: holding, swing, lie and position.
void BM_UpdateMadeFast(benchmark::State& state) {
    auto g = AnchoredInTheAnchorage();
    for (auto _ : state) {
        g->simClock.dayMinutes += 0.05;
        vel::UpdateMadeFast(*g);
        benchmark::DoNotOptimize(g->ownBoat.x);
    }
}
BENCHMARK(BM_UpdateMadeFast);

// The opening ticks' strewing of 80 crests (each checked against the others)
// and 200 ripples.
void BM_PlaceOpeningItems(benchmark::State& state) {
    auto g = AnchoredInTheAnchorage();
    for (auto _ : state) {
        vel::PlaceOpeningItems(*g);
        benchmark::DoNotOptimize(g->vessels.crestX[79]);
    }
}
BENCHMARK(BM_PlaceOpeningItems);

}  // namespace
