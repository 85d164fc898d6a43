#include "world/marks.h"

#include <cmath>
#include <span>

#include "world/terrain.h"

namespace vel {
namespace {

enum class Place : uint8_t {
    BesideRock,   // 50 units east of rock a
    CoveMouth,    // 250 units off the shore point beside cove a's mouth (b < 0: before it, else after)
    Shore,        // coastline point a
    Between,      // c percent of the way across the water from island a to island b
    IslandShore,  // outline point b of island a
};
// The region's lateral marks: red and green.
constexpr int32_t kRed = -1, kGreen = -2;

struct MarkRow {
    int32_t kind;
    Place place;
    int32_t a, b = 0, c = 50;
};

// Coast, inland waterway and river: entries after the islands and the two
// first rocks, up to entry 32.
constexpr MarkRow kShoreMarks[] = {
    {kRed, Place::BesideRock, 1},
    {kGreen, Place::BesideRock, 2},
    {kRed, Place::CoveMouth, 0, -1},
    {kGreen, Place::CoveMouth, 0, 1},
    {kRed, Place::CoveMouth, 1, -1},
    {kGreen, Place::CoveMouth, 1, 1},
    {kRed, Place::CoveMouth, 2, -1},
    {kGreen, Place::CoveMouth, 2, 1},
    {kKindLighthouse, Place::Shore, 70},
    {kKindLedgeLight, Place::Between, 1, 2},
    {kKindBeacon, Place::Between, 3, 4},
    {kKindLighthouse, Place::Shore, 250},
    {kKindLedgeLight, Place::Between, 11, 12},
    {kKindBeacon, Place::Between, 5, 6},
};

// Islands areas; the Bahamas, with four islands more, keep the first ten.
constexpr MarkRow kIslandMarks[] = {
    {kRed, Place::BesideRock, 1},
    {kGreen, Place::BesideRock, 2},
    {kKindLighthouse, Place::IslandShore, 1, 0},
    {kKindLighthouse, Place::IslandShore, 3, 18},
    {kKindLedgeLight, Place::Between, 1, 2},
    {kKindBeacon, Place::Between, 3, 4},
    {kRed, Place::Between, 11, 12, 40},
    {kGreen, Place::Between, 11, 12, 60},
    {kRed, Place::Between, 14, 15, 40},
    {kGreen, Place::Between, 14, 15, 60},
    {kRed, Place::Between, 6, 7, 40},
    {kGreen, Place::Between, 6, 7, 60},
    {kKindLedgeLight, Place::Between, 5, 6},
    {kKindBeacon, Place::Between, 8, 9},
};

constexpr int32_t kLastMarkEntry = 32;

struct Pos {
    double x = 0.0, y = 0.0;
};

// Across the water between two islands, measured from shore to shore.
Pos BetweenIslands(const AreaGrid& a, int32_t i, int32_t j, int32_t percent) {
    const double dx = a.islandX[j] - a.islandX[i];
    const double dy = a.islandY[j] - a.islandY[i];
    const double d = std::hypot(dx, dy);
    if (d <= 0.0) return {static_cast<double>(a.islandX[i]), static_cast<double>(a.islandY[i])};
    const double ri = IslandRadiusToward(a, i, dx, -dy);
    const double rj = IslandRadiusToward(a, j, -dx, dy);
    const double gap = d - ri - rj;
    const double along = gap > 0.0 ? ri + gap * percent / 100.0 : d * percent / 100.0;
    return {a.islandX[i] + dx / d * along, a.islandY[i] + dy / d * along};
}

Pos Locate(const Game& g, const MarkRow& m) {
    const AreaGrid& a = g.areaGrid;
    switch (m.place) {
        case Place::BesideRock: return {g.rockList.x[m.a] + 50.0, static_cast<double>(g.rockList.y[m.a])};
        case Place::CoveMouth: {
            const int32_t index = m.b < 0 ? a.coveStart[m.a] - 1 : a.coveEnd[m.a] + 1;
            const bool farBank = (a.areaCode == 3 || a.areaCode == 4) && index >= 143;
            const int32_t toWater = (farBank ? -250 : 250) * a.seaSign;
            return {static_cast<double>(a.coastX[index]), static_cast<double>(a.coastY[index] + toWater)};
        }
        case Place::Shore: return {static_cast<double>(a.coastX[m.a]), static_cast<double>(a.coastY[m.a])};
        case Place::Between: return BetweenIslands(a, m.a, m.b, m.c);
        case Place::IslandShore: {
            const auto& p = a.islandOutline[m.a][m.b];
            return {static_cast<double>(p[0]), static_cast<double>(p[1])};
        }
    }
    return {};
}

void Put(ObjectList& list, int32_t entry, double x, double y, int32_t kind) {
    list.fbx[entry] = x;
    list.fby[entry] = y;
    list.kind[entry] = kind;
}

int32_t KindFor(int32_t kind, int32_t region) {
    const bool north = region == 1;
    if (kind == kRed) return north ? kKindRedNorth : kKindRedSouth;
    if (kind == kGreen) return north ? kKindGreenNorth : kKindGreenSouth;
    return kind;
}

void FillLighthouses(Game& g) {
    Lighthouse& l = g.lighthouse;
    l.count = 0;
    const ObjectList& list = g.objectList;
    for (int32_t e = 1; e <= kLastMarkEntry && l.count + 1 < static_cast<int32_t>(l.x.size()); ++e) {
        const int32_t k = list.kind[e];
        // Lights on ledges and beacons are marks of their own, not lighthouses.
        if (k != kKindLighthouse) continue;
        ++l.count;
        l.x[l.count] = static_cast<int32_t>(list.fbx[e]);
        l.y[l.count] = static_cast<int32_t>(list.fby[e]);
    }
}

}  // namespace

void PlaceFixedObjects(Game& g) {
    const AreaGrid& a = g.areaGrid;
    ObjectList& list = g.objectList;
    int32_t entry = 1;
    for (; entry <= a.islandCount && entry <= kLastMarkEntry; ++entry)
        Put(list, entry, a.islandX[entry], a.islandY[entry], kKindIsland);
    for (int32_t j = 1; j <= 2 && entry <= kLastMarkEntry; ++j, ++entry)
        Put(list, entry, g.rockList.x[j], g.rockList.y[j], kKindRock);
    const std::span<const MarkRow> rows = a.areaCode == 2 ? std::span<const MarkRow>(kIslandMarks)
                                                         : std::span<const MarkRow>(kShoreMarks);
    for (const MarkRow& m : rows) {
        if (entry > kLastMarkEntry) break;
        const Pos p = Locate(g, m);
        Put(list, entry++, p.x, p.y, KindFor(m.kind, a.region));
    }
    const Moorings& b = g.moorings;
    Put(list, kBuoyEntry1, b.buoyX[0], b.buoy1Y, kKindMooringBuoy);
    Put(list, kBuoyEntry2, b.buoyX[1], b.buoy2Y, kKindMooringBuoy);
    FillLighthouses(g);
}

}  // namespace vel
