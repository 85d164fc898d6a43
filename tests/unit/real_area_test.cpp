#include "world/real_area.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "common/helpers.h"
#include "sim/docking.h"
#include "world/current_field.h"
#include "world/geo.h"
#include "world/real_currents.h"
#include "world/real_data.h"
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
        EXPECT_EQ(a.realDockX, 1000);
        EXPECT_EQ(a.realDockY, 2000);
        EXPECT_EQ(a.realDockSide, c.orientation);
        EXPECT_EQ(a.realDockHeading1, c.heading1);
        EXPECT_EQ(a.realDockHeading2, c.heading2);
        // The outline closes, runs 16 wide along the berth and holds the
        // block's far corner and the finger 40 beyond it.
        EXPECT_EQ(a.realDockOutlineX[9], a.realDockOutlineX[0]);
        EXPECT_EQ(a.realDockOutlineY[9], a.realDockOutlineY[0]);
        const auto& xs = a.realDockOutlineX;
        const auto& ys = a.realDockOutlineY;
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
        EXPECT_EQ(g->moorings.buoy1Y, kParkedPosition);
        EXPECT_EQ(g->moorings.buoyX[0], kParkedPosition);
        EXPECT_EQ(g->markList.count, static_cast<int32_t>(f.marks.size()));
        EXPECT_EQ(g->rockList.realCount, static_cast<int32_t>(f.rocks.size()));
        EXPECT_EQ(g->lighthouse.x[1], 30000);
        EXPECT_EQ(g->areaGrid.realDockSide, f.dockOrientation);
        EXPECT_EQ(g->vessels.shipCount, r.code == 30 ? 2 : 4);
    }
    // Back to a generated area: no real dock to lie alongside at (0, 0).
    g->cruiseOptions.areaCode = 2;
    g->cruiseOptions.region = 1;
    StartCruise(*g);
    EXPECT_EQ(g->markList.count, 0);
    EXPECT_EQ(g->rockList.realCount, 0);
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
            for (const RealEllipseRow& e : *rows) {
                EXPECT_GT(e.R, 0);
                EXPECT_GT(e.aspect, 0.0);
                EXPECT_LE(e.aspect, 1.0);
                EXPECT_LE(e.radarFirst, e.radarLast);
            }
        for (const RealShoalFact& s : f.shoals) {
            EXPECT_GT(s.R, 0);
            EXPECT_GT(s.aspect, 0.0);
        }
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
    // unweakened; the Exumas' cuts likewise run full strength.
    CurrentZone z;
    ASSERT_TRUE(LookUpCurrentZone(*StartedCruise({11, 1}, 4), 10150, -3550, z));
    EXPECT_EQ(z.phaseShift, -2);
    EXPECT_TRUE(z.exempt);
    ASSERT_TRUE(LookUpCurrentZone(*StartedCruise({30, 3}, 4), 800, 6100, z));  // Galliot Cut
    EXPECT_TRUE(z.exempt);
    EXPECT_GT(z.factor, 1.0);
}

// Where the chart paints land (inside an island's outline, or behind a shore
// profile) the depth reads 0 or 1 ft; in open water away from every shore
// it is positive. Points near a shore, in a shoal's outline or within the
// roughness of an island's outline are not counted.
struct Consistency {
    int32_t agree = 0, counted = 0, land = 0, dryLand = 0;
};

bool InOutline(const Arr2<int32_t, 73, 2>& o, double x, double y) {
    bool in = false;
    for (int k = 0, j = 72; k < 73; j = k++) {
        const double xi = o[k][0], yi = o[k][1], xj = o[j][0], yj = o[j][1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
}

// Normalised distance from an ellipse's centre (1 on its nominal shore).
double Reach(int32_t cx, int32_t cy, int32_t R, double aspect, double rot, double x, double y) {
    const double dx = x - cx, dy = y - cy;
    const double u = (std::cos(rot) * dx + std::sin(rot) * dy) / aspect, v = std::cos(rot) * dy - std::sin(rot) * dx;
    return std::sqrt(u * u + v * v) / R;
}

Consistency CheckConsistency(const Game& g) {
    const AreaGrid& a = g.areaGrid;
    Consistency c;
    const int32_t islands = a.islandCountA + a.islandCountB;
    const double band = 60;
    for (int32_t y = -20950; y < 21000; y += 200) {
        for (int32_t x = -20950; x < 21000; x += 200) {
            bool land = false, nearShore = false;
            for (int32_t i = 1; i <= islands; ++i) {
                const double n = Reach(a.realIslandX[i], a.realIslandY[i], a.R[i], a.aspect[i], a.rotation[i], x, y);
                if (n > 1.5) continue;
                if (n > 0.65 && n < 1.15) nearShore = true;
                if (InOutline(a.islandOutline[i], x, y)) land = true;
            }
            for (int32_t k = 1; k <= a.shoalCount + a.shoalCountExtra; ++k)
                if (Reach(a.shoalX[k], a.shoalY[k], a.shoalR[k], a.shoalAspect[k], a.shoalRotation[k], x, y) < 1.15)
                    nearShore = true;
            if (a.shoreXMin > -30000 && a.shoreXMin < x && x < a.shoreXMax) {
                const int32_t i = std::clamp(Trunc((x - a.shoreX[1]) / a.shoreStep) + 1, 1, 299);
                const double lo = std::min(a.shoreY[i], a.shoreY[i + 1]), hi = std::max(a.shoreY[i], a.shoreY[i + 1]);
                if (y > lo - band && y < hi + band) nearShore = true;
                if (y < lo) land = true;
            }
            if (a.westYMax > -30000) {
                for (const auto* t : {&a.westShoreX, &a.eastShoreX}) {
                    const bool west = t == &a.westShoreX;
                    const auto& run = west ? a.westShoreY : a.eastShoreY;
                    const double step = west ? a.westStep : a.eastStep;
                    const int32_t yMax = west ? a.westYMax : a.eastYMax;
                    if (!(run[1] < y && y < yMax)) continue;
                    const int32_t i = std::clamp(Trunc((y - run[1]) / step) + 1, 1, 299);
                    const double lo = std::min((*t)[i], (*t)[i + 1]), hi = std::max((*t)[i], (*t)[i + 1]);
                    if (x > lo - band && x < hi + band) nearShore = true;
                    if (west ? x < lo : x > hi) land = true;
                }
            }
            if (nearShore) continue;
            const int32_t d = DepthAt(g, x, y, 1);
            ++c.counted;
            if (land ? d <= 1 : d > 0) ++c.agree;
            c.land += land ? 1 : 0;
            c.dryLand += land && d <= 1 ? 1 : 0;
        }
    }
    return c;
}

TEST(RealAreaData, ChartedLandAndDepthAgree) {
    for (const RealArea& r : kRealAreas) {
        SCOPED_TRACE(r.code);
        const auto g = StartedCruise({r.code, r.region}, 9);
        const Consistency c = CheckConsistency(*g);
        const double share = 100.0 * c.agree / std::max(c.counted, 1);
        std::printf("area %d: land and depth agree at %d of %d points (%.2f%%)\n", r.code, c.agree, c.counted, share);
        EXPECT_GE(share, 98.0);
        EXPECT_GT(c.counted, 10000);
        // Land well inside a drawn island or behind a shore is dry, whatever
        // its group.
        EXPECT_EQ(c.dryLand, c.land);
        EXPECT_GT(c.land, 100);
    }
}

}  // namespace
}  // namespace vel
