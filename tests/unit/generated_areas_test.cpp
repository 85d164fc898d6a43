// The generated areas: invariants over every kind and many seeds, and
// the coastline, island and rock rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "sim/ships.h"
#include "world/harbour.h"
#include "world/islands.h"
#include "world/marks.h"
#include "world/rocks.h"
#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::AreaChoice;
using test::StartedCruise;

struct Kind {
    const char* name;
    AreaChoice choice;
};

const Kind kKinds[] = {
    {"CoastNorth", {1, 1}},     {"CoastSouth", {1, 2}},    {"IslandsNorth", {2, 1}},
    {"IslandsSouth", {2, 2}},   {"Bahamas", {2, 3}},       {"WaterwayNorth", {3, 1}},
    {"WaterwaySouth", {3, 2}},  {"RiverNorth", {4, 1}},    {"RiverSouth", {4, 2}},
    {"Beginner", {1, 2, 1}},
};

// Dry, or on a cove-head flat where the chart, too, reads 2.
bool DryOrOnCoveFlat(const Game& g, int32_t x, int32_t y) {
    const int32_t d = DepthAt(g, x, y, 1);
    return d == 0 || (d == 2 && DepthAt(g, x, y, 2) == 2);
}

// Ships 1 and 2 sail their whole lanes and come round again, in water a
// ship's depth deeper than the boats' anywhere along the way.
void ExpectShipsAfloat(Game& g) {
    g.simClock.timeStep = 3.0;
    for (int tick = 0; tick < 700; ++tick)
        for (int i = 1; i <= 2; ++i) {
            MoveShip(g, i);
            const double x = g.objectList.fbx[ShipEntry(i)], y = g.objectList.fby[ShipEntry(i)];
            if (std::abs(x) > 10000) continue;
            ASSERT_GE(DepthAt(g, Trunc(x), Trunc(y), 1), 12) << i << " at " << x << ", " << y;
        }
    EXPECT_GE(std::min(g.vessels.placements[1], g.vessels.placements[2]), 2);
}

class EveryGeneratedArea : public ::testing::TestWithParam<Kind> {};

