// The true shoreline at run time: the cell index answers as the rings
// themselves do, and the depth rules built on it.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "world/depth_facts.h"
#include "world/geo.h"
#include "world/shore.h"
#include "world/terrain.h"
#include "world_fixture.h"

namespace vel {
namespace {

struct Truth {
    bool land;
    double distance;
};

// Even-odd over every ring edge and the nearest edge or edge of the data
// (beyond which lies land): what the index must reproduce without visiting
// them all.
Truth BruteForce(const TrueShoreTable& t, double px, double py) {
    bool land = false;
    double best = std::min({px - t.x0, t.x0 + double(t.nx) * t.cell - px, py - t.y0, t.y0 + double(t.ny) * t.cell - py});
    for (std::size_t r = 0; r + 1 < t.rings.size(); ++r) {
        for (int32_t k = t.rings[r]; k + 1 < t.rings[r + 1]; ++k) {
            const double ax = t.xy[2 * k], ay = t.xy[2 * k + 1], bx = t.xy[2 * k + 2], by = t.xy[2 * k + 3];
            if ((ay > py) != (by > py) && px < ax + (py - ay) * (bx - ax) / (by - ay)) land = !land;
            const double dx = bx - ax, dy = by - ay, len = dx * dx + dy * dy;
            const double s = len > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len, 0.0, 1.0) : 0.0;
            best = std::min(best, std::hypot(ax + s * dx - px, ay + s * dy - py));
        }
    }
    return {land, best};
}

TEST(TrueShore, TheCellIndexAnswersAsTheRingsDo) {
    for (int32_t area : {5, 7, 11, 12, 20, 30}) {
        SCOPED_TRACE(testing::Message() << "area " << area);
        ShoreMap m;
        LoadShoreMap(m, area);
        ASSERT_NE(m.table, nullptr);
        const TrueShoreTable& t = *m.table;
        const int32_t w = t.nx * t.cell, h = t.ny * t.cell;
        uint32_t seed = 12345u + area;
        const auto next = [&](int32_t n) {
            seed = seed * 1103515245u + 12345u;
            return static_cast<int32_t>((seed >> 8) % static_cast<uint32_t>(n));
        };
        int32_t land = 0, water = 0, coast = 0;
        for (int32_t k = 0; k < 300; ++k) {
            // Half the points in coast cells, where the geometry is done.
            int32_t x = t.x0 + next(w), y = t.y0 + next(h);
            for (int32_t tries = 0; k % 2 == 0 && tries < 200; ++tries) {
                const std::size_t c = std::size_t((y - t.y0) / t.cell) * t.nx + (x - t.x0) / t.cell;
                if (m.cls[c] == kShoreCoast) break;
                x = t.x0 + next(w), y = t.y0 + next(h);
            }
            const Truth want = BruteForce(t, x, y);
            if (want.distance < 1.0) continue;  // on a shore segment either side is right
            const ShoreSample got = ShoreAt(m, x, y);
            ASSERT_EQ(got.land, want.land) << "(" << x << ", " << y << ")";
            const std::size_t c = std::size_t((y - t.y0) / t.cell) * t.nx + (x - t.x0) / t.cell;
            (want.land ? land : water)++;
            if (want.land) continue;
            if (m.cls[c] == kShoreCoast) {
                ++coast;
                // The cell's own segments: never nearer than the nearest of all.
                EXPECT_GE(got.distance, want.distance - 1e-6);
                EXPECT_LE(got.distance, want.distance + 2.0 * t.cell);
            } else {
                // Blocks of two cells: within the chamfer's 8 % and two blocks.
                EXPECT_NEAR(got.distance, want.distance, 0.09 * want.distance + 4.0 * t.cell);
            }
        }
        EXPECT_GT(land, 10);
        EXPECT_GT(water, 10);
        EXPECT_GT(coast, 10);
    }
}

// Beyond the data, and at the ends of the coordinates, every query reads the
// grey frame's land without reading outside a table.
TEST(TrueShore, OutsideTheDataIsLand) {
    const int32_t far[] = {INT32_MIN, -32768, -32767, 32767, INT32_MAX};
    for (int32_t area : {5, 6, 7, 8, 11, 12, 20, 30}) {
        SCOPED_TRACE(testing::Message() << "area " << area);
        const auto g = test::StartedCruise({area, area <= 6 ? 5 : area <= 8 ? 6 : area == 12 ? 2 : area == 30 ? 3 : 1}, 3);
        const TrueShoreTable& t = *g->shoreMap.table;
        EXPECT_TRUE(ShoreAt(g->shoreMap, t.x0 - 1, t.y0 + t.cell).land);
        EXPECT_TRUE(ShoreAt(g->shoreMap, t.x0 + t.cell, t.y0 + t.ny * t.cell).land);
        for (int32_t x : far)
            for (int32_t y : far) {
                EXPECT_EQ(DepthAt(*g, x, y, 0), 0);
                EXPECT_EQ(DepthAt(*g, x, y, 2), 0);
            }
    }
}

// One water point well off the Chesapeake's shore, one on land, and the
// rules of the charted depths about them.
class ChartedDepths : public testing::Test {
  protected:
    void SetUp() override {
        LoadShoreMap(m, 12);
        p = ProjectionForArea(12);
        const TrueShoreTable& t = *m.table;
        for (int32_t y = t.y0 + 50; y < t.y0 + t.ny * t.cell && !(water && land); y += 97)
            for (int32_t x = t.x0 + 50; x < t.x0 + t.nx * t.cell; x += 101) {
                const ShoreSample s = ShoreAt(m, x, y);
                if (!water && !s.land && s.distance > 2.0 * p->unitsPerMile) water = {x, y, s.distance};
                if (!land && s.land && x > t.x0 + 2000) land = {x, y, 0};
            }
        ASSERT_TRUE(water && land);
    }
    struct Spot {
        int32_t x = 0, y = 0;
        double distance = -1;
        explicit operator bool() const { return distance >= 0; }
    };
    GeoPt At(const Spot& s, double dx = 0) const {
        const LatLon g = LatLonFromArea(*p, {s.x + dx, double(s.y)});
        return {g.lat, g.lon};
    }
    double Depth(const DepthFacts& f, const Spot& s, double dx = 0) {
        LoadDepthFacts(m, f, *p);
        return TrueDepth(m, Trunc(s.x + dx), s.y);
    }
    ShoreMap m;
    const GeoProjection* p = nullptr;
    Spot water, land;
};

TEST_F(ChartedDepths, SlopeCapSoundingsAndFacts) {
    const double perUnit = 28.0 / p->unitsPerMile;  // 28 ft a mile
    EXPECT_NEAR(Depth({12, 4, 28, 500, 6, {}, {}}, water), 4 + perUnit * water.distance, 1e-6);
    EXPECT_EQ(Depth({12, 4, 28, 30, 6, {}, {}}, water), 30);
    EXPECT_EQ(Depth({12, 4, 28, 30, 6, {}, {}}, land), 0);

    // A sounding speaks exactly where it was taken, and weighs with a second.
    const Sounding here[] = {{At(water), 41}, {At(water, 0.5 * p->unitsPerMile), 81}};
    EXPECT_NEAR(Depth({12, 4, 28, 500, 6, here, {}}, water), 41, 1e-6);
    EXPECT_NEAR(Depth({12, 4, 28, 500, 6, here, {}}, water, 0.25 * p->unitsPerMile), 61, 0.5);
    EXPECT_EQ(Depth({12, 4, 28, 500, 6, here, {}}, land), 0);

    // A shoal holds its least depth inside and falls away by the slope.
    const GeoPt centre[] = {At(water)};
    const DepthFact shoal[] = {{DepthShape::Circle, DepthRule::AtMost, 5, 463, centre}};  // a quarter mile
    EXPECT_EQ(Depth({12, 4, 28, 500, 6, here, shoal}, water), 5);
    EXPECT_NEAR(Depth({12, 4, 28, 500, 6, {}, shoal}, water, 0.75 * p->unitsPerMile), 5 + 28 * 0.5, 0.2);

    // A channel deepens the water it crosses and leaves land dry.
    const GeoPt line[] = {At(water, -1000), At(water, 1000)};
    const DepthFact channel[] = {{DepthShape::Corridor, DepthRule::AtLeast, 35, 100, line}};
    EXPECT_EQ(Depth({12, 4, 28, 30, 6, {}, channel}, water), 35);
    const GeoPt w = At(land, -300), e = At(land, 300);
    const GeoPt box[] = {{w.lat + 0.01, w.lon}, {e.lat + 0.01, e.lon}, {e.lat - 0.01, e.lon}, {w.lat - 0.01, w.lon}};
    const DepthFact dredged[] = {{DepthShape::Zone, DepthRule::AtLeast, 50, 0, box}};
    EXPECT_EQ(Depth({12, 4, 28, 30, 6, {}, dredged}, land), 0);
    // Facts apply in order: a bank after a channel wins.
    const DepthFact both[] = {channel[0], {DepthShape::Corridor, DepthRule::AtMost, 12, 200, line}};
    EXPECT_EQ(Depth({12, 4, 28, 30, 6, {}, both}, water), 12);
}

}  // namespace
}  // namespace vel
