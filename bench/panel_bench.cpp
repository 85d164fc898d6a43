#include <benchmark/benchmark.h>

#include <memory>

#include "common/game.h"
#include "gfx/dc.h"
#include "shell/commands.h"
#include "shell/input.h"
#include "shell/settings.h"
#include "views/panel.h"

namespace {

// The control panel runs every frame of a cruise: its share of the frame.
void BM_DrawControlPanel(benchmark::State& state) {
    auto g = std::make_unique<vel::Game>();
    vel::ApplyMissingSettings(*g);
    vel::ScreenState& s = g->screenState;
    s.width = 1024;
    s.height = 729;
    s.widthD = 1024;
    s.heightD = 729;
    s.phase = 2;
    s.startPlaced = 1;
    s.chartShown = 0;
    g->ownBoat.throttle = 3;
    g->ownBoat.gear = 3;
    s.steerMouseX = 800;
    s.steerMouseY = 516;
    vel::gfx::Palette palette(768);
    vel::gfx::Surface surface(1024, 729);
    vel::gfx::DC dc(surface, palette, vel::gfx::FontPixelSizeFor(768));
    for (auto _ : state) {
        vel::DrawControlPanel(dc, *g, 0, 488, 1024, 729);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawControlPanel);

// Refreshing a menu asks every row's rules: the cost of opening the menus.
void BM_MenuRules(benchmark::State& state) {
    auto g = std::make_unique<vel::Game>();
    for (auto _ : state) {
        int n = 0;
        for (const vel::Command& c : vel::Commands()) n += c.enabled(*g) + (c.checked && c.checked(*g));
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_MenuRules);

void BM_KeyMap(benchmark::State& state) {
    auto g = std::make_unique<vel::Game>();
    g->screenState.phase = 2;
    for (auto _ : state) {
        vel::OnKeyDown(*g, vel::vk::Letter('S'));
        benchmark::DoNotOptimize(g->ownBoat.sheet);
    }
}
BENCHMARK(BM_KeyMap);

}  // namespace
