#include <cmath>

#include "common/helpers.h"
#include "sim/anchoring.h"
#include "sim/boat_state.h"
#include "sim/hazards.h"
#include "sim/sailing.h"
#include "sim/tick.h"
#include "sim/vessels.h"
#include "sim/weather.h"
#include "world/passages.h"

namespace vel {
namespace {

// While made fast the clock leaps three hours at each even hour, so that
// nights at anchor pass quickly.
void ThreeHourJump(Game& g) {
    SimClock& c = g.simClock;
    if (MadeFast(g.ownBoat) && c.hour % 2 == 0 && c.hour > c.stopHour + 1 && g.cruiseOptions.noTimeSkip == 0) {
        c.timeStep = 180.0 / c.minutesPerUnit;
        c.jumpBanner = g.cruiseOptions.simSpeed + 12;
    }
}

void AdvanceTime(Game& g) {
    SimClock& c = g.simClock;
    const int32_t departure = g.cruiseOptions.departureHour;
    c.elapsed += c.timeStep;
    c.elapsedToday += c.timeStep;
    c.cruiseMinutes = c.minutesPerUnit * c.elapsed + 60.0 * departure;
    c.dayMinutes = c.minutesPerUnit * c.elapsedToday + (c.day == 1 ? 60.0 * departure : 0.0);
    c.cruiseHours = Trunc(c.cruiseMinutes / 60.0);
    c.dayHours = c.dayMinutes / 60.0;

    // One rollover per tick: what a jump carries past midnight is dropped.
    if (c.dayHours > 24.0) {
        c.day += 1;
        c.dayHours = 0.0;
        c.dayMinutes = 0.0;
        c.elapsedToday = 0.0;
        DailyWeather(g, 0);
        c.stopHour = -1;
    }
    c.hour = Trunc(c.dayHours);
    c.minute = Trunc(c.dayMinutes) - 60 * c.hour;
}

void StepCycles(SimClock& c, int32_t divisor) {
    if (++c.cycleA > 2 * divisor + 2) c.cycleA = 0;
    if (++c.cycleB > 3 * divisor) c.cycleB = 0;
    if (++c.cycleC > (2 * divisor) / 3) c.cycleC = 0;
    if (++c.cycle60 > 60) c.cycle60 = 1;
}

void MorningSpeedRestore(Game& g) {
    SimClock& c = g.simClock;
    CruiseOptions& o = g.cruiseOptions;
    if (c.hour >= 6 && c.hour <= 8 && o.simSpeed > c.speedBeforeStop && c.dawnSpeedRestored == 0) {
        o.simSpeed = c.speedBeforeStop;
        o.stepDivisor = c.divisorBeforeStop;
        c.dawnSpeedRestored = 1;
    }
    if (c.hour > 8) c.dawnSpeedRestored = 0;
}

// Velocity over ground in thousandths of the speed unit, from the course
// through the water and the current at the boat.
void MoveBoat(Game& g, int32_t course) {
    OwnBoat& b = g.ownBoat;
    double cx = 0.0, cy = 0.0;
    // Made fast or aground, the boat does not drift.
    if (!MadeFast(b) && !Aground(g)) {
        const int32_t from = g.tideState.boatCurrentFrom;
        cx = -static_cast<double>(Sin100(g, from)) * g.tideState.boatCurrentSpeed;
        cy = static_cast<double>(Cos100(g, from)) * g.tideState.boatCurrentSpeed;
    }
    const double vx = cx + 100.0 * std::sin(course * kDegToRad) * b.speed;
    const double vy = cy - 100.0 * std::cos(course * kDegToRad) * b.speed;
    b.speedOverGround = std::sqrt((vx / 1000.0) * (vx / 1000.0) + (vy / 1000.0) * (vy / 1000.0));
    b.speedOverGroundTenths = Trunc(10.0 * b.speedOverGround);
    b.courseOverGround = NormaliseAngle(BearingOf(Trunc(vx), -Trunc(vy)) + g.navState.variation);

    const double step = g.simClock.timeStep;
    b.x += step * 0.001 * vx;
    b.y += step * 0.001 * vy;
}

}  // namespace

void AdvanceClockAndMove(Game& g) {
    SimClock& c = g.simClock;
    OwnBoat& b = g.ownBoat;
    const CruiseOptions& o = g.cruiseOptions;
    const int32_t unitsPerMile = g.areaGrid.unitsPerMile > 0 ? g.areaGrid.unitsPerMile : 300;

    c.timeStep = TickStep(o);
    c.minutesPerUnit = 61.2 / unitsPerMile;

    if (c.elapsed < 2.0 * c.timeStep) PlaceOpeningItems(g);

    UpdateLeeway(g);
    const int32_t course = b.heading - b.leeway * b.tack;

    c.jumpBanner = std::max(0, c.jumpBanner - 1);
    ThreeHourJump(g);
    AdvanceTime(g);
    StepCycles(c, o.stepDivisor);
    MorningSpeedRestore(g);

    UpdateStorm(g);  // both quiet at the first difficulty
    UpdateFailures(g);
    UpdateStormState(g);
    CheckFrontArrival(g);

    MoveBoat(g, course);
    CheckZoneCrossings(g);
    b.cellX = Trunc(b.x);
    b.cellY = Trunc(b.y);
    if (o.region == 5) g.passageState.bankLineY = BankLineY(Trunc(b.x));
    b.log += b.speed * c.timeStep * 0.0996 / unitsPerMile;

    UpdateMadeFast(g);
    UpdateVesselsAndHazards(g);
    if (o.region == 5) {
        const int32_t cx = Trunc(b.x), cy = Trunc(b.y);
        g.passageState.onBank =
            (g.areaGrid.gulfEastX < cx && cx < g.passageState.bankEastX && cy > g.passageState.bankLineY) ? 1 : 0;
    }
}

void RunSimulationSteps(Game& g) {
    UpdateEnvironment(g);
    UpdateSteering(g);
    UpdateSpeed(g);
    AdvanceClockAndMove(g);
}

void ResetClock(Game& g) {
    SimClock& c = g.simClock;
    const int32_t departure = g.cruiseOptions.departureHour;
    c.hour = departure;
    c.dayHours = departure;
    c.dayMinutes = 60.0 * departure;
    c.minute = 0;
    c.day = 1;
    c.elapsed = c.elapsedToday = c.cruiseMinutes = 0.0;
    c.cruiseHours = departure;
    c.stopHour = -1;
    c.jumpBanner = 0;
    c.dawnSpeedRestored = 0;
    c.cycleA = c.cycleB = c.cycleC = c.cycle60 = 0;
}

void ResetClockAndBoat(Game& g) {
    ResetClock(g);
    OwnBoat& b = g.ownBoat;
    b.log = 0.0;
    b.speedExact = 0.0;
    b.speed = 0;
    b.depth = 10;
    b.anchored = b.docked = b.onBuoy = b.alongside = 0;
    b.throttle = 0;
    b.gear = 0;
    b.twinSplit = 0;
    b.tackRequest = 0;
    b.closeHauled = 0;
    b.heel = 0;
    b.leeway = 0;
    b.hardAground = 0;
    g.anchors.anchor[1][1] = g.anchors.anchor[1][2] = 0;
    ResetSailPlan(g);
    g.hazards = Hazards{};
    g.score.tooClose = 0;
    g.score.anchorageCalm = 10;
    ResetFailures(g);
}

void SetStartHeading(Game& g) {
    OwnBoat& b = g.ownBoat;
    const int32_t wind = g.weather.baseDirection;
    b.heading = g.cruiseOptions.isPassage ? wind : NormaliseAngle(wind + 180);
    b.headingExact = b.heading;
    b.tack = 1;
    b.prevTack = 1;
}

}  // namespace vel
