#include "views/lights.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "common/helpers.h"
#include "shell/chart_nav.h"
#include "views/passage_chart.h"
#include "world/aids.h"

namespace vel {
namespace {

constexpr int32_t kDiscRadius = 3;
constexpr int32_t kFirstAidSlot = 1;
constexpr int32_t kLastAidSlot = 34;  // the mooring buoys close the fixed objects
constexpr int32_t kLandmarks = 6;

struct LightInk {
    int pen;    // 1-pixel pen in the light's colour
    int brush;  // fill in the light's colour
};

// White lights are shown in magenta, as charts do.
LightInk InkFor(LightColour c) {
    switch (c) {
        case LightColour::Red: return {54, 21};
        case LightColour::Green: return {53, 27};
        case LightColour::White: break;
    }
    return {58, 36};
}

void SelectBlackPen(gfx::DC& dc) { dc.SelectStockPen(gfx::Stock::Black); }

LightColour LightOf(AidColour c) {
    switch (c) {
        case AidColour::Red: return LightColour::Red;
        case AidColour::Green: return LightColour::Green;
        default: return LightColour::White;
    }
}

int BrushOf(AidColour c) {
    switch (c) {
        case AidColour::Red: return 21;       // (255,0,0)
        case AidColour::Green: return 24;     // (0,127,0)
        case AidColour::RedWhite: return 3;   // (255,127,127)
        case AidColour::Yellow: return 33;    // (255,255,0)
        case AidColour::Black: break;
    }
    return 0;
}

void SelectFill(gfx::DC& dc, bool mono, AidColour c) {
    const int b = BrushOf(c);
    if (mono || b == 0)
        dc.SelectStockBrush(mono ? gfx::Stock::White : gfx::Stock::Black);
    else
        dc.SelectBrush(b);
}

void DrawAidSymbol(gfx::DC& dc, const ChartFrame& f, gfx::Point p, const AidKind& a) {
    SelectBlackPen(dc);
    switch (a.shape) {
        case AidShape::Buoy:
            if (a.lit) {
                DrawLight(dc, f.mono, p.x, p.y, a.colour == AidColour::RedWhite ? 0 : 2, LightOf(a.colour));
                return;
            }
            SelectFill(dc, f.mono, a.colour);
            dc.Ellipse(p.x - kDiscRadius, p.y - kDiscRadius, p.x + kDiscRadius + 1, p.y + kDiscRadius + 1);
            return;
        case AidShape::Tower:
            DrawLight(dc, f.mono, p.x, p.y, 0, LightColour::White);
            return;
        case AidShape::Beacon: {
            SelectFill(dc, f.mono, a.colour);
            const gfx::Point tri[3] = {{p.x, p.y - 4}, {p.x + 4, p.y + 3}, {p.x - 4, p.y + 3}};
            dc.Polygon(tri, 3);
            return;
        }
        case AidShape::MooringBuoy:
            SelectFill(dc, f.mono, a.colour);
            dc.Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
            return;
    }
}

// A ringed dot, as charts mark conspicuous objects.
void DrawLandmark(gfx::DC& dc, gfx::Point p) {
    SelectBlackPen(dc);
    dc.SelectStockBrush(gfx::Stock::Null);
    dc.Ellipse(p.x - kDiscRadius, p.y - kDiscRadius, p.x + kDiscRadius + 1, p.y + kDiscRadius + 1);
    dc.SetPixel(p.x, p.y, gfx::kBlack);
}

void DrawPier(gfx::DC& dc, const ChartFrame& f, gfx::Point p1, gfx::Point p2) {
    SelectBlackPen(dc);
    dc.SelectStockBrush(f.mono ? gfx::Stock::White : gfx::Stock::Black);
    dc.Rectangle(p1.x, p1.y, std::max(p2.x, p1.x + 2), std::max(p2.y, p1.y + 2));
}

}  // namespace

void DrawLight(gfx::DC& dc, bool mono, int32_t x, int32_t y, int32_t code, LightColour colour) {
    const LightInk ink = InkFor(colour);
    const gfx::Point flare[4] = {{x + 3, y - 5}, {x + 5, y - 15}, {x + 7, y - 17}, {x + 9, y - 15}};
    if (mono) {
        dc.SelectStockPen(gfx::Stock::Black);
        dc.SelectStockBrush(gfx::Stock::White);
    } else {
        dc.SelectPen(ink.pen);
        dc.SelectBrush(ink.brush);
    }
    dc.Polygon(flare, 4);
    if (!mono) {
        if (code == 17)
            dc.SelectPen(ink.pen);
        else
            dc.SelectStockPen(gfx::Stock::Black);
        if (code == 2 || code == 17)
            dc.SelectBrush(ink.brush);
        else
            dc.SelectStockBrush(gfx::Stock::White);
    }
    dc.Ellipse(x - kDiscRadius, y - kDiscRadius, x + kDiscRadius + 1, y + kDiscRadius + 1);
}

// The generated areas' towers, one of them a tank, and their pier; then
// the aids and lighthouses every generated area and passage has.
std::vector<ChartAid> ChartAids(const Game& g, const ChartFrame& f) {
    std::vector<ChartAid> out;
    const AreaGrid& a = g.areaGrid;
    const bool passage = a.isPassage == 1;
    if (!passage && !IsVirtualArea(a)) return out;
    if (!passage && a.areaCode != 2) {
        constexpr int32_t kTank = 2;
        for (int32_t k = 0; k < kLandmarks; ++k) {
            if (a.landmarkX[k] == 0 && a.landmarkY[k] == 0) continue;
            const gfx::Point p = f.toScreen(a.landmarkX[k], a.landmarkY[k]);
            const char* label = k == kTank ? kTankLabel : kTowerLabel;
            if (f.contains(p)) out.push_back({ChartAid::Landmark, p, p, nullptr, label});
        }
        const auto [minX, maxX] = std::minmax_element(a.pierCornerX.begin(), a.pierCornerX.end());
        const auto [minY, maxY] = std::minmax_element(a.pierCornerY.begin(), a.pierCornerY.end());
        if (*minX != 0 || *maxX != 0) {
            const gfx::Point p1 = f.toScreen(*minX, *minY), p2 = f.toScreen(*maxX, *maxY);
            if (f.contains(p1) || f.contains(p2)) out.push_back({ChartAid::Pier, p1, p2, nullptr, kPierLabel});
        }
    }
    const ObjectList& o = g.objectList;
    for (int32_t i = kFirstAidSlot; i <= kLastAidSlot; ++i) {
        const AidKind* k = passage ? FindPassageMarkKind(o.kind[i]) : FindAidKind(o.kind[i]);
        if (!k) continue;
        const gfx::Point p = f.toScreen(o.fbx[i], o.fby[i]);
        if (f.contains(p)) out.push_back({ChartAid::Aid, p, p, k, k->label});
    }
    const Lighthouse& l = g.lighthouse;
    for (int32_t i = 1; i <= kLighthouseSlots; ++i) {
        if (l.x[i] == kNoLighthouse || l.y[i] == kNoLighthouse) continue;
        const gfx::Point p = f.toScreen(l.x[i], l.y[i]);
        if (f.contains(p)) out.push_back({ChartAid::Lighthouse, p, p, nullptr, kLighthouseLabel});
    }
    return out;
}

void DrawChartAids(gfx::DC& dc, const Game& g, const ChartFrame& f) {
    for (const ChartAid& a : ChartAids(g, f)) {
        switch (a.what) {
            case ChartAid::Landmark: DrawLandmark(dc, a.at); break;
            case ChartAid::Pier: DrawPier(dc, f, a.at, a.corner); break;
            case ChartAid::Aid: DrawAidSymbol(dc, f, a.at, *a.kind); break;
            case ChartAid::Lighthouse: DrawLight(dc, f.mono, a.at.x, a.at.y, 17, LightColour::White); break;
        }
    }
}

}  // namespace vel
