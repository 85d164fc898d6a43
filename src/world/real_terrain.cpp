#include "world/real_terrain.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "common/helpers.h"
#include "world/depth_facts.h"
#include "world/real_data.h"
#include "world/terrain.h"

namespace vel {
namespace {

// How steeply the bottom falls away from each kind of shore: a factor below
// a radius and another from it on.
struct Slope {
    double small, large;
    int32_t from;
    double At(int32_t R) const { return R < from ? small : large; }
};

struct RealSlopes {
    int32_t areaCode;
    Slope island, shoal;
};

constexpr RealSlopes kSlopes[] = {
    {11, {0.2, 0.4, 501}, {0.3, 2.0, 501}},
    {12, {0.2, 0.3, 2000}, {0.3, 2.0, 501}},
    {20, {0.3, 0.6, 501}, {0.6, 3.0, 501}},
    {30, {0.3, 1.0, 1001}, {0.3, 1.0, 1001}},
};
constexpr RealSlopes kDefaultSlopes{0, {0.2, 0.3, 2000}, {0.3, 0.6, 1001}};

const RealSlopes& SlopesFor(int32_t areaCode) {
    for (const RealSlopes& s : kSlopes)
        if (s.areaCode == areaCode) return s;
    return kDefaultSlopes;
}

double ShoreSlope(int32_t region) { return region == 3 ? 0.05 : region == 6 ? 0.1 : region <= 2 ? 0.07 : 0.15; }

// The open-water cap of the minima: Chesapeake Bay is nowhere deep,
// Southern New England east of Woods Hole and the Chesapeake's Eastern
// Shore side are shoal waters.
//
// The Exumas cap the end result at 15 ft on the bank; every patch rule is
// non-decreasing and never lowers a depth below that cap, so capping the
// minima there already gives the same answer and lets the index skip more.
double MinimaCap(const AreaGrid& a, int32_t x, int32_t y) {
    if (a.areaCode == 11 && x > 10250) return 15;
    if (a.areaCode == 12 && x > 5230) return 9;
    if (a.areaCode == 30 && !InDeepSound(x, y)) return 15;
    if (a.region == 2) return 60;
    return 1000;
}

constexpr double kNoShore = std::numeric_limits<double>::infinity();

double ProfileAt(const ShoreInts& run, const ShoreInts& value, double step, double at) {
    return ShoreProfileAt(run.data(), value.data(), step, at);
}

// Areas 11 and 20: the mainland lies north of the shore.
double ShoreXDepth(const AreaGrid& a, int32_t x, int32_t y, double slope) {
    if (a.shoreXMin <= -30000 || a.shoreStep <= 0 || !(a.shoreXMin < x && x < a.shoreXMax)) return kNoShore;
    const double sy = ProfileAt(a.shoreX, a.shoreY, a.shoreStep, x);
    return y < sy ? 0.0 : (y - sy) * slope;
}

// Chesapeake Bay: the western mainland west of its shore, the Eastern Shore
// east of its own, open water south of the Eastern Shore's cape.
double BayDepth(const AreaGrid& a, int32_t x, int32_t y, double slope, double cap) {
    if (a.westYMax <= -30000) return kNoShore;
    double d = kNoShore;
    if (a.westStep > 0 && a.westYMin < y && y < a.westYMax) {
        const double sx = ProfileAt(a.westShoreY, a.westShoreX, a.westStep, y);
        d = x < sx ? 0.0 : (x - sx) * slope;
    }
    if (a.eastStep > 0 && a.eastYMin < y && y < a.westYMax) {
        double e = cap;
        if (y <= a.eastYMax) {
            const double sx = ProfileAt(a.eastShoreY, a.eastShoreX, a.eastStep, y);
            e = x > sx ? 0.0 : (sx - x) * slope;
        }
        d = std::min(d, e);
    }
    return d;
}

struct Ellipse {
    int32_t x, y, R;
    double aspect, cos, sin;
    int32_t skew;
};

// The ellipse's depth at (x, y), or nothing when it cannot beat `best`.
// Group B islands and extra shoals add `deeper` off their dry part.
double EllipseDepth(const Ellipse& e, int32_t px, int32_t py, double f, double deeper, double best) {
    const double dx = static_cast<double>(px) - e.x, dy = static_cast<double>(py) - e.y;
    double u = e.cos * dx + e.sin * dy;
    const double v = e.cos * dy - e.sin * dx;
    if ((u > 0 && e.skew > 0 && e.skew < 36) || (u < 0 && e.skew > 36)) u *= 1.2;
    u /= e.aspect;
    const double q = u * u + v * v;
    // depth < best needs sqrt(q) / R < 1 + (best - deeper) / (99 f).
    const double reach = e.R * (1.0 + std::max(best - deeper, 0.0) / (99.0 * f));
    if (q >= reach * reach) return best;
    const double n = q > 2.5e9 ? 50000.0 : std::sqrt(q) / e.R;
    const double depth = std::max((99.0 * n - 99.0) * f, 0.0);
    // Land is land, whatever the group: the extra depth starts at the shore.
    return std::min(best, n > 1.0 ? depth + deeper : depth);
}

Ellipse IslandAt(const AreaGrid& a, int32_t i) {
    return {a.realIslandX[i], a.realIslandY[i], a.R[i], a.aspect[i], a.realCos[i], a.realSin[i], a.skewSector[i]};
}

Ellipse ShoalAt(const AreaGrid& a, int32_t k) {
    return {a.shoalX[k], a.shoalY[k], a.shoalR[k], a.shoalAspect[k], a.shoalCos[k], a.shoalSin[k],
            a.shoalSkewSector[k]};
}

bool Usable(const Ellipse& e) { return e.R > 0 && e.aspect > 0; }

struct Counts {
    int32_t islands, groupA, shoals, shoalsAll;
};

Counts CountsOf(const AreaGrid& a) {
    const int32_t islands = std::clamp(a.islandCountA + a.islandCountB + a.islandCountExtra, 0, kRealIslandSlots - 1);
    const int32_t shoalsAll = std::clamp(a.shoalCount + a.shoalCountExtra, 0, kShoalSlots - 1);
    return {islands, std::clamp(a.islandCountA, 0, islands), std::clamp(a.shoalCount, 0, shoalsAll), shoalsAll};
}

// One island (i) or shoal (1000 + k) of the index, by the mode's rules.
double FeatureDepth(const AreaGrid& a, const RealSlopes& s, const Counts& c, int32_t item, int32_t px, int32_t py,
                    int32_t mode, int32_t withExtra, double best) {
    if (item < 1000) {
        const int32_t i = item;
        if (i < 1 || i > c.islands) return best;
        if (mode == 2 && i > c.groupA) return best;
        if (withExtra == 0 && i > a.islandCountA + a.islandCountB) return best;
        const Ellipse e = IslandAt(a, i);
        if (!Usable(e)) return best;
        return EllipseDepth(e, px, py, s.island.At(e.R), i > c.groupA ? 3.0 : 0.0, best);
    }
    const int32_t k = item - 1000;
    if (k < 1 || k > c.shoalsAll || a.shoalDisabled[k] == 1) return best;
    if (mode == 2 && k > c.shoals) return best;
    const Ellipse e = ShoalAt(a, k);
    if (!Usable(e)) return best;
    return EllipseDepth(e, px, py, s.shoal.At(e.R), k > c.shoals ? 3.0 : 0.0, best);
}

int32_t CellOf(int32_t x, int32_t y) {
    const int64_t half = static_cast<int64_t>(kRealCellsAcross) * kRealCellSize / 2;
    const int64_t i = (static_cast<int64_t>(x) + half) / kRealCellSize;
    const int64_t j = (static_cast<int64_t>(y) + half) / kRealCellSize;
    if (x < -half || y < -half || i >= kRealCellsAcross || j >= kRealCellsAcross) return -1;
    return static_cast<int32_t>(j * kRealCellsAcross + i);
}

// Each rock of the area's list is a cone rising 1 ft in 5 units to the
// surface.
double RockDepth(const RockList& r, int32_t x, int32_t y, double d) {
    const int32_t n = std::clamp(r.realCount, 0, static_cast<int32_t>(r.x.size()));
    for (int32_t j = 0; j < n; ++j) {
        const double m = std::fabs(static_cast<double>(x) - r.x[j]) + std::fabs(static_cast<double>(y) - r.y[j]);
        d = std::min(d, m * 0.2);
    }
    return d;
}

double Minima(const Game& g, int32_t x, int32_t y, int32_t mode, int32_t withExtra) {
    const AreaGrid& a = g.areaGrid;
    const RealSlopes& s = SlopesFor(a.areaCode);
    const double slope = ShoreSlope(a.region);
    const double cap = MinimaCap(a, x, y);
    double d = std::min({cap, ShoreXDepth(a, x, y, slope), BayDepth(a, x, y, slope, cap)});
    const Counts c = CountsOf(a);
    const int32_t cell = CellOf(x, y);
    const int32_t start = cell < 0 ? -1 : a.realCellStart[cell];
    if (start >= 0) {
        const int32_t next = a.realCellStart[cell + 1];
        const int32_t end = next >= start ? next : a.realCellStart[kRealCellsAcross * kRealCellsAcross];
        for (int32_t k = start; k < end && k < static_cast<int32_t>(a.realCellItems.size()); ++k)
            d = FeatureDepth(a, s, c, a.realCellItems[k], x, y, mode, withExtra, d);
    } else {
        for (int32_t i = 1; i <= c.islands; ++i) d = FeatureDepth(a, s, c, i, x, y, mode, withExtra, d);
        for (int32_t k = 1; k <= c.shoalsAll; ++k) d = FeatureDepth(a, s, c, 1000 + k, x, y, mode, withExtra, d);
    }
    if (mode != 2) d = RockDepth(g.rockList, x, y, d);
    return d;
}

bool InPatch(const RealPatch& p, int32_t x, int32_t y) {
    const auto& b = p.b;
    switch (p.shape) {
        case PatchShape::Box: return b[0] < x && x < b[1] && b[2] < y && y < b[3];
        case PatchShape::StripNS: return InStripNS(b[0], b[1], b[2], b[3], b[4], b[5], x, y) == 1;
        case PatchShape::StripEW: return InStripEW(b[0], b[1], b[2], b[3], b[4], b[5], x, y) == 1;
    }
    return false;
}

double ApplyPatches(const AreaGrid& a, double d, int32_t x, int32_t y, int32_t withExtra) {
    const RealFacts* f = RealFactsFor(a.areaCode);
    if (!f) return d;
    for (const RealPatch& p : f->patches) {
        if (!InPatch(p, x, y)) continue;
        switch (p.rule) {
            case PatchRule::Set: d = p.value; break;
            case PatchRule::RaiseTo:
                if (d < p.value && d > p.above) d = p.value;
                break;
            case PatchRule::LowerTo: d = std::min(d, static_cast<double>(p.value)); break;
            case PatchRule::Add:
                if (d > p.above) d += p.value;
                break;
            case PatchRule::Multiply:
                if (withExtra == 0) d *= p.value;
                break;
        }
    }
    return d;
}

// The strips that part Exuma Sound from the bank, south to north: each row
// is (xLS, yS, xLN, yN, xRN, xRS) of InStripNS.
constexpr int32_t kDeepSound[4][6] = {
    {17000, 17400, 1676, 5905, 18000, 18000},
    {1676, 5905, -2400, -349, 18000, 18000},
    {-2400, -349, -6800, -6263, 18000, 18000},
    {-9500, -6263, -11500, -15200, 18000, 18000},
};
constexpr int32_t kWestBank[4][6] = {
    {-20000, 17400, -20000, 5905, -324, 15000},
    {-20000, 5905, -20000, -349, -4400, -324},
    {-20000, -349, -20000, -6263, -8800, -4400},
    {-20000, -6263, -20000, -15200, -13500, -11500},
};

bool InAnyStrip(const int32_t (&strips)[4][6], int32_t x, int32_t y) {
    for (const auto& s : strips)
        if (InStripNS(s[0], s[1], s[2], s[3], s[4], s[5], x, y) == 1) return true;
    return false;
}

// Whether a segment crosses a square (grown by a unit for the strip tests
// truncations), by clipping its parameter range to the square's slabs.
bool SegmentMeetsSquare(double ax, double ay, double bx, double by, double x0, double y0, double size) {
    double t0 = 0.0, t1 = 1.0;
    const double d[2] = {bx - ax, by - ay}, p[2] = {ax, ay}, lo[2] = {x0 - 1, y0 - 1}, hi[2] = {x0 + size + 1, y0 + size + 1};
    for (int k = 0; k < 2; ++k) {
        if (d[k] == 0.0) {
            if (p[k] < lo[k] || p[k] > hi[k]) return false;
            continue;
        }
        double ta = (lo[k] - p[k]) / d[k], tb = (hi[k] - p[k]) / d[k];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (t0 > t1) return false;
    }
    return true;
}

// The largest cap of the minima anywhere in a square: the Exumas' bank caps
// lower than the sound, so a square the sound never touches keeps 15.
double CellCap(const AreaGrid& a, double x0, double y0, double size) {
    const auto at = [&](double x, double y) { return MinimaCap(a, static_cast<int32_t>(x), static_cast<int32_t>(y)); };
    double cap = std::max({at(x0, y0), at(x0 + size, y0), at(x0, y0 + size), at(x0 + size, y0 + size)});
    if (a.areaCode == 30) {
        for (const auto& q : kDeepSound) {
            // The strip's corners: west-south, west-north, east-north, east-south.
            const double xs[4] = {double(q[0]), double(q[2]), double(q[4]), double(q[5])};
            const double ys[4] = {double(q[1]), double(q[3]), double(q[3]), double(q[1])};
            for (int k = 0; k < 4; ++k)
                if (SegmentMeetsSquare(xs[k], ys[k], xs[(k + 1) % 4], ys[(k + 1) % 4], x0, y0, size)) cap = 1000;
        }
    }
    return cap;
}

// Upper and lower bounds of one ellipse's depth over a square of the index.
struct Bounds {
    double low, high;
};

Bounds EllipseBounds(const Ellipse& e, double f, double deeper, double x0, double y0, double size) {
    const double cx = std::clamp<double>(e.x, x0, x0 + size), cy = std::clamp<double>(e.y, y0, y0 + size);
    const double near = std::sqrt((cx - e.x) * (cx - e.x) + (cy - e.y) * (cy - e.y));
    const double fx = std::max(std::fabs(x0 - e.x), std::fabs(x0 + size - e.x));
    const double fy = std::max(std::fabs(y0 - e.y), std::fabs(y0 + size - e.y));
    const double far = std::sqrt(fx * fx + fy * fy);
    // The stretched and scaled across axis can only lengthen the distance
    // (aspect up to 1) by 1.2 / aspect at most.
    const double squeeze = std::min(1.0, 1.0 / e.aspect), stretch = 1.2 / std::min(e.aspect, 1.0);
    const double nLow = squeeze * near / e.R, nHigh = stretch * far / e.R;
    // Beyond q = 2.5e9 an ellipse counts as infinitely far: no upper bound.
    const double high = stretch * far > 50000.0 ? kNoShore : std::max((99.0 * nHigh - 99.0) * f, 0.0) + deeper;
    return {std::max((99.0 * nLow - 99.0) * f, 0.0) + (nLow > 1.0 ? deeper : 0.0), high};
}

// The deepest the shore profiles can read anywhere in a square: a bound of
// the shallowest reading there.
// The lowest shore value of a profile's entries that a square's run
// (lo..hi) can interpolate between.
double LowestShore(const ShoreInts& run, const ShoreInts& shore, double step, double lo, double hi) {
    const int32_t i0 = std::clamp(Trunc((lo - run[1]) / step), 1, 300);
    const int32_t i1 = std::clamp(Trunc((hi - run[1]) / step) + 2, 1, 300);
    double lowest = kNoShore;
    for (int32_t i = i0; i <= i1; ++i) lowest = std::min<double>(lowest, shore[i]);
    return lowest;
}

// The deepest the shore profiles can read anywhere in a square: a bound of
// the shallowest reading there.
double ProfileCeiling(const AreaGrid& a, double x0, double y0, double size, double cap) {
    const double slope = ShoreSlope(a.region);
    double high = cap;
    if (a.shoreXMin > -30000 && a.shoreStep > 0 && a.shoreXMin < x0 && x0 + size < a.shoreXMax) {
        const double lowest = LowestShore(a.shoreX, a.shoreY, a.shoreStep, x0, x0 + size);
        high = std::min(high, std::max(0.0, (y0 + size - lowest) * slope));
    }
    if (a.westYMax > -30000 && a.westStep > 0 && a.westYMin < y0 && y0 + size < a.westYMax) {
        const double lowest = LowestShore(a.westShoreY, a.westShoreX, a.westStep, y0, y0 + size);
        high = std::min(high, std::max(0.0, (x0 + size - lowest) * slope));
    }
    return high;
}

}  // namespace

double RealDepth(const Game& g, int32_t x, int32_t y, int32_t mode, int32_t withExtra) {
    const AreaGrid& a = g.areaGrid;
    if (g.shoreMap.table) {
        double d = TrueDepth(g.shoreMap, x, y);
        if (mode != 2) d = RockDepth(g.rockList, x, y, d);
        return d;
    }
    double d = Minima(g, x, y, mode, withExtra);
    d = ApplyPatches(a, d, x, y, withExtra);
    if (a.areaCode == 30) d = std::min(d, InDeepSound(x, y) ? 1000.0 : 15.0);
    return d;
}

bool InDeepSound(int32_t x, int32_t y) { return InAnyStrip(kDeepSound, x, y); }
bool OnWestBank(int32_t x, int32_t y) { return InAnyStrip(kWestBank, x, y); }

int32_t ShoalAheadReal(const Game& g, int32_t dirCode, int32_t x, int32_t y) {
    int32_t h;
    switch (dirCode) {
        case 1:
        case 3: h = g.ownBoat.heading; break;
        case 5:
        case -5:
        case 7:
        case -7: h = NormaliseAngle(g.ownBoat.heading + dirCode); break;
        default: h = g.tideState.currentFrom; break;
    }
    if (h < 0 || h > 360) return 900;
    const double rad = h * kDegToRad;
    const double sx = std::sin(rad), cy = std::cos(rad);
    const int32_t mode = dirCode == 1 ? 2 : 1;
    for (int32_t k = 1; k <= 18; ++k) {
        const int32_t d = 50 * k;
        const int64_t px = static_cast<int64_t>(x) + Trunc(sx * d);
        const int64_t py = static_cast<int64_t>(y) - Trunc(cy * d);
        const auto clampI = [](int64_t v) {
            return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                            std::numeric_limits<int32_t>::max()));
        };
        if (Trunc(RealDepth(g, clampI(px), clampI(py), mode, 0)) < 5) return d;
    }
    return 900;
}