// One cruise start per seed serves every check.
TEST_P(EveryGeneratedArea, HoldsItsInvariantsOnEverySeed) {
    int32_t withHead = 0, coves = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        const auto cruise = StartedCruise(GetParam().choice, seed);
        const Game& g = *cruise;
        const AreaGrid& a = g.areaGrid;
        const RockList& r = g.rockList;
        const ObjectList& o = g.objectList;
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", mirrored " << a.mirrored << ", mainland "
                                        << a.mainlandSide);
        // Every rock reads zero on itself and is shallow beside it.
        ASSERT_GE(r.count, 30);
        for (int32_t j = 1; j <= r.count; ++j) {
            EXPECT_TRUE(DryOrOnCoveFlat(g, r.x[j], r.y[j])) << "rock " << j;
            EXPECT_LE(DepthAt(g, r.x[j] + 30, r.y[j] - 20, 1), 5) << "rock " << j;
        }
        // Islands are dry within nine tenths of their narrowest sector.
        for (int32_t i = 1; i <= a.islandCount; ++i) {
            const auto& sectors = a.islandSectorRadius[i];
            const double reach = 0.89 * *std::min_element(sectors.begin(), sectors.begin() + 36);
            ASSERT_GT(reach, 0) << "island " << i;
            for (int32_t b = 0; b < 360; b += 15) {
                const int32_t x = a.islandX[i] + static_cast<int32_t>(std::sin(b * kDegToRad) * reach);
                const int32_t y = a.islandY[i] - static_cast<int32_t>(std::cos(b * kDegToRad) * reach);
                EXPECT_TRUE(DryOrOnCoveFlat(g, x, y)) << "island " << i << " bearing " << b;
            }
        }
        // The harbour, both moorings and (on the coast, at low water) the
        // pier's berth float a boat; the moorings lie far enough apart that one
        // can be left for the other.
        const Moorings& m = g.moorings;
        EXPECT_GE(std::min({DepthAt(g, a.harbourX, a.harbourY, 1), DepthAt(g, m.buoyX[0], m.buoy1Y, 1),
                            DepthAt(g, m.buoyX[1], m.buoy2Y, 1)}),
                  kNavigableDepth);
        EXPECT_GT(std::abs(m.buoyX[0] - m.buoyX[1]) + std::abs(m.buoy1Y - m.buoy2Y), 20);
        EXPECT_TRUE(a.areaCode != 1 || DepthAt(g, a.pierBerthX, a.pierBerthY, 0) >= 6);
        // Among islands the harbour lies on the first island's bay side:
        // nearer the bay's innermost cut than the shore across from it.
        if (a.areaCode == 2 && a.islandNotch[1] > 0 && a.islandNotch[1] < 31) {
            const auto &p = a.islandOutline[1][a.islandNotch[1] + 4], &q = a.islandOutline[1][a.islandNotch[1] + 5];
            const double bx = (p[0] + q[0]) / 2.0 - a.islandX[1], by = (p[1] + q[1]) / 2.0 - a.islandY[1];
            const double hx = a.harbourX - a.islandX[1], hy = a.harbourY - a.islandY[1];
            EXPECT_LT(std::hypot(hx - bx, hy - by), std::hypot(hx + bx, hy + by));
        }
        // The object list: islands, the first two rocks, marks, the buoys.
        EXPECT_EQ(o.count, 49);
        for (int32_t e = 1; e <= a.islandCount; ++e)
            EXPECT_EQ(std::tuple(o.kind[e], o.fbx[e], o.fby[e]),
                      std::tuple(kKindIsland, 1.0 * a.islandX[e], 1.0 * a.islandY[e]));
        for (int32_t j = 1; j <= 2; ++j) {
            const int32_t e = a.islandCount + j;
            EXPECT_EQ(std::tuple(o.kind[e], o.fbx[e], o.fby[e]), std::tuple(kKindRock, 1.0 * r.x[j], 1.0 * r.y[j]));
        }
        for (int32_t e = a.islandCount + 3; e <= 32; ++e) {
            const int32_t k = o.kind[e];
            const bool lateral = a.region == 1 ? (k == 3 || k == 4) : (k == 5 || k == 6);
            EXPECT_TRUE(lateral || (k >= 7 && k <= 9)) << "entry " << e << " kind " << k;
        }
        EXPECT_EQ(std::tuple(o.kind[33], o.kind[34], o.fbx[33], o.fbx[34], o.fby[34]),
                  std::tuple(kKindMooringBuoy, kKindMooringBuoy, 1.0 * m.buoyX[0], 1.0 * m.buoyX[1], 1.0 * m.buoy2Y));
        // The lighthouse table holds the lighthouses and nothing else: the
        // lights on ledges and the beacons stand as the marks they are.
        const Lighthouse& l = g.lighthouse;
        std::vector<std::pair<int32_t, int32_t>> lighthouses;
        for (int32_t e = 1; e <= 32; ++e)
            if (o.kind[e] == kKindLighthouse)
                lighthouses.emplace_back(static_cast<int32_t>(o.fbx[e]), static_cast<int32_t>(o.fby[e]));
        ASSERT_EQ(std::pair(l.count >= 1, l.count), std::pair(true, static_cast<int32_t>(lighthouses.size())));
        for (int32_t i = 1; i <= 7; ++i)
            EXPECT_EQ(std::pair(l.x[i], l.y[i]), i <= l.count ? lighthouses[i - 1] : std::pair(30000, l.y[i])) << i;
        // Points far outside the area still answer.
        for (int32_t x : {INT_MIN, -100000, 0, 100000, INT_MAX})
            for (int32_t y : {INT_MIN, -100000, 0, 100000, INT_MAX})
                for (int32_t kind : {0, 1, 2, 7}) {
                    const int32_t d = DepthAt(g, x, y, kind);
                    EXPECT_TRUE(d >= 0 && d <= 99) << x << ", " << y << " reads " << d;
                }
        if (a.areaCode == 4) ExpectShipsAfloat(*cruise);
        if (a.areaCode == 2) continue;  // no shore, no coves
        // Cove heads read exactly two feet; a cove too shallow to reach its
        // own limit has none. The head lies where the cove reaches deepest.
        for (int k = 0; k < 3; ++k, ++coves) {
            const int32_t inner = a.coveInnerY[k];
            EXPECT_EQ(std::pair(r.x[16 + k], r.y[16 + k]), std::pair((a.coveStartX[k] + a.coveEndX[k]) / 2, inner));
            int32_t deepest = a.coveStart[k] + 1;
            for (int32_t i = a.coveStart[k] + 1; i < a.coveEnd[k]; ++i)
                if (std::abs(a.coastY[i]) > std::abs(a.coastY[deepest])) deepest = i;
            const int32_t x = a.coastX[deepest];
            const int32_t y = inner + (inner > 0 ? 20 : -20);
            if (std::abs(CoastYAt(a, x, y)) <= std::abs(y)) continue;
            ++withHead;
            for (int32_t kind : {0, 1, 2}) EXPECT_EQ(DepthAt(g, x, y, kind), 2) << "cove " << k << " kind " << kind;
        }
    }
    EXPECT_TRUE(coves == 0 || withHead > coves * 3 / 4) << withHead << " of " << coves;
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryGeneratedArea, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// A round, unrotated island of radius 1000: a point at parameter angle t lies
// r from the centre, r = 1000 + random(25) times the bay factor of its notch.
TEST(IslandOutline, SectorsFollowTheNotchesBayFactors) {
    constexpr double kBay[] = {0.9, 0.8, 0.7, 0.65, 0.6, 0.6, 0.65, 0.7, 0.8, 0.9};
    for (int32_t notch : {0, 25}) {
        auto g = std::make_unique<Game>();
        BuildIsland(*g, 3, {2000, -1000, 1000, 1.0, 0, notch});
        for (int k = 0; k < 36; ++k) {
            const double f = (notch && k >= 25 && k <= 34) ? kBay[k - 25] : 1.0;
            const int32_t r = g->areaGrid.islandSectorRadius[3][k];
            EXPECT_TRUE(r >= static_cast<int32_t>(1000 * f) - 2 && r <= static_cast<int32_t>(1026 * f) + 1)
                << notch << " sector " << k << ": " << r;
        }
    }
}

