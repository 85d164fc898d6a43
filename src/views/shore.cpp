#include "views/shore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/helpers.h"
#include "views/palette_names.h"
#include "views/projection.h"
#include "views/real_scene.h"
#include "views/scene.h"

namespace vel {
namespace {

constexpr int32_t kShoreSlot = 300;   // shore point i projects into slot 300 + i
constexpr int32_t kFirstShorePoint = 1;
constexpr int32_t kLastShorePoint = 282;
constexpr int32_t kFirstBankEnd = 141;
constexpr int32_t kSecondBankStart = 143;

// Where along a segment the tree marks stand, in 256ths of its length.
constexpr std::array<int32_t, 30> kTreeOffsets = {
    17, 203, 88, 141, 240, 52, 119, 176, 31, 222, 67, 158, 8, 195, 103,
    132, 61, 249, 24, 187, 95, 150, 44, 213, 79, 167, 12, 230, 112, 71,
};
// Texture of the land height along the shore.
constexpr std::array<int32_t, 16> kLandRoughness = {0, 40, 15, 70, 30, 5, 55, 20, 65, 10, 45, 25, 75, 35, 0, 50};

bool SeaPixel(gfx::Color c) {
    return c == gfx::Rgb(0, 201, 201) || c == gfx::Rgb(0, 127, 127) || c == gfx::Rgb(16, 16, 16);
}

int32_t DrawingHeight(const Game& g) { return g.screenState.height; }

// Height in pixels of land that stands landHeight tall at the bottom of the
// view, at screen row y: a multiple of three, never below three.
int32_t FaceHeight(const Game& g, int32_t y, int32_t landHeight) {
    const int32_t horizon = g.viewState.horizonY;
    const int32_t span = std::max(1, DrawingHeight(g) - horizon);
    return 3 * (((y - horizon) * landHeight) / span / 3 + 1);
}

struct Eye {
    double x, y;
};
Eye EyeOf(const Game& g) {
    const double h = g.viewState.eyeHeading * kDegToRad;
    return {g.ownBoat.x - 60.0 * std::sin(h), g.ownBoat.y + 60.0 * std::cos(h)};
}

// The land lies to the left of the direction of travel along the shore when
// this is +1 (for a bank running east with the mainland to the north).
int32_t LandSide(const Game& g, int32_t pointIndex) {
    const AreaGrid& a = g.areaGrid;
    const int32_t bank = (pointIndex >= kSecondBankStart && a.areaCode >= 3) ? -1 : 1;
    const int32_t run = a.coastStep < 0 ? -1 : 1;
    const int32_t mainland = a.mainlandSide == 3 ? -1 : 1;
    return bank * run * mainland;
}

bool FacesViewer(const Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    const Eye e = EyeOf(g);
    const double dx = a.coastX[i + 1] - a.coastX[i], dy = a.coastY[i + 1] - a.coastY[i];
    const double cross = dx * (e.y - a.coastY[i]) - dy * (e.x - a.coastX[i]);
    return cross * LandSide(g, i) > 0.0;
}

// Near the boat a shore seen along its length hides the land behind its
// foot: the ground of the first few hundred units inland is laid down too.
constexpr double kApronRange = 700.0;
constexpr double kApronDepth = 300.0;

void DrawLandApron(gfx::DC& dc, Game& g, int32_t i) {
    const AreaGrid& a = g.areaGrid;
    const Eye e = EyeOf(g);
    const double mx = 0.5 * (a.coastX[i] + a.coastX[i + 1]), my = 0.5 * (a.coastY[i] + a.coastY[i + 1]);
    if (std::hypot(mx - e.x, my - e.y) > kApronRange) return;
    const double dx = a.coastX[i + 1] - a.coastX[i], dy = a.coastY[i + 1] - a.coastY[i];
    const double len = std::hypot(dx, dy);
    if (len <= 0.0) return;
    const double side = LandSide(g, i) * kApronDepth / len;
    const WorldPoint ground[] = {{static_cast<double>(a.coastX[i]), static_cast<double>(a.coastY[i])},
                                 {static_cast<double>(a.coastX[i + 1]), static_cast<double>(a.coastY[i + 1])},
                                 {a.coastX[i + 1] + dy * side, a.coastY[i + 1] - dx * side},
                                 {a.coastX[i] + dy * side, a.coastY[i] - dx * side}};
    const std::vector<gfx::Point> shape = projectClippedPolygon(g, ground, 4);
    if (shape.size() < 3) return;
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(LandBrush(g));
    dc.Polygon(shape.data(), static_cast<int>(shape.size()));
}

void SelectLandPen(gfx::DC& dc, const Game& g, bool near) {
    if (NorthRegion(g)) dc.SelectPen(near ? pal::kPenLand2 : pal::kPenLand1);
    else dc.SelectPen(near ? pal::kPenDarkGrey2 : pal::kPenDark1);
}

// Inlets: one at the head of each cove, where the shore opens.
std::array<int32_t, 3> InletPoints(const Game& g) {
    const AreaGrid& a = g.areaGrid;
    std::array<int32_t, 3> m{};
    for (int k = 0; k < 3; ++k) m[k] = (a.coveStart[k] + a.coveEnd[k]) / 2;
    std::sort(m.begin(), m.end());
    return m;
}

void DrawBank(gfx::DC& dc, Game& g, int32_t first, int32_t last, const std::array<int32_t, 3>& inlets) {
    int32_t from = first;
    for (int32_t m : inlets) {
        if (m <= from || m >= last) continue;
        ShoreBand band{g.screenState.width, 0};
        drawShoreSilhouette(dc, g, g.viewState.horizonY, from, m, band);
        from = m + 1;
    }
    ShoreBand band{g.screenState.width, 0};
    drawShoreSilhouette(dc, g, g.viewState.horizonY, from, last, band);
}

// Stone breakwaters run out to sea on both sides of each inlet.
void DrawBreakwaters(gfx::DC& dc, Game& g, const std::array<int32_t, 3>& inlets) {
    const AreaGrid& a = g.areaGrid;
    const bool dim = Night(g) || Monochrome(g);
    for (int32_t m : inlets) {
        if (m < kFirstShorePoint || m + 1 > kLastShorePoint) continue;
        for (int32_t i : {m, m + 1}) {
            const int32_t seaward = -LandSide(g, i) * (a.coastStep < 0 ? -1 : 1);
            projectPoint(g, 2, a.coastX[i], a.coastY[i], kProjectPlain);
            const int32_t rb0 = g.projection.relBearing;
            projectPoint(g, 3, a.coastX[i], a.coastY[i] + seaward * 60, kProjectPlain);
            if (std::abs(rb0) > 80 || std::abs(g.projection.relBearing) > 80) continue;
            const auto& p = g.projection;
            const int32_t h0 = std::max(1, Trunc(depthScale(g, p.screenY[2]) * 4)),
                          h1 = std::max(1, Trunc(depthScale(g, p.screenY[3]) * 4));
            const gfx::Point wall[] = {{p.screenX[2], p.screenY[2]}, {p.screenX[3], p.screenY[3]},
                                       {p.screenX[3], p.screenY[3] - h1}, {p.screenX[2], p.screenY[2] - h0}};
            dc.SelectStockPen(gfx::Stock::Null);
            dc.SelectBrush(dim ? pal::kGrey48 : pal::kGrey63);
            dc.Polygon(wall, 4);
        }
    }
}

}  // namespace

int32_t LandPixelAt(const gfx::DC& dc, const Game& g, int32_t x, int32_t y) {
    // The land green reads back as drawn, (0,127,0); displays that round it
    // give (0,128,0).
    // Outside the picture there is nothing to read back.
    if (x < 0 || y < 0 || x + 1 >= dc.width() || y + 4 >= dc.height()) return 0;
    const auto green = [](gfx::Color c) {
        return c == gfx::Rgb(0, 128, 0) || c == gfx::Rgb(0, 127, 0);
    };
    if (FewColours(g)) return (green(dc.GetPixel(x, y + 4)) || green(dc.GetPixel(x + 1, y + 4))) ? 1 : 0;
    for (int32_t row : {y, y + 1}) {
        const gfx::Color c = dc.GetPixel(x, row);
        if (c == gfx::Rgb(0, 64, 0) || green(c)) return 1;
    }
    if (g.viewState.night == 0 && dc.GetPixel(x, y) == gfx::kBlack) return 1;
    return 0;
}

int32_t LandBrush(const Game& g) {
    if (Monochrome(g)) return pal::kGrey;
    if (Night(g)) return FewColours(g) ? pal::kGrey63 : pal::kGrey48;
    return NorthRegion(g) ? pal::kLandNorth : pal::kLand;
}

int32_t ShoreLandHeight(const Game& g, int32_t i) {
    const int32_t region = g.areaGrid.region;
    // The rocky coasts of the north stand high, the Bahamas and Florida low.
    const int32_t base = (region == 1 || region == 6) ? 560 : (region == 3 || region == 5) ? 220 : 420;
    const double swell = base * (0.3 * std::sin(i * 0.21) + 0.25 * std::sin(i * 0.057 + 1.3));
    return std::max(60, base + Trunc(swell) + 3 * kLandRoughness[static_cast<std::size_t>(i) % kLandRoughness.size()]);
}

void DrawTreeLine(gfx::DC& dc, const Game& g, int32_t x1, int32_t top1, int32_t x2, int32_t top2, int32_t count,
                  bool near) {
    SelectLandPen(dc, g, near);
    const int32_t size = near ? 3 : 1;
    for (int32_t k = 0; k < count; ++k) {
        const int32_t t = kTreeOffsets[static_cast<std::size_t>(k)];
        const int32_t x = x1 + ((x2 - x1) * t) / 256;
        const int32_t y = top1 + ((top2 - top1) * t) / 256;
        if (SeaPixel(dc.GetPixel(x, y + 1))) continue;
        if (near) {
            dc.MoveTo(x - size, y + 1);
            dc.LineTo(x, y - size);
            dc.LineTo(x + size + 1, y + 1);
        } else {
            dc.MoveTo(x, y);
            dc.LineTo(x, y - 2);
        }
    }
}

void drawShoreSegment(gfx::DC& dc, Game& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t horizonRow,
                      int32_t pointIndex, ShoreBand& band) {
    const int32_t width = g.screenState.width;
    const int32_t height = DrawingHeight(g);
    if ((x1 < 0 && x2 < 0) || (x1 > width && x2 > width) || x1 == x2) return;
    if (y1 <= horizonRow && y2 <= horizonRow) return;
    if (y1 > 4 * height && y2 > 4 * height) return;
    if (ShoreArea(g) && !FacesViewer(g, pointIndex)) return;
    band.left = std::min({band.left, x1, x2});
    band.right = std::max({band.right, x1, x2});

    const int32_t h1 = FaceHeight(g, y1, ShoreLandHeight(g, pointIndex));
    const int32_t h2 = FaceHeight(g, y2, ShoreLandHeight(g, pointIndex + 1));
    const int32_t midX = (x1 + x2) / 2, midY = (y1 + y2) / 2;
    // Something nearer already stands on this stretch of water's edge.
    const bool covered = LandPixelAt(dc, g, midX, midY) == 1;

    if (ShoreArea(g)) DrawLandApron(dc, g, pointIndex);
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(LandBrush(g));
    const gfx::Point face[] = {{x1, y1 - h1}, {x1, y1}, {x2, y2}, {x2, y2 - h2}};
    dc.Polygon(face, 4);

    if (g.viewState.simpleGraphics == 0 && !DarkNight(g)) {
        const int32_t count = std::min(30, (midY - horizonRow) / 2);
        DrawTreeLine(dc, g, x1, y1 - h1, x2, y2 - h2, count, midY - horizonRow > 40);
    }
    if (covered) return;
    dc.SelectPen(pal::kPenDark2);
    dc.MoveTo(x1, y1 - 1);
    dc.LineTo(x2, y2 - 1);
    if (ByDay(g)) {
        dc.SelectPen(FewColours(g) ? pal::kPenSurfSafe : pal::kPenSurf);
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y2);
    }
}