namespace {

struct Candidate {
    int32_t item;
    Ellipse e;
    double f, deeper;
    bool always;  // counted in every mode: its worst reading bounds the answer
};

// The candidates that can be the shallowest somewhere in a square, from a
// wider list: a candidate whose best reading there is deeper than what the
// always-counted ones and the shore guarantee everywhere cannot be.
void Filter(const AreaGrid& a, const std::vector<Candidate>& from, double x0, double y0, double size,
            std::vector<Candidate>& to) {
    double ceiling = ProfileCeiling(a, x0, y0, size, CellCap(a, x0, y0, size));
    std::vector<double> lows;
    lows.reserve(from.size());
    for (const Candidate& c : from) {
        const Bounds b = EllipseBounds(c.e, c.f, c.deeper, x0, y0, size);
        if (c.always) ceiling = std::min(ceiling, b.high);
        lows.push_back(b.low);
    }
    to.clear();
    for (std::size_t k = 0; k < from.size(); ++k)
        if (lows[k] <= ceiling) to.push_back(from[k]);
}

}  // namespace

void BuildRealDepthIndex(AreaGrid& a) {
    const RealSlopes& s = SlopesFor(a.areaCode);
    const Counts c = CountsOf(a);
    std::vector<Candidate> all, cell;
    for (int32_t k = 1; k <= c.islands; ++k) {
        const Ellipse e = IslandAt(a, k);
        if (Usable(e)) all.push_back({k, e, s.island.At(e.R), k > c.groupA ? 3.0 : 0.0, k <= c.groupA});
    }
    for (int32_t k = 1; k <= c.shoalsAll; ++k) {
        const Ellipse e = ShoalAt(a, k);
        if (Usable(e))
            all.push_back({1000 + k, e, s.shoal.At(e.R), k > c.shoals ? 3.0 : 0.0,
                           k <= c.shoals && a.shoalDisabled[k] == 0});
    }
    // Blocks of 4 x 4 cells narrow the list first; each cell then only
    // weighs its block's candidates. Cells are written in order, each
    // ending where the next begins.
    constexpr int32_t kBlock = 4, kBlocks = kRealCellsAcross / kBlock;
    static_assert(kRealCellsAcross % kBlock == 0);
    const double half = kRealCellsAcross * kRealCellSize / 2.0;
    const int32_t cells = kRealCellsAcross * kRealCellsAcross;
    std::vector<std::vector<Candidate>> blocks(kBlocks * kBlocks);
    for (int32_t bj = 0; bj < kBlocks; ++bj)
        for (int32_t bi = 0; bi < kBlocks; ++bi)
            Filter(a, all, bi * kBlock * kRealCellSize - half, bj * kBlock * kRealCellSize - half,
                   double(kBlock) * kRealCellSize, blocks[bj * kBlocks + bi]);
    int32_t used = 0;
    bool full = false;
    for (int32_t j = 0; j < kRealCellsAcross; ++j) {
        for (int32_t i = 0; i < kRealCellsAcross; ++i) {
            const int32_t k = j * kRealCellsAcross + i;
            Filter(a, blocks[(j / kBlock) * kBlocks + i / kBlock], i * kRealCellSize - half, j * kRealCellSize - half,
                   kRealCellSize, cell);
            // Out of room, this cell and the rest ask every island and shoal.
            full = full || used + static_cast<int32_t>(cell.size()) > static_cast<int32_t>(a.realCellItems.size());
            a.realCellStart[k] = full ? -1 : used;
            if (full) continue;
            for (const Candidate& c : cell) a.realCellItems[used++] = c.item;
        }
    }
    a.realCellStart[cells] = used;
}

double ShoreProfileAt(const int32_t* run, const int32_t* value, double step, double at) {
    int32_t i = Trunc((at - run[1]) / step) + 1;
    if (i <= 1) return value[1];
    i = std::min(i, 299);
    return value[i] + Trunc((at - run[i]) / step * (value[i + 1] - value[i]));
}

}  // namespace vel
