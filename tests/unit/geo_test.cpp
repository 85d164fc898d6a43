#include "world/geo.h"
#include "world/shore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vel {
namespace {

// A shore table read with a box other than the one it was generated for
// puts land and water in the wrong cells.
TEST(Geo, OnlyTheRealWatersHaveAProjectionAndTheirShoreTablesFitTheirBoxes) {
    for (int32_t code : {0, 1, 2, 3, 4, 9, 10, 13}) EXPECT_EQ(ProjectionForArea(code), nullptr) << code;
    for (int32_t code : {5, 6, 7, 8, 11, 12, 20, 30}) {
        ASSERT_NE(ProjectionForArea(code), nullptr) << code;
        const ShoreBox& b = *ShoreBoxFor(code);
        const TrueShoreTable& t = *ShoreTableFor(code);
        EXPECT_EQ(std::vector({t.x0, t.y0, t.cell, t.nx, t.ny}),
                  std::vector({b.x0, b.y0, b.cell, (b.x1 - b.x0 + b.cell - 1) / b.cell, (b.y1 - b.y0 + b.cell - 1) / b.cell}))
            << code << ": regenerate the shore table";
    }
}

// A nautical mile is a minute of latitude; at the reference latitude the
// area's units per mile hold in both directions (Mercator is conformal).
TEST(Geo, OneMileAtTheReferenceLatitudeIsTheAreasUnitsPerMile) {
    for (int32_t code : {5, 7, 11, 12, 20, 30}) {
        const GeoProjection& p = *ProjectionForArea(code);
        const AreaPoint o = AreaFromLatLon(p, {p.lat0, p.lon0});
        EXPECT_NEAR(o.x, 0.0, 1e-6);
        EXPECT_NEAR(o.y, 0.0, 1e-6);
        const AreaPoint n = AreaFromLatLon(p, {p.lat0 + 1.0 / 60.0, p.lon0});
        EXPECT_NEAR(-n.y, p.unitsPerMile, 0.01 * p.unitsPerMile) << code;  // north is -y
        const double cosLat = std::cos(p.lat0 * 3.141592653589793 / 180.0);
        const AreaPoint e = AreaFromLatLon(p, {p.lat0, p.lon0 + 1.0 / (60.0 * cosLat)});
        EXPECT_NEAR(e.x, p.unitsPerMile, 1e-6) << code;
    }
}

TEST(Geo, AreaAndLatitudeLongitudeRoundTrip) {
    for (int32_t code : {5, 7, 11, 12, 20, 30}) {
        const GeoProjection& p = *ProjectionForArea(code);
        for (double x : {-32767.0, -20000.0, 0.0, 1234.5, 32767.0})
            for (double y : {-32767.0, -777.0, 0.0, 20000.0, 32767.0}) {
                const AreaPoint back = AreaFromLatLon(p, LatLonFromArea(p, {x, y}));
                EXPECT_NEAR(back.x, x, 1e-6);
                EXPECT_NEAR(back.y, y, 1e-6);
            }
    }
}

}  // namespace
}  // namespace vel
