// Drawing costs of the chart, the mini chart and the radar over a generated-
// style coast with sixteen islands and fifty rocks, and of the whole chart of
// the passages and the real areas at the largest screen.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "app/frame.h"
#include "common/helpers.h"
#include "gfx/dc.h"
#include "sim/cruise_start.h"
#include "views/chart.h"
#include "views/minichart.h"
#include "views/place_labels.h"
#include "views/radar.h"

namespace vel {
namespace {

void BuildArea(Game& g) {
    AreaGrid& a = g.areaGrid;
    a.areaCode = 1;
    a.unitsPerMile = 300;
    a.coastBaseY = -3500;
    a.coastX[1] = -10000;
    a.coastY[1] = -3500;
    for (int32_t i = 2; i < 284; ++i) {
        a.coastX[i] = i * 65 - 9000;
        a.coastY[i] = -3500 + static_cast<int32_t>(150 * (std::sin(a.coastX[i] / 500.0) + std::sin(a.coastX[i] / 3500.0)));
    }
    a.coastX[284] = 10000;
    a.coastY[284] = -3500;
    a.islandCount = 16;
    for (int32_t i = 1; i <= 16; ++i) {
        const int32_t cx = -8000 + i * 1000, cy = (i % 4) * 1500 - 1500, r = 300 + 40 * i;
        a.islandX[i] = cx;
        a.islandY[i] = cy;
        for (int32_t k = 0; k < 37; ++k) {
            const double t = (k % 36) * 10 * kDegToRad;
            a.islandOutline[i][k][0] = cx + static_cast<int32_t>(0.4 * r * std::sin(t));
            a.islandOutline[i][k][1] = cy - static_cast<int32_t>(r * std::cos(t));
        }
    }
    g.rockList.count = 50;
    for (int32_t j = 0; j < 50; ++j) {
        g.rockList.x[j] = -9000 + 360 * j;
        g.rockList.y[j] = (j % 7) * 900 - 2700;
        g.rockList.visible[j] = j % 2;
    }
}

struct Scene {
    std::unique_ptr<Game> g = std::make_unique<Game>();
    gfx::Palette palette{768};
    gfx::Surface surface{1024, 729};
    gfx::DC dc{surface, palette, gfx::FontPixelSizeFor(768)};

    explicit Scene(int32_t zoom) {
        ScreenState& s = g->screenState;
        ComputeScreenMetrics(s, Display{});
        s.widthD = s.width;
        s.heightD = s.height;
        s.phase = 2;
        s.chartShown = 1;
        s.startPlaced = 1;
        BuildTrigTables(g->trigTables);
        ResetObjectList(g->objectList);
        BuildArea(*g);
        g->chartView.scale = zoom;
        g->chartView.fullScale = 75;
        g->chartView.openedThisCruise = 1;
        g->ownBoat.x = 1200;
        g->ownBoat.y = -800;
        g->ownBoat.cellX = 1200;
        g->ownBoat.cellY = -800;
    }
};

void BM_ChartWholeArea(benchmark::State& state) {
    Scene sc(32);
    for (auto _ : state) drawChart(sc.dc, *sc.g);
}
BENCHMARK(BM_ChartWholeArea)->Unit(benchmark::kMicrosecond);

void BM_ChartClosest(benchmark::State& state) {
    Scene sc(4);
    sc.g->chartView.centreOnBoat = 1;
    for (auto _ : state) drawChart(sc.dc, *sc.g);
}
BENCHMARK(BM_ChartClosest)->Unit(benchmark::kMicrosecond);

void BM_MiniChart(benchmark::State& state) {
    Scene sc(32);
    for (auto _ : state) drawMiniChart(sc.dc, *sc.g, 0, 437, 336, 721);
}
BENCHMARK(BM_MiniChart)->Unit(benchmark::kMicrosecond);

void BM_Radar(benchmark::State& state) {
    Scene sc(32);
    sc.g->radarState.range = 12;
    sc.g->radarState.vrm = 10;
    for (auto _ : state) drawRadar(sc.dc, *sc.g, 0, 349, 336, 729);
}
BENCHMARK(BM_Radar)->Unit(benchmark::kMicrosecond);


// A passage as the cruise start builds it, its whole chart at 1150 x 729
// before the start (circles and instruction drawn), optionally with the
// current atlas over it.
struct PassageScene {
    std::unique_ptr<Game> g = std::make_unique<Game>();
    gfx::Palette palette{768};
    std::unique_ptr<gfx::Surface> surface;
    std::unique_ptr<gfx::DC> dc;
    gfx::TextWidthCache widths;  // as the frame driver keeps them

