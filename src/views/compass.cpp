#include "views/compass.h"

#include <string>

#include "shell/compass_controls.h"

namespace vel {
namespace {
constexpr int kBinocularPen = 18;  // black, 3 * (S / 75) wide
constexpr int32_t kCorner = 200;
constexpr int32_t kSightTop = 30;
}  // namespace

void drawCompassOverlay(gfx::DC& dc, const Game& g, int32_t bottom) {
    if (g.viewState.compassMode != 1) return;
    const int32_t x = g.screenState.halfWidth;
    // Black reads against the day sky, white against the night.
    const bool night = g.viewState.night == 1;
    dc.SelectStockPen(night ? gfx::Stock::White : gfx::Stock::Black);
    dc.MoveTo(x, kSightTop);
    dc.LineTo(x, bottom);
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(night ? gfx::kWhite : gfx::kBlack);
    dc.TextOut(x - 10, 15, std::to_string(CompassReading(g)));
    dc.SelectStockPen(gfx::Stock::Black);
}

void drawBinocularFrame(gfx::DC& dc, const Game& g, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (g.viewState.compassMode != 1 || g.viewState.binoculars != 1) return;
    dc.SelectPen(kBinocularPen);
    dc.SelectStockBrush(gfx::Stock::Null);
    dc.RoundRect(left + 3, top + 3, right - 5, bottom - 3, kCorner, kCorner);
    dc.RoundRect(left - 15, top - 15, right + 15, bottom + 15, kCorner, kCorner);
}

}  // namespace vel
