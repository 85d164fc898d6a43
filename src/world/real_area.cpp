#include "world/real_area.h"

#include <algorithm>
#include <cmath>

#include "common/helpers.h"
#include "world/coastline.h"
#include "world/geo.h"
#include "world/real_data.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

struct RealAreaParams {
    int32_t areaCode, region, mainlandSide, variation;
};

constexpr RealAreaParams kParams[] = {
    {11, 1, 1, 14},
    {12, 2, 4, 10},
    {20, 1, 1, 17},
    {30, 3, 4, 7},
};

const RealAreaParams* ParamsFor(int32_t areaCode) {
    for (const RealAreaParams& p : kParams)
        if (p.areaCode == areaCode) return &p;
    return nullptr;
}

constexpr double kSkewFactors[18] = {0.97, 0.93, 0.89, 0.85, 0.81, 0.75, 0.73, 0.71, 0.7,
                                     0.7,  0.71, 0.73, 0.75, 0.81, 0.85, 0.89, 0.93, 0.97};

double Step(const ShoreTable& t) { return (static_cast<double>(t.runMax) - t.runMin) / 299.0; }

// One profile into its running and shore tables; an unset table leaves the
// profile's limits at the sentinel, so the depth query ignores it.
void LoadProfile(const ShoreTable& t, ShoreInts& run, ShoreInts& shore, double& step) {
    step = Step(t);
    for (int32_t k = 1; k <= 300; ++k) {
        run[k] = t.runMin + Trunc((k - 1) * step);
        shore[k] = t.value[k];
    }
    run[0] = run[1];
    shore[0] = shore[1];
}

bool Set(const ShoreTable& t) { return t.runMin > -30000 && t.runMax > t.runMin; }

void LoadShores(AreaGrid& a, const RealGeo& geo) {
    if (Set(geo.shore)) {
        LoadProfile(geo.shore, a.shoreX, a.shoreY, a.shoreStep);
        a.shoreXMin = geo.shore.runMin;
        a.shoreXMax = geo.shore.runMax;
    }
    if (Set(geo.west) && Set(geo.east)) {
        LoadProfile(geo.west, a.westShoreY, a.westShoreX, a.westStep);
        LoadProfile(geo.east, a.eastShoreY, a.eastShoreX, a.eastStep);
        a.westYMin = geo.west.runMin;
        a.westYMax = geo.west.runMax;
        a.eastYMin = geo.east.runMin;
        a.eastYMax = geo.east.runMax;
    }
}

double Radians(int32_t degrees) { return degrees * kDegToRad; }

void LoadIslands(Game& g, const RealGeo& geo) {
    AreaGrid& a = g.areaGrid;
    const int32_t n = std::min<int32_t>(static_cast<int32_t>(geo.islands.size()), kRealIslandSlots - 1);
    a.islandCountA = std::clamp(geo.countA, 0, n);
    a.islandCountB = n - a.islandCountA;
    a.islandCountExtra = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const RealEllipseRow& r = geo.islands[i - 1];
        a.realIslandX[i] = r.x;
        a.realIslandY[i] = r.y;
        a.R[i] = r.R;
        a.aspect[i] = r.aspect;
        a.rotation[i] = Radians(r.rotationDeg);
        a.realCos[i] = std::cos(a.rotation[i]);
        a.realSin[i] = std::sin(a.rotation[i]);
        a.skewSector[i] = r.skew;
        a.bulgeSector[i] = r.bulge;
        a.radarFirst[i] = r.radarFirst;
        a.radarLast[i] = r.radarLast;
        BuildRealOutline(g, r.x, r.y, r.R, r.aspect, a.rotation[i], r.skew, r.bulge, a.islandOutline[i]);
    }
}

void LoadShoal(Game& g, int32_t k, const RealEllipseRow& r) {
    AreaGrid& a = g.areaGrid;
    a.shoalX[k] = r.x;
    a.shoalY[k] = r.y;
    a.shoalR[k] = r.R;
    a.shoalAspect[k] = r.aspect;
    a.shoalRotation[k] = Radians(r.rotationDeg);
    a.shoalCos[k] = std::cos(a.shoalRotation[k]);
    a.shoalSin[k] = std::sin(a.shoalRotation[k]);
    a.shoalSkewSector[k] = r.skew;
    a.shoalBulgeSector[k] = r.bulge;
    a.shoalRadarFirst[k] = r.radarFirst;
    a.shoalRadarLast[k] = r.radarLast;
    a.shoalDisabled[k] = 0;
    BuildRealOutline(g, r.x, r.y, r.R, r.aspect, a.shoalRotation[k], r.skew, r.bulge, a.shoalOutline[k]);
}

