#include "views/real_marks.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string_view>

#include "views/marks_drawer.h"
#include "views/palette_names.h"
#include "world/aids.h"
#include "world/real_data.h"

namespace vel {
namespace {

using S = MarkShape;
using C = LightColour;

// How far off the sailing view still shows a mark, in tenths of a mile:
// buoys and beacons close by, lights and towers across the water.
constexpr int32_t kSmallMark = 50, kLitBuoy = 200, kTall = 300;
constexpr int32_t kDisc = 3;
constexpr int kRedWhiteBrush = 3;  // (255,127,127)

LightColour ColourOf(AidColour c) {
    switch (c) {
        case AidColour::Red: return C::Red;
        case AidColour::Green: return C::Green;
        default: return C::White;
    }
}

RealMark MarkOf(const AidKind& a) {
    const C colour = ColourOf(a.colour);
    const bool lit = a.lit == 1;
    switch (a.shape) {
        case AidShape::Buoy: {
            const S shape = a.colour == AidColour::RedWhite ? S::Fairway : colour == C::Red ? S::Nun : S::Can;
            return {shape, colour, lit, lit ? kLitBuoy : kSmallMark, a.label};
        }
        case AidShape::Beacon: return {lit ? S::Range : S::Beacon, colour, lit, kSmallMark, a.label};
        case AidShape::Tower:
            if (std::string_view(a.label).find("灯台") != std::string_view::npos)
                return {S::Lighthouse, colour, true, kTall, a.label};
            return {lit ? S::LightTower : S::Landmark, colour, lit, lit ? kLitBuoy : kTall, a.label};
        case AidShape::MooringBuoy: break;
    }
    return {S::Mooring, colour, false, kSmallMark, a.label};
}

void SelectChartFill(gfx::DC& dc, const ChartFrame& f, const RealMark& m) {
    dc.SelectStockPen(gfx::Stock::Black);
    if (f.mono) {
        dc.SelectStockBrush(gfx::Stock::White);
        return;
    }
    switch (m.shape) {
        case S::Fairway: dc.SelectBrush(kRedWhiteBrush); return;
        case S::Mooring: dc.SelectBrush(pal::kYellow); return;
        default: break;
    }
    if (m.colour == C::Red)
        dc.SelectBrush(pal::kRed);
    else if (m.colour == C::Green)
        dc.SelectBrush(pal::kLand);
    else
        dc.SelectStockBrush(gfx::Stock::White);
}

void UnlitSymbol(gfx::DC& dc, const ChartFrame& f, gfx::Point p, const RealMark& m) {
    SelectChartFill(dc, f, m);
    switch (m.shape) {
        case S::Nun: {
            const gfx::Point tri[3] = {{p.x, p.y - 4}, {p.x + 4, p.y + 3}, {p.x - 4, p.y + 3}};
            dc.Polygon(tri, 3);
            return;
        }
        case S::Beacon:
        case S::Range: dc.Rectangle(p.x - 2, p.y - 4, p.x + 3, p.y + 4); return;
        case S::Landmark:
            dc.SelectStockBrush(gfx::Stock::Null);
            dc.Ellipse(p.x - kDisc, p.y - kDisc, p.x + kDisc + 1, p.y + kDisc + 1);
            dc.SetPixel(p.x, p.y, gfx::kBlack);
            return;
        case S::Mooring: dc.Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3); return;
        default: dc.Ellipse(p.x - kDisc, p.y - kDisc, p.x + kDisc + 1, p.y + kDisc + 1); return;
    }
}

// A mark of the list standing where the light table has a light is that
// light: drawn, labelled and echoed once, as the light.
constexpr int32_t kSameLight = 40;  // area units

bool HasLightAt(std::span<const RealLightSymbol> lights, int32_t x, int32_t y) {
    return std::any_of(lights.begin(), lights.end(),
                       [&](const RealLightSymbol& l) { return std::abs(l.x - x) + std::abs(l.y - y) <= kSameLight; });
}

}  // namespace

std::optional<RealMark> RealMarkOf(int32_t kind) {
    const AidKind* a = FindAidKind(kind);
    if (!a) return std::nullopt;
    return MarkOf(*a);
}

RealMark RealLightOf(int32_t code) {
    const C colour = code == 1 ? C::Red : code == 2 ? C::Green : C::White;
    return {S::Lighthouse, colour, true, kTall, nullptr};
}

std::vector<PlacedMark> RealAreaMarks(const Game& g) {
    std::vector<PlacedMark> out;
    const RealGeo* geo = RealGeoFor(g.areaGrid.areaCode);
    const std::span<const RealLightSymbol> lights = geo ? geo->lights : std::span<const RealLightSymbol>{};
    const MarkList& m = g.markList;
    const int32_t last = std::min<int32_t>(m.count, static_cast<int32_t>(m.x.size()) - 1);
    for (int32_t i = 0; i <= last; ++i) {
        const std::optional<RealMark> k = RealMarkOf(m.kind[i]);
        if (k && !HasLightAt(lights, m.x[i], m.y[i])) out.push_back({m.x[i], m.y[i], i, *k});
    }
    int32_t index = static_cast<int32_t>(m.x.size());
    for (const RealLightSymbol& l : lights) out.push_back({l.x, l.y, index++, RealLightOf(l.code)});
    return out;
}

void DrawRealMarkSymbol(gfx::DC& dc, const ChartFrame& f, gfx::Point p, const RealMark& m) {
    if (m.shape == S::Lighthouse)
        DrawLight(dc, f.mono, p.x, p.y, 17, m.colour);
    else if (m.lit)
        DrawLight(dc, f.mono, p.x, p.y, m.colour == C::White ? 0 : 2, m.colour);
    else
        UnlitSymbol(dc, f, p, m);
}

void DrawRealMarkInView(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, const RealMark& m) {
    // Red and white fairway buoys read as red at a distance.
    const bool red = m.colour == C::Red || m.shape == S::Fairway;
    switch (m.shape) {
        case S::Nun:
        case S::Can:
        case S::Fairway: drawLateralBuoy(dc, g, index, x, row, red); return;
        case S::Beacon:
        case S::Range: drawDaybeacon(dc, g, index, x, row, red); return;
        case S::Landmark: drawTower(dc, g, 2, x, row, 2, 0, index); return;
        case S::Lighthouse: drawTower(dc, g, 1, x, row, 1, red ? 1 : 0, index); return;
        case S::LightTower: drawLitBeacon(dc, g, index, x, row); return;
        case S::Mooring: drawMooringBuoy(dc, g, index, x, row); return;
    }
}

int32_t RealMarkEchoRadius(const RealMark& m, int32_t r) {
    switch (m.shape) {
        case S::Lighthouse:
        case S::Landmark: return 2 * r;
        case S::LightTower:
        case S::Beacon:
        case S::Range: return std::max(1, 3 * r / 2);
        default: return r;
    }
}

}  // namespace vel
