#include "views/marks_drawer.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/scene.h"

namespace vel {
namespace {

using gfx::Point;

// By night an aid shows as a dark shape, and not at all without a moon.
bool StructureShows(const Game& g) { return !DarkNight(g); }

void SelectAidFill(gfx::DC& dc, const Game& g, int32_t brush) {
    if (Monochrome(g)) dc.SelectBrush(pal::kGrey);
    else if (Night(g)) dc.SelectBrush(pal::kGrey48);
    else if (brush == 0) dc.SelectStockBrush(gfx::Stock::White);
    else dc.SelectBrush(brush);
}

int32_t LampRadius(double s) { return std::clamp(Trunc(s * 1.5), 2, 6); }

void NightLamp(gfx::DC& dc, const Game& g, int32_t index, int32_t x, int32_t y, double s, int32_t brush) {
    if (!Night(g) || Monochrome(g) || !LampFlashes(g, index)) return;
    DrawLamp(dc, x, y, LampRadius(s), brush);
}

// Tower height constants: lighthouses on the generated shores, and lesser
// lights on ledges.
constexpr double kTowerK[3] = {0.0, 160.0, 80.0};

}  // namespace

double AidScale(const Game& g, int32_t row) { return depthScale(g, row) * g.screenState.height / 330.0; }

bool LampFlashes(const Game& g, int32_t index) { return (g.simClock.minute + index) % 4 == 0; }

void DrawLamp(gfx::DC& dc, int32_t x, int32_t y, int32_t radius, int32_t brush) {
    dc.SelectStockPen(gfx::Stock::Null);
    if (brush == 0) dc.SelectStockBrush(gfx::Stock::White);
    else dc.SelectBrush(brush);
    dc.Ellipse(x - radius, y - radius, x + radius + 1, y + radius + 1);
}

void drawLateralBuoy(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, bool red) {
    const double s = AidScale(g, row);
    const int32_t w = std::max(1, Trunc(2.5 * s)), body = std::max(2, Trunc(6 * s)), cone = Trunc(5 * s);
    const int32_t top = row - body - (red ? cone : 0);
    if (StructureShows(g)) {
        dc.SelectStockPen(gfx::Stock::Black);
        SelectAidFill(dc, g, red ? pal::kRed : pal::kGreen);
        if (red) {
            // A nun: a cone on a short drum.
            const Point nun[] = {{x - w, row}, {x - w, row - body}, {x, top}, {x + w, row - body}, {x + w, row}};
            dc.Polygon(nun, 5);
        } else {
            dc.Rectangle(x - w, row - body, x + w + 1, row);
        }
    }
    NightLamp(dc, g, index, x, top - 1, s, red ? pal::kRed : pal::kGreen);
}

void drawDaybeacon(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, bool red) {
    (void)index;
    if (!StructureShows(g)) return;
    const double s = AidScale(g, row);
    const int32_t pile = std::max(1, Trunc(0.8 * s)), height = std::max(4, Trunc(14 * s));
    const int32_t board = std::max(2, Trunc(3.5 * s));
    dc.SelectStockPen(gfx::Stock::Null);
    SelectAidFill(dc, g, pal::kGrey63);
    dc.Rectangle(x - pile, row - height, x + pile + 1, row);
    dc.SelectStockPen(gfx::Stock::Black);
    SelectAidFill(dc, g, red ? pal::kRed : pal::kGreen);
    const int32_t cy = row - height;
    if (red) {
        const Point tri[] = {{x - board, cy + board}, {x, cy - board}, {x + board, cy + board}};
        dc.Polygon(tri, 3);
    } else {
        dc.Rectangle(x - board, cy - board, x + board + 1, cy + board);
    }
}

void drawMooringBuoy(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row) {
    (void)index;
    if (!StructureShows(g)) return;
    const double s = AidScale(g, row);
    const int32_t r = std::max(1, Trunc(2.2 * s));
    dc.SelectStockPen(gfx::Stock::Black);
    SelectAidFill(dc, g, 0);
    dc.Ellipse(x - r, row - 2 * r, x + r + 1, row + 1);
    if (r >= 3 && !Night(g) && !Monochrome(g)) {
        dc.SelectStockPen(gfx::Stock::Null);
        dc.SelectBrush(pal::kBlue);
        dc.Rectangle(x - r + 1, row - r - r / 3, x + r, row - r + r / 3 + 1);
    }
}

void drawLitBeacon(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row) {
    const double s = AidScale(g, row);
    const int32_t height = std::max(5, Trunc(18 * s)), foot = std::max(2, Trunc(3 * s));
    const int32_t top = row - height;
    if (StructureShows(g)) {
        // A steel skeleton tower with its dayboard near the top.
        dc.SelectPen(Night(g) || Monochrome(g) ? pal::kPenGrey1 : pal::kPenDark1);
        dc.MoveTo(x - foot, row);
        dc.LineTo(x, top);
        dc.LineTo(x + foot, row);
        dc.MoveTo(x - foot / 2, row - height / 2);
        dc.LineTo(x + foot / 2, row - height / 2);
        const int32_t board = std::max(2, Trunc(2.5 * s));
        dc.SelectStockPen(gfx::Stock::Black);
        SelectAidFill(dc, g, pal::kGreen);
        dc.Rectangle(x - board, top + board, x + board + 1, top + 3 * board);
    }
    NightLamp(dc, g, index, x, top, s, pal::kGreen);
}

void drawTower(gfx::DC& dc, Game& g, int32_t variant, int32_t x, int32_t row, int32_t scaleMode, int32_t style,
               int32_t index) {
    const int32_t mode = std::clamp(scaleMode, 1, 2);
    const int32_t big = std::min(1000, Trunc(depthScale(g, row) * kTowerK[mode]));
    const int32_t code = g.areaGrid.areaCode;
    const int32_t height = std::max(4, (code == 3 || code == 4) && variant == 1 ? big / 4 : big / 2);
    const int32_t half = std::max(1, big / 50), crown = std::max(1, big / 80);
    const int32_t lamp = row - height;
    if (StructureShows(g)) {
        const bool bahamasDay = BahamasRegion(g) && ByDay(g);
        dc.SelectStockPen(gfx::Stock::Black);
        // A tower stands out grey against the night; small aids stay dark.
        if (Night(g) && !Monochrome(g)) dc.SelectBrush(pal::kGrey);
        else SelectAidFill(dc, g, 0);
        if (bahamasDay) {
            dc.Rectangle(x - half, lamp, x + half + 1, row);
        } else {
            // A white tower tapering to its lantern.
            const Point body[] = {{x - half - crown, row}, {x - crown, lamp}, {x + crown + 1, lamp}, {x + half + crown + 1, row}};
            dc.Polygon(body, 4);
            if (style == 1 && !Night(g) && !Monochrome(g)) {
                dc.SelectStockPen(gfx::Stock::Null);
                dc.SelectBrush(pal::kRed);
                const int32_t band = height / 3;
                dc.Rectangle(x - half / 2 - crown, lamp + band, x + half / 2 + crown + 1, lamp + 2 * band);
            }
        }
        dc.SelectStockPen(gfx::Stock::Black);
        SelectAidFill(dc, g, pal::kGrey63);
        dc.Rectangle(x - crown - 1, lamp - 2 * crown - 1, x + crown + 2, lamp + 1);
    }
    NightLamp(dc, g, index, x, lamp - crown, depthScale(g, row) * 2.0, variant == 1 ? 0 : pal::kRed);
}

}  // namespace vel
