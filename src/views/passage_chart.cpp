#include "views/passage_chart.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/helpers.h"
#include "views/chart_status.h"
#include "views/place_labels.h"
#include "views/true_land.h"

namespace vel {
namespace {

constexpr int kBankBrush = 2;   // (127,200,255)
constexpr double kBankLineSlope = 0.19386134120049925;
constexpr int32_t kFirstPassageReef = 26;
constexpr int32_t kReefDotSpacing = 4;  // pixels between the dots of a reef ring

// Region 5: Florida's coast to the Berry Islands, Grand Bahama and the
// Little Bahama Bank to the cays south of Chubb Cay. Region 6: Swans Island
// to Shelburne, Grand Manan to the open Gulf of Maine (south is only where
// the legend stands).
constexpr PassageLimits kFloridaBahamas{-29000, 24000, -18000, 21500, true};
constexpr PassageLimits kMaineNovaScotia{-29000, 25000, -21500, 15000, false};

constexpr AidKind kPassageMarks[] = {
    {23, "Fl R", AidShape::Buoy, AidColour::Red, 1},
    {24, "Fl G", AidShape::Buoy, AidColour::Green, 1},
    {25, "Fl ﾀﾜｰ", AidShape::Tower, AidColour::Black, 1},
};

constexpr const char* kLegendFloridaBahamas = "錨地の名前は暗赤色で表示される、堆(Bank)上でも可能。";
constexpr const char* kLegendMaineNovaScotia = "錨泊地の名前は暗い赤で表示される。";
constexpr const char* kPassageDisclaimer = "注：地図や航海の補助は精度が高くはない。";

// The legend stands in the south-west corner of the passage's waters, on
// the whole-passage chart only.
std::optional<gfx::Point> LegendAt(const gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const std::optional<PassageLimits> lim = PassageLimitsFor(g.areaGrid);
    if (!lim || f.mini || !ChartFullyZoomedOut(g)) return std::nullopt;
    const gfx::Point corner = f.toScreen(lim->west, lim->south);
    return gfx::Point{std::max(corner.x, f.left) + 8, std::min(corner.y, f.bottom) - 2 * dc.LineHeight() - 6};
}

const char* LegendOf(const Game& g) {
    return g.areaGrid.region == 5 ? kLegendFloridaBahamas : kLegendMaineNovaScotia;
}

}  // namespace

std::optional<PassageLimits> PassageLimitsFor(const AreaGrid& a) {
    if (a.isPassage != 1) return std::nullopt;
    if (a.region == 5) return kFloridaBahamas;
    if (a.region == 6) return kMaineNovaScotia;
    return std::nullopt;
}

void DrawPassageBank(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const AreaGrid& a = g.areaGrid;
    if (a.isPassage == 1 && g.shoreMap.table) return DrawShoalFacts(dc, g, f);
    const std::optional<PassageLimits> lim = PassageLimitsFor(a);
    if (!lim || a.region != 5 || f.mono || g.screenState.bitsPerPixel <= 8) return;
    const int32_t west = a.gulfEastX, east = g.passageState.bankEastX;
    const gfx::Point bank[] = {f.toScreen(west, Trunc(kBankLineSlope * west)), f.toScreen(east, Trunc(kBankLineSlope * east)),
                               f.toScreen(east, lim->south), f.toScreen(west, lim->south)};
    dc.SelectStockPen(gfx::Stock::Null);
    dc.SelectBrush(kBankBrush);
    dc.Polygon(bank, 4);
}

std::vector<LabelBox> PassageFrameRects(const Game& g, const ChartFrame& f) {
    std::vector<LabelBox> out;
    const std::optional<PassageLimits> lim = PassageLimitsFor(g.areaGrid);
    if (!lim) return out;
    const gfx::Point nw = f.toScreen(lim->west, lim->north);
    const gfx::Point se = f.toScreen(lim->east, lim->south);
    // Side strips run the full height; top and bottom fill between them.
    if (nw.x > f.left) out.push_back({f.left, f.top, nw.x, f.bottom});
    if (se.x < f.right) out.push_back({se.x, f.top, f.right, f.bottom});
    const int32_t l = std::max(nw.x, f.left), r = std::min(se.x, f.right);
    if (l >= r) return out;
    if (nw.y > f.top) out.push_back({l, f.top, r, nw.y});
    if (lim->southCovered && se.y < f.bottom) out.push_back({l, se.y, r, f.bottom});
    return out;
}

std::optional<LabelBox> PassageLegendBox(const gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const std::optional<gfx::Point> at = LegendAt(dc, g, f);
    if (!at) return std::nullopt;
    const int32_t w = std::max(dc.TextWidth(LegendOf(g)), dc.TextWidth(kPassageDisclaimer));
    return LabelBox{at->x, at->y, at->x + w, at->y + 2 * dc.LineHeight()};
}

void DrawPassageLegend(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    const std::optional<gfx::Point> at = LegendAt(dc, g, f);
    if (!at) return;
    dc.SetBkMode(gfx::BkMode::Transparent);
    dc.SetTextColor(f.mono ? gfx::kBlack : gfx::Rgb(127, 0, 0));
    dc.TextOut(at->x, at->y, LegendOf(g));
    dc.SetTextColor(gfx::kBlack);
    dc.TextOut(at->x, at->y + dc.LineHeight(), kPassageDisclaimer);
}

bool IsPassageReef(const AreaGrid& a, int32_t island) {
    return a.isPassage == 1 && a.region == 5 && island >= kFirstPassageReef && a.isLandmass[island] == 0;
}

int32_t PassageReefRingPixels(int32_t zoom) {
    if (zoom <= 4) return 40;
    if (zoom <= 8) return 20;
    if (zoom <= 16) return 10;
    return 5;
}

void DrawPassageReefRing(gfx::DC& dc, gfx::Point centre, int32_t radius, gfx::Color c, const ChartFrame& f) {
    const int32_t dots = std::max(8, Trunc(2.0 * std::numbers::pi * radius / kReefDotSpacing));
    for (int32_t k = 0; k < dots; ++k) {
        const double t = 2.0 * std::numbers::pi * k / dots;
        const gfx::Point p{centre.x + Trunc(radius * std::cos(t)), centre.y + Trunc(radius * std::sin(t))};
        if (f.contains(p)) dc.SetPixel(p.x, p.y, c);
    }
}

const AidKind* FindPassageMarkKind(int32_t kind) {
    for (const AidKind& k : kPassageMarks)
        if (k.kind == kind) return &k;
    return nullptr;
}

bool RockIsPassageLight(const AreaGrid& a, int32_t rock) { return a.isPassage == 1 && a.region == 5 && rock == 1; }

}  // namespace vel