RealEllipseRow ShoalRow(const GeoProjection& p, const RealShoalFact& s) {
    const AreaXY at = ProjectFact(p, s.at);
    return {at.x, at.y, s.R, s.aspect, s.rotationDeg, s.skew, s.bulge, 0, 72};
}

// The charted shoals first, then the ledges of the shoreline data, then the
// shoals that count only on request.
void LoadShoals(Game& g, const GeoProjection& p, const RealGeo& geo, const RealFacts& f) {
    AreaGrid& a = g.areaGrid;
    const int32_t hand = static_cast<int32_t>(f.shoals.size());
    const int32_t extra = std::clamp(f.shoalExtra, 0, hand);
    int32_t k = 0;
    const auto add = [&](const RealEllipseRow& r) {
        if (k < kShoalSlots - 1) LoadShoal(g, ++k, r);
    };
    for (int32_t s = 0; s < hand - extra; ++s) add(ShoalRow(p, f.shoals[s]));
    for (const RealEllipseRow& r : geo.ledges) add(r);
    a.shoalCount = k;
    for (int32_t s = hand - extra; s < hand; ++s) add(ShoalRow(p, f.shoals[s]));
    a.shoalCountExtra = k - a.shoalCount;
}

void LoadRocks(Game& g, const GeoProjection& p, const RealFacts& f) {
    RockList& r = g.rockList;
    r.count = 0;
    r.realCount = std::min<int32_t>(static_cast<int32_t>(f.rocks.size()), static_cast<int32_t>(r.x.size()));
    for (int32_t j = 0; j < r.realCount; ++j) {
        const AreaXY at = ProjectFact(p, f.rocks[j].at);
        r.x[j] = at.x;
        r.y[j] = at.y;
        r.visible[j] = f.rocks[j].visible;
    }
}

// Marks from index 1; index 0 stays empty (kind 0).
void LoadMarks(Game& g, const GeoProjection& p, const RealFacts& f) {
    MarkList& m = g.markList;
    m = MarkList{};
    m.count = std::min<int32_t>(static_cast<int32_t>(f.marks.size()), static_cast<int32_t>(m.x.size()) - 1);
    for (int32_t i = 1; i <= m.count; ++i) {
        const AreaXY at = ProjectFact(p, f.marks[i - 1].at);
        m.x[i] = at.x;
        m.y[i] = at.y;
        m.kind[i] = f.marks[i - 1].kind;
    }
}

double ShoreYAt(const AreaGrid& a, int32_t x) {
    if (a.shoreXMin <= -30000 || a.shoreStep <= 0) return 0;
    const int32_t i = std::clamp(Trunc((x - a.shoreX[1]) / a.shoreStep) + 1, 1, 300);
    return a.shoreY[i];
}

double WestShoreXAt(const AreaGrid& a, int32_t y) {
    if (a.westYMax <= -30000 || a.westStep <= 0) return 0;
    const int32_t i = std::clamp(Trunc((y - a.westShoreY[1]) / a.westStep) + 1, 1, 300);
    return a.westShoreX[i];
}

// Distant hills behind the shore for the sailing view: Southern New
// England's 39 along the Connecticut and Rhode Island shore, Chesapeake
// Bay's low ones behind its western shore. Positions and sizes come from the
// cruise's random table.
void PlaceHills(Game& g) {
    AreaGrid& a = g.areaGrid;
    const auto& r = g.randomTable.r100;
    a.hillCount = 0;
    if (a.areaCode == 11) {
        a.hillCount = 39;
        for (int32_t k = 1; k <= 39; ++k) {
            const int32_t x = -24000 + r[k] * 230;
            const int32_t y = std::min(-2000 - r[k + 40] * 10, Trunc(ShoreYAt(a, x)) - 400);
            a.hillX[k] = x;
            a.hillY[k] = y;
            a.hillSize[k] = 51 + r[k + 80] % 39;
        }
    } else if (a.areaCode == 12) {
        a.hillCount = 22;
        for (int32_t k = 1; k <= 22; ++k) {
            const int32_t y = -11000 + k * 1000;
            a.hillX[k] = Trunc(WestShoreXAt(a, y)) - 900 - r[k] * 10;
            a.hillY[k] = y;
            a.hillSize[k] = 30 + r[k + 40] % 20;
        }
    }
}

