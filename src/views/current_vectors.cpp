#include "views/current_vectors.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "views/passage_chart.h"
#include "world/current_field.h"

namespace vel {
namespace {

constexpr int kArrowPen = 45;       // (0,43,107) 3
constexpr int kMonoArrowPen = 25;   // (0,0,0) 2
constexpr int32_t kFullLengthTenths = 40;
constexpr int32_t kHeadPixels = 5;

bool HasCurrentField(const AreaGrid& a) { return a.isPassage == 1 || a.isRealArea == 1; }

// The current at a point, with the tide record as it was before.
struct Current {
    int32_t tenths, from;
};
Current AskField(Game& g, int32_t x, int32_t y) {
    const TideState saved = g.tideState;
    CurrentAt(g, x, y, 0);
    const Current c{g.tideState.currentSpeed, g.tideState.currentFrom};
    g.tideState = saved;
    return c;
}

int32_t FloorTo(int32_t v, int32_t step) { return v >= 0 ? v / step * step : -((-v + step - 1) / step * step); }

void Arrow(gfx::DC& dc, const Game& g, gfx::Point p, const Current& c, int32_t fullLength) {
    const TrigTables& t = g.trigTables;
    const int32_t to = NormaliseAngle(NormaliseAngle(c.from) + 180);
    const int32_t len = std::max(4, fullLength * std::min(c.tenths, kFullLengthTenths) / kFullLengthTenths);
    const gfx::Point tip{p.x + t.sin100[to] * len / 100, p.y - t.cos100[to] * len / 100};
    dc.MoveTo(p.x, p.y);
    dc.LineTo(tip.x, tip.y);
    for (int32_t side : {150, 210}) {
        const int32_t b = NormaliseAngle(to + side);
        dc.MoveTo(tip.x, tip.y);
        dc.LineTo(tip.x + t.sin100[b] * kHeadPixels / 100, tip.y - t.cos100[b] * kHeadPixels / 100);
    }
}

}  // namespace

int32_t AtlasGridStep(double pixelsPerUnit) {
    const int32_t raw = pixelsPerUnit > 0.0 ? Trunc(kAtlasSpacingPixels / pixelsPerUnit) : 100;
    return std::max(100, (raw + 50) / 100 * 100);
}

void drawCurrentVectors(gfx::DC& dc, Game& g, const ChartFrame& f) {
    const AreaGrid& a = g.areaGrid;
    if (!HasCurrentField(a)) return;
    const int32_t step = AtlasGridStep(f.s);
    // World box of the frame, trimmed to the passage's waters where it has any.
    int32_t west = f.worldX + Trunc((f.left - f.screenX) / f.s), east = f.worldX + Trunc((f.right - f.screenX) / f.s);
    int32_t north = f.worldY + Trunc((f.top - f.screenY) / f.s), south = f.worldY + Trunc((f.bottom - f.screenY) / f.s);
    if (const std::optional<PassageLimits> lim = PassageLimitsFor(a)) {
        west = std::max(west, lim->west);
        east = std::min(east, lim->east);
        north = std::max(north, lim->north);
        if (lim->southCovered) south = std::min(south, lim->south);
    }
    dc.SelectPen(f.mono ? kMonoArrowPen : kArrowPen);
    const int32_t fullLength = std::max(8, Trunc(step * f.s * 0.85));
    for (int32_t y = FloorTo(north, step) + step; y < south; y += step) {
        for (int32_t x = FloorTo(west, step) + step; x < east; x += step) {
            const Current c = AskField(g, x, y);
            if (c.tenths <= 0) continue;
            const gfx::Point p = f.toScreen(x, y);
            if (f.contains(p)) Arrow(dc, g, p, c, fullLength);
        }
    }
}

std::optional<int32_t> ChartCurrentTenths(Game& g, int32_t x, int32_t y) {
    if (!HasCurrentField(g.areaGrid)) return std::nullopt;
    return AskField(g, x, y).tenths;
}

}  // namespace vel
