#include "sim/sailing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "sim/boat_state.h"
#include "sim/engines.h"
#include "sim/hazards.h"
#include "sim/tick.h"

namespace vel {
namespace {

// ---- Wind angles -------------------------------------------------------------

void UpdateWindAngles(Game& g) {
    OwnBoat& b = g.ownBoat;
    const int32_t d = b.heading - g.weather.windDirection;
    b.trueWindAngle = std::abs(d) > 180 ? 360 - std::abs(d) : std::abs(d);
    b.tack = ((d > 0 && d < 180) || d < -180) ? -1 : 1;
}

// ---- Made fast -------------------------------------------------------------

// Anchored, moored or tied up, the model does not run; true when it stops here.
bool HoldMadeFast(Game& g) {
    OwnBoat& b = g.ownBoat;
    const auto& own = g.anchors.anchor[1];
    const int32_t wasAnchored = b.anchored;
    b.anchored = (own[1] > 2 || own[2] > 2) ? 1 : 0;
    if (b.anchored && !wasAnchored && b.throttle != 0) {
        b.throttle = 1;
        b.sailsUp = 0;
    }
    if (TiedToPier(b)) {
        b.heel = 0;
        b.speed = 0;
        b.speedExact = 0.0;
        return true;
    }
    if (b.onBuoy || b.anchored) {
        b.speed = 0;
        b.speedExact = 0.0;
        b.heel = 2 * g.waveMotion.pitch;
        return true;
    }
    const auto dragging = [](int32_t s) { return s == 1 || s == 2 || s == -1; };
    if ((dragging(own[1]) || dragging(own[2])) && b.speed > 30) {
        b.speed = 30;
        b.speedExact = 30.0;
        return true;
    }
    return false;
}

// ---- Sail drive --------------------------------------------------------------

int32_t DriveFactor(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    const int32_t a = b.trueWindAngle;
    const int32_t k = 222 - 22 * b.headsail - 30 * b.reefed;
    if (IsCatamaran(g.cruiseOptions)) return a <= 85 ? ((k + 100) * a) / 85 - 100 : k - (a - 60) / 6;
    return a <= 60 ? ((k + 80) * a) / 60 - 80 : k - (a - 60) / 6;
}

int32_t SailDrive(Game& g) {
    OwnBoat& b = g.ownBoat;
    b.sheetAngle = b.sailsUp ? b.sheet * 17 / 10 : 0;
    int32_t d = DriveFactor(g);
    const int32_t awa = b.apparentWindAngle;
    b.luffing = awa < b.sheetAngle + 34 ? std::min(5 * (b.sheetAngle + 34 - awa), 99) : 0;
    b.overTrimmed = awa > b.sheetAngle + 52 ? 1 : 0;
    d = ((100 - b.luffing) * d) / 100;
    if (b.spinnaker || b.wingAndWing) {
        int32_t bonus = (40 - SpinnakerFactor(g)) * 5;
        if (!b.spinnaker) bonus /= 2;
        d += bonus;
    }
    return std::max(d, 1);
}

// ---- Force and heel ----------------------------------------------------------

int32_t SailForce(Game& g, int32_t drive, int32_t pressure) {
    OwnBoat& b = g.ownBoat;
    const int64_t c = b.heel > 0 ? Cos100(g, b.heel) : g.trigTables.cos100[0];
    int64_t f = (((drive * static_cast<int64_t>(pressure) * c) / 10000) * g.boatDesign.sailArea * c) / 1000;
    if (!b.sailsUp) f /= 10;
    b.sailForce = static_cast<int32_t>(f);
    return b.sailForce;
}

// The boat heels toward the force's heel one degree a tick.
void UpdateHeel(Game& g) {
    OwnBoat& b = g.ownBoat;
    const int32_t divisor = IsCatamaran(g.cruiseOptions) ? 16000 : 2400;
    const int32_t extra = b.trueWindAngle > 60 ? 2 * g.waveMotion.pitch : 0;
    const int64_t target = static_cast<int64_t>(Cos100(g, b.sheetAngle)) * b.sailForce / divisor + extra;
    if (target > b.heel) b.heel += 1;
    else if (target < b.heel) b.heel -= 1;
    b.heel = std::min(b.heel, 35);
}

// ---- Resistance and drive ------------------------------------------------

int32_t Windage(const Game& g) {
    const OwnBoat& b = g.ownBoat;
    const CruiseOptions& o = g.cruiseOptions;
    const int32_t waves = g.weather.waveState;
    int32_t w = ((90 - b.trueWindAngle) * g.weather.windSpeed) / 15;
    if (!b.sailsUp && IsSailboat(o)) w = w * 5 / 2;
    if (IsCatamaran(o) && waves <= 2) w = w * 3 / 2;
    if (waves > 2 && b.trueWindAngle < 60) w = w * 2;
    return w;
}

int32_t DriveFromSails(const Game& g, int32_t windage) {
    const OwnBoat& b = g.ownBoat;
    const int32_t a = b.trueWindAngle;
    int32_t i = a <= 60 ? (a * 10) / 60 + 10 : 22 - (a - 60) / 6;
    if (b.spinnaker) i -= 8;
    i -= b.luffing / 5;
    i = std::max(i, 0);
    const int64_t p = static_cast<int64_t>(Sin100(g, i + b.sheetAngle + 10)) * b.sailForce / 10 - windage;
    return static_cast<int32_t>(std::clamp<int64_t>(p, INT32_MIN / 2, INT32_MAX / 2));
}

// ---- Speed -------------------------------------------------------------------

int32_t Displacement(const Game& g) { return std::max(g.boatDesign.displacement, 1); }

void Accelerate(Game& g, int32_t drive) {
    OwnBoat& b = g.ownBoat;
    const int32_t limit = HeelLimit(g);
    const int32_t over = b.heel - limit;
    const double loss = b.heel > limit ? std::min(over * over, 33) : 0;
    const double a = std::clamp(TargetSpeed(g, drive) - loss - b.speedExact, -20.0, 20.0);
    b.speedExact += a * TickStep(g.cruiseOptions) / Displacement(g);
}

// Slams, the first instant of the cruise, shoal water and hard ground.
void LimitSpeed(Game& g) {
    OwnBoat& b = g.ownBoat;
    const SimClock& c = g.simClock;
    const int32_t draft = g.boatDesign.draft;
    if (b.slammed) b.speedExact -= 8.0;
    if (c.day == 1 && c.dayHours == static_cast<double>(g.cruiseOptions.departureHour)) b.speedExact = 0.0;
    if (b.depth < draft) b.speedExact = std::clamp(b.speedExact, -5.0, 5.0);
    b.hardAground = b.depth < draft - 1 ? 1 : 0;
    if (b.hardAground) {
        const double sign = b.speedExact > 0.0 ? 1.0 : b.speedExact < 0.0 ? -1.0 : 0.0;
        b.speedExact = b.depth < 1 ? 0.0 : sign;
        b.heel = g.waveMotion.pitch + (g.cruiseOptions.boatType == 1 ? 12 : 5);
    }
}

}  // namespace

int32_t ComputeApparentWind(Game& g) {
    OwnBoat& b = g.ownBoat;
    const int32_t a = std::clamp(b.trueWindAngle, 0, 180);
    const int64_t w = g.weather.windSpeed;
    const int64_t along = g.trigTables.cos100[a] * w / 10 + b.speed;
    const int64_t across = g.trigTables.sin100[a] * w / 10;
    const double q = 0.01 * (static_cast<double>(along) * along + static_cast<double>(across) * across);
    b.apparentWindSpeed = Trunc(std::sqrt(q));
    if (along == 0) b.apparentWindAngle = 90;
    else if (across == 0) {
        if (a < 5) b.apparentWindAngle = 0;
        else if (a > 179) b.apparentWindAngle = 179;
    } else if (along > 0) {
        b.apparentWindAngle = Trunc(kRadToDeg * std::atan(static_cast<double>(across) / along));
    } else {
        b.apparentWindAngle = 90 + Trunc(kRadToDeg * std::atan(static_cast<double>(-along) / across));
    }
    if (a > 179) b.apparentWindAngle = 179;
    return Trunc(1.2 * q);
}

int32_t SpinnakerFactor(const Game& g) {
    const int32_t seen = g.ownBoat.apparentWindAngleSeen;
    if (seen < 70) return 100;
    if (seen < 80) return 30;
    if (seen > 165 && g.cruiseOptions.cruisingSpinnaker) return 30;
    return 0;
}

int32_t HeelLimit(const Game& g) { return IsCatamaran(g.cruiseOptions) ? 10 : 25; }

double TargetSpeed(const Game& g, int32_t drive) {
    const double h = 8.5 * std::sqrt(std::max(g.boatDesign.length, 0));
    const double top = h * (IsCatamaran(g.cruiseOptions) ? 16.0 : 12.5) / Displacement(g);
    const double r = drive == 0 ? 0.0 : std::copysign(std::sqrt(std::abs(static_cast<double>(drive))), drive);
    const double t = r <= 24.0 ? r * h / 24.0 : h + (r - 24.0) * (top - h) / 23.0;
    return std::clamp(t, -40.0, 200.0);
}

void UpdateSpeed(Game& g) {
    OwnBoat& b = g.ownBoat;
    const int32_t pressure = ComputeApparentWind(g);
    b.apparentWindAngleSeen = b.apparentWindAngle;
    UpdateWindAngles(g);
    if (HoldMadeFast(g)) return;

    SailForce(g, SailDrive(g), pressure);
    UpdateHeel(g);
    const int32_t windage = Windage(g);
    int32_t drive = DriveFromSails(g, windage);
    StopUnavailableEngine(g);
    if (!b.sailsUp) drive = EngineDrive(g, windage);

    Accelerate(g, drive);
    LimitSpeed(g);
    CheckPierContact(g);
    b.speedExact = std::max(b.speedExact, -40.0);
    b.speed = Trunc(b.speedExact);
    if (b.autoTrim) AutoTrim(g, HeelLimit(g));
    // A boat that has struck the pier stays where it is.
    if (g.hazards.contact >= 1) {
        b.speedExact = 0.0;
        b.speed = 0;
    }
}

void AutoTrim(Game& g, int32_t limit) {
    OwnBoat& b = g.ownBoat;
    if (b.heel > limit) {
        if (b.spinnaker) b.sheet += 1;
        else {
            if (b.sheet < 14) b.sheet += 1;
            if (b.sheet >= 14) b.sheet += 3;
        }
        b.sheet = std::min(b.sheet, 47);
    } else if (b.overTrimmed) {
        b.sheet = std::min(b.sheet + 3, 47);
    } else if (b.luffing > 0) {
        if (b.heel <= limit - 2 && b.sheet >= 16) b.sheet -= 2;
        if (b.heel <= limit - 2 && b.sheet > 9 && b.sheet < 16) b.sheet -= 1;
        if (b.heel < limit - 2 && b.sheet <= 9) b.sheet -= 1;
        b.sheet = std::max(b.sheet, -2);
    }
}

void UpdateLeeway(Game& g) {
    OwnBoat& b = g.ownBoat;
    if (MadeFast(b) || Aground(g)) {
        b.leeway = 0;
        return;
    }
    const int64_t s = b.speed;
    if (std::abs(s) > 1) {
        int64_t lw = b.sailsUp ? static_cast<int64_t>(Cos100(g, b.sheetAngle)) * b.sailForce
                               : static_cast<int64_t>(Sin100(g, b.apparentWindAngle)) * g.weather.windSpeed * 10;
        lw = (2 * lw) / (4 * s * s);
        if (IsCatamaran(g.cruiseOptions)) lw = lw * 5 / 2;
        int64_t leeway = (lw + b.leeway) / 2;
        if (b.heel > 23) leeway = leeway * b.heel / 23;
        b.leeway = static_cast<int32_t>(std::clamp<int64_t>(leeway, -15, 15));
    } else {
        b.leeway = 15;
    }
    if (s < 0) b.leeway = -b.leeway;
}

void SetCloseHauled(Game& g) {
    OwnBoat& b = g.ownBoat;
    const int32_t base = IsCatamaran(g.cruiseOptions) ? 50 : 47;
    b.headingExact = g.weather.windDirection - (base - g.weather.windSpeed / 8) * b.tack;
}

void ResetSailPlan(Game& g) {
    OwnBoat& b = g.ownBoat;
    b.spinnaker = 0;
    b.reefed = 0;
    b.wingAndWing = 0;
    b.overTrimmed = 0;
    b.sheetAngle = 15;
    b.sailsUp = IsSailboat(g.cruiseOptions) ? 1 : 0;
    b.headsail = 1;
}

}  // namespace vel
