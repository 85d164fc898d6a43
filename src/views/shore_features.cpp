#include "views/shore_features.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/helpers.h"
#include "views/marks_drawer.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/scene.h"
#include "views/shore.h"

namespace vel {
namespace {

constexpr double kDrawLimitTenths = 150.0;
constexpr double kPierDeck = 3.0;      // deck height, in aid scale units
constexpr double kPileHeight = 7.0;

void SelectFill(gfx::DC& dc, const Game& g, int32_t brush) {
    if (Monochrome(g)) dc.SelectBrush(pal::kGrey);
    else if (Night(g)) dc.SelectBrush(pal::kGrey48);
    else if (brush == 0) dc.SelectStockBrush(gfx::Stock::White);
    else dc.SelectBrush(brush);
}

std::vector<gfx::Point> Raised(const Game& g, const std::vector<gfx::Point>& base, double units) {
    std::vector<gfx::Point> top(base);
    for (gfx::Point& p : top) p.y -= Trunc(AidScale(g, p.y) * units);
    return top;
}

// One face of the pier: a strip of its edge between two world points,
// from the water up to the deck.
void PierFace(gfx::DC& dc, Game& g, WorldPoint a, WorldPoint b) {
    const WorldPoint line[] = {a, b};
    const std::vector<gfx::Point> base = projectClippedPolygon(g, line, 2);
    if (base.size() < 2) return;
    std::vector<gfx::Point> face(base);
    const std::vector<gfx::Point> top = Raised(g, base, kPierDeck);
    face.insert(face.end(), top.rbegin(), top.rend());
    dc.SelectStockPen(gfx::Stock::Black);
    SelectFill(dc, g, pal::kGrey63);
    dc.Polygon(face.data(), static_cast<int>(face.size()));
}

void DrawPile(gfx::DC& dc, Game& g, int32_t x, int32_t y) {
    projectPoint(g, 2, x, y, kProjectAside);
    const Projection& p = g.projection;
    if (std::abs(p.relBearing) > 60) return;
    const int32_t row = p.screenY[2], col = p.screenX[2];
    const double s = AidScale(g, row);
    const int32_t half = std::max(1, Trunc(0.9 * s)), h = std::max(3, Trunc(kPileHeight * s));
    dc.SelectStockPen(gfx::Stock::Black);
    SelectFill(dc, g, pal::kOlive);
    dc.Rectangle(col - half, row - h, col + half + 1, row);
    SelectFill(dc, g, 0);
    dc.Rectangle(col - half, row - h, col + half + 1, row - h + std::max(1, half));
}

void DrawPier(gfx::DC& dc, Game& g) {
    const AreaGrid& a = g.areaGrid;
    const int32_t upm = a.unitsPerMile > 0 ? a.unitsPerMile : 300;
    if (a.pierCornerX[0] == 0 && a.pierCornerX[4] == 0) return;
    if (DistanceTenths(g.ownBoat.x, g.ownBoat.y, a.pierBerthX, a.pierBerthY, upm) > 40.0) return;
    if (DarkNight(g)) return;
    // The quay runs from corner 4 to corner 0 along the shore; the berth
    // lies off its end, between the end and the two piles.
    const WorldPoint shoreEnd{static_cast<double>(a.pierCornerX[4]), static_cast<double>(a.pierCornerY[4])};
    const WorldPoint landEnd{static_cast<double>(a.pierCornerX[0]), static_cast<double>(a.pierCornerY[0])};
    const WorldPoint seaEnd{static_cast<double>(a.pierCornerX[3]), static_cast<double>(a.pierCornerY[3])};
    const WorldPoint seaStart{static_cast<double>(a.pierCornerX[5]), static_cast<double>(a.pierCornerY[5])};
    const WorldPoint deck[] = {shoreEnd, landEnd, seaEnd, seaStart};
    // Faces toward the water and toward the berth; the far ones are hidden
    // by the deck drawn over them.
    PierFace(dc, g, seaStart, seaEnd);
    PierFace(dc, g, landEnd, seaEnd);
    const std::vector<gfx::Point> base = projectClippedPolygon(g, deck, 4);
    if (base.size() >= 3) {
        const std::vector<gfx::Point> top = Raised(g, base, kPierDeck);
        dc.SelectStockPen(gfx::Stock::Black);
        SelectFill(dc, g, pal::kGrey);
        dc.Polygon(top.data(), static_cast<int>(top.size()));
    }
    DrawPile(dc, g, a.pierCorner2X, a.pierCorner2Y);
    DrawPile(dc, g, a.pierCorner3X, a.pierCorner3Y);
    // The marina's buildings stand ashore behind the quay.
    const int32_t inland = -30 * (a.seaSign == 0 ? 1 : a.seaSign);
    const int32_t kinds[] = {5, 1, 7, 1};
    for (int k = 0; k < 4; ++k) {
        projectPoint(g, 2, a.pierCornerX[4] + 20 + 25 * k, a.pierCornerY[4] + inland, kProjectAside);
        if (std::abs(g.projection.relBearing) > 60) continue;
        drawShoreTrees(dc, g, g.projection.screenX[2], g.projection.screenY[2], kinds[k]);
    }
}

enum class Landmark { RadioTower, Tank, Tower, Stack, Dome };
constexpr Landmark kLandmarks[6] = {Landmark::RadioTower, Landmark::RadioTower, Landmark::Tank,
                                    Landmark::Tower, Landmark::Stack, Landmark::Dome};

void DrawLandmark(gfx::DC& dc, Game& g, Landmark kind, int32_t x, int32_t row, int32_t index) {
    const double s = AidScale(g, row);
    dc.SelectStockPen(gfx::Stock::Black);
    switch (kind) {
        case Landmark::RadioTower: {
            const int32_t h = std::min(600, Trunc(90 * s)), w = std::max(1, h / 14);
            if (!DarkNight(g)) {
                dc.SelectPen(Night(g) || Monochrome(g) ? pal::kPenGrey1 : pal::kPenRed1);
                dc.MoveTo(x - w, row);
                dc.LineTo(x, row - h);
                dc.LineTo(x + w, row);
            }
            // Red obstruction lights, steady, the mark of a mast at night.
            if (Night(g) && !Monochrome(g)) DrawLamp(dc, x, row - h, 2, pal::kRed);
            (void)index;
            return;
        }
        case Landmark::Tank: {
            if (DarkNight(g)) return;
            const int32_t h = Trunc(14 * s), w = Trunc(10 * s);
            SelectFill(dc, g, pal::kLightGrey);
            dc.Rectangle(x - w, row - h, x + w + 1, row);
            dc.Ellipse(x - w, row - h - w / 3, x + w + 1, row - h + w / 3);
            return;
        }
        case Landmark::Tower: {
            if (DarkNight(g)) return;
            const int32_t h = Trunc(30 * s), w = std::max(1, Trunc(3 * s));
            SelectFill(dc, g, pal::kLightGrey);
            dc.Rectangle(x - w, row - h, x + w + 1, row);
            SelectFill(dc, g, pal::kDarkRed);
            const gfx::Point roof[] = {{x - w - 1, row - h}, {x, row - h - 3 * w}, {x + w + 1, row - h}};
            dc.Polygon(roof, 3);
            return;
        }
        case Landmark::Stack: {
            if (DarkNight(g)) return;
            const int32_t h = Trunc(45 * s), w = std::max(1, Trunc(2 * s));
            SelectFill(dc, g, pal::kGrey);
            const gfx::Point stack[] = {{x - w - 1, row}, {x - w, row - h}, {x + w, row - h}, {x + w + 1, row}};
            dc.Polygon(stack, 4);
            SelectFill(dc, g, pal::kGrey32);
            dc.Rectangle(x - w, row - h, x + w + 1, row - h + std::max(1, h / 10));
            return;
        }
        case Landmark::Dome: {
            if (DarkNight(g)) return;
            const int32_t r = std::max(2, Trunc(9 * s));
            SelectFill(dc, g, pal::kLightGrey);
            dc.Pie(x - r, row - r, x + r + 1, row + r, x + r, row, x - r, row);
            return;
        }
    }
}

void DrawLandmarks(gfx::DC& dc, Game& g) {
    const AreaGrid& a = g.areaGrid;
    const int32_t upm = a.unitsPerMile > 0 ? a.unitsPerMile : 300;
    for (int k = 0; k < 6; ++k) {
        const int32_t x = a.landmarkX[k], y = a.landmarkY[k];
        if (x == 0 && y == 0) continue;
        if (DistanceTenths(g.ownBoat.x, g.ownBoat.y, x, y, upm) > kDrawLimitTenths) continue;
        projectPoint(g, 2, x, y, kProjectShore);
        if (std::abs(g.projection.relBearing) > 60) continue;
        DrawLandmark(dc, g, kLandmarks[k], g.projection.screenX[2], g.projection.screenY[2], k);
    }
}

}  // namespace

void drawShoreFeatures(gfx::DC& dc, Game& g) {
    // A real area's marina has the generated shore's pier, without its landmarks.
    if (RealArea(g)) DrawPier(dc, g);
    if (!ShoreArea(g)) return;
    DrawLandmarks(dc, g);
    DrawPier(dc, g);
}

}  // namespace vel
