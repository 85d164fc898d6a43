#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "common/helpers.h"
#include "shell/settings.h"
#include "sim/tick.h"

namespace vel {
namespace {

// 61.2 / 300: minutes per time unit in the generated areas.
constexpr double kMinutesPerUnit = 0.204;

class Clock : public ::testing::Test {
protected:
    std::unique_ptr<Game> g = std::make_unique<Game>();
    SimClock& c = g->simClock;
    OwnBoat& b = g->ownBoat;

    void SetUp() override {
        BuildTrigTables(g->trigTables);
        g->areaGrid.unitsPerMile = 300;
        g->cruiseOptions.difficulty = 1;  // no failures
        g->boatDesign.draft = 5;
    }
    void Start(int speed, int departureHour) {
        SetSpeed(g->cruiseOptions, speed);
        g->cruiseOptions.departureHour = departureHour;
        ResetClockAndBoat(*g);
    }
    void Tick() { AdvanceClockAndMove(*g); }
    // Ticks until done() holds; fails the test instead of looping forever.
    void TickUntil(const std::function<bool()>& done, int limit = 200000) {
        for (int i = 0; i < limit; ++i) {
            if (done()) return;
            Tick();
        }
        FAIL() << "condition never reached";
    }
};

// ---- Time step ----------------------------------------------------------------

struct StepCase {
    int speed;
    int unitsPerMile;
    double timeStep;
    double minutesPerTick;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << "speed " << c.speed << ", " << c.unitsPerMile << " units a mile";
}

class ClockStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(ClockStep, OneTickAdvancesThirtyOverTheDivisor) {
    const StepCase& p = GetParam();
    auto g = std::make_unique<Game>();
    g->areaGrid.unitsPerMile = p.unitsPerMile;
    g->cruiseOptions.difficulty = 1;
    SetSpeed(g->cruiseOptions, p.speed);
    g->cruiseOptions.departureHour = 9;
    ResetClockAndBoat(*g);
    AdvanceClockAndMove(*g);
    const SimClock& c = g->simClock;
    EXPECT_NEAR(c.timeStep, p.timeStep, 1e-12);
    EXPECT_NEAR(c.minutesPerUnit, 61.2 / p.unitsPerMile, 1e-12);
    EXPECT_NEAR(c.elapsed, p.timeStep, 1e-12);
    EXPECT_NEAR(c.dayMinutes - 540.0, p.minutesPerTick, 1e-9);
    EXPECT_NEAR(c.cruiseMinutes - 540.0, p.minutesPerTick, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Speeds, ClockStep,
                         ::testing::Values(StepCase{15, 300, 3.0, 0.612},
                                           StepCase{9, 300, 30.0 / 114, 30.0 / 114 * 0.204},
                                           StepCase{1, 300, 30.0 / 2919, 30.0 / 2919 * 0.204},
                                           StepCase{15, 140, 3.0, 3.0 * 61.2 / 140}));

TEST_F(Clock, SlowestSpeedIsAboutAnEighthOfASecond) {
    Start(1, 9);
    Tick();
    EXPECT_NEAR((c.dayMinutes - 540.0) * 60.0, 0.1258, 1e-4);
}

// ---- Days ---------------------------------------------------------------------

TEST_F(Clock, EveningDepartureReachesDayTwoAfterSixHours) {
    Start(15, 18);
    EXPECT_EQ(c.hour, 18);
    EXPECT_DOUBLE_EQ(c.dayHours, 18.0);
    // 360 minutes at 0.612 per tick: the 589th tick passes midnight.
    for (int i = 0; i < 588; ++i) Tick();
    EXPECT_EQ(c.day, 1);
    EXPECT_EQ(c.hour, 23);
    EXPECT_EQ(c.minute, 59);
    Tick();
    EXPECT_EQ(c.day, 2);
    EXPECT_EQ(c.hour, 0);
    EXPECT_EQ(c.minute, 0);
    EXPECT_EQ(c.dayMinutes, 0.0);
    EXPECT_EQ(c.elapsedToday, 0.0);
    EXPECT_EQ(c.cruiseHours, 24);
    EXPECT_NEAR(c.elapsed, 589 * 3.0, 1e-9);
    // Day two no longer adds the departure hour.
    Tick();
    EXPECT_NEAR(c.dayMinutes, 0.612, 1e-9);
    EXPECT_EQ(c.hour, 0);
}

TEST_F(Clock, MidnightClearsTheStopHour) {
    Start(15, 18);
    c.stopHour = 20;
    TickUntil([&] { return c.day == 2; });
    EXPECT_EQ(c.stopHour, -1);
}

// ---- Three-hour jumps -----------------------------------------------------------

struct JumpCase {
    const char* what;
    int hour;
    int stopHour;
    int OwnBoat::*madeFast;  // nullptr: under way
    int noTimeSkip;
    bool jumps;
};

void PrintTo(const JumpCase& c, std::ostream* os) { *os << c.what; }

class ThreeHourJump : public ::testing::TestWithParam<JumpCase> {};

TEST_P(ThreeHourJump, MadeFastBoatsLeapAtEvenHours) {
    const JumpCase& p = GetParam();
    auto g = std::make_unique<Game>();
    g->areaGrid.unitsPerMile = 300;
    g->cruiseOptions.difficulty = 1;
    SetSpeed(g->cruiseOptions, 15);
    g->cruiseOptions.departureHour = p.hour;
    g->cruiseOptions.noTimeSkip = p.noTimeSkip;
    ResetClockAndBoat(*g);
    g->simClock.stopHour = p.stopHour;
    if (p.madeFast) g->ownBoat.*p.madeFast = 1;
    AdvanceClockAndMove(*g);
    const SimClock& c = g->simClock;
    if (p.jumps) {
        EXPECT_NEAR(c.timeStep, 180.0 / kMinutesPerUnit, 1e-9) << p.what;
        EXPECT_EQ(c.hour, p.hour + 3) << p.what;
        EXPECT_EQ(c.minute, 0) << p.what;
        EXPECT_EQ(c.jumpBanner, 15 + 12) << p.what;
    } else {
        EXPECT_EQ(c.timeStep, 3.0) << p.what;
        EXPECT_EQ(c.hour, p.hour) << p.what;
        EXPECT_EQ(c.jumpBanner, 0) << p.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ThreeHourJump,
                         ::testing::Values(JumpCase{"anchored", 12, 9, &OwnBoat::anchored, 0, true},
                                           JumpCase{"docked", 12, 9, &OwnBoat::docked, 0, true},
                                           JumpCase{"on a buoy", 12, 9, &OwnBoat::onBuoy, 0, true},
                                           JumpCase{"alongside", 12, 9, &OwnBoat::alongside, 0, true},
                                           JumpCase{"under way", 12, 9, nullptr, 0, false},
                                           JumpCase{"odd hour", 11, 9, &OwnBoat::docked, 0, false},
                                           JumpCase{"the hour after stopping", 10, 9, &OwnBoat::docked, 0, false},
                                           JumpCase{"two hours after stopping", 12, 11, &OwnBoat::docked, 0, false},
                                           JumpCase{"no time skip", 12, 9, &OwnBoat::docked, 1, false},
                                           JumpCase{"midnight, no stop hour", 0, -1, &OwnBoat::anchored, 0, false},
                                           JumpCase{"two in the morning", 2, -1, &OwnBoat::anchored, 0, true}));

TEST_F(Clock, DockedAtHalfPastNineJumpsFromNoonOnward) {
    Start(15, 9);
    SetSpeed(g->cruiseOptions, 15);
    c.speedBeforeStop = 9;
    c.divisorBeforeStop = 114;
    TickUntil([&] { return c.minute >= 30; });
    // Lying at the pier: the berth under the boat, bow along it.
    g->areaGrid.pierBerthX = b.cellX;
    g->areaGrid.pierBerthY = b.cellY;
    b.heading = 90;
    b.docked = 1;
    c.stopHour = 9;

    struct Jump {
        int day, from, to;
    };
    std::vector<Jump> jumps;
    for (int i = 0; i < 200000 && !(c.day == 2 && c.hour >= 9); ++i) {
        const int day = c.day, hour = c.hour;
        Tick();
        if (c.timeStep > 100.0) jumps.push_back({day, hour, c.hour});
    }
    const std::vector<Jump> expected = {{1, 12, 15}, {1, 16, 19}, {1, 20, 23}, {2, 2, 5}, {2, 6, 9}};
    ASSERT_EQ(jumps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(jumps[i].day, expected[i].day) << i;
        EXPECT_EQ(jumps[i].from, expected[i].from) << i;
        EXPECT_EQ(jumps[i].to, expected[i].to) << i;
    }
    // The speed fell back when 06:00 came, before the last jump.
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 114);
}

TEST_F(Clock, JumpIsExactlyThreeHours) {
    Start(15, 12);
    b.anchored = 1;
    c.stopHour = 9;
    const double before = c.dayMinutes;
    Tick();
    EXPECT_NEAR(c.dayMinutes - before, 180.0, 1e-9);
}

TEST_F(Clock, JumpPastMidnightDropsTheExcess) {
    Start(15, 22);
    b.docked = 1;
    c.stopHour = 20;
    Tick();
    EXPECT_EQ(c.day, 2);
    EXPECT_EQ(c.hour, 0);
    EXPECT_EQ(c.minute, 0);
    EXPECT_EQ(c.stopHour, -1);
}

TEST_F(Clock, NoTimeSkipKeepsTheNormalStepAllDay) {
    Start(15, 9);
    g->cruiseOptions.noTimeSkip = 1;
    b.docked = 1;
    c.stopHour = 9;
    TickUntil([&] {
        EXPECT_LT(c.timeStep, 100.0) << "jump at hour " << c.hour;
        return c.hour == 20;
    });
}

TEST_F(Clock, JumpBannerCountsDownToZero) {
    Start(15, 9);
    c.jumpBanner = 2;
    Tick();
    EXPECT_EQ(c.jumpBanner, 1);
    Tick();
    EXPECT_EQ(c.jumpBanner, 0);
    Tick();
    EXPECT_EQ(c.jumpBanner, 0);
}

// ---- Morning speed restore --------------------------------------------------------

TEST_F(Clock, MorningRestoresTheSpeedOnceBetweenSixAndNine) {
    Start(15, 5);
    c.speedBeforeStop = 9;
    c.divisorBeforeStop = 114;
    TickUntil([&] { return c.hour == 6; });
    EXPECT_EQ(g->cruiseOptions.simSpeed, 9);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 114);
    EXPECT_EQ(c.dawnSpeedRestored, 1);

