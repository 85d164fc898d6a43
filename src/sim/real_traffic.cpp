#include "sim/real_traffic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/anchored_fleet.h"
#include "sim/ships.h"
#include "world/current_field.h"
#include "world/geo.h"
#include "world/real_data.h"
#include "world/real_terrain.h"

namespace vel {
namespace {

constexpr int32_t kAnchoredKind = 15;
constexpr double kWaypointReached = 50.0;

// The Exumas' two ships start where the area's traffic is met: one leaving
// Georgetown eastward, one coming down from Nassau.
struct FixedStart {
    int32_t areaCode, ship, x, y, heading;
};
constexpr FixedStart kFixedStarts[] = {
    {30, 1, 14093, 16447, 90},
    {30, 2, -18625, -22075, 180},
};

const FixedStart* FixedStartFor(int32_t areaCode, int32_t ship) {
    for (const FixedStart& s : kFixedStarts)
        if (s.areaCode == areaCode && s.ship == ship) return &s;
    return nullptr;
}

int32_t HeadingToward(double x, double y, int32_t wx, int32_t wy) {
    return NormaliseAngle(BearingOf(wx - Trunc(x), Trunc(y) - wy));
}

// Neighbours on a grid around the harbour point, in spacings: vessel 0 on
// the point, vessels 2..9 one or two spacings out.
struct GridBerth {
    int32_t i, j;
};
constexpr GridBerth kBerths[10] = {{0, 0},  {0, 0},  {1, 0},  {-1, 1}, {0, -1},
                                   {2, 1},  {-2, 0}, {1, 2},  {-1, -2}, {2, -1}};

}  // namespace

int32_t RealLieDirection(int32_t windFrom, int32_t windSpeed, int32_t currentFrom, int32_t currentSpeed) {
    return std::abs(currentSpeed) >= 2 * windSpeed / 3 ? currentFrom : windFrom;
}

void PlaceRealShip(Game& g, int32_t i) {
    const RealFacts* f = RealFactsFor(g.cruiseOptions.areaCode);
    const GeoProjection* p = ProjectionForArea(g.cruiseOptions.areaCode);
    if (!f || !p || i < 1 || i >= kShipSlots) return;
    Vessels& v = g.vessels;
    const int32_t n = std::min<int32_t>(static_cast<int32_t>(f->shipRoute.size()), kRoutePoints - 1);
    if (n < 2) return;
    // Ships 2 and 4 run the route backward; ships 3 and 4 join it halfway.
    const bool backward = i % 2 == 0;
    for (int32_t k = 1; k <= n; ++k) {
        const AreaXY at = ProjectFact(*p, f->shipRoute[backward ? n - k : k - 1]);
        v.routeX[i][k] = at.x;
        v.routeY[i][k] = at.y;
    }
    v.routeLength[i] = n;
    const int32_t first = (i >= 3 && v.placements[i] == 0) ? n / 2 : 1;
    v.placements[i] += 1;
    ObjectList& list = g.objectList;
    list.fbx[ShipEntry(i)] = v.routeX[i][first];
    list.fby[ShipEntry(i)] = v.routeY[i][first];
    list.kind[ShipEntry(i)] = 10 + i;
    v.routeIndex[i] = first + 1;
    v.heading[i] = HeadingToward(v.routeX[i][first], v.routeY[i][first], v.routeX[i][first + 1], v.routeY[i][first + 1]);
    if (const FixedStart* s = FixedStartFor(g.cruiseOptions.areaCode, i); s && v.placements[i] == 1) {
        list.fbx[ShipEntry(i)] = s->x;
        list.fby[ShipEntry(i)] = s->y;
        v.heading[i] = s->heading;
    }
}

void MoveRealShip(Game& g, int32_t i) {
    Vessels& v = g.vessels;
    if (i < 1 || i >= kShipSlots || v.routeLength[i] < 1) return;
    ObjectList& list = g.objectList;
    double& x = list.fbx[ShipEntry(i)];
    double& y = list.fby[ShipEntry(i)];
    int32_t& k = v.routeIndex[i];
    k = std::clamp(k, 1, v.routeLength[i]);
    const int32_t wx = v.routeX[i][k], wy = v.routeY[i][k];
    v.heading[i] = HeadingToward(x, y, wx, wy);
    if (std::hypot(wx - Trunc(x), wy - Trunc(y)) < kWaypointReached) {
        if (++k > v.routeLength[i]) {
            PlaceRealShip(g, i);
            return;
        }
    }
    const int32_t speed = ShipSpeed(g.cruiseOptions);
    const double step = g.simClock.timeStep;
    x += step * 0.001 * g.trigTables.sin100[v.heading[i]] * speed;
    y -= step * 0.001 * g.trigTables.cos100[v.heading[i]] * speed;
}

void PlaceRealTraffic(Game& g) {
    Vessels& v = g.vessels;
    v.onMooring = {};
    v.vesselHeading = {};
    v.vesselSize = {};
    v.vesselColour = {};
    v.routeIndex = {};
    v.routeLength = {};
    for (int32_t j = 0; j < kFleetSlots; ++j) {
        if (j == 1) continue;
        g.anchors.anchor[j] = {};
        g.anchors.xanch[j] = {};
        g.anchors.yanch[j] = {};
    }
    for (int32_t i = 1; i <= std::min(v.shipCount, kShipSlots - 1); ++i) PlaceRealShip(g, i);
}

void ChooseRealZonePoints(Game& g) {
    AreaGrid& a = g.areaGrid;
    const RealFacts* f = RealFactsFor(a.areaCode);
    const GeoProjection* p = ProjectionForArea(a.areaCode);
    if (!f || !p) return;
    const int32_t bx = Trunc(g.ownBoat.x), by = Trunc(g.ownBoat.y);
    if (a.areaCode == 30) {
        a.inDeepSound = InDeepSound(bx, by) ? 1 : 0;
        a.onWestBank = OnWestBank(bx, by) ? 1 : 0;
    }
    const RealAnchorageBand* band = nullptr;
    for (const RealAnchorageBand& b : f->anchorages) {
        const int32_t at = b.axis == 0 ? bx : by;
        if (b.lo < at && at <= b.hi) band = &b;
    }
    if (!band) return;
    const AreaXY h = ProjectFact(*p, band->harbour);
    a.harbourX = h.x;
    a.harbourY = h.y;
    const bool moorings = band->sx < 25 || band->sy < 25;
    const auto& r = g.randomTable.r100;
    for (int32_t j = 0; j < kFleetSlots; ++j) {
        if (j == 1) continue;
        g.anchors.xanch[j][1] = h.x + kBerths[j].i * band->sx;
        g.anchors.yanch[j][1] = h.y + kBerths[j].j * band->sy;
        g.vessels.vesselSize[j] = 1 + std::abs(r[j]) % 3;
        g.vessels.vesselColour[j] = 1 + std::abs(r[j + 10]) % 4;
        g.vessels.onMooring[j] = moorings ? 1 : 0;
        g.objectList.kind[FleetEntry(j)] = kAnchoredKind;
    }
    // The fleet lies to the current at its anchorage when that runs strongly.
    CurrentAt(g, h.x, h.y, 0);
}

}  // namespace vel
