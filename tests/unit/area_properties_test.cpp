#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <ostream>
#include <sstream>
#include <string>

#include "replay/reflect.h"
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

constexpr uint32_t kSeeds = 200;

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

void PrintTo(const Kind& k, std::ostream* os) { *os << k.name; }

class EveryGeneratedArea : public ::testing::TestWithParam<Kind> {
protected:
    // Runs f on the cruise of every seed.
    template <class F>
    void ForEachSeed(F f) {
        for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
            auto g = StartedCruise(GetParam().choice, seed);
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", mirrored " << g->areaGrid.mirrored
                                            << ", mainland " << g->areaGrid.mainlandSide);
            f(*g);
            if (HasFatalFailure()) return;
        }
    }
};

// A point lies on a cove-head flat where the chart, too, reads 2.
bool OnCoveFlat(const Game& g, int32_t x, int32_t y) { return DepthAt(g, x, y, 2) == 2; }

// The areas with a shore, and so with coves.
class EveryShoreArea : public EveryGeneratedArea {};

TEST_P(EveryShoreArea, CoveHeadsReadExactlyTwoFeet) {
    int32_t withHead = 0, coves = 0;
    ForEachSeed([&](const Game& g) {
        const AreaGrid& a = g.areaGrid;
        for (int k = 0; k < 3; ++k) {
            const int32_t inner = a.coveInnerY[k];
            EXPECT_EQ(g.rockList.x[16 + k], (a.coveStartX[k] + a.coveEndX[k]) / 2);
            EXPECT_EQ(g.rockList.y[16 + k], inner);
            ++coves;
            // The head lies where the cove reaches deepest; a cove too
            // shallow to reach its own limit has none.
            int32_t deepest = a.coveStart[k] + 1;
            for (int32_t i = a.coveStart[k] + 1; i < a.coveEnd[k]; ++i)
                if (std::abs(a.coastY[i]) > std::abs(a.coastY[deepest])) deepest = i;
            const int32_t x = a.coastX[deepest];
            const int32_t y = inner + (inner > 0 ? 20 : -20);
            if (std::abs(CoastYAt(a, x, y)) <= std::abs(y)) continue;
            ++withHead;
            for (int32_t kind : {0, 1, 2}) EXPECT_EQ(DepthAt(g, x, y, kind), 2) << "cove " << k << " kind " << kind;
        }
    });
    EXPECT_GT(withHead, coves * 3 / 4);
}

TEST_P(EveryGeneratedArea, EveryRockReadsZeroOnItself) {
    ForEachSeed([](const Game& g) {
        const RockList& r = g.rockList;
        ASSERT_GE(r.count, 30);
        for (int32_t j = 1; j <= r.count; ++j) {
            const int32_t d = DepthAt(g, r.x[j], r.y[j], 1);
            EXPECT_TRUE(d == 0 || (d == 2 && OnCoveFlat(g, r.x[j], r.y[j]))) << "rock " << j << " reads " << d;
            EXPECT_LE(DepthAt(g, r.x[j] + 30, r.y[j] - 20, 1), 5) << "rock " << j;
        }
    });
}

TEST_P(EveryGeneratedArea, IslandsAreDryWithinNineTenthsOfTheirSectorRadius) {
    ForEachSeed([](const Game& g) {
        const AreaGrid& a = g.areaGrid;
        for (int32_t i = 1; i <= a.islandCount; ++i) {
            const auto& sectors = a.islandSectorRadius[i];
            const int32_t narrowest = *std::min_element(sectors.begin(), sectors.begin() + 36);
            ASSERT_GT(narrowest, 0) << "island " << i;
            for (int32_t b = 0; b < 360; b += 15) {
                const double r = 0.89 * narrowest;
                const int32_t x = a.islandX[i] + static_cast<int32_t>(std::sin(b * kDegToRad) * r);
                const int32_t y = a.islandY[i] - static_cast<int32_t>(std::cos(b * kDegToRad) * r);
                const int32_t d = DepthAt(g, x, y, 1);
                EXPECT_TRUE(d == 0 || (d == 2 && OnCoveFlat(g, x, y))) << "island " << i << " bearing " << b;
            }
        }
    });
}

