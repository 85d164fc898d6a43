#include "sim/ships.h"

#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/real_traffic.h"
#include "sim/sim_common.h"

namespace vel {
namespace {

constexpr double kConvoyGap = 90.0;
constexpr double kLaneEnd = 10000.0;

bool InRiver(const Game& g, double x) { return g.cruiseOptions.areaCode == 4 && x < 0.0; }

// West of x = 0 the river bends toward one bank by three tenths of a unit
// per unit; ships follow the bend.
int32_t RiverHeading(const AreaGrid& a) { return (a.riverBend + 5) * 18; }
int32_t RiverOffset(const AreaGrid& a, double x) { return -Trunc(-0.3 * x) * a.riverBend; }

int32_t LaneHeading(int32_t heading) { return heading >= 0 && heading < 180 ? 90 : 270; }

void PutShip(Game& g, int32_t i, double x, double y, int32_t heading) {
    ObjectList& list = g.objectList;
    if (InRiver(g, x)) {
        y += RiverOffset(g.areaGrid, x);
        heading = RiverHeading(g.areaGrid);
    }
    list.fbx[ShipEntry(i)] = x;
    list.fby[ShipEntry(i)] = y;
    list.kind[ShipEntry(i)] = 10 + i;
    g.vessels.heading[i] = heading;
}

// In a convoy ship 2 follows in ship 1's wake.
void KeepStation(Game& g) {
    ObjectList& list = g.objectList;
    const int32_t heading = g.vessels.heading[1];
    const double rad = heading * kDegToRad;
    list.fbx[ShipEntry(2)] = list.fbx[ShipEntry(1)] - kConvoyGap * std::sin(rad);
    list.fby[ShipEntry(2)] = list.fby[ShipEntry(1)] + kConvoyGap * std::cos(rad);
    list.kind[ShipEntry(2)] = 12;
    g.vessels.heading[2] = heading;
}

void PlaceVirtualShip(Game& g, int32_t i) {
    if (i == 1) {
        PutShip(g, 1, -6000 - random(g.rng, 2500), 100, 90);
    } else if (g.vessels.convoy == 1) {
        KeepStation(g);
    } else {
        PutShip(g, 2, 6000 + random(g.rng, 2500), -100, 270);
    }
}

void ReplaceVirtualShips(Game& g, int32_t i) {
    const double x = g.objectList.fbx[ShipEntry(i)];
    const bool convoy = g.vessels.convoy == 1;
    if (i == 1 && x > kLaneEnd) {
        PlaceShip(g, 1);
        if (convoy) PlaceShip(g, 2);
    }
    if (i == 2 && !convoy && x < -kLaneEnd) PlaceShip(g, 2);
}

}  // namespace

int32_t ShipSpeed(const CruiseOptions& o) { return 6 * o.difficulty + 70; }

void PlaceShip(Game& g, int32_t i) {
    if (i < 1 || i >= kShipSlots) return;
    if (g.cruiseOptions.isRealArea == 1) {
        PlaceRealShip(g, i);
        return;
    }
    g.vessels.placements[i] += 1;
    if (IsVirtualArea(g.cruiseOptions) && i <= 2) PlaceVirtualShip(g, i);
}

void MoveShip(Game& g, int32_t i) {
    if (g.cruiseOptions.isRealArea == 1) {
        MoveRealShip(g, i);
        return;
    }
    if (!IsVirtualArea(g.cruiseOptions) || i < 1 || i > 2) return;
    if (i == 2 && g.vessels.convoy == 1) {
        KeepStation(g);
        return;
    }
    ObjectList& list = g.objectList;
    double& x = list.fbx[ShipEntry(i)];
    double& y = list.fby[ShipEntry(i)];
    int32_t& heading = g.vessels.heading[i];
    heading = LaneHeading(heading);
    if (InRiver(g, x)) heading = RiverHeading(g.areaGrid);
    const int32_t v = ShipSpeed(g.cruiseOptions);
    const double step = g.simClock.timeStep;
    x += step * 0.001 * g.trigTables.sin100[heading] * v;
    y -= step * 0.001 * g.trigTables.cos100[heading] * v;
    ReplaceVirtualShips(g, i);
}

void CheckShips(Game& g, int32_t i) {
    const OwnBoat& b = g.ownBoat;
    const ObjectList& list = g.objectList;
    const int32_t d = Manhattan(Trunc(list.fbx[ShipEntry(i)]), Trunc(list.fby[ShipEntry(i)]), b.cellX, b.cellY);
    if (d < 40 && b.depth > 7) g.score.endReason = 1;
}

}  // namespace vel
