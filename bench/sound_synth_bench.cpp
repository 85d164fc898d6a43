#include <benchmark/benchmark.h>

#include "shell/sound_synth.h"

// The whole bank is made at start-up on a worker thread: until it is ready
// the game is silent. The first measures a thread as it comes after Qt has
// painted; the second one prepared as the audio device prepares its own.
static void BM_SynthesiseAllSounds(benchmark::State& state) {
    if (state.range(0) == 1) vel::PrepareSynthesisThread();
    for (auto _ : state)
        for (int32_t id : vel::SynthesisedSoundIds()) benchmark::DoNotOptimize(vel::SynthesiseSound(id));
}
BENCHMARK(BM_SynthesiseAllSounds)->ArgName("prepared")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_SynthesiseOneSound(benchmark::State& state) {
    const int32_t id = static_cast<int32_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(vel::SynthesiseSound(id));
}
BENCHMARK(BM_SynthesiseOneSound)->DenseRange(138, 150)->Arg(168)->Arg(171)->Arg(172)->Arg(174)->Unit(benchmark::kMillisecond);