// River islands follow the bend, not the mirror; the islands area's slot 16
// follows slot 5, and slots 12, 14 and 15 lean either way by their own ten
// degrees; the waterway's slot 4 lies 900 to 1002 off slot 3, mirrored
// or not; the Bahamas add four uncharted reefs of whole tens away
// from the centre line.
TEST(IslandRecipes, RiverIslandsFollowTheBendAndTheBahamasAddFourReefs) {
    int mirrored = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        auto g = StartedCruise({4, 1}, seed);
        const AreaGrid& a = g->areaGrid;
        mirrored += a.mirrored;
        const int32_t d = a.riverBend;
        ASSERT_TRUE(d == 1 || d == -1);
        EXPECT_EQ(std::tuple(a.islandX[1], a.islandY[1], a.islandY[6], a.islandX[16]),
                  std::tuple(-7000, -2700 * d, d * (300 * 6 - 3200), d == 1 ? -1900 : -2100));
        EXPECT_NEAR(a.islandRotation[1], (d == 1 ? 110 : 70) * kDegToRad, 1e-12);
        auto islands = StartedCruise({2, 1}, seed);
        const AreaGrid& n = islands->areaGrid;
        EXPECT_EQ(std::pair(n.islandX[16], n.islandY[16]),
                  std::pair(n.mirrored ? 8000 : n.islandX[5] - 1200, n.islandY[5]));
        for (auto [i, least] : {std::pair{12, 50}, {14, 130}, {15, 70}})
            EXPECT_NEAR(std::abs(n.islandRotation[i]) / kDegToRad, least + 5, 5.01) << i;
        const auto w = StartedCruise({3, static_cast<int32_t>(1 + seed % 2)}, seed);
        EXPECT_NEAR(std::abs(w->areaGrid.islandY[4] - w->areaGrid.islandY[3]), 951, 51) << "waterway";
        auto b = StartedCruise({2, 3}, seed);
        EXPECT_EQ(b->areaGrid.islandCount, 20);
        for (int32_t i = 17; i <= 20; ++i)
            EXPECT_TRUE(b->areaGrid.islandX[i] % 10 == 0 && std::abs(b->areaGrid.islandY[i]) >= 800 &&
                        b->areaGrid.islandRadius[i] >= 300)
                << i;
    }
    EXPECT_GT(mirrored, 0);
}