TEST_P(EveryGeneratedArea, HarbourMooringsAndBerthFloatABoat) {
    ForEachSeed([](const Game& g) {
        const AreaGrid& a = g.areaGrid;
        EXPECT_GE(DepthAt(g, a.harbourX, a.harbourY, 1), kNavigableDepth);
        EXPECT_GE(DepthAt(g, g.moorings.buoyX[0], g.moorings.buoy1Y, 1), kNavigableDepth);
        EXPECT_GE(DepthAt(g, g.moorings.buoyX[1], g.moorings.buoy2Y, 1), kNavigableDepth);
        // Far enough apart that one can be left for the other.
        EXPECT_GT(std::abs(g.moorings.buoyX[0] - g.moorings.buoyX[1]) + std::abs(g.moorings.buoy1Y - g.moorings.buoy2Y),
                  20);
        // On the coast the pier's berth floats a boat at low water.
        EXPECT_TRUE(a.areaCode != 1 || DepthAt(g, a.pierBerthX, a.pierBerthY, 0) >= 6);
    });
}

TEST_P(EveryGeneratedArea, ObjectListHoldsIslandsRocksMarksAndBuoysInTheirEntries) {
    ForEachSeed([](const Game& g) {
        const AreaGrid& a = g.areaGrid;
        const ObjectList& o = g.objectList;
        EXPECT_EQ(o.count, 49);
        for (int32_t e = 1; e <= a.islandCount; ++e) {
            EXPECT_EQ(o.kind[e], kKindIsland);
            EXPECT_EQ(o.fbx[e], a.islandX[e]);
            EXPECT_EQ(o.fby[e], a.islandY[e]);
        }
        for (int32_t j = 1; j <= 2; ++j) {
            const int32_t e = a.islandCount + j;
            EXPECT_EQ(o.kind[e], kKindRock);
            EXPECT_EQ(o.fbx[e], g.rockList.x[j]);
            EXPECT_EQ(o.fby[e], g.rockList.y[j]);
        }
        const bool north = a.region == 1;
        for (int32_t e = a.islandCount + 3; e <= 32; ++e) {
            const int32_t k = o.kind[e];
            const bool lateral = north ? (k == 3 || k == 4) : (k == 5 || k == 6);
            EXPECT_TRUE(lateral || (k >= 7 && k <= 9)) << "entry " << e << " kind " << k;
        }
        EXPECT_EQ(o.kind[33], kKindMooringBuoy);
        EXPECT_EQ(o.kind[34], kKindMooringBuoy);
        EXPECT_EQ(static_cast<int32_t>(o.fbx[33]), g.moorings.buoyX[0]);
        EXPECT_EQ(static_cast<int32_t>(o.fby[34]), g.moorings.buoy2Y);
        const Lighthouse& l = g.lighthouse;
        EXPECT_GE(l.count, 1);
        EXPECT_LE(l.count, 7);
        for (int32_t i = 1; i <= 7; ++i) EXPECT_EQ(l.x[i] == 30000, i > l.count) << "lighthouse " << i;
    });
}

TEST_P(EveryGeneratedArea, PointsFarOutsideTheAreaStillAnswer) {
    ForEachSeed([](const Game& g) {
        for (int32_t x : {INT_MIN, -100000, 0, 100000, INT_MAX})
            for (int32_t y : {INT_MIN, -100000, 0, 100000, INT_MAX})
                for (int32_t kind : {0, 1, 2, 7}) {
                    const int32_t d = DepthAt(g, x, y, kind);
                    EXPECT_TRUE(d >= 0 && d <= 99) << x << ", " << y << " reads " << d;
                }
    });
}

std::string Dump(const Game& g) {
    std::ostringstream out;
    replay::DumpJson(g, out);
    return out.str();
}

TEST_P(EveryGeneratedArea, SameSeedBuildsTheSameAreaBitForBit) {
    for (uint32_t seed : {3u, 77u}) {
        auto first = StartedCruise(GetParam().choice, seed);
        auto again = StartedCruise(GetParam().choice, seed);
        auto other = StartedCruise(GetParam().choice, seed + 1);
        EXPECT_EQ(Dump(*first), Dump(*again));
        EXPECT_NE(first->areaGrid.islandX, other->areaGrid.islandX);
    }
}

const auto kName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Kinds, EveryGeneratedArea, ::testing::ValuesIn(kKinds), kName);
INSTANTIATE_TEST_SUITE_P(Kinds, EveryShoreArea,
                         ::testing::Values(kKinds[0], kKinds[1], kKinds[5], kKinds[6], kKinds[7], kKinds[8],
                                           kKinds[9]),
                         kName);

}  // namespace
}  // namespace vel
