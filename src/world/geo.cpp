#include "world/geo.h"

#include <cmath>
#include <numbers>

namespace vel {
namespace {

// One row per area code; the two directions of a passage share their waters.
// Origins are chosen so that the fixed positions the game keeps in area units
// (start circles, stream edges, current zones, docks) fall where they belong:
// Southern New England puts Woods Hole at (10300, -3600), the middle of its
// fog-signal box; Chesapeake Bay the middle of the bay's mouth (37.00 N,
// 76.03 W) at (2936, 9202), the reference of its tide's timing; the Exumas
// the Staniel Cay Yacht Club's dock at (-2836, -130).
constexpr GeoProjection kProjections[] = {
    {5, 26.32, -78.85, 300},  {6, 26.32, -78.85, 300},   // Florida - Bahamas
    // Maine - Nova Scotia: the stream and current zones are stored in area
    // units against this origin; the start circles are placed in their
    // harbours with it.
    {7, 43.7844, -66.4675, 300},  {8, 43.7844, -66.4675, 300},
    {11, 41.3302, -71.4110, 310},                        // Southern New England
    {12, 38.1037, -76.4742, 140},                        // Chesapeake Bay
    {20, 44.10, -68.70, 175},                            // Maine
    {30, 24.1670, -76.3180, 416},                        // the Exumas
};

// Each box holds the area's waters with a margin; the south of the Gulf of
// Maine stays open sea well past the passage chart's edge.
struct AreaShoreBox {
    int32_t areaCode;
    ShoreBox box;
};
constexpr AreaShoreBox kShoreBoxes[] = {
    {5, {-29000, -18000, 24000, 21500, 64}},  {6, {-29000, -18000, 24000, 21500, 64}},
    {7, {-29000, -21500, 25000, 30000, 64}},  {8, {-29000, -21500, 25000, 30000, 64}},
    {11, {-24000, -16000, 24000, 10000, 64}}, {12, {-9000, -14000, 10000, 12000, 64}},
    {20, {-20000, -12000, 20000, 14000, 64}}, {30, {-24000, -26000, 24000, 22000, 64}},
};

constexpr double kRad = std::numbers::pi / 180.0;

double MercatorY(double latDeg) { return std::log(std::tan(std::numbers::pi / 4.0 + latDeg * kRad / 2.0)); }

// Area units per degree of longitude at the reference latitude.
double UnitsPerDegree(const GeoProjection& p) { return 60.0 * std::cos(p.lat0 * kRad) * p.unitsPerMile; }

}  // namespace

const GeoProjection* ProjectionForArea(int32_t areaCode) {
    for (const GeoProjection& p : kProjections)
        if (p.areaCode == areaCode) return &p;
    return nullptr;
}

const ShoreBox* ShoreBoxFor(int32_t areaCode) {
    for (const AreaShoreBox& b : kShoreBoxes)
        if (b.areaCode == areaCode) return &b.box;
    return nullptr;
}

AreaPoint AreaFromLatLon(const GeoProjection& p, LatLon g) {
    const double k = UnitsPerDegree(p);
    return {(g.lon - p.lon0) * k, -(MercatorY(g.lat) - MercatorY(p.lat0)) / kRad * k};
}

LatLon LatLonFromArea(const GeoProjection& p, AreaPoint a) {
    const double k = UnitsPerDegree(p);
    const double m = MercatorY(p.lat0) - a.y / k * kRad;
    return {(2.0 * std::atan(std::exp(m)) - std::numbers::pi / 2.0) / kRad, p.lon0 + a.x / k};
}

}  // namespace vel
