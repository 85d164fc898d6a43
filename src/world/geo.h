#pragma once
// Latitude and longitude of the passages and the real areas. Each of them has
// one Mercator projection, as on a paper chart, true to scale at its reference
// latitude: x grows east and y south, `unitsPerMile` area units to the
// nautical mile there. The geography tool (tools/geodata) projects shorelines
// with the same table, so the game and its data agree by construction.
#include <cstdint>

namespace vel {

struct GeoProjection {
    int32_t areaCode;
    double lat0;  // degrees north at y = 0; also the latitude of true scale
    double lon0;  // degrees east at x = 0 (west is negative)
    int32_t unitsPerMile;
};

struct LatLon {
    double lat;
    double lon;
};

struct AreaPoint {
    double x;
    double y;
};

// nullptr for the generated areas: they have no latitude and longitude.
const GeoProjection* ProjectionForArea(int32_t areaCode);

// The rectangle of area units the area's shoreline data covers, and the
// side of the grid cells that index it. Beyond it lies the grey frame:
// land to every query.
struct ShoreBox {
    int32_t x0, y0, x1, y1;
    int32_t cell;
};
// nullptr for the generated areas.
const ShoreBox* ShoreBoxFor(int32_t areaCode);

AreaPoint AreaFromLatLon(const GeoProjection& p, LatLon g);
LatLon LatLonFromArea(const GeoProjection& p, AreaPoint a);

}  // namespace vel
