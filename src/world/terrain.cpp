#include "world/terrain.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/helpers.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

constexpr double kFar = 1.0e12;

bool TwoBanks(const AreaGrid& a) { return a.areaCode == 3 || a.areaCode == 4; }

int32_t Saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// The shore that faces a point, and the line that parts the water of the
// two banks (the centre line y = 0 but in the river, whose banks bend
// across it: there the middle of the channel).
struct Shore {
    int32_t y = 0;
    int32_t mid = 0;
};

int32_t BankY(const AreaGrid& a, int32_t s, int32_t x);

Shore ShoreFacing(const AreaGrid& a, int32_t x, int32_t y) {
    if (!TwoBanks(a)) return {BankY(a, 2, x), 0};
    if (a.areaCode == 4) {
        const int32_t near = BankY(a, 2, x);
        const int32_t far = BankY(a, 144, x);
        const int32_t mid = static_cast<int32_t>((static_cast<int64_t>(near) + far) / 2);
        const bool farSide = (static_cast<double>(y) - mid) * (static_cast<double>(far) - near) > 0;
        return {farSide ? far : near, mid};
    }
    const bool farSide = (y > 0 && a.mainlandSide == 1) || (y < 0 && a.mainlandSide == 3);
    return {BankY(a, farSide ? 144 : 2, x), 0};
}

// Past the shore line, away from the water it faces.
bool BeyondShore(const Shore& s, int32_t y) {
    return (static_cast<double>(y) - s.y) * (static_cast<double>(s.y) - s.mid) > 0;
}

// The open-water depth before islands and rocks: shallower near the
// mainland, down to nothing at a few coast distances inland.
int32_t AreaCap(const AreaGrid& a, int32_t y) {
    int32_t c = 139 - 40 * a.region;
    if (a.areaCode == 4) {
        c = 30;
    } else if (a.areaCode == 1) {
        const bool landward = a.mainlandSide == 1 ? y < a.coastBaseY : y > a.coastBaseY;
        if (landward) c = 30;
    } else if (a.areaCode == 3) {
        if (std::abs(static_cast<int64_t>(y)) > std::abs(static_cast<int64_t>(a.coastBaseY))) c = 30;
    }
    const int32_t k = a.areaCode == 4 ? 4 : 3;
    const bool towardMainland = (a.mainlandSide == 1 && y < 0) || (a.mainlandSide == 3 && y >= 1);
    if (towardMainland && a.coastBaseY != 0) c = Trunc(c * (1.0 - static_cast<double>(y) / (k * a.coastBaseY)));
    // Beyond the shelf the line keeps falling; land reads 0, never less.
    return std::max(c, 0);
}

double CoastTerm(const AreaGrid& a, int32_t x, int32_t y) {
    const Shore shore = ShoreFacing(a, x, y);
    if (BeyondShore(shore, y)) return 0.0;
    return std::fabs(static_cast<double>(shore.y) - y) * 0.05;
}

// The shallowest island reading, or `best` when none reads shallower.
double IslandTerm(const AreaGrid& a, int32_t x, int32_t y, int32_t kind, double best) {
    const int32_t n = std::min(a.islandCount, kIslandSlots - 1);
    for (int32_t i = 1; i <= n; ++i) {
        const double dx = static_cast<double>(x) - a.islandX[i];
        const double dy = static_cast<double>(a.islandY[i]) - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        // No sector reaches beyond the island's reach: an island that cannot
        // read shallower even there is passed over.
        if (a.islandReach[i] > 0 && 20.0 * d / a.islandReach[i] - 18.0 >= best) continue;
        const int32_t r = IslandRadiusToward(a, i, dx, dy);
        double depth = std::max(20.0 * d / r - 18.0, 0.0);
        if (kind == 2 && i >= 17) depth += 6.0;
        best = std::min(best, depth);
    }
    return best;
}

