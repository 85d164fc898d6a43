#include "views/real_marks.h"

#include <algorithm>

#include "views/marks_drawer.h"
#include "views/palette_names.h"

namespace vel {
namespace {

using S = MarkShape;
using C = LightColour;

constexpr int32_t kNear = 40, kSmall = 50, kBuoys = 200, kFar = 300, kAny = 1000;

// The kind codes, grouped as the sailing view's distance limits group them.
constexpr RealMarkKind kMarks[] = {
    {3, S::Nun, C::Red, true, kNear},          // Fl R
    {4, S::Can, C::Green, true, kNear},        // Fl G
    {5, S::Nun, C::Red, true, kAny},           // Qk Fl R
    {6, S::Can, C::Green, true, kAny},         // Qk Fl G
    {7, S::Fairway, C::White, true, kAny},     // Mo (A)
    {8, S::LightTower, C::White, true, kAny},  // Fl tower
    {9, S::Beacon, C::Green, false, kAny},
    {10, S::Mooring, C::White, false, kAny},
    {17, S::Lighthouse, C::White, true, kFar},  // Fl lighthouse
    {18, S::Lighthouse, C::Red, true, kFar},
    {19, S::Lighthouse, C::Green, true, kFar},
    {20, S::Lighthouse, C::White, true, kFar},  // fixed light
    {21, S::Lighthouse, C::Red, true, kFar},    // alternating red and white
    {32, S::Landmark, C::White, false, kFar},
    {23, S::Beacon, C::Red, false, kSmall},
    {24, S::Beacon, C::Green, false, kSmall},
    {25, S::StoneBeacon, C::White, false, kSmall},
    {26, S::Range, C::White, false, kSmall},
    {27, S::Can, C::White, false, kSmall},
    {28, S::Nun, C::Red, false, kSmall},
    {29, S::Can, C::Green, false, kSmall},
    {31, S::Bell, C::Red, false, kBuoys},
    {40, S::Bell, C::Green, false, kBuoys},
    {34, S::Bell, C::Red, true, kBuoys},        // lit bell
    {35, S::Bell, C::Green, true, kBuoys},
    {36, S::Bell, C::Red, true, kBuoys},        // lit gong
    {37, S::Bell, C::Green, true, kBuoys},
    {38, S::Fairway, C::White, true, kBuoys},   // whistle
    {39, S::LightTower, C::White, true, kBuoys},  // with a horn
    {44, S::Bell, C::Red, false, kBuoys},       // gong
    {45, S::Bell, C::Green, false, kBuoys},
    {48, S::Fairway, C::White, true, kBuoys},   // lit whistle, isolated danger
    {33, S::Horn, C::White, false, 0},
    {41, S::Horn, C::White, false, 0},
    {42, S::Horn, C::White, false, 0},
    {43, S::Horn, C::White, false, 0},
    {83, S::Nun, C::Red, true, kNear},          // Qk Fl R
    {84, S::Can, C::Green, true, kNear},        // Qk Fl G
    {85, S::Can, C::White, true, kNear},        // Qk Fl
};

constexpr int32_t kDisc = 3;

int ChartBrush(const RealMarkKind& k) {
    switch (k.colour) {
        case C::Red: return pal::kRed;
        case C::Green: return pal::kLand;
        case C::White: break;
    }
    return k.shape == S::Fairway ? 3 : 0;  // (255,127,127) red and white
}

void SelectChartFill(gfx::DC& dc, const ChartFrame& f, const RealMarkKind& k) {
    dc.SelectStockPen(gfx::Stock::Black);
    const int b = ChartBrush(k);
    if (f.mono || b == 0)
        dc.SelectStockBrush(gfx::Stock::White);
    else
        dc.SelectBrush(b);
}

void UnlitSymbol(gfx::DC& dc, const ChartFrame& f, gfx::Point p, const RealMarkKind& k) {
    SelectChartFill(dc, f, k);
    switch (k.shape) {
        case S::Nun:
        case S::Beacon: {
            const gfx::Point tri[3] = {{p.x, p.y - 4}, {p.x + 4, p.y + 3}, {p.x - 4, p.y + 3}};
            if (k.shape == S::Beacon && k.colour != C::Red)
                dc.Rectangle(p.x - 3, p.y - 3, p.x + 4, p.y + 4);
            else
                dc.Polygon(tri, 3);
            return;
        }
        case S::Range:
            dc.Rectangle(p.x - 1, p.y - 5, p.x + 2, p.y + 5);
            return;
        case S::Landmark:
        case S::StoneBeacon:
            dc.SelectStockBrush(gfx::Stock::Null);
            dc.Ellipse(p.x - kDisc, p.y - kDisc, p.x + kDisc + 1, p.y + kDisc + 1);
            dc.SetPixel(p.x, p.y, gfx::kBlack);
            return;
        case S::Mooring:
            if (!f.mono) dc.SelectBrush(pal::kYellow);
            dc.Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
            return;
        default:
            dc.Ellipse(p.x - kDisc, p.y - kDisc, p.x + kDisc + 1, p.y + kDisc + 1);
            return;
    }
}

}  // namespace

const RealMarkKind* FindRealMarkKind(int32_t kind) {
    for (const RealMarkKind& k : kMarks)
        if (k.kind == kind) return &k;
    return nullptr;
}

void DrawRealMarkSymbol(gfx::DC& dc, const ChartFrame& f, gfx::Point p, const RealMarkKind& k) {
    if (k.shape == S::Horn) return;
    if (k.shape == S::Lighthouse) {
        DrawLight(dc, f.mono, p.x, p.y, 17, k.colour);
        return;
    }
    if (k.lit) {
        DrawLight(dc, f.mono, p.x, p.y, k.colour == C::White ? 0 : 2, k.colour);
        return;
    }
    UnlitSymbol(dc, f, p, k);
}

void DrawRealMarkInView(gfx::DC& dc, Game& g, int32_t index, int32_t x, int32_t row, const RealMarkKind& k) {
    // Red and white fairway buoys read as red at a distance.
    const bool red = k.colour == C::Red || k.shape == S::Fairway;
    switch (k.shape) {
        case S::Nun:
        case S::Can:
        case S::Bell:
        case S::Fairway: drawLateralBuoy(dc, g, index, x, row, k.shape == S::Nun || red); return;
        case S::Beacon:
        case S::Range: drawDaybeacon(dc, g, index, x, row, red); return;
        case S::StoneBeacon:
        case S::Landmark: drawTower(dc, g, 2, x, row, 2, 0, index); return;
        case S::Lighthouse: drawTower(dc, g, 1, x, row, 1, red ? 1 : 0, index); return;
        case S::LightTower: drawLitBeacon(dc, g, index, x, row); return;
        case S::Mooring: drawMooringBuoy(dc, g, index, x, row); return;
        case S::Horn: return;
    }
}

int32_t RealMarkEchoRadius(const RealMarkKind& k, int32_t r) {
    switch (k.shape) {
        case S::Horn: return 0;
        case S::Lighthouse:
        case S::Landmark: return 2 * r;
        case S::LightTower:
        case S::StoneBeacon:
        case S::Beacon:
        case S::Range: return std::max(1, 3 * r / 2);
        default: return r;
    }
}

}  // namespace vel
