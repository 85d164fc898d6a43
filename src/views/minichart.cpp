#include "views/minichart.h"

#include <algorithm>

#include "common/helpers.h"
#include "shell/chart_nav.h"
#include "views/chart_layers.h"
#include "views/chart_plot.h"
#include "views/inset_button.h"
#include "views/lights.h"
#include "views/passage_chart.h"
#include "views/place_labels.h"
#include "views/real_chart.h"

namespace vel {
namespace {

constexpr int kGreyBrush = 40;            // (127,127,127)
constexpr int32_t kButtonHeight = 17;

constexpr const char* kZoomInHelp = "  ｽﾞｰﾑｲﾝ(近く)。";
constexpr const char* kZoomOutHelp = "  ｽﾞｰﾑｱｳﾄ(高く)。";

int32_t MiniZoom(const Game& g) { return std::clamp(g.viewState.miniChartScale, kMiniZoomMin, kMiniZoomMax); }


bool SeaHidden(const Game& g) { return g.viewState.night == 1 || g.weather.storm == 2 || g.weather.fog == 1; }

// Grey when the sea cannot be seen: at night, in a thunderstorm or in fog.
void FillBackground(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    dc.SelectStockPen(gfx::Stock::Black);
    if (SeaHidden(g))
        dc.SelectBrush(kGreyBrush);
    else
        SelectChartWater(dc, g);
    dc.Rectangle(f.left, f.top, f.right, f.bottom);
}

ButtonBox ZoomButtonBox(const Game& g, int32_t left, int32_t top, int32_t row) {
    const int32_t w = g.screenState.width / (g.screenState.width > 1000 ? 12 : 14);
    const int32_t y = top + 1 + 18 * row;
    return {left + 1, y, left + 1 + w, y + kButtonHeight};
}

void ZoomButtons(gfx::DC& dc, Game& g, int32_t left, int32_t top) {
    const bool wide = g.screenState.width > 1000;
    if (MiniZoomInShown(g) && InsetButton(dc, g, ZoomButtonBox(g, left, top, 0), wide ? "ｽﾞｰﾑｲﾝ " : "ｽﾞｰﾑ", kZoomInHelp))
        MiniChartZoomIn(g);
    if (MiniZoomOutShown(g) && InsetButton(dc, g, ZoomButtonBox(g, left, top, 1), wide ? "ｽﾞｰﾑｱｳﾄ" : "ｱｳﾄ", kZoomOutHelp))
        MiniChartZoomOut(g);
}

}  // namespace

ChartFrame MiniChartFrame(const Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int32_t q = MiniZoom(g);
    ChartFrame f;
    f.s = 0.32 * g.screenState.vScale / q;
    f.worldX = Trunc(g.ownBoat.x);
    f.worldY = Trunc(g.ownBoat.y);
    f.screenX = (left + right) / 2;
    f.screenY = (top + bottom) / 2;
    f.left = left;
    f.top = top;
    f.right = right;
    f.bottom = bottom;
    f.zoom = 3 * q;  // the chart zoom with the same pixels per unit
    f.mini = true;
    f.mono = MonochromeView(g);
    return f;
}

std::vector<LabelBox> MiniChartButtonBoxes(const Game& g, int32_t left, int32_t top) {
    std::vector<LabelBox> out;
    for (int32_t row = 0; row < 2; ++row) {
        if (row == 0 ? !MiniZoomInShown(g) : !MiniZoomOutShown(g)) continue;
        const ButtonBox b = ZoomButtonBox(g, left, top, row);
        out.push_back({b.left, b.top, b.right + 1, b.bottom + 1});
    }
    return out;
}

bool MiniZoomInShown(const Game& g) { return g.viewState.miniChartScale >= 2; }
bool MiniZoomOutShown(const Game& g) { return g.viewState.miniChartScale < kMiniZoomMax; }

void drawMiniChart(gfx::DC& dc, Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (g.cruiseOptions.troubleNoMiniChart != 0) return;
    dc.ClipRect(left, top, right, bottom);
    const ChartFrame f = MiniChartFrame(g, left, top, right, bottom);
    FillBackground(dc, g, f);
    if (!SeaHidden(g)) DrawPassageBank(dc, g, f);
    DrawRocks(dc, g, f);
    DrawShoreBands(dc, g, f);
    DrawIslands(dc, g, f);
    DrawRealAreaLayers(dc, g, f);
    DrawChartAids(dc, g, f);
    ChartLabels(dc, g, f).draw(dc);
    DrawOwnBoatSymbol(dc, g, f);
    DrawWaypoints(dc, g, f, false);
    DrawMarks(dc, g, f);
    ZoomButtons(dc, g, left, top);
    dc.ReleaseClip();
}

}  // namespace vel
