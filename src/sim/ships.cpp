#include "sim/ships.h"

#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/passage_traffic.h"
#include "sim/real_traffic.h"
#include "sim/sim_common.h"
#include "world/river_lane.h"

namespace vel {
namespace {

constexpr double kConvoyGap = 90.0;
constexpr double kLaneEnd = 10000.0;

// The river's ships keep to its charted lane, each on its own starboard side
// of the middle: a heading held on a fixed bearing would put them on the bank.
bool InRiver(const Game& g) { return g.cruiseOptions.areaCode == 4; }

int32_t LaneHeading(int32_t heading) { return heading >= 0 && heading < 180 ? 90 : 270; }

// y is the offset from the lane's middle in the river.
void PutShip(Game& g, int32_t i, double x, double y, int32_t heading) {
    ObjectList& list = g.objectList;
    if (InRiver(g)) {
        y += RiverLaneY(g.areaGrid, x);
        heading = RiverLaneHeading(g.areaGrid, x, heading < 180);
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
    if (InRiver(g)) {
        const double x = list.fbx[ShipEntry(2)];
        list.fby[ShipEntry(2)] = RiverLaneY(g.areaGrid, x) + kRiverLaneOffset;
        g.vessels.heading[2] = RiverLaneHeading(g.areaGrid, x, true);
    }
}

void PlaceVirtualShip(Game& g, int32_t i) {
    if (i == 1) {
        PutShip(g, 1, -6000 - random(g.rng, 2500), kRiverLaneOffset, 90);
    } else if (g.vessels.convoy == 1) {
        KeepStation(g);
    } else {
        PutShip(g, 2, 6000 + random(g.rng, 2500), -kRiverLaneOffset, 270);
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

void SettleRiverShips(Game& g) {
    if (!InRiver(g) || !IsVirtualArea(g.cruiseOptions)) return;
    const ObjectList& list = g.objectList;
    PutShip(g, 1, list.fbx[ShipEntry(1)], kRiverLaneOffset, 90);
    if (g.vessels.convoy == 1)
        KeepStation(g);
    else
        PutShip(g, 2, list.fbx[ShipEntry(2)], -kRiverLaneOffset, 270);
}

int32_t ShipSpeed(const CruiseOptions& o) { return 6 * o.difficulty + 70; }

void PlaceShip(Game& g, int32_t i) {
    if (i < 1 || i >= kShipSlots) return;
    if (g.cruiseOptions.isRealArea == 1) {
        PlaceRealShip(g, i);
        return;
    }
    g.vessels.placements[i] += 1;
    if (IsVirtualArea(g.cruiseOptions) && i <= 2) PlaceVirtualShip(g, i);
    if (g.cruiseOptions.isPassage == 1) PlacePassageShip(g, i);
}

void MoveShip(Game& g, int32_t i) {
    if (g.cruiseOptions.isPassage == 1) {
        MovePassageShip(g, i);
        return;
    }
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
    const bool eastward = heading == 90;
    if (InRiver(g)) heading = RiverLaneHeading(g.areaGrid, x, eastward);
    const int32_t v = ShipSpeed(g.cruiseOptions);
    const double step = g.simClock.timeStep;
    x += step * 0.001 * g.trigTables.sin100[heading] * v;
    y -= step * 0.001 * g.trigTables.cos100[heading] * v;
    if (InRiver(g)) y = RiverLaneY(g.areaGrid, x) + (eastward ? kRiverLaneOffset : -kRiverLaneOffset);
    ReplaceVirtualShips(g, i);
}

void CheckShips(Game& g, int32_t i) {
    const OwnBoat& b = g.ownBoat;
    const ObjectList& list = g.objectList;
    const int32_t d = Manhattan(Trunc(list.fbx[ShipEntry(i)]), Trunc(list.fby[ShipEntry(i)]), b.cellX, b.cellY);
    if (d < 40 && b.depth > 7) g.score.endReason = 1;
}

}  // namespace vel