void drawShoreSilhouette(gfx::DC& dc, Game& g, int32_t horizonRow, int32_t firstPoint, int32_t lastPoint,
                         ShoreBand& band) {
    const AreaGrid& a = g.areaGrid;
    Projection& p = g.projection;
    std::array<int32_t, 285> bearing{};
    firstPoint = std::max(firstPoint, kFirstShorePoint);
    lastPoint = std::min(lastPoint, static_cast<int32_t>(bearing.size()) - 2);
    for (int32_t i = firstPoint; i <= lastPoint; ++i) {
        projectPoint(g, kShoreSlot + i, a.coastX[i], a.coastY[i], kProjectShore);
        bearing[i] = p.relBearing;
        if (p.screenY[kShoreSlot + i] < horizonRow) p.screenY[kShoreSlot + i] = horizonRow;
    }
    p.screenY[kShoreSlot + firstPoint] = horizonRow;
    p.screenY[kShoreSlot + lastPoint] = horizonRow;
    for (int32_t i = firstPoint; i < lastPoint; ++i) {
        const int32_t x1 = p.screenX[kShoreSlot + i], y1 = p.screenY[kShoreSlot + i];
        const int32_t x2 = p.screenX[kShoreSlot + i + 1], y2 = p.screenY[kShoreSlot + i + 1];
        if (std::abs(x1) > 25000 || std::abs(x2) > 25000 || std::abs(y1) > 25000 || std::abs(y2) > 25000) continue;
        if (std::abs(bearing[i]) > 165 || std::abs(bearing[i + 1]) > 165) continue;
        drawShoreSegment(dc, g, x1, y1, x2, y2, horizonRow, i, band);
    }
}