double RockTerm(const RockList& rocks, int32_t x, int32_t y) {
    double best = kFar;
    const int32_t n = std::min<int32_t>(rocks.count, static_cast<int32_t>(rocks.x.size()) - 1);
    for (int32_t j = 1; j <= n; ++j) {
        const double m = std::fabs(static_cast<double>(x) - rocks.x[j]) + std::fabs(static_cast<double>(y) - rocks.y[j]);
        best = std::min(best, m * 0.1);
    }
    return best;
}

int32_t CoastIndex(int32_t i) { return std::clamp<int32_t>(i, 0, static_cast<int32_t>(CoastInts{}.size()) - 1); }

// The heads of the coves are drying flats, whatever lies on them; they end
// at the shore of the cove, and the land behind stays land.
bool InCoveHead(const AreaGrid& a, int32_t x, int32_t y) {
    for (int k = 0; k < 3; ++k) {
        const int32_t xa = a.coastX[CoastIndex(a.coveStart[k])];
        const int32_t xb = a.coastX[CoastIndex(a.coveEnd[k])];
        const int32_t inner = a.coveInnerY[k];
        const bool between = std::min(xa, xb) < x && x < std::max(xa, xb);
        const bool sameSide = static_cast<int64_t>(y / 10) * (inner / 10) > 0;
        if (between && std::abs(static_cast<int64_t>(y)) > std::abs(static_cast<int64_t>(inner)) && sameSide)
            return !BeyondShore(ShoreFacing(a, x, y), y);
    }
    return false;
}

int32_t WrapDegrees(int32_t a) {
    a = NormaliseAngle(a);
    return ((a % 360) + 360) % 360;
}

int32_t ProbeHeading(const Game& g, int32_t dirCode) {
    const int32_t h = g.ownBoat.heading;
    switch (dirCode) {
        case 1:
        case 3: return WrapDegrees(h);
        case 5:
        case -5:
        case 7:
        case -7: return WrapDegrees(h + dirCode);
        default: {
            const int32_t from = g.tideState.virtualFrom;
            return WrapDegrees(g.tideState.boatCurrentSpeed > 0 ? from : from + 180);
        }
    }
}

// A boat lying to an anchor or a buoy swings about that point, so the
// probes start there.
void ProbeOrigin(const Game& g, int32_t& x, int32_t& y) {
    const OwnBoat& b = g.ownBoat;
    if (g.screenState.chartShown != 0) return;
    if (b.onBuoy == 1 || b.onBuoy == 2) {
        x = g.moorings.buoyX[b.onBuoy - 1];
        y = b.onBuoy == 1 ? g.moorings.buoy1Y : g.moorings.buoy2Y;
    } else if (b.anchored != 0) {
        const int k = g.anchors.anchor[1][1] != 0 ? 1 : 2;
        x = Trunc(g.anchors.xanch[1][k]);
        y = Trunc(g.anchors.yanch[1][k]);
    }
}

// How far along a strip's running axis v lies, 0 at `from` and 1 at `to`;
// a strip of no length is a line and reads 0.
double Along(int32_t v, int32_t from, int32_t to) {
    return from == to ? 0.0 : (static_cast<double>(v) - from) / (static_cast<double>(to) - from);
}

// -3 before the low edge, 1 between the edges (the high edge inclusive), -4
// past the high edge; each edge runs from its first point to its second.
int32_t AcrossStrip(double t, int32_t lowFrom, int32_t lowTo, int32_t highFrom, int32_t highTo, int32_t v) {
    const double low = lowFrom + Trunc((static_cast<double>(lowTo) - lowFrom) * t);
    const double high = highFrom + Trunc((static_cast<double>(highTo) - highFrom) * t);
    if (v < low) return -3;
    if (v <= high) return 1;
    return -4;
}

}  // namespace

int32_t IslandRadiusToward(const AreaGrid& a, int32_t i, double dx, double dy) {
    const int32_t b = WrapDegrees(BearingOf(dx, dy) - Trunc(a.islandRotation[i] * kRadToDeg));
    const int32_t s = b / 10;
    int32_t r = std::numeric_limits<int32_t>::max();
    for (int32_t k = std::max(s - 3, 0); k <= std::min(s + 3, 35); ++k) r = std::min(r, a.islandSectorRadius[i][k]);
    // An unbuilt slot has no radius; one unit keeps the ratio finite.
    return std::max(r, 1);
}

