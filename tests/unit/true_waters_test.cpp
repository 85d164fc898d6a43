// The passages and real areas as a sailor knows them: whatever floats lies in
// water deep enough for it, ships keep off the land, and the places of the
// public chart read at least their charted depth.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_checks.h"
#include "sim/anchored_fleet.h"
#include "world/aids.h"
#include "world/geo.h"
#include "world/shore.h"
#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

constexpr int32_t kDeepestDraft = 6;
constexpr int32_t kAnchorHolds = 60;  // feet: the most any boat's rode holds in
constexpr double kRouteClearMiles = 0.2;

struct Area {
    int32_t code, region;
};
constexpr Area kAreas[] = {{5, 5}, {6, 5}, {7, 6}, {8, 6}, {11, 1}, {12, 2}, {20, 1}, {30, 3}};

bool Floats(int32_t kind) {
    const AidKind* k = FindAidKind(kind);
    if (k) return k->shape == AidShape::Buoy || k->shape == AidShape::MooringBuoy;
    return kind == 23 || kind == 24;  // the passages' lit buoys
}

TEST(TrueWaters, WhatFloatsIsInWaterAndShipsKeepOffTheLand) {
    for (const Area area : kAreas) {
        SCOPED_TRACE(testing::Message() << "area " << area.code);
        const auto g = test::StartedCruise({area.code, area.region}, 4);
        const Game& game = *g;
        const auto depth = [&](int32_t x, int32_t y) { return DepthAt(game, x, y, 1); };
        const int32_t upm = game.areaGrid.unitsPerMile;

        const MarkList& marks = game.markList;
        for (int32_t i = 0; i < std::min<int32_t>(marks.count, static_cast<int32_t>(marks.x.size())); ++i) {
            if (!Floats(marks.kind[i])) continue;
            EXPECT_GT(depth(marks.x[i], marks.y[i]), 3) << "mark " << i << " kind " << marks.kind[i];
        }
        const ObjectList& list = game.objectList;
        for (int32_t i = 1; i < kObjectSlots; ++i) {
            if (list.kind[i] != 23 && list.kind[i] != 24) continue;
            EXPECT_GT(depth(Trunc(list.fbx[i]), Trunc(list.fby[i])), 3) << "passage buoy " << i;
        }

        const AreaGrid& a = game.areaGrid;
        if (a.isRealArea == 1) {
            EXPECT_GT(depth(a.realDockX, a.realDockY), kDeepestDraft) << "the dock";
            EXPECT_GT(depth(a.pierBerthX, a.pierBerthY), kDeepestDraft) << "the marina's berth";
        }
        for (int32_t j = 0; j <= 9; ++j) {
            if (j == 1 || list.kind[FleetEntry(j)] != 15) continue;
            const int32_t d = depth(Trunc(list.fbx[FleetEntry(j)]), Trunc(list.fby[FleetEntry(j)]));
            EXPECT_GT(d, kDeepestDraft - 1) << "anchored boat " << j;
            EXPECT_LE(d, kAnchorHolds) << "anchored boat " << j;
        }
        for (int32_t i = 0; i < std::min<int32_t>(a.startCircleCount, static_cast<int32_t>(a.startCircleX.size())); ++i) {
            const int32_t d = depth(a.startCircleX[i], a.startCircleY[i]);
            EXPECT_GT(d, kDeepestDraft) << "start circle " << i;
            EXPECT_LE(d, kAnchorHolds) << "start circle " << i;
        }

        const Vessels& v = game.vessels;
        for (int32_t s = 1; s < kShipSlots; ++s) {
            for (int32_t k = 1; k < std::min(v.routeLength[s], kRoutePoints - 1); ++k) {
                const double ax = v.routeX[s][k], ay = v.routeY[s][k], bx = v.routeX[s][k + 1], by = v.routeY[s][k + 1];
                const int32_t steps = std::max(1, Trunc(std::hypot(bx - ax, by - ay) / 20));
                double nearest = 1e9;
                for (int32_t t = 0; t <= steps; ++t) {
                    const ShoreSample here = ShoreAt(game.shoreMap, Trunc(ax + (bx - ax) * t / steps),
                                                     Trunc(ay + (by - ay) * t / steps));
                    nearest = std::min(nearest, here.land ? 0.0 : here.distance);
                }
                EXPECT_GE(nearest, kRouteClearMiles * upm) << "ship " << s << " leg " << k;
            }
        }
    }
}

// At least eight charted places and three of land in every area.
TEST(TrueWaters, NamedPlacesReadTheirChartedDepth) {
    for (const Area area : kAreas) {
        SCOPED_TRACE(testing::Message() << "area " << area.code);
        const auto g = test::StartedCruise({area.code, area.region}, 5);
        const GeoProjection& p = *ProjectionForArea(area.code);
        const int32_t own = area.code == 6 ? 5 : area.code == 8 ? 7 : area.code;
        int32_t water = 0, land = 0;
        for (const std::span<const test::ChartCheck> table : {test::kChecksNorth, test::kChecksSouth}) {
            for (const test::ChartCheck& c : table) {
                if (c.areaCode != own) continue;
                const AreaPoint at = AreaFromLatLon(p, {c.lat, c.lon});
                const int32_t d = DepthAt(*g, Trunc(at.x), Trunc(at.y), 2);
                if (c.leastFeet < 0) {
                    ++land;
                    EXPECT_EQ(d, 0) << c.name << " is land";
                } else {
                    ++water;
                    EXPECT_GE(d, c.leastFeet) << c.name;
                }
            }
        }
        EXPECT_GE(water, 8);
        EXPECT_GE(land, 3);
    }
}

}  // namespace
}  // namespace vel
