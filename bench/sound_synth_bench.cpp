#include <benchmark/benchmark.h>

#include "shell/sound_synth.h"

// The whole bank is made before the window opens: its cost is start-up time.
static void BM_SynthesiseAllSounds(benchmark::State& state) {
    for (auto _ : state)
        for (int32_t id : vel::SynthesisedSoundIds()) benchmark::DoNotOptimize(vel::SynthesiseSound(id));
}
BENCHMARK(BM_SynthesiseAllSounds)->Unit(benchmark::kMillisecond);

static void BM_SynthesiseOneSound(benchmark::State& state) {
    const int32_t id = static_cast<int32_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(vel::SynthesiseSound(id));
}
BENCHMARK(BM_SynthesiseOneSound)->DenseRange(138, 150)->Arg(168)->Arg(171)->Arg(172)->Arg(174)->Unit(benchmark::kMillisecond);