namespace {

// The shore y at x along the bank whose points start at index s. Beyond
// either end of a bank the shore keeps the y of its end point (the closing
// points lie several steps off and only close the drawn outline).
int32_t BankY(const AreaGrid& a, int32_t s, int32_t x) {
    if (a.coastStep == 0) return a.coastY[s];
    const int32_t last = (TwoBanks(a) && s == 2) ? 141 : 283;
    const double steps = (static_cast<double>(x) - a.coastX[s]) / a.coastStep;
    if (steps <= 0.0) return a.coastY[s];
    if (steps >= last - s) return a.coastY[last];
    const int32_t i = Trunc(steps) + s;
    if (i <= s) return a.coastY[s];
    return a.coastY[i] + Trunc((static_cast<double>(x) - a.coastX[i]) / a.coastStep * (a.coastY[i + 1] - a.coastY[i]));
}

}  // namespace

int32_t CoastYAt(const AreaGrid& a, int32_t x, int32_t y) { return ShoreFacing(a, x, y).y; }

int32_t DepthAt(const Game& g, int32_t x, int32_t y, int32_t kind) {
    // The passages bring a query of their own; until it is built they read
    // the generated depth field.
    if (g.areaGrid.isRealArea == 1) return Trunc(RealDepth(g, x, y, kind, 0));
    return VirtualDepth(g, x, y, kind);
}

int32_t VirtualDepth(const Game& g, int32_t x, int32_t y, int32_t kind) {
    const AreaGrid& a = g.areaGrid;
    if (a.areaCode != 2 && InCoveHead(a, x, y)) return 2;
    const int32_t cap = AreaCap(a, y);
    double d = (a.areaCode == 2 || a.coastStep == 0) ? cap : CoastTerm(a, x, y);
    d = IslandTerm(a, x, y, kind, std::min(d, static_cast<double>(cap)));
    if (kind != 2) d = std::min(d, RockTerm(g.rockList, x, y));
    return Trunc(std::min(d, static_cast<double>(cap)));
}

int32_t ShoalAheadVirtual(const Game& g, int32_t dirCode, int32_t x, int32_t y) {
    const int32_t h = ProbeHeading(g, dirCode);
    ProbeOrigin(g, x, y);
    const int32_t upm = g.areaGrid.unitsPerMile;
    const bool westOfStream = g.areaGrid.region == 5 && g.ownBoat.x < g.areaGrid.gulfWestX;
    const int32_t sin100 = g.trigTables.sin100[h];
    const int32_t cos100 = g.trigTables.cos100[h];
    for (int32_t i = 3; i <= 21; ++i) {
        int32_t s = (i * upm / 20) / 40;
        if (westOfStream) s *= 3;
        const int32_t px = Saturate(static_cast<int64_t>(x) + static_cast<int64_t>(s) * sin100);
        const int32_t py = Saturate(static_cast<int64_t>(y) - static_cast<int64_t>(s) * cos100);
        const bool stop = dirCode == 0 ? DepthAt(g, px, py, 1) < 12 : DepthAt(g, px, py, dirCode + 1) < 6;
        if (stop) return s * 100;
    }
    return 900;
}

int32_t InStripNS(int32_t xLS, int32_t yS, int32_t xLN, int32_t yN, int32_t xRN, int32_t xRS, int32_t px, int32_t py) {
    if (py > yS) return -1;
    if (py < yN) return -2;
    return AcrossStrip(Along(py, yS, yN), xLS, xLN, xRS, xRN, px);
}

int32_t InStripEW(int32_t xW, int32_t yWS, int32_t yWN, int32_t xE, int32_t yEN, int32_t yES, int32_t px, int32_t py) {
    if (px < xW) return -1;
    if (px > xE) return -2;
    return AcrossStrip(Along(px, xW, xE), yWN, yEN, yWS, yES, py);
}


}  // namespace vel