void ResetRealAreaState(Game& g) {
    Lighthouse& l = g.lighthouse;
    l.x.fill(30000);
    l.y.fill(30000);
    l.count = 0;
    ResetObjectList(g.objectList);
    g.markList = MarkList{};
    g.moorings = Moorings{};
}

}  // namespace

void BuildRealOutline(Game& g, int32_t x, int32_t y, int32_t R, double aspect, double rotation, int32_t skew,
                      int32_t bulge, Arr2<int32_t, 73, 2>& out) {
    double r[72];
    for (int32_t k = 0; k < 72; ++k) {
        const int32_t t = 5 * k;
        int32_t j = R <= 200 ? R / 30 : R / 20;
        if (aspect < 0.5 && (t < 40 || t > 320 || (t > 140 && t < 220))) j = R / 40;
        r[k] = R - random(g.rng, j);
    }
    if (skew > 0 && skew != 36)
        for (int32_t k = 0; k < 18; ++k) r[(skew + k) % 72] *= kSkewFactors[k];
    if (bulge > 0) {
        r[(bulge + 71) % 72] *= 1.05;
        r[bulge % 72] *= 1.1;
        r[(bulge + 1) % 72] *= 1.05;
    }
    const double c = std::cos(rotation), s = std::sin(rotation);
    for (int32_t k = 0; k < 72; ++k) {
        const double t = 5 * k * kDegToRad;
        const double U = aspect * r[k] * std::sin(t), V = -r[k] * std::cos(t);
        out[k][0] = x + Trunc(U * c - V * s);
        out[k][1] = y + Trunc(U * s + V * c);
    }
    out[72] = out[0];
}

void BuildDock(AreaGrid& a, int32_t x, int32_t y, int32_t orientation) {
    if (orientation < 1 || orientation > 4) return;
    a.realDockX = x;
    a.realDockY = y;
    a.realDockSide = orientation;
    static constexpr int32_t kHeadings[5][2] = {{0, 0}, {90, 270}, {180, 0}, {270, 90}, {0, 180}};
    a.realDockHeading1 = kHeadings[orientation][0];
    a.realDockHeading2 = kHeadings[orientation][1];
    // The block the boat lies against and the walkway behind it to the shore.
    const bool eastWest = orientation == 1 || orientation == 3;
    const int32_t d = (orientation == 1 || orientation == 4) ? 1 : -1;
    const int32_t c = eastWest ? x : y;  // along the dock
    const int32_t w = eastWest ? y : x;  // across it, the berth's line
    const int32_t f1 = (3 * (c - 8) + 2 * (c + 8)) / 5, f2 = (2 * (c - 8) + 3 * (c + 8)) / 5;
    const int32_t along[10] = {c - 8, c, c + 8, c + 8, f2, f2, f1, f1, c - 8, c - 8};
    const int32_t across[10] = {w, w, w, w - 16 * d, w - 16 * d, w - 56 * d, w - 56 * d, w - 16 * d, w - 16 * d, w};
    for (int32_t k = 0; k < 10; ++k) {
        a.realDockOutlineX[k] = eastWest ? along[k] : across[k];
        a.realDockOutlineY[k] = eastWest ? across[k] : along[k];
    }
}

void LoadRealArea(Game& g) {
    AreaGrid& a = g.areaGrid;
    const int32_t code = g.cruiseOptions.areaCode;
    const RealAreaParams* params = ParamsFor(code);
    const RealGeo* geo = RealGeoFor(code);
    const RealFacts* facts = RealFactsFor(code);
    const GeoProjection* proj = ProjectionForArea(code);
    if (!params || !geo || !facts || !proj) return;
    ResetRealAreaState(g);
    a.areaCode = code;
    a.region = g.cruiseOptions.region = params->region;
    a.mainlandSide = params->mainlandSide;
    a.seaSign = a.mainlandSide == 1 ? 1 : -1;
    g.navState.variation = params->variation;
    LoadShores(a, *geo);
    LoadIslands(g, *geo);
    LoadShoals(g, *proj, *geo, *facts);
    const AreaXY pier = ProjectFact(*proj, facts->pier);
    BuildMarinaPierAt(a, pier.x, pier.y, facts->pierSeaSign);
    const AreaXY dock = ProjectFact(*proj, facts->dock);
    BuildDock(a, dock.x, dock.y, facts->dockOrientation);
    LoadRocks(g, *proj, *facts);
    LoadMarks(g, *proj, *facts);
    PlaceHills(g);
}

}  // namespace vel
