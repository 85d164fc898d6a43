#include "world/coastline.h"

#include <array>
#include <cmath>

#include "common/helpers.h"

namespace vel {
namespace {

constexpr int32_t kFirstBankClose = 142;
constexpr int32_t kSecondBankOpen = 143;
constexpr int32_t kLastPoint = 283;
constexpr int32_t kEastClose = 284;

// A cove is cut by scaling the shore's distance from the centre line point
// by point. In the river's second cove three points take their distance from
// the shore five points before the cove instead, which makes a deep bay.
struct CoveFactor {
    double factor;
    bool fromFiveBefore = false;
};
struct CoveShape {
    int32_t firstOffset;  // offset from the start index of the first factor
    int32_t endOffset;    // offset of the cove's last index
    int32_t count;
    std::array<CoveFactor, 14> factors;
};

constexpr CoveShape kCove1{-1, 8, 12, {{{1.05}, {1.1}, {1.2}, {1.3}, {1.65}, {1.65}, {1.55}, {1.45}, {1.3}, {1.15},
                                        {1.06}, {1.03}}}};
constexpr CoveShape kCove2{-2, 9, 14, {{{1.05}, {1.1}, {1.2}, {1.3}, {1.4}, {1.45}, {1.45}, {1.45}, {1.4}, {1.3},
                                        {1.2}, {1.15}, {1.08}, {1.04}}}};
constexpr CoveShape kRiverCove2{-4, 6, 13, {{{1.1}, {1.2}, {1.3}, {1.5}, {2.0, true}, {2.3, true}, {2.5, true},
                                             {2.0}, {1.7}, {1.2}, {1.15}, {1.08}, {1.04}}}};
constexpr CoveShape kCove3{-3, 6, 12, {{{1.02}, {1.05}, {1.1}, {1.25}, {1.4}, {1.5}, {1.55}, {1.5}, {1.4}, {1.1},
                                        {1.05}, {1.05}}}};

const CoveShape& ShapeOf(int32_t cove, int32_t areaCode) {
    if (cove == 0) return kCove1;
    if (cove == 1) return areaCode == 4 ? kRiverCove2 : kCove2;
    return kCove3;
}

// Start indices of the three coves; the river's depend on which way it bends.
std::array<int32_t, 3> CoveStarts(const AreaGrid& a) {
    const bool m = a.mirrored != 0;
    const bool north = a.mainlandSide == 1;
    switch (a.areaCode) {
        case 1: return {30, m ? 150 : 120, m ? 245 : 217};
        case 4: {
            const bool bendsToSea = (north && a.riverBend == 1) || (!north && a.riverBend == -1);
            const int32_t c1 = m ? 42 : (bendsToSea ? 30 : 32);
            const int32_t c2 = m ? (north ? 204 : 206) : 225;
            const int32_t c3 = m ? (north ? 100 : 105) : 95;
            return {c1, c2, c3};
        }
        default: return {30, 110, 217};
    }
}

void CutCoves(AreaGrid& a, int32_t i) {
    for (int32_t k = 0; k < 3; ++k) {
        const CoveShape& shape = ShapeOf(k, a.areaCode);
        const int32_t n = i - a.coveStart[k] - shape.firstOffset;
        if (n < 0 || n >= shape.count) continue;
        const CoveFactor& f = shape.factors[n];
        const int32_t from = f.fromFiveBefore ? a.coastY[a.coveStart[k] - 5] : a.coastY[i];
        a.coastY[i] = Trunc(from * f.factor);
    }
}

void CloseBanks(AreaGrid& a) {
    const int32_t east = a.mirrored ? -10000 : 10000;
    a.coastX[kEastClose] = east;
    if (a.mirrored) a.coastY[2] = a.coastY[3];
    if (a.areaCode == 1) {
        a.coastY[kEastClose] = a.coastBaseY;
        return;
    }
    a.coastY[kEastClose] = -a.coastBaseY;
    a.coastX[kFirstBankClose] = east;
    a.coastY[kFirstBankClose] = a.coastBaseY;
    a.coastX[kSecondBankOpen] = -east;
    a.coastY[kSecondBankOpen] = -a.coastBaseY;
}

// The flats at the cove heads begin a little inside each cove; rocks 16..18
// stand on their edges.
void MarkCoveHeads(AreaGrid& a, RockList& rocks) {
    const std::array<int32_t, 3> at = {a.coveEnd[0], a.coveStart[1], a.coveStart[2]};
    for (int32_t k = 0; k < 3; ++k) {
        const int32_t push = (k == 2 && a.areaCode == 4) ? 360 : 260;
        const int32_t y = a.coastY[at[k]];
        a.coveInnerY[k] = y >= 0 ? y + push : y - push;
        rocks.x[16 + k] = (a.coveStartX[k] + a.coveEndX[k]) / 2;
        rocks.y[16 + k] = a.coveInnerY[k];
    }
}

}  // namespace

void GenerateCoastline(Game& g) {
    AreaGrid& a = g.areaGrid;
    const int32_t code = a.areaCode;
    const bool twoBanks = code == 3 || code == 4;
    a.riverBend = 0;
    if (code == 4) a.riverBend = random(g.rng, 100) <= 49 ? 1 : -1;
    const int32_t a0 = random(g.rng, 80) + 90;

    const int32_t origin = a.mirrored ? 9000 : -9000;
    a.coastX[1] = a.mirrored ? 10000 : -10000;
    a.coastY[1] = a.coastBaseY;
    double u0 = code == 1 ? 0.0 : -400.0;
    a.coastStep = (code == 1 ? 65 : 125) * (a.mirrored ? -1 : 1);
    a.straightBanks = random(g.rng, 100) < 50 ? 1 : 0;

    const std::array<int32_t, 3> starts = CoveStarts(a);
    for (int32_t k = 0; k < 3; ++k) {
        a.coveStart[k] = starts[k];
        a.coveEnd[k] = starts[k] + ShapeOf(k, code).endOffset;
    }

    const int32_t l0 = code == 1 ? 500 : 600;
    const int32_t roughness = g.screenState.height / 30;
    int32_t prevL = l0;
    for (int32_t i = 2; i <= kLastPoint; ++i) {
        const bool farBank = twoBanks && i >= kSecondBankOpen;
        const int32_t b = farBank ? -1 : 1;
        if (code == 4 && farBank) u0 = 2.34 * prevL;
        const bool prevEast = i > 2 && a.coastX[i - 1] > 0;
        const int32_t wavelength = (prevEast && code <= 3) ? 1000 : l0;
        int32_t amp = a0 + random(g.rng, roughness);
        if (code == 4 && i > kSecondBankOpen && i < 180) amp = a0;

        const int32_t x = (farBank ? i - kSecondBankOpen : i) * a.coastStep + origin;
        a.coastX[i] = x;
        const double u = x + u0;
        const double wave = (code == 3 && a.straightBanks)
                                ? std::sin(u / (7 * l0))
                                : std::sin(u / wavelength) + std::sin(u / (4 * l0)) + std::sin(u / (7 * l0));
        int32_t y = Trunc(b * (a.coastBaseY + a.seaSign * amp * wave));
        if (code == 4 && x < 0) y -= Trunc(-0.3 * x) * a.riverBend;
        a.coastY[i] = y;
        CutCoves(a, i);
        prevL = wavelength;
    }
    for (int32_t k = 0; k < 3; ++k) {
        a.coveStartX[k] = a.coastX[a.coveStart[k]];
        a.coveEndX[k] = a.coastX[a.coveEnd[k]];
    }
    CloseBanks(a);
    MarkCoveHeads(a, g.rockList);
}

ShorePoint ShoreAt(const AreaGrid& a, int32_t i) {
    if (a.areaCode != 2) return {a.coastX[i], a.coastY[i]};
    const int32_t step = a.mirrored ? -125 : 125;
    return {i * step + (a.mirrored ? 9000 : -9000), a.coastBaseY};
}

void PlaceHillsAndLandmarks(Game& g) {
    AreaGrid& a = g.areaGrid;
    const int32_t s = a.seaSign;
    a.landmarkVariant = random(g.rng, 100) > 49 ? 2 : 1;
    for (int32_t k = 0; k < 5; ++k) {
        const ShorePoint p = ShoreAt(a, random(g.rng, 120) + 20);
        a.hillX[k] = p.x;
        a.hillY[k] = p.y - s * (19 - k) * 500;
        a.hillSize[k] = random(g.rng, 100) + 50;
    }
    // The second five stand behind the far bank where there is one.
    const bool farBank = a.areaCode == 3 || a.areaCode == 4;
    for (int32_t k = 0; k < 5; ++k) {
        const ShorePoint p = ShoreAt(a, random(g.rng, 110) + 160);
        a.hillX[5 + k] = p.x;
        a.hillY[5 + k] = farBank ? p.y + s * (21 + k) * 500 : p.y - s * (19 - k) * 500;
        a.hillSize[5 + k] = random(g.rng, 100) + 50;
    }
    a.hillCount = 10;

    const bool variant1 = a.landmarkVariant == 1;
    if (variant1 && a.areaCode == 1) {
        const int32_t c1 = a.coveStart[0];
        a.landmarkX[0] = a.coastX[c1 + 3] - 150;
        a.landmarkY[0] = a.coastY[c1 + 3] - 800 * s;
        a.landmarkX[1] = a.coastX[c1 + 4] + 150;
        a.landmarkY[1] = a.coastY[c1 + 4] - 800 * s;
    } else {
        const ShorePoint p = ShoreAt(a, a.coveEnd[0] + 50);
        a.landmarkX[0] = p.x;
        a.landmarkX[1] = p.x + 50;
        a.landmarkY[0] = a.landmarkY[1] = p.y - 800 * s;
    }
    const ShorePoint b = ShoreAt(a, variant1 ? 80 : 60);
    const ShorePoint c = ShoreAt(a, variant1 ? 120 : 135);
    a.landmarkX[2] = b.x;
    a.landmarkY[2] = b.y - 900 * s;
    a.landmarkX[3] = c.x;
    a.landmarkY[3] = c.y - 900 * s;
    const ShorePoint d = ShoreAt(a, (variant1 && a.riverBend != 1) ? 200 : 250);
    a.landmarkX[4] = d.x;
    a.landmarkY[4] = d.y > 0 ? d.y + 900 : d.y - 900;
    const bool inland = a.areaCode == 1 || variant1;
    const ShorePoint e = ShoreAt(a, inland ? 10 : 150);
    a.landmarkX[5] = e.x;
    a.landmarkY[5] = inland ? e.y - 300 * s : e.y + 300 * s;
}

void BuildMarinaPier(AreaGrid& a) {
    const int32_t base = a.mirrored ? a.coveEnd[0] : a.coveStart[0];
    BuildMarinaPierAt(a, a.coastX[base], a.coastY[base], a.seaSign);
}

void BuildMarinaPierAt(AreaGrid& a, int32_t x0, int32_t y0, int32_t s) {
    a.pierCornerX = {x0 + 80, x0 + 110, x0 + 110, x0 + 80, x0 - 10, x0 - 10};
    a.pierCornerY = {y0, y0, y0 + 10 * s, y0 + 10 * s, y0, y0 + 10 * s};
    a.pierBerthX = x0 + 95;
    a.pierBerthY = y0 + 5 * s;
    a.pierCorner1X = x0 + 80;
    a.pierCorner2X = x0 + 110;
    a.pierCorner2Y = y0;
    a.pierCorner3X = x0 + 110;
    a.pierCorner3Y = y0 + 10 * s;
}

}  // namespace vel
