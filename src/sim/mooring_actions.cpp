#include "sim/mooring_actions.h"

namespace vel {

void RestoreStopSpeed(Game& g) {
    CruiseOptions& o = g.cruiseOptions;
    const SimClock& c = g.simClock;
    if (o.simSpeed > c.speedBeforeStop) {
        o.simSpeed = c.speedBeforeStop;
        o.stepDivisor = c.divisorBeforeStop;
    }
}

void LetGoAnchor(Game& g, int32_t k) {
    if (k != 1 && k != 2) return;
    SimClock& c = g.simClock;
    OwnBoat& b = g.ownBoat;
    c.speedBeforeStop = g.cruiseOptions.simSpeed;
    c.divisorBeforeStop = g.cruiseOptions.stepDivisor;
    c.stopHour = c.hour;
    g.anchors.anchor[1][k] = 1;
    if (b.throttle != 0) {
        b.throttle = 1;
        b.gear = 0;
    }
    b.twinSplit = 0;
    b.sailsUp = 0;
}

void WeighAnchors(Game& g) {
    g.anchors.anchor[1][1] = 0;
    g.anchors.anchor[1][2] = 0;
    g.ownBoat.tenderAnchorBearing = -1;
    g.simClock.stopHour = -1;
    RestoreStopSpeed(g);
}

void LayAnchorByTender(Game& g, int32_t bearing) {
    if (bearing != 0 && bearing != 90 && bearing != 180 && bearing != 270) return;
    g.anchors.anchor[1][2] = 2;
    g.ownBoat.tenderAnchorBearing = bearing;
}

void CastOffFromPier(Game& g) {
    OwnBoat& b = g.ownBoat;
    b.castOff = 1;
    b.atPier = 0;
    RestoreStopSpeed(g);
    g.simClock.stopHour = -1;
    b.speedExact = 0.0;
}

void LetGoMooring(Game& g) {
    OwnBoat& b = g.ownBoat;
    b.onBuoy = 0;
    b.mooringLine = 0;
    g.simClock.stopHour = -1;
    b.speedExact = 0.0;
    RestoreStopSpeed(g);
}

}  // namespace vel
