#include "views/current_vectors.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "shell/chart_nav.h"
#include "world/current_field.h"
#include "world/terrain.h"

namespace vel {
namespace {

constexpr int kArrowPen = 37;  // (0,0,255) 3
constexpr int32_t kHead = 5;

bool HasCurrentField(const Game& g) {
    CurrentZone z;
    return LookUpCurrentZone(g, 0, 0, z);
}

void Arrow(gfx::DC& dc, int32_t x, int32_t y, int32_t towards, int32_t length) {
    const double a = towards * kDegToRad;
    const double dx = std::sin(a), dy = -std::cos(a);
    const int32_t tipX = x + Trunc(dx * length / 2), tipY = y + Trunc(dy * length / 2);
    dc.MoveTo(x - Trunc(dx * length / 2), y - Trunc(dy * length / 2));
    dc.LineTo(tipX, tipY);
    for (const double side : {0.5, -0.5}) {
        const double b = a + 3.14159265 + side;
        dc.MoveTo(tipX, tipY);
        dc.LineTo(tipX + Trunc(std::sin(b) * kHead), tipY - Trunc(std::cos(b) * kHead));
    }
}

}  // namespace

int32_t AtlasArrowLength(int32_t tenths) { return std::min(kAtlasGridPixels - 8, 8 + 2 * std::max(tenths, 0)); }

void drawCurrentVectors(gfx::DC& dc, Game& g, int32_t centreX, int32_t centreY, int32_t scale) {
    if (!HasCurrentField(g)) return;
    const ScreenState& s = g.screenState;
    const double k = ChartPixelsPerUnit(s, std::max(scale, 1));
    const TideState saved = g.tideState;
    if (g.viewState.monochrome == 1)
        dc.SelectStockPen(gfx::Stock::Black);
    else
        dc.SelectPen(kArrowPen);
    dc.SelectStockBrush(gfx::Stock::Null);
    const int32_t half = kAtlasGridPixels / 2;
    for (int32_t sy = s.height / 15 + half; sy < s.height; sy += kAtlasGridPixels) {
        for (int32_t sx = half; sx < s.width; sx += kAtlasGridPixels) {
            const int32_t x = Trunc((sx - s.width / 2) / k) + centreX;
            const int32_t y = Trunc((sy - s.height / 2) / k) + centreY;
            if (DepthAt(g, x, y, 1) <= 0) continue;
            CurrentAt(g, x, y, 0);
            const int32_t speed = g.tideState.currentSpeed;
            if (speed <= 0)
                dc.Ellipse(sx - 2, sy - 2, sx + 3, sy + 3);  // slack water
            else
                Arrow(dc, sx, sy, NormaliseAngle(g.tideState.currentFrom + 180), AtlasArrowLength(speed));
        }
    }
    g.tideState = saved;
}

std::optional<int32_t> ChartCurrentTenths(Game& g, int32_t x, int32_t y) {
    if (!HasCurrentField(g)) return std::nullopt;
    const TideState saved = g.tideState;
    CurrentAt(g, x, y, 0);
    const int32_t tenths = g.tideState.currentSpeed;
    g.tideState = saved;
    return tenths;
}

}  // namespace vel
