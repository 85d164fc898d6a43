#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/boat_state.h"
#include "sim/engines.h"
#include "sim/sailing.h"
#include "sim/tick.h"

namespace vel {
namespace {

constexpr int32_t kConsumedX = -100;

// Consumed and absent clicks lie at or beyond the screen's edge (-100, 0):
// they never count, even before the boat has been drawn anywhere.
bool NearOwnBoat(const ScreenState& s, int32_t x, int32_t y) {
    if (x <= 0 || y <= 0) return false;
    const int32_t reach = s.width / 9;
    return std::abs(x - s.ownBoatScreenX) < reach && std::abs(y - s.ownBoatScreenY) < reach && y < s.panelTop;
}

// A click on the drawn boat turns her ten degrees: left to port, right to
// starboard. True when a click was taken.
bool BoatClick(Game& g) {
    ScreenState& s = g.screenState;
    InputState& in = g.inputState;
    OwnBoat& b = g.ownBoat;
    if (s.frozen || s.helpPage) return false;
    double turn = 0.0;
    if (NearOwnBoat(s, in.clickX, in.clickY)) {
        turn = -10.0;
        in.clickX = kConsumedX;
        in.clickY = 0;
    } else if (NearOwnBoat(s, in.rightClickX, in.rightClickY)) {
        turn = 10.0;
        in.rightClickX = kConsumedX;
        in.rightClickY = 0;
    } else {
        return false;
    }
    b.headingExact += turn;
    b.closeHauled = 0;
    b.tackRequest = 0;
    return true;
}

// Rudder from the pointer's offset from the centre line, growing faster
// toward the zone's edges.
int32_t MouseRudder(const ScreenState& s) {
    const int32_t d = std::abs(s.steerMouseX - s.steerCenterX);
    const double scale = s.hScale > 0.0 ? s.hScale : 1.0;
    const int32_t r = Trunc((s.steerCenterX - s.steerMouseX) / scale);
    if (d > Trunc(s.widthD * 0.134)) return 3 * r;
    if (d > Trunc(s.widthD * 0.067)) return 2 * r;
    return r;
}

void SteerHandBearingCompass(Game& g, int32_t r) {
    const ScreenState& s = g.screenState;
    ViewState& v = g.viewState;
    if (v.compassMode) {
        if (s.steerMouseY > s.steerZoneY && s.width / 3 < s.steerMouseX && s.steerMouseX < 2 * s.width / 3) {
            v.compassBearingExact -= r * 0.5 / std::sqrt(20.0 * std::max(1, g.cruiseOptions.stepDivisor));
            if (v.compassBearingExact < 0.0) v.compassBearingExact += 360.0;
            else if (v.compassBearingExact >= 360.0) v.compassBearingExact -= 360.0;
            v.handBearing = WrapDegrees(Trunc(v.compassBearingExact));
            v.compassHour = g.simClock.hour;
        }
    } else if (g.simClock.hour > v.compassHour + 1) {
        v.compassBearingExact = g.ownBoat.heading;
    }
}

// At anchor the boat sheers about the anchor line on her own.
int32_t AnchorSwing(const Game& g, int32_t r) {
    const OwnBoat& b = g.ownBoat;
    if (!b.anchored || b.throttle > 1) return r;
    const int32_t e = NormaliseAngle(b.heading - g.anchorState.lineBearing);
    if (e <= 3) return 0;
    if (std::abs(e - 180) < 30) return std::abs(e / 2) + 20;
    return (std::abs(e / 2) + 20) * (e >= 180 ? 1 : -1);
}

bool PointerInZone(const ScreenState& s) {
    return s.steerMouseY > s.steerZoneY - s.fullHeight / 14 && s.width / 3 < s.steerMouseX &&
           s.steerMouseX < 2 * s.width / 3;
}

double TurnRate(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    const int32_t type = g.cruiseOptions.boatType;
    double k = 0.04 * (0.1 + 9.0 / std::max(1, g.cruiseOptions.stepDivisor));
    if (type == 3 && b.gear < 0) k *= 0.4;
    if (type == 4 && b.gear < 0) k *= 0.06;
    if (std::abs(b.rudder) > 15) k *= 2.0;
    return k;
}

// Heeled too far, a monohull rounds up toward the wind: the broach.
int32_t WeatherHelm(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    const CruiseOptions& o = g.cruiseOptions;
    if (IsCatamaran(o)) return 0;
    int32_t h = 0;
    if (b.heel > 28) h = -60;
    if (b.heel > 38) h = -120;
    if (o.difficulty > 7) h = h * 3 / 2;
    if (b.spinnaker && b.heel >= 25) h = -400;
    if (g.weather.windSpeed > 30 && b.heel >= 25) h = -400;
    if (o.noBroaching) h = 0;
    return h;
}

double HelmTurn(const Game& g, int32_t r, double k) {
    const OwnBoat& b = g.ownBoat;
    const int32_t helm = g.cruiseOptions.helm;
    double t = (WeatherHelm(g) * b.tack + r * helm) * k;
    if (std::abs(b.speed) < 20 && b.throttle * b.gear < 4) t *= 0.5;
    // Making sternway without thrust ahead, the rudder acts the other way.
    if (b.speed < 0 && (b.throttle == 0 || b.gear < 3)) t = -t;
    if (std::abs(g.viewState.headingOffView) > 90) t = -t;
    return t;
}

void CompleteRequests(Game& g) {
    OwnBoat& b = g.ownBoat;
    const bool tacked = b.tackRequest == 1 && b.tack != b.prevTack;
    const bool upToWind = b.tackRequest == -1 && b.trueWindAngle < 70;
    if (tacked || upToWind) {
        b.closeHauled = 1;
        b.tackRequest = 0;
    }
    b.prevTack = b.tack;
    if (b.closeHauled) SetCloseHauled(g);
}

// Half way from a toward b along the shorter arc.
double HalfwayTo(double a, double b) {
    double diff = std::fmod(b - a, 360.0);
    if (diff > 180.0) diff -= 360.0;
    else if (diff < -180.0) diff += 360.0;
    return a + diff / 2.0;
}

bool WithinOf(int32_t heading, int32_t direction, int32_t tolerance) {
    const int32_t e = NormaliseAngle(heading - direction);
    return e < tolerance || e > 360 - tolerance;
}

void HoldMadeFastHeading(Game& g) {
    OwnBoat& b = g.ownBoat;
    const AreaGrid& a = g.areaGrid;
    const int32_t line = g.anchorState.lineBearing;
    if (b.onBuoy) b.headingExact = line;
    if (b.anchored && b.throttle <= 1) b.headingExact = HalfwayTo(b.headingExact, line);
    if (b.docked) b.headingExact = (b.heading > 180 && b.heading < 350) ? 270 : 90;
    if (b.alongside && g.cruiseOptions.isRealArea)
        b.headingExact = WithinOf(b.heading, a.realDockHeading1, 40) ? a.realDockHeading1 : a.realDockHeading2;
}

void WrapHeading(OwnBoat& b) {
    double& h = b.headingExact;
    if (!std::isfinite(h)) h = b.heading;
    if (h < 0.0) h += 360.0;
    else if (h >= 360.0) h -= 360.0;
    // Set far out of range, it is folded the whole way.
    if (h < 0.0 || h >= 360.0) {
        h = std::fmod(h, 360.0);
        if (h < 0.0) h += 360.0;
    }
}

}  // namespace

void UpdateSteering(Game& g) {
    OwnBoat& b = g.ownBoat;
    const ScreenState& s = g.screenState;
    if (!BoatClick(g)) {
        int32_t r = MouseRudder(s);
        SteerHandBearingCompass(g, r);
        r = AnchorSwing(g, r);
        if (PointerInZone(s) && g.viewState.compassMode == 0) {
            b.closeHauled = 0;
            b.tackRequest = 0;
            b.rudder = r / 10;
            if (std::abs(g.viewState.headingOffView) > 90 && g.cruiseOptions.helm == -1) b.rudder = -b.rudder;
        } else {
            r = 0;
            b.rudder = 0;
        }
        if (b.tackRequest != 0) {
            r = -500 * g.cruiseOptions.helm * b.tack;
            b.rudder = r / 14;
        }
        const double k = TurnRate(g);
        b.headingExact -= HelmTurn(g, r, k);
        if (b.throttle > 0) b.headingExact -= PropellerTurn(g) * k;
        CompleteRequests(g);
        HoldMadeFastHeading(g);
        WrapHeading(b);
    }
    b.heading = WrapDegrees(Trunc(b.headingExact));
}

}  // namespace vel