TEST(Rocks, VisibleByDifficultyAndNumberTenMoreAStepUpToFiftyMoreInTheBahamas) {
    for (auto [rock, difficulty, visible] : {std::tuple{1, 1, 1}, {2, 3, 1}, {3, 3, 0}, {14, 2, 1}, {16, 5, 1},
                                             {24, 6, 1}, {18, 6, 0}, {49, 7, 0}, {50, 7, 1}, {3, 0, 0}})
        EXPECT_EQ(RockVisible(rock, difficulty), visible) << rock << " " << difficulty;
    for (auto [region, difficulty, count] : {std::tuple{1, 1, 30}, {1, 3, 50}, {2, 8, 50}, {3, 1, 62}}) {
        auto g = StartedCruise({region == 3 ? 2 : 1, region}, 4, difficulty);
        EXPECT_EQ(g->rockList.count, count) << region << " " << difficulty;
        for (int32_t j = 1; j <= g->rockList.count; ++j) EXPECT_EQ(g->rockList.visible[j], RockVisible(j, difficulty));
    }
}

// Mended: a rock can no longer land on the harbour point. Three scattered
// rocks in four lie by water a boat could be in, the river's along its bend.
TEST(Rocks, ScatteredRocksKeepTwoMilesFromTheHarbourAndLieByTheWater) {
    for (int32_t area : {1, 2, 3, 4}) {
        int32_t wet = 0, all = 0;
        for (uint32_t seed = 1; seed <= 100; ++seed) {
            auto g = StartedCruise({area, 1}, seed, 3);
            for (int32_t j = area == 2 ? 12 : 19; j <= g->rockList.count; ++j, ++all) {
                const int32_t x = g->rockList.x[j], y = g->rockList.y[j];
                EXPECT_GE(DistanceTenths(x, y, g->areaGrid.harbourX, g->areaGrid.harbourY, 300), 20.0)
                    << "area " << area << " seed " << seed << " rock " << j;
                int32_t b = 0;  // the first of eight bearings with water 150 units off
                while (b < 360 && DepthAt(*g, x + Trunc(150 * std::sin(b * kDegToRad)),
                                          y - Trunc(150 * std::cos(b * kDegToRad)), 1) < 6)
                    b += 45;
                wet += b < 360;
            }
        }
        EXPECT_GE(4 * wet, 3 * all) << "area " << area;
    }
}

bool BehindShore(const AreaGrid& a, int32_t x, int32_t y, int32_t first, int32_t last, int32_t back) {
    for (int32_t i = first; i <= last; ++i)
        if (a.coastX[i] == x && a.coastY[i] + back == y) return true;
    return false;
}

