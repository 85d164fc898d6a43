#include "world/real_area.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <vector>

#include "common/helpers.h"
#include "sim/docking.h"
#include "world/current_field.h"
#include "world/geo.h"
#include "world/real_currents.h"
#include "world/real_data.h"
#include "world/real_terrain.h"
#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

using test::StartedCruise;

struct RealArea {
    int32_t code, region;
};
constexpr RealArea kRealAreas[] = {{11, 1}, {12, 2}, {20, 1}, {30, 3}};

TEST(BuildDock, OrientationGivesTheWaterSideHeadingsAndOutline) {
    struct Case {
        int32_t orientation, heading1, heading2;
        int32_t blockDx, blockDy;  // where the block behind the berth lies
    };
    const Case cases[] = {
        {1, 90, 270, 0, -16},  // water south, block north
        {3, 270, 90, 0, 16},
        {2, 180, 0, 16, 0},  // water west, block east
        {4, 0, 180, -16, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        AreaGrid a;
        BuildDock(a, 1000, 2000, c.orientation);
        EXPECT_EQ(std::tuple(a.realDockX, a.realDockY, a.realDockSide, a.realDockHeading1, a.realDockHeading2),
                  std::tuple(1000, 2000, c.orientation, c.heading1, c.heading2));
        // The outline closes, runs 16 wide along the berth and holds the
        // block's far corner and the finger 40 beyond it.
        const auto& xs = a.realDockOutlineX;
        const auto& ys = a.realDockOutlineY;
        EXPECT_EQ(std::tuple(xs[9], ys[9]), std::tuple(xs[0], ys[0]));
        const auto has = [&](int32_t x, int32_t y) {
            for (int k = 0; k < 10; ++k)
                if (xs[k] == x && ys[k] == y) return true;
            return false;
        };
        const int32_t sx = c.blockDx == 0 ? 8 : 0, sy = c.blockDy == 0 ? 8 : 0;
        EXPECT_TRUE(has(1000 - sx, 2000 - sy));
        EXPECT_TRUE(has(1000 + sx + c.blockDx, 2000 + sy + c.blockDy));
        const int32_t fx = c.blockDx == 0 ? 1 : 0, fy = c.blockDy == 0 ? 1 : 0;  // the finger's half width (1.6)
        EXPECT_TRUE(has(1000 + fx + c.blockDx * 56 / 16, 2000 + fy + c.blockDy * 56 / 16));
    }
    AreaGrid none;
    BuildDock(none, 1000, -2000, 0);
    EXPECT_EQ(none.realDockSide, 0);
}

// An island's lopsided half pulls in the 18 sectors from its skew sector,
// most (to 0.7) at the ninth; a skew of 0 leaves the outline round but for
// its roughness (up to a twentieth of the radius). The rotation turns every
// point clockwise, as a bearing does.
TEST(BuildRealOutline, TheSkewPullsInEighteenSectorsFromItsOwn) {
    const auto g = std::make_unique<Game>();
    for (auto [skew, rot, sector, lo, hi] :
         {std::tuple{0, 0, 8, 950, 1001}, {10, 0, 18, 664, 701}, {70, 0, 6, 664, 701}, {0, 90, 0, 950, 1001}}) {
        Arr2<int32_t, 73, 2> o{};
        BuildRealOutline(*g, 0, 0, 1000, 1.0, rot * kDegToRad, skew, 0, o);
        const double r = std::hypot(o[sector][0], o[sector][1]);
        EXPECT_TRUE(lo <= r && r <= hi) << skew << ": " << r;
        EXPECT_NEAR(std::atan2(o[sector][0], -o[sector][1]) / kDegToRad, 5 * sector + rot, 0.2) << skew << " " << rot;
    }
}

TEST(RealAreaStart, NothingOfTheLastCruiseSurvivesAndNoDockWithoutOne) {
    // A generated area lays buoys and marks; the real area that follows has
    // its own marks, its dock, and no buoy.
    auto g = StartedCruise({1, 1}, 3);
    ASSERT_NE(g->moorings.buoy1Y, kParkedPosition);
    g->markList.count = 5;
    for (const RealArea& r : kRealAreas) {
        SCOPED_TRACE(r.code);
        g->cruiseOptions.areaCode = r.code;
        g->cruiseOptions.region = r.region;
        StartCruise(*g);
        const RealFacts& f = *RealFactsFor(r.code);
        EXPECT_EQ(std::tuple(g->moorings.buoy1Y, g->moorings.buoyX[0], g->markList.count, g->rockList.realCount,
                             g->lighthouse.x[1], g->areaGrid.realDockSide, g->vessels.shipCount),
                  std::tuple(kParkedPosition, kParkedPosition, int32_t(f.marks.size()), int32_t(f.rocks.size()), 30000,
                             f.dockOrientation, r.code == 30 ? 2 : 4));
    }
    // Back to a generated area: no real dock to lie alongside at (0, 0).
    g->cruiseOptions.areaCode = 2;
    g->cruiseOptions.region = 1;
    StartCruise(*g);
    EXPECT_EQ(std::tuple(g->markList.count, g->rockList.realCount), std::tuple(0, 0));
    g->cruiseOptions.isRealArea = 1;  // even were the flag left set
    g->ownBoat.x = g->ownBoat.y = 0;
    g->ownBoat.cellX = g->ownBoat.cellY = 0;
    UpdateAlongside(*g);
    EXPECT_EQ(g->ownBoat.alongside, 0);
}

// What the stored tables promise: no zero radius or width anywhere, group
// counts as the areas have them, the Chesapeake's rocks all submerged, no
// charted island in the Exumas, and the generated names the projection of
// today's hand tables.
TEST(RealAreaData, TablesKeepTheirPromises) {
    for (const RealArea& r : kRealAreas) {
        SCOPED_TRACE(r.code);
        const RealGeo& geo = *RealGeoFor(r.code);
        const RealFacts& f = *RealFactsFor(r.code);
        for (const auto* rows : {&geo.islands, &geo.ledges})
            for (const RealEllipseRow& e : *rows)
                EXPECT_TRUE(e.R > 0 && e.aspect > 0 && e.aspect <= 1 && e.radarFirst <= e.radarLast) << e.x;
        for (const RealShoalFact& s : f.shoals) EXPECT_TRUE(s.R > 0 && s.aspect > 0) << s.at.lat << ", " << s.at.lon;
        EXPECT_LE(geo.islands.size() + 0u, static_cast<std::size_t>(kRealIslandSlots - 1));
        EXPECT_LE(f.shoals.size() + geo.ledges.size(), static_cast<std::size_t>(kShoalSlots - 1));
        EXPECT_LE(f.shipRoute.size(), static_cast<std::size_t>(kRoutePoints - 1));
        const GeoProjection& p = *ProjectionForArea(r.code);
        ASSERT_EQ(geo.names.size(), f.names.size() + f.lights.size());
        for (std::size_t k = 0; k < f.names.size(); ++k) {
            const AreaPoint a = AreaFromLatLon(p, {f.names[k].at.lat, f.names[k].at.lon});
            EXPECT_EQ(geo.names[k].x, std::lround(a.x)) << f.names[k].text << ": regenerate the area's table";
            EXPECT_EQ(geo.names[k].y, std::lround(a.y)) << f.names[k].text;
            EXPECT_STREQ(geo.names[k].text, f.names[k].text);
        }
    }
    EXPECT_EQ(RealGeoFor(30)->countA, 0);
    EXPECT_EQ(RealFactsFor(12)->rocks.size(), 8u);
    for (const RealRockFact& rock : RealFactsFor(12)->rocks) EXPECT_EQ(rock.visible, 0);
    EXPECT_EQ(RealGeoFor(1), nullptr);
}

TEST(RealCurrents, ChesapeakeTideTurnsLaterUpTheBay) {
    // An hour per 15 miles from the mouth at (2936, 9202), 140 units a mile.
    EXPECT_EQ(ChesapeakePhaseShift(2936, 9202, 140), 0);
    EXPECT_EQ(ChesapeakePhaseShift(2936, 9202 - 14 * 140, 140), 0);
    EXPECT_EQ(ChesapeakePhaseShift(2936, 9202 - 30 * 140, 140), 2);  // a creek 30 miles up
    EXPECT_EQ(ChesapeakePhaseShift(2936 - 45 * 140, 9202, 140), 3);
    auto g = StartedCruise({12, 2}, 4);
    g->tideState.lowWaterHour = 10;
    CurrentAt(*g, 2936, 9202 - 100 * 140, 0);
    EXPECT_EQ(g->tideState.localLowWaterHour, 10 + 6);
    // Southern New England: the Woods Hole passage runs two hours early and
    // unweakened, the flood south of the islands from the west and weaker;
    // the Exumas' cuts (Galliot Cut) run full strength.
    for (auto [area, x, y, from, shift, factor, exempt] :
         {std::tuple{RealArea{11, 1}, 10150, -3550, 320, -2, 2.0, true}, {{11, 1}, 15000, 4000, 280, 0, 0.6, false},
          {{30, 3}, 800, 6100, 50, 0, 2.5, true}}) {
        CurrentZone z;
        ASSERT_TRUE(LookUpCurrentZone(*StartedCruise({area.code, area.region}, 4), x, y, z));
        EXPECT_EQ(std::tuple(z.from, z.phaseShift, z.factor, z.exempt), std::tuple(from, shift, factor, exempt)) << x;
    }
}

// The cays part the bank from Exuma Sound by 2000 units all the way up the
// chain: at both ends and either side of each joint of the strips.
TEST(RealCurrents, TheCaysPartTheBankFromTheSoundByTwoThousandUnits) {
    for (int32_t y : {17400, 17399, 5905, 5904, -349, -350, -6262, -6264, -15200}) {
        int32_t bankEdge = -20000;
        while (OnWestBank(bankEdge + 1, y)) ++bankEdge;
        EXPECT_EQ(std::tuple(OnWestBank(-20000, y), InDeepSound(bankEdge + 1999, y), InDeepSound(bankEdge + 2000, y)),
                  std::tuple(true, false, true)) << y;
    }
}

// Shoal water slows the stream in proportion to its depth: under 30 ft in
// the Chesapeake, under 50 ft elsewhere. Open water up-stream of each point;
// a flood of 20 at its strongest.
TEST(RealCurrents, ShoalWaterSlowsTheStream) {
    struct Case { RealArea area; int32_t x, y, depth; double speed; };
    const Case cases[] = {
        {{12, 2}, 7066, -10401, 22, 20 * 22 / 30.0}, {{12, 2}, 7413, -9739, 32, 20},
        {{30, 3}, -20000, -13711, 25, 10},           {{11, 1}, 10883, -15697, 36, 14.4},
    };
    for (const Case& c : cases) {
        auto g = StartedCruise({c.area.code, c.area.region}, 4);
        CurrentZone z;
        ASSERT_TRUE(LookUpCurrentZone(*g, c.x, c.y, z));
        g->tideState.maxCurrent = 20;
        g->tideState.lowWaterHour = Trunc(g->simClock.dayHours + g->tideState.chartHoursAhead) - 3 - z.phaseShift;
        ASSERT_EQ(DepthAt(*g, c.x, c.y, 0), c.depth);
        CurrentAt(*g, c.x, c.y, 0);
        EXPECT_NEAR(g->tideState.currentSpeed, c.speed, 1.0) << c.area.code << " (" << c.x << ", " << c.y << ")";
    }
}

}  // namespace
}  // namespace vel
