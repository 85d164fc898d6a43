#include "views/island_drawer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "views/palette_names.h"
#include "views/passage_scene.h"
#include "views/projection.h"
#include "views/scene.h"
#include "views/shore.h"

namespace vel {
namespace {

constexpr int32_t kIslandSlot = 700;
constexpr int32_t kOutlinePoints = 37;  // the last repeats the first
constexpr double kDrawLimitTenths = 150.0;

struct OutlinePoint {
    int32_t x, y;       // screen base point
    int32_t rise;       // visible height
    bool usable;
};

// The land rises in steps toward the middle: how far out each step
// reaches and how high it stands, in parts of the shore's height.
struct Hill {
    double spread, rise;
};
constexpr Hill kHills[] = {{1.0, 1.0}, {0.7, 1.5}, {0.4, 1.9}};

// Visible height at a row: a multiple of three; islets stand lower.
int32_t VisibleHeight(const Game& g, int32_t i, int32_t row) {
    const int32_t horizon = g.viewState.horizonY;
    const int32_t span = std::max(1, g.screenState.height - horizon);
    int32_t h = (row - horizon) * IslandLandHeight(g, i) / span;
    h = (h / 3) * 3;
    if (g.areaGrid.islandRadius[i] < 400) h = h / 2 + 1;
    return h;
}

bool Hidden(const Game& g, const OutlinePoint& a, const OutlinePoint& b) {
    const int32_t tenth = g.screenState.height / 10, low = g.screenState.height * 3 / 4;
    const int32_t width = g.screenState.width;
    if (!a.usable || !b.usable) return true;
    if (a.y < tenth || b.y < tenth) return true;
    if (a.y > low && b.y > low) return true;
    if (std::abs(a.x) > 3000 || std::abs(b.x) > 3000 || (a.x > width && b.x > width)) return true;
    return (a.x < 0 && b.x < 0);
}

}  // namespace

int32_t IslandLandHeight(const Game& g, int32_t i) {
    if (Passage(g)) return PassageIslandLandHeight(g, i);
    // Hills rise with the size of the island, more steeply up north.
    const int32_t r = g.areaGrid.islandRadius[i];
    return std::clamp(NorthRegion(g) ? 2 * r : (3 * r) / 2, 250, 1500);
}

void drawIsland(gfx::DC& dc, Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    if (i < 1 || i >= static_cast<int32_t>(a.islandX.size()) || a.islandRadius[i] <= 0) return;
    if (a.isLandmass[i] == 1) return;  // the passage coast pass draws those
    if (!GeneratedArea(g) && g.shoreMap.table) return;  // the true coast stands instead
    const int32_t upm = a.unitsPerMile > 0 ? a.unitsPerMile : 300;
    if (DistanceTenths(g.ownBoat.x, g.ownBoat.y, a.islandX[i], a.islandY[i], upm) > kDrawLimitTenths) return;
    projectPoint(g, kIslandSlot, a.islandX[i], a.islandY[i], kProjectShore);
    if (std::abs(g.projection.relBearing) > 130) return;

    std::array<OutlinePoint, kOutlinePoints> pts{};
    const auto& outline = a.islandOutline[static_cast<std::size_t>(i)];
    for (int32_t j = 0; j < kOutlinePoints; ++j) {
        projectPoint(g, kIslandSlot + 1 + j, outline[j][0], outline[j][1], 4);
        const int32_t rb = std::abs(g.projection.relBearing);
        if (j < 2 && rb > 150) return;
        OutlinePoint& p = pts[static_cast<std::size_t>(j)];
        p.x = g.projection.screenX[kIslandSlot + 1 + j];
        p.y = g.projection.screenY[kIslandSlot + 1 + j];
        p.rise = VisibleHeight(g, i, p.y);
        p.usable = rb <= 80;
    }

    // Which stretches of the shore stand behind land drawn before: those are
    // left out, whatever this island would paint there.
    std::array<bool, kOutlinePoints> hidden{};
    bool whole = true;
    for (int32_t j = 0; j + 1 < kOutlinePoints; ++j) {
        const OutlinePoint &p = pts[static_cast<std::size_t>(j)], &q = pts[static_cast<std::size_t>(j + 1)];
        hidden[j] = Hidden(g, p, q) || LandPixelAt(dc, g, (p.x + q.x) / 2, (p.y + q.y) / 2) == 1;
        if (!p.usable) whole = false;
    }

    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(LandBrush(g));
    if (whole) {
        // The top, and the hills that rise toward the middle of the island.
        const int32_t cx = g.projection.screenX[kIslandSlot], cy = g.projection.screenY[kIslandSlot];
        for (const Hill& hill : kHills) {
            std::array<gfx::Point, kOutlinePoints> top{};
            for (int32_t j = 0; j < kOutlinePoints; ++j) {
                const OutlinePoint& p = pts[static_cast<std::size_t>(j)];
                const int32_t x = cx + Trunc((p.x - cx) * hill.spread);
                const int32_t y = cy + Trunc((p.y - cy) * hill.spread);
                top[static_cast<std::size_t>(j)] = {x, y - Trunc(p.rise * hill.rise)};
            }
            dc.Polygon(top.data(), kOutlinePoints - 1);
        }
    }
    for (int32_t j = 0; j + 1 < kOutlinePoints; ++j) {
        if (hidden[j]) continue;
        const OutlinePoint &p = pts[static_cast<std::size_t>(j)], &q = pts[static_cast<std::size_t>(j + 1)];
        const gfx::Point face[] = {{p.x, p.y - p.rise}, {p.x, p.y}, {q.x, q.y}, {q.x, q.y - q.rise}};
        dc.Polygon(face, 4);
    }
    // The near shore: trees along the top, and sand and surf at the water.
    const int32_t horizon = g.viewState.horizonY;
    for (int32_t j = 0; j + 1 < kOutlinePoints; ++j) {
        if (hidden[j]) continue;
        const OutlinePoint &p = pts[static_cast<std::size_t>(j)], &q = pts[static_cast<std::size_t>(j + 1)];
        // The outline runs clockwise seen from above, so on the near side it
        // runs from right to left across the picture.
        if (q.x >= p.x) continue;
        const int32_t mid = (p.y + q.y) / 2;
        if (g.viewState.simpleGraphics == 0 && !DarkNight(g))
            DrawTreeLine(dc, g, p.x, p.y - p.rise, q.x, q.y - q.rise, std::min(8, (mid - horizon) / 6), mid - horizon > 40);
        if (ByDay(g)) {
            dc.SelectPen(FewColours(g) ? pal::kPenSurfSafe : pal::kPenSurf);
            dc.MoveTo(p.x, p.y);
            dc.LineTo(q.x, q.y);
        }
    }
}

void drawRockHead(gfx::DC& dc, const Game& g, int32_t x, int32_t row, int32_t r) {
    dc.SelectStockPen(gfx::Stock::Null);
    if (Monochrome(g)) dc.SelectStockBrush(gfx::Stock::Black);
    else dc.SelectBrush(pal::kGrey48);
    dc.Ellipse(x - 2 * r, row - r, x + 2 * r, row + r);
    if (ByDay(g) && r >= 2) {
        // Water breaking at the foot of the rock.
        dc.SelectPen(pal::kPenWhite2);
        dc.MoveTo(x - 2 * r, row + r / 3);
        dc.LineTo(x + 2 * r, row + r / 3);
    }
}

void drawRoundRocks(gfx::DC& dc, Game& g) {
    const ViewState& v = g.viewState;
    if (v.night == 1 || v.twilight == 1) return;
    if (g.areaGrid.areaCode == 30 && v.sunGlare == 1) return;
    const RockList& rocks = g.rockList;
    const bool real = RealArea(g);
    // The real areas' stored lists fill the table from its first entry.
    const int32_t first = real ? 0 : 3;
    const int32_t last = std::min<int32_t>(real ? rocks.realCount - 1 : rocks.count, static_cast<int32_t>(rocks.x.size()) - 1);
    const int32_t lower = v.horizonY + g.screenState.height / 300;
    for (int32_t i = first; i <= last; ++i) {
        if (rocks.visible[i] != 1) continue;
        projectPoint(g, 2, rocks.x[i], rocks.y[i], kProjectRock);
        const int32_t row = g.projection.screenY[2];
        if (row <= lower || row >= g.screenState.height) continue;
        const int32_t r = std::min(200, Trunc(depthScale(g, row) * 6.0));
        const bool black = BahamasRegion(g) && i >= 50;
        if (black) {
            dc.SelectStockPen(gfx::Stock::Null);
            dc.SelectStockBrush(gfx::Stock::Black);
            dc.Ellipse(g.projection.screenX[2] - 2 * r, row - r, g.projection.screenX[2] + 2 * r, row + r);
        } else {
            drawRockHead(dc, g, g.projection.screenX[2], row, r);
        }
    }
}

}  // namespace vel
