#include "sim/anchoring.h"

#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/docking.h"
#include "sim/real_traffic.h"
#include "sim/sim_common.h"

namespace vel {
namespace {

// Anchor states of the own boat.
constexpr int32_t kDragging = -1, kUp = 0, kLetGo = 1, kSetting = 2, kHolding = 3;

// A tender bearing of 0 or more is an anchor still in the tender: it is not
// in the water, whatever its state says.
bool AnchorTwoInTender(const OwnBoat& b) { return b.tenderAnchorBearing >= 0; }

bool AnchorSet(const Game& g, int k) {
    if (k == 2 && AnchorTwoInTender(g.ownBoat)) return false;
    return g.anchors.anchor[1][k] >= kSetting;
}

int32_t& LineLength(AnchorState& s, int k) { return k == 1 ? s.lineLength1 : s.lineLength2; }

// The tender rows anchor 2 out along the chosen bearing once anchor 1 holds
// (or in water too shoal to swing on one anchor). It is dropped where the
// tender takes it, so it starts with its line running out rather than being
// let go again under the boat.
void LayAnchorFromTender(Game& g) {
    OwnBoat& b = g.ownBoat;
    Anchors& a = g.anchors;
    const int32_t bearing = b.tenderAnchorBearing;
    if (bearing < 0 || !(a.anchor[1][1] == kHolding || b.depth < 8)) return;
    const double rad = bearing * kDegToRad;
    a.xanch[1][2] = b.cellX + Trunc(0.2 * b.anchorRode * std::sin(rad));
    a.yanch[1][2] = b.cellY - Trunc(0.2 * b.anchorRode * std::cos(rad));
    b.tenderAnchorBearing = -2;
    b.anchored = 1;
    a.anchor[1][2] = kSetting;
    g.anchorState.lineLength2 = b.anchorRode;
}

void ChangeLineLength(Game& g) {
    OwnBoat& b = g.ownBoat;
    const int32_t k = b.rodeChangeRequest;
    if (k == 1 || k == 2) LineLength(g.anchorState, k) = b.anchorRode;
    if (k > 0) b.rodeChangeRequest = 0;
}

void DropAnchor(Game& g, int k) {
    Anchors& a = g.anchors;
    a.xanch[1][k] = Trunc(g.ownBoat.x);
    a.yanch[1][k] = Trunc(g.ownBoat.y);
    LineLength(g.anchorState, k) = g.ownBoat.anchorRode;
    a.anchor[1][k] = kSetting;
    if (k == 1) g.anchorState.payingOut = 1;
}

// Scope against wind: line length over depth, both whole feet, against a need
// that grows by one for every ten knots. Chain or a kellet lets anchor 1 hold
// on three quarters of the scope.
void CheckHoldingPower(Game& g, int k, int32_t depth) {
    const OwnBoat& b = g.ownBoat;
    int32_t& state = g.anchors.anchor[1][k];
    const int32_t scope = LineLength(g.anchorState, k) / depth;
    const int32_t need = g.weather.windSpeed / 10 + 2;
    if (k == 2) {
        if (state == kHolding && scope < need) state = kDragging;
        return;
    }
    const bool weighted = g.cruiseOptions.anchor1Chain == 1 || b.kellet == 1;
    const int32_t limit = weighted ? (need * 3) / 4 : need;
    if (state == kHolding && scope < limit) state = kDragging;
    if (state == kDragging && scope > need && Thrust(b) < 2) state = kLetGo;
}

// The anchor sets once the boat has drifted far enough to draw the line taut
// (one twelfth of its length, in area units); engine thrust on a taut line
// breaks it out. A dragging anchor is only reset by being let go again.
// Returns the anchor the boat now lies to, or lieTo unchanged.
int TakeUpLine(Game& g, int k, int lieTo) {
    const OwnBoat& b = g.ownBoat;
    Anchors& a = g.anchors;
    AnchorState& s = g.anchorState;
    int32_t& state = a.anchor[1][k];
    s.distance = std::abs(Trunc(b.y) - Trunc(a.yanch[1][k])) + std::abs(Trunc(b.x) - Trunc(a.xanch[1][k]));
    if (12 * s.distance < LineLength(s, k)) {
        if (k == 2 && state != kDragging) state = kHolding;
        return lieTo;
    }
    if (state != kSetting && state != kHolding) return lieTo;
    if (Thrust(b) >= 4) {
        state = kDragging;
        return lieTo;
    }
    state = kHolding;
    if (k == 1) s.payingOut = 0;
    return k;
}

// Returns the anchor the boat lies to after both anchors were examined.
int WorkAnchors(Game& g) {
    const OwnBoat& b = g.ownBoat;
    const int32_t depth = b.depth > 0 ? b.depth : 1;
    int lieTo = 0;
    for (int k = 1; k <= 2; ++k) {
        int32_t& state = g.anchors.anchor[1][k];
        if (k == 2 && AnchorTwoInTender(b)) continue;
        if (k == 2 && b.depth < g.boatDesign.draft && b.tenderAnchorBearing == -2) {
            // Aground: the anchor the tender laid holds the boat off.
            state = kHolding;
            lieTo = g.anchorState.lineLength2 <= 149 ? 2 : 0;
            continue;
        }
        if (state == kLetGo) DropAnchor(g, k);
        CheckHoldingPower(g, k, depth);
        if (state != kUp) lieTo = TakeUpLine(g, k, lieTo);
    }
    return lieTo;
}

// The boat sails about its anchor: the line bearing and the heading swing
// with a period of about half an hour, less on chain, a kellet or two anchors.
void Swing(Game& g, int32_t direction) {
    OwnBoat& b = g.ownBoat;
    AnchorState& s = g.anchorState;
    const int32_t w = g.weather.windSpeed;
    int32_t amplitude = (s.lineLength1 * w) / 100;
    const bool bothSet = AnchorSet(g, 1) && AnchorSet(g, 2);
    if (bothSet || g.cruiseOptions.anchor1Chain == 1 || b.kellet == 1) amplitude = w / 2;
    const double t = 0.2 * g.simClock.dayMinutes;
    s.lineBearing = WrapDegrees(direction - Trunc(amplitude * std::sin(t)));
    if (b.hardAground == 0 && b.anchored == 1) {
        b.heading = WrapDegrees(Trunc(amplitude * std::cos(t)) + s.lineBearing);
        b.headingExact = b.heading;
    }
}

// With two anchors down the boat lies to the one farther upwind.
int UpwindAnchor(const Game& g) {
    const Anchors& a = g.anchors;
    const double rad = g.anchorState.lineBearing * kDegToRad;
    const double px = a.xanch[1][1] + 1000.0 * std::sin(rad);
    const double py = a.yanch[1][1] - 1000.0 * std::cos(rad);
    auto d2 = [&](int k) {
        const double dx = a.xanch[1][k] - px, dy = a.yanch[1][k] - py;
        return dx * dx + dy * dy;
    };
    return d2(2) < d2(1) ? 2 : 1;
}

void LieAtAnchor(Game& g, int k) {
    OwnBoat& b = g.ownBoat;
    AnchorState& s = g.anchorState;
    const Anchors& a = g.anchors;
    if (Thrust(b) < 2 && b.anchored == 1) {
        const int32_t r = (s.lineLength1 / 5 + 1) / 2;
        const double rad = s.lineBearing * kDegToRad;
        b.x = a.xanch[1][k] - std::sin(rad) * r;
        b.y = a.yanch[1][k] + std::cos(rad) * r;
        b.cellX = Trunc(b.x);
        b.cellY = Trunc(b.y);
    }
    s.holdX = Trunc(a.xanch[1][k]);
    s.holdY = Trunc(a.yanch[1][k]);
}

}  // namespace

int32_t LieDirection(const Game& g) {
    const Weather& w = g.weather;
    // The chart current at anchor 1 is the boat's own: she lies within a
    // few lengths of it.
    if (!IsVirtualArea(g.cruiseOptions)) {
        const TideState& t = g.tideState;
        return RealLieDirection(w.windDirection, w.windSpeed, t.boatCurrentFrom, t.boatCurrentSpeed);
    }
    const TideState& t = g.tideState;
    if (std::abs(t.boatCurrentSpeed) < 2 * w.windSpeed / 3) return w.windDirection;
    return WrapDegrees(t.boatCurrentSpeed < 0 ? t.boatCurrentFrom + 180 : t.boatCurrentFrom);
}

void UpdateAnchors(Game& g) {
    LayAnchorFromTender(g);
    ChangeLineLength(g);
    int lieTo = WorkAnchors(g);
    Swing(g, LieDirection(g));
    if (AnchorSet(g, 1) && AnchorSet(g, 2)) lieTo = UpwindAnchor(g);
    if (lieTo > 0) LieAtAnchor(g, lieTo);
}

void UpdateMadeFast(Game& g) {
    const auto& own = g.anchors.anchor[1];
    if (own[1] != kUp || own[2] != kUp) UpdateAnchors(g);
    UpdateDocking(g);
    UpdateAlongside(g);
    UpdateBuoys(g);
    RepairAtPier(g);
}

void ResetMadeFast(Game& g) {
    OwnBoat& b = g.ownBoat;
    b.atPier = b.castOff = b.mooringLine = 0;
    b.tenderAnchorBearing = -1;
    b.rodeChangeRequest = 0;
    g.anchorState = AnchorState{};
    for (int k = 1; k <= 2; ++k) {
        g.anchors.anchor[1][k] = kUp;
        g.anchors.xanch[1][k] = g.anchors.yanch[1][k] = 0.0;
    }
}

}  // namespace vel