    PassageScene(int32_t areaCode, bool currents) {
        ScreenState& s = g->screenState;
        ComputeScreenMetrics(s, Display{1150, 768, 32, 20});
        s.widthD = s.width;
        s.heightD = s.height;
        s.phase = 2;
        s.chartShown = 1;
        g->cruiseOptions.areaCode = areaCode;
        g->cruiseOptions.region = areaCode <= 6 ? 5 : 6;
        g->rng.srand(3);
        FillRandomTable(g->randomTable, g->rng);
        BuildTrigTables(g->trigTables);
        StartCruise(*g);
        g->chartView.showCurrents = currents ? 1 : 0;
        surface = std::make_unique<gfx::Surface>(s.width, s.height);
        dc = std::make_unique<gfx::DC>(*surface, palette, gfx::FontPixelSizeFor(768));
        dc->UseWidthCache(&widths);
    }
};

void BM_PassageChartWholeArea(benchmark::State& state) {
    PassageScene sc(static_cast<int32_t>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) drawChart(*sc.dc, *sc.g);
    state.counters["width"] = sc.g->screenState.width;
    state.counters["height"] = sc.g->screenState.height;
}
BENCHMARK(BM_PassageChartWholeArea)
    ->Args({5, 0})
    ->Args({8, 0})
    ->Args({5, 1})
    ->Args({8, 1})
    ->Unit(benchmark::kMicrosecond);

// The four real areas as their cruise start loads them (the scene is the
// passages' own: the area decides the rest), with and without the atlas.
void BM_RealChartWholeArea(benchmark::State& state) {
    PassageScene sc(static_cast<int32_t>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) drawChart(*sc.dc, *sc.g);
}
BENCHMARK(BM_RealChartWholeArea)
    ->Args({11, 0})
    ->Args({12, 0})
    ->Args({20, 0})
    ->Args({30, 0})
    ->Args({11, 1})
    ->Unit(benchmark::kMicrosecond);

// The label placer alone (asking, measuring and placing every label) on
// the whole chart of a generated coast and of the real areas, at the
// whole-area zoom and zoomed in to where the lights' characteristics show,
// about the start's harbour.
void BM_ChartLabels(benchmark::State& state) {
    const int32_t area = static_cast<int32_t>(state.range(0));
    PassageScene sc(area, false);
    ChartView& c = sc.g->chartView;
    if (state.range(1) != 0) {
        c.scale = static_cast<int32_t>(state.range(1));
        c.panX = Trunc(sc.g->ownBoat.x);
        c.panY = Trunc(sc.g->ownBoat.y);
    }
    PrepareChartFrame(*sc.g);
    const ChartFrame f = MainChartFrame(*sc.g);
    std::size_t placed = 0;
    for (auto _ : state) placed = ChartLabels(*sc.dc, *sc.g, f).placedLabels().size();
    state.counters["placed"] = static_cast<double>(placed);
}
BENCHMARK(BM_ChartLabels)
    ->Args({1, 0})
    ->Args({1, 8})
    ->Args({5, 0})
    ->Args({11, 0})
    ->Args({11, 8})
    ->Args({12, 0})
    ->Args({12, 8})
    ->Args({20, 0})
    ->Args({20, 8})
    ->Args({30, 0})
    ->Args({30, 8})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vel
