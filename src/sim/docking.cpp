#include "sim/docking.h"

#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/anchoring.h"
#include "sim/sim_common.h"

namespace vel {
namespace {

// Made fast: the clock may leap from the next even hour on, and the speed in
// use is kept for the morning.
void NoteStop(Game& g) {
    SimClock& c = g.simClock;
    c.speedBeforeStop = g.cruiseOptions.simSpeed;
    c.divisorBeforeStop = g.cruiseOptions.stepDivisor;
    c.stopHour = c.hour;
}

void StopUnderWay(OwnBoat& b) {
    b.throttle = 0;
    b.sailsUp = 0;
}

void PlaceBoat(OwnBoat& b, double x, double y) {
    b.x = x;
    b.y = y;
    b.cellX = Trunc(x);
    b.cellY = Trunc(y);
}

// The islands area has no coast and so no pier.
bool HasPier(const Game& g) { return IsVirtualArea(g.cruiseOptions) && g.cruiseOptions.areaCode != 2; }

bool AlongPier(int32_t heading) { return std::abs(heading - 270) < 40 || std::abs(heading - 90) < 40; }

// The dock runs along heading1 / heading2; either end will do.
bool AlongDock(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    const AreaGrid& a = g.areaGrid;
    const int32_t course = b.heading - b.leeway * b.tack;
    return NormaliseAngle(course - a.realDockHeading2) < 40 || NormaliseAngle(b.heading - a.realDockHeading2) > 320 ||
           NormaliseAngle(b.heading - a.realDockHeading1) < 40 || NormaliseAngle(b.heading - a.realDockHeading1) > 320;
}

// The boat lies one unit off the dock point on its water side (side 1 south,
// 2 west, 3 north, 4 east).
struct SideOffset {
    int32_t dx, dy;
};
constexpr SideOffset kDockSides[] = {{0, 0}, {0, 1}, {-1, 0}, {0, -1}, {1, 0}};

struct BuoyPoint {
    int32_t x, y;
};
BuoyPoint Buoy(const Moorings& m, int32_t n) {
    return n == 1 ? BuoyPoint{m.buoyX[0], m.buoy1Y} : BuoyPoint{m.buoyX[1], m.buoy2Y};
}

int32_t BuoyDistance(const Game& g, int32_t n) {
    const BuoyPoint p = Buoy(g.moorings, n);
    return Manhattan(g.ownBoat.cellX, g.ownBoat.cellY, p.x, p.y);
}

void PickUpBuoy(Game& g, int32_t n) {
    OwnBoat& b = g.ownBoat;
    const BuoyPoint p = Buoy(g.moorings, n);
    if (b.onBuoy == 0) StopUnderWay(b);
    b.onBuoy = n;
    LieToBuoy(g, p.x, p.y, 1);
    b.mooringLine = 2;
    NoteStop(g);
    g.anchorState.holdX = p.x;
    g.anchorState.holdY = p.y;
}

}  // namespace

void UpdateDocking(Game& g) {
    if (!HasPier(g)) return;
    OwnBoat& b = g.ownBoat;
    const AreaGrid& a = g.areaGrid;
    const int32_t distance = Manhattan(b.cellX, b.cellY, a.pierBerthX, a.pierBerthY);
    if (distance < 17 && b.speed < 31 && b.castOff == 0 && AlongPier(b.heading)) {
        if (b.atPier == 0) StopUnderWay(b);
        b.docked = 1;
        b.atPier = 1;
        if (b.speed > 0) NoteStop(g);
    } else if (g.hazards.contact == 0) {
        b.docked = 0;
    }
    if (distance > 60 && distance < 120) b.castOff = 0;
    if (b.docked == 1) PlaceBoat(b, a.pierBerthX, a.pierBerthY);
}

void UpdateAlongside(Game& g) {
    const AreaGrid& a = g.areaGrid;
    // An area without a built dock has nothing to lie alongside.
    if (g.cruiseOptions.isRealArea == 0 || a.realDockSide < 1 || a.realDockSide > 4) return;
    OwnBoat& b = g.ownBoat;
    const int32_t distance = Manhattan(b.cellX, b.cellY, a.realDockX, a.realDockY);
    if (distance < 13 && b.speedOverGroundTenths < 31 && b.castOff == 0 && AlongDock(g)) {
        b.alongside = 1;
        if (b.atPier == 0) StopUnderWay(b);
        b.atPier = 1;
        if (b.speed > 0) NoteStop(g);
    } else if (g.hazards.contact == 0) {
        b.alongside = 0;
    }
    if (distance > 60 && distance < 120) b.castOff = 0;
    const int32_t side = a.realDockSide;
    if (b.alongside == 1 && b.atPier == 1)
        PlaceBoat(b, a.realDockX + kDockSides[side].dx, a.realDockY + kDockSides[side].dy);
}

void UpdateBuoys(Game& g) {
    OwnBoat& b = g.ownBoat;
    if (b.mooringLine == 1) {
        if (BuoyDistance(g, 1) < 10 && std::abs(b.speedOverGroundTenths) < 35)
            PickUpBuoy(g, 1);
        else if (BuoyDistance(g, 2) < 10 && std::abs(b.speed) < 35)
            PickUpBuoy(g, 2);
    }
    if (b.onBuoy == 1 || b.onBuoy == 2) {
        const BuoyPoint p = Buoy(g.moorings, b.onBuoy);
        LieToBuoy(g, p.x, p.y, 1);
    }
    if (b.onBuoy > 0 && (std::abs(b.throttle) > 1 || b.sailsUp != 0)) {
        b.onBuoy = 0;
        b.mooringLine = 0;
        b.speed = 0;
        b.speedExact = 0.0;
    }
    if (b.onBuoy == 0 && BuoyDistance(g, 1) > 100 && BuoyDistance(g, 2) > 100) b.mooringLine = 1;
}

void LieToBuoy(Game& g, int32_t bx, int32_t by, int32_t j) {
    const int32_t bearing = LieDirection(g);
    g.anchorState.lineBearing = bearing;
    const double rad = bearing * kDegToRad;
    const double x = bx - 15.0 * std::sin(rad);
    const double y = by + 15.0 * std::cos(rad);
    if (j == 1) {
        PlaceBoat(g.ownBoat, x, y);
    } else if (j >= 0 && j < kFleetSlots) {
        g.objectList.fbx[40 + j] = x;
        g.objectList.fby[40 + j] = y;
    }
}

void RepairAtPier(Game& g) {
    const OwnBoat& b = g.ownBoat;
    if (b.atPier == 0 || (b.docked == 0 && b.alongside == 0)) return;
    Failures& f = g.failures;
    for (std::size_t i = 0; i < f.failed.size(); ++i) {
        if (f.failed[i] == 0) continue;
        f.failed[i] = 0;
        f.time[i] = 30000;
    }
}

}  // namespace vel