// The shore runs between closing points at the area's edges, eastward or
// mirrored westward, one bank for the coast and two for the waterway and
// river. Its features stand where their rules tie them to the shore: the cove
// heads pushed past the coves, the hills behind their shore points, the
// landmarks and the coast's islands off theirs. Only this test catches a
// misplaced feature, which the invariants above would let pass.
TEST(Coastline, RunsBetweenItsClosingPointsWithItsFeaturesByTheirShorePoints) {
    for (int32_t area : {1, 3, 4})
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            auto g = StartedCruise({area, 1 + static_cast<int32_t>(seed % 2)}, seed);
            const AreaGrid& a = g->areaGrid;
            const int32_t dir = a.mirrored ? -1 : 1, s = a.seaSign;
            const int32_t step = (area == 1 ? 65 : 125) * dir;
            EXPECT_EQ(std::tuple(a.coastStep, a.coastX[1], a.coastY[1], a.coastX[284], a.coastX[50]),
                      std::tuple(step, -10000 * dir, a.coastBaseY, 10000 * dir, 50 * step - 9000 * dir));
            const int32_t from[3] = {a.coastY[a.coveEnd[0]], a.coastY[a.coveStart[1]], a.coastY[a.coveStart[2]]};
            for (int k = 0; k < 3; ++k) {
                const int32_t push = (k == 2 && area == 4) ? 360 : 260;
                EXPECT_EQ(a.coveInnerY[k], from[k] + (from[k] >= 0 ? push : -push)) << k;
            }
            for (int32_t k = 0; k < 5; ++k) {
                const int32_t back = area == 1 ? -s * (19 - k) * 500 : s * (21 + k) * 500;
                EXPECT_TRUE(BehindShore(a, a.hillX[k], a.hillY[k], 20, 143, -s * (19 - k) * 500)) << k;
                EXPECT_TRUE(BehindShore(a, a.hillX[5 + k], a.hillY[5 + k], 160, 272, back)) << 5 + k;
                EXPECT_TRUE(a.hillSize[k] >= 50 && a.hillSize[k] <= 153) << a.hillSize[k];
            }
            const bool v1 = a.landmarkVariant == 1;
            const int32_t b = v1 ? 80 : 60, e = (area == 1 || v1) ? 10 : 150;
            EXPECT_EQ(std::tuple(a.landmarkX[2], a.landmarkY[2], a.landmarkX[5], a.landmarkY[5]),
                      std::tuple(a.coastX[b], a.coastY[b] - 900 * s, a.coastX[e],
                                 a.coastY[e] + ((area == 1 || v1) ? -300 : 300) * s));
            EXPECT_TRUE((area == 1 && v1) || a.landmarkX[1] == a.landmarkX[0] + 50);
            if (area == 1) {
                EXPECT_EQ(std::tuple(a.coastY[284], a.islandX[10], a.islandY[10], a.islandY[13]),
                          std::tuple(a.coastBaseY, a.coastX[a.coveStart[1] + 4], a.coastY[a.coveStart[1]],
                                     a.coastY[a.coveStart[0] - 3] + 200 * s));
                const int32_t point = a.mainlandSide == 1 ? 30 : 5;
                EXPECT_TRUE(a.mirrored || (a.islandX[14] == a.islandOutline[11][point][0] &&
                                           a.islandY[14] == a.islandOutline[11][point][1] - 500 * s));
                continue;
            }
            EXPECT_EQ(std::tuple(a.coastY[284], a.coastX[142], a.coastY[142], a.coastX[143], a.coastY[143]),
                      std::tuple(-a.coastBaseY, 10000 * dir, a.coastBaseY, -10000 * dir, -a.coastBaseY));
            EXPECT_EQ(a.coastX[200], (200 - 143) * step - 9000 * dir);  // the far bank starts again
            EXPECT_GT(a.coastY[70] * a.coastBaseY, 0);
            EXPECT_TRUE(area != 3 || a.coastY[250] * a.coastBaseY < 0);
            // Each cove spans its shape from its start; an unmirrored river's
            // first cove starts at 30 where the river bends to the sea, else at 32.
            EXPECT_EQ(
                std::tuple(a.coveEnd[0] - a.coveStart[0], a.coveEnd[1] - a.coveStart[1], a.coveEnd[2] - a.coveStart[2]),
                std::tuple(8, area == 4 ? 6 : 9, 6));
            const bool toSea = (a.mainlandSide == 1) == (a.riverBend == 1);
            EXPECT_TRUE(area != 4 || a.mirrored || a.coveStart[0] == (toSea ? 30 : 32)) << seed;
        }
}

}  // namespace
}  // namespace vel