void drawShoreBands(gfx::DC& dc, Game& g) {
    if (!ShoreArea(g)) return;
    const std::array<int32_t, 3> inlets = InletPoints(g);
    if (g.areaGrid.areaCode == 1) {
        DrawBank(dc, g, kFirstShorePoint, kLastShorePoint, inlets);
    } else {
        // Two banks across the channel: the one on the far side first.
        const bool firstBankFar = (g.ownBoat.y >= 0.0) == (g.areaGrid.mainlandSide != 3);
        const int32_t order[2][2] = {{kFirstShorePoint, kFirstBankEnd}, {kSecondBankStart, kLastShorePoint}};
        for (int k = 0; k < 2; ++k) {
            const auto& bank = order[firstBankFar ? k : 1 - k];
            DrawBank(dc, g, bank[0], bank[1], inlets);
        }
    }
    DrawBreakwaters(dc, g, inlets);
}

void drawShoreTrees(gfx::DC& dc, Game& g, int32_t x, int32_t y, int32_t kind) {
    const ScreenState& s = g.screenState;
    if (SeaPixel(dc.GetPixel(x, y))) return;
    if (DarkNight(g) || y < g.viewState.horizonY + s.height / 100 || y > s.panelTop || x < 0 || x > s.width) return;
    const double k = depthScale(g, y);
    const int32_t region = std::max(1, g.areaGrid.region);
    int32_t h = RealArea(g) ? RealTreeHeight(g, x) : region * 30, w = 20;
    if (kind == 5) h = 90, w = 35;
    if (kind == 9) h = 30, w = 30;
    if (kind == 6 || kind == 10) w = 45;
    if (kind == 7 || kind == 8 || kind == 12) w = 70;
    if (kind == 39) w = 30;
    h = Trunc(h * k);
    w = Trunc(w * k);
    if (h < 2) return;
    dc.SelectStockPen(gfx::Stock::Null);
    if (kind == 5 || kind == 7 || kind == 8 || kind == 12) {
        // Buildings: a pale block with a dark roof line.
        dc.SelectBrush(Night(g) ? pal::kGrey63 : pal::kLightGrey);
        dc.Rectangle(x - w / 2, y - h, x + w / 2, y);
        dc.SelectBrush(pal::kDarkRed);
        dc.Rectangle(x - w / 2, y - h, x + w / 2, y - h + std::max(1, h / 6));
        return;
    }
    // A tree: a trunk and a rounded crown.
    dc.SelectBrush(pal::kGrey63);
    dc.Rectangle(x - std::max(1, w / 10), y - h / 3, x + std::max(1, w / 10), y);
    dc.SelectBrush(Night(g) ? pal::kGrey48 : (NorthRegion(g) ? pal::kDarkGreen : pal::kLandNorth));
    dc.Ellipse(x - w / 2, y - h, x + w / 2, y - h / 4);
}

}  // namespace vel
