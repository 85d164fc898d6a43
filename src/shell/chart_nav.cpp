#include "shell/chart_nav.h"

#include <algorithm>

#include "common/helpers.h"

namespace vel {
namespace {

constexpr int32_t kMinZoom = 4;
constexpr int32_t kVirtualMaxZoom = 32;
constexpr int32_t kFirstZoomFromFullView = 64;
constexpr int32_t kPanStep = 30;

// A zoom value below the closest one would divide the chart by nothing.
int32_t UsableZoom(int32_t z) { return std::max(z, kMinZoom); }

// Whether a zoom-out to z brings the pan back to the origin. A passage's
// whole view (zoom 100) re-centres as a real area's does.
bool Recentres(const AreaGrid& a, int32_t z, int32_t fullScale, ZoomOutBy by) {
    if (a.isPassage != 0) return z == fullScale;
    if (a.isRealArea != 0 && by == ZoomOutBy::Menu) return z == fullScale;
    return z >= kVirtualMaxZoom;
}

}  // namespace

double ChartPixelsPerUnit(const ScreenState& s, int32_t zoom) { return 0.96 * s.vScale / UsableZoom(zoom); }

ChartPoint worldToChart(const Game& g, double x, double y) {
    const ScreenState& s = g.screenState;
    const ChartView& c = g.chartView;
    const double k = ChartPixelsPerUnit(s, c.scale);
    return {s.width / 2 + Trunc((x - c.centreX) * k), s.height / 2 + Trunc((y - c.centreY) * k)};
}

ChartPoint chartToWorld(const Game& g, int32_t sx, int32_t sy) {
    const ScreenState& s = g.screenState;
    const ChartView& c = g.chartView;
    const double k = ChartPixelsPerUnit(s, c.scale);
    return {Trunc((sx - s.width / 2) / k) + c.centreX, Trunc((sy - s.height / 2) / k) + c.centreY};
}

bool IsVirtualArea(const AreaGrid& a) { return a.isPassage == 0 && a.isRealArea == 0; }

void ChartZoomIn(Game& g) {
    ChartView& c = g.chartView;
    if (c.scale == c.fullScale && g.areaGrid.isRealArea == 0)
        c.scale = kFirstZoomFromFullView;
    else
        c.scale = c.scale / 2;
    c.scale = UsableZoom(c.scale);
}

void ChartZoomOut(Game& g, ZoomOutBy by) {
    ChartView& c = g.chartView;
    const AreaGrid& a = g.areaGrid;
    int32_t z = c.scale * 2;
    if (IsVirtualArea(a)) z = std::min(z, kVirtualMaxZoom);
    z = std::min(z, UsableZoom(c.fullScale));
    c.scale = UsableZoom(z);

    if (Recentres(a, c.scale, c.fullScale, by)) {
        c.panX = 0;
        c.panY = 0;
    }
}

void ChartPan(Game& g, int32_t stepsEast, int32_t stepsSouth) {
    ChartView& c = g.chartView;
    c.panX += stepsEast * kPanStep * c.scale;
    c.panY += stepsSouth * kPanStep * c.scale;
}

void ChartZoomAboutPoint(Game& g, int32_t x, int32_t y, bool keepCentreOnBoat) {
    ChartView& c = g.chartView;
    g.inputState.rightClickX = x;
    g.inputState.rightClickY = y;
    if (c.zoomAtClick == 0) c.zoomClickScale = c.scale;
    c.zoomAtClick = 1;
    c.panX = c.panY = 0;
    if (!keepCentreOnBoat) c.centreOnBoat = 0;
    ChartZoomIn(g);
}

void MiniChartZoomIn(Game& g) {
    int32_t& q = g.viewState.miniChartScale;
    q = std::max(q - 3, kMiniZoomMin);
}

void MiniChartZoomOut(Game& g) {
    int32_t& q = g.viewState.miniChartScale;
    q = std::min(q + 3, kMiniZoomMax);
}

}  // namespace vel
