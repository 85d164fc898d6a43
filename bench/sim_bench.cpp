#include <benchmark/benchmark.h>

#include <memory>

#include "common/helpers.h"
#include "cruise/title.h"
#include "sim/cruise_start.h"
#include "sim/tick.h"
#include "sim/wave_motion.h"

namespace {

// A monohull under sail in a cruise that has been running for a while.
std::unique_ptr<vel::Game> RunningCruise() {
    auto g = std::make_unique<vel::Game>();
    vel::CruiseOptions& o = g->cruiseOptions;
    o.difficulty = 8;
    o.simSpeed = 9;
    o.stepDivisor = 114;
    vel::ApplyBoatDesign(*g);
    g->rng.srand(7);
    vel::FillRandomTable(g->randomTable, g->rng);
    vel::BuildTrigTables(g->trigTables);
    vel::StartCruise(*g);
    g->screenState.phase = 2;
    g->screenState.startPlaced = 1;
    g->screenState.chartShown = 0;
    g->ownBoat.heading = vel::NormaliseAngle(g->weather.baseDirection + 100);
    g->ownBoat.headingExact = g->ownBoat.heading;
    for (int i = 0; i < 2000; ++i) vel::RunSimulationSteps(*g);
    return g;
}

void BM_SimulationTick(benchmark::State& state) {
    auto g = RunningCruise();
    for (auto _ : state) {
        vel::RunSimulationSteps(*g);
        vel::AdvanceWaveMotion(*g);
        g->soundRequests.clear();
        if (g->simClock.day > 5) g->simClock.day = 2;
        benchmark::DoNotOptimize(g->ownBoat.x);
    }
}
BENCHMARK(BM_SimulationTick);

}  // namespace
