#include "shell/compass_controls.h"

#include "common/helpers.h"

namespace vel {
namespace {

constexpr double kSwing = 30.0;
constexpr double kBinocularSwing = 15.0;

// One wrap each way, then the whole-degree reading beside it.
void SetBearing(ViewState& v, double bearing) {
    if (bearing < 0.0) bearing += 360.0;
    if (bearing > 360.0) bearing -= 360.0;
    v.compassBearingExact = bearing;
    v.handBearing = NormaliseAngle(Trunc(bearing));
}

void TurnView(ViewState& v, Look look) {
    switch (look) {
        case Look::Ahead: v.lookOffset = 0; break;
        case Look::Aft: v.lookOffset = 180; break;
        case Look::Right: v.lookOffset += 30; break;
        case Look::Left: v.lookOffset -= 30; break;
    }
}

}  // namespace

// Switching the compass on and keeping a bearing are with the other actions.
void CompassOff(Game& g) { g.viewState.compassMode = 0; }

void ToggleBinoculars(Game& g) {
    ViewState& v = g.viewState;
    v.binoculars = v.binoculars + 1 > 1 ? 0 : 1;
}

void LookAround(Game& g, Look look) {
    ViewState& v = g.viewState;
    if (v.compassMode != 1) {
        TurnView(v, look);
        return;
    }
    const double swing = v.binoculars == 1 ? kBinocularSwing : kSwing;
    switch (look) {
        case Look::Ahead: SetBearing(v, g.ownBoat.headingExact); break;
        case Look::Aft: SetBearing(v, g.ownBoat.headingExact + 180.0); break;
        case Look::Right: SetBearing(v, v.compassBearingExact + swing); break;
        case Look::Left: SetBearing(v, v.compassBearingExact - swing); break;
    }
}

int32_t CompassReading(const Game& g) {
    return NormaliseAngle(Trunc(g.viewState.compassBearingExact) + g.navState.variation);
}

}  // namespace vel