    SetSpeed(g->cruiseOptions, 15);  // the player speeds up again
    TickUntil([&] { return c.hour == 8; });
    EXPECT_EQ(g->cruiseOptions.simSpeed, 15);
    TickUntil([&] { return c.hour == 9; });
    EXPECT_EQ(c.dawnSpeedRestored, 0);
}

TEST_F(Clock, MorningLeavesASlowerSpeedAlone) {
    Start(5, 5);
    c.speedBeforeStop = 9;
    c.divisorBeforeStop = 114;
    TickUntil([&] { return c.hour == 6; });
    EXPECT_EQ(g->cruiseOptions.simSpeed, 5);
    EXPECT_EQ(g->cruiseOptions.stepDivisor, 577);
    EXPECT_EQ(c.dawnSpeedRestored, 0);
}

// ---- Motion ---------------------------------------------------------------------

struct MoveCase {
    int heading;
    int variation;
    double dx, dy;
    int courseOverGround;
    int sogTenths;
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << "heading " << c.heading << ", variation " << c.variation; }

class OwnMotion : public ::testing::TestWithParam<MoveCase> {};

// The program's degree factor leaves cos 90 at -2e-5 rather than 0, so a
// course due east still creeps south a little: hence the tolerances.
TEST_P(OwnMotion, SpeedOfOneHundredCoversTenUnitsPerTimeUnit) {
    const MoveCase& p = GetParam();
    auto g = std::make_unique<Game>();
    BuildTrigTables(g->trigTables);
    g->areaGrid.unitsPerMile = 300;
    g->cruiseOptions.difficulty = 1;
    SetSpeed(g->cruiseOptions, 15);  // timeStep 3
    ResetClockAndBoat(*g);
    g->boatDesign.draft = 5;
    OwnBoat& b = g->ownBoat;
    b.x = 1000.5;
    b.y = 2000.5;
    b.heading = p.heading;
    b.speed = 100;
    g->navState.variation = p.variation;
    AdvanceClockAndMove(*g);
    EXPECT_NEAR(b.x - 1000.5, p.dx, 1e-2) << "heading " << p.heading;
    EXPECT_NEAR(b.y - 2000.5, p.dy, 1e-2) << "heading " << p.heading;
    EXPECT_EQ(b.courseOverGround, p.courseOverGround) << "heading " << p.heading;
    EXPECT_EQ(b.speedOverGroundTenths, p.sogTenths) << "heading " << p.heading;
    EXPECT_NEAR(b.speedOverGround, 10.0, 1e-6);
    EXPECT_EQ(b.cellX, static_cast<int>(b.x));
    EXPECT_EQ(b.cellY, static_cast<int>(b.y));
    EXPECT_NEAR(b.log, 100 * 3.0 * 0.0996 / 300, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Headings, OwnMotion,
                         ::testing::Values(MoveCase{90, 0, 30, 0, 90, 100}, MoveCase{90, 7, 30, 0, 97, 100},
                                           MoveCase{0, 0, 0, -30, 0, 100}, MoveCase{0, -10, 0, -30, 350, 100},
                                           MoveCase{180, 0, 0, 30, 180, 100},
                                           // Due west reads 271: the bearing truncates toward zero.
                                           MoveCase{270, 0, -30, 0, 271, 100}));

TEST_F(Clock, MoveUpdatesTheCell) {
    Start(15, 9);
    b.x = 1000.5;
    b.y = 2000.5;
    b.heading = 90;
    b.speed = 100;
    Tick();
    EXPECT_EQ(b.cellX, 1030);
    EXPECT_EQ(b.cellY, 2000);
}

struct DriftCase {
    const char* what;
    int OwnBoat::*madeFast;
    int depth;
    int speed;
    double dx;
};

void PrintTo(const DriftCase& c, std::ostream* os) { *os << c.what; }

class CurrentDrift : public ::testing::TestWithParam<DriftCase> {};

TEST_P(CurrentDrift, OnlyAFreeBoatAfloatDrifts) {
    // Current from the east at 2: cx = -sin100[90] * 2 = -198, 0.594 units
    // west per tick of 3 time units.
    const DriftCase& p = GetParam();
    auto g = std::make_unique<Game>();
    BuildTrigTables(g->trigTables);
    g->areaGrid.unitsPerMile = 300;
    g->cruiseOptions.difficulty = 1;
    SetSpeed(g->cruiseOptions, 15);
    ResetClockAndBoat(*g);  // 09:00: no jump at an odd hour
    g->boatDesign.draft = 5;
    OwnBoat& b = g->ownBoat;
    b.x = 5000;
    b.y = 5000;
    b.heading = 90;
    b.speed = p.speed;
    b.depth = p.depth;
    if (p.madeFast) b.*p.madeFast = 1;
    // Buoy 1 lies up-current of the boat, the pennant's 15 units east.
    g->moorings.buoyX[0] = 5015;
    g->moorings.buoy1Y = 5000;
    g->tideState.boatCurrentFrom = 90;
    g->tideState.boatCurrentSpeed = 2;
    AdvanceClockAndMove(*g);
    EXPECT_NEAR(b.x - 5000, p.dx, 1e-6) << p.what;
    EXPECT_NEAR(b.y - 5000, 0.0, 1e-3) << p.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, CurrentDrift,
                         ::testing::Values(DriftCase{"free", nullptr, 10, 0, -0.594},
                                           DriftCase{"depth equal to draft is afloat", nullptr, 5, 0, -0.594},
                                           DriftCase{"aground", nullptr, 4, 0, 0.0},
                                           DriftCase{"anchored", &OwnBoat::anchored, 10, 0, 0.0},
                                           DriftCase{"docked", &OwnBoat::docked, 10, 0, 0.0},
                                           DriftCase{"on a buoy", &OwnBoat::onBuoy, 10, 0, 0.0},
                                           DriftCase{"alongside", &OwnBoat::alongside, 10, 0, 0.0},
                                           DriftCase{"free under way", nullptr, 10, 100, 30.0 - 0.594},
                                           DriftCase{"aground under way", nullptr, 4, 100, 30.0},
                                           DriftCase{"docked under way", &OwnBoat::docked, 10, 100, 30.0}));

TEST_F(Clock, CurrentFromTheNorthSetsSouth) {
    Start(15, 9);
    b.y = 5000;
    g->tideState.boatCurrentFrom = 0;
    g->tideState.boatCurrentSpeed = 3;  // cy = cos100[0] * 3 = 300
    Tick();
    EXPECT_NEAR(b.y - 5000, 0.9, 1e-9);
    EXPECT_EQ(b.courseOverGround, 180);
}

// ---- Cycle counters ----------------------------------------------------------------

struct CycleCase {
    int ticks;
    int a, b, c, c60;
};

void PrintTo(const CycleCase& c, std::ostream* os) { *os << c.ticks << " ticks"; }

class CycleCounters : public ::testing::TestWithParam<CycleCase> {};

TEST_P(CycleCounters, WrapByTheDivisor) {
    // Divisor 10: A wraps past 22, B past 30, C past 20 / 3 = 6; the sixty
    // counter runs 1..60.
    const CycleCase& p = GetParam();
    auto g = std::make_unique<Game>();
    g->areaGrid.unitsPerMile = 300;
    g->cruiseOptions.difficulty = 1;
    SetSpeed(g->cruiseOptions, 15);
    ResetClockAndBoat(*g);
    for (int i = 0; i < p.ticks; ++i) AdvanceClockAndMove(*g);
    const SimClock& c = g->simClock;
    EXPECT_EQ(c.cycleA, p.a) << p.ticks;
    EXPECT_EQ(c.cycleB, p.b) << p.ticks;
    EXPECT_EQ(c.cycleC, p.c) << p.ticks;
    EXPECT_EQ(c.cycle60, p.c60) << p.ticks;
}

INSTANTIATE_TEST_SUITE_P(Ticks, CycleCounters,
                         ::testing::Values(CycleCase{6, 6, 6, 6, 6}, CycleCase{7, 7, 7, 0, 7},
                                           CycleCase{22, 22, 22, 1, 22}, CycleCase{23, 0, 23, 2, 23},
                                           CycleCase{31, 8, 0, 3, 31}, CycleCase{60, 14, 29, 4, 60},
                                           CycleCase{61, 15, 30, 5, 1}));

// ---- Start of a cruise ---------------------------------------------------------------

TEST_F(Clock, CruiseStartsAtTheDepartureHourWithTheBoatFree) {
    g->cruiseOptions.departureHour = 18;
    c.day = 4;
    c.elapsed = 99.0;
    c.stopHour = 7;
    b.anchored = b.docked = b.onBuoy = b.alongside = 1;
    b.speedExact = 40.0;
    b.log = 12.0;
    b.depth = 2;
    g->anchors.anchor[1][1] = 1;
    g->anchors.anchor[1][2] = 1;
    ResetClockAndBoat(*g);
    EXPECT_EQ(c.day, 1);
    EXPECT_EQ(c.hour, 18);
    EXPECT_EQ(c.minute, 0);
    EXPECT_EQ(c.dayHours, 18.0);
    EXPECT_EQ(c.elapsed, 0.0);
    EXPECT_EQ(c.elapsedToday, 0.0);
    EXPECT_EQ(c.cruiseMinutes, 0.0);
    EXPECT_EQ(c.stopHour, -1);
    EXPECT_EQ(b.log, 0.0);
    EXPECT_EQ(b.speedExact, 0.0);
    EXPECT_EQ(b.depth, 10);
    EXPECT_EQ(b.anchored + b.docked + b.onBuoy + b.alongside, 0);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
    EXPECT_EQ(g->anchors.anchor[1][2], 0);
}

}  // namespace
}  // namespace vel
