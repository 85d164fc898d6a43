// Whole cruises at the fastest simulator speed, sailed and motored through
// every manoeuvre in turn: no record may ever hold a value that is not a number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <type_traits>

#include "app/frame.h"
#include "common/helpers.h"
#include "cruise/title.h"
#include "fake_host.h"
#include "shell/pacer.h"
#include "sim/boat_state.h"
#include "sim/cruise_start.h"
#include "sim/wave_motion.h"
#include "sim_fixture.h"

namespace vel {
namespace {

template <class T>
bool Finite(const T& v) {
    if constexpr (std::is_same_v<T, double>)
        return std::isfinite(v);
    else if constexpr (requires { v.size(); v[0]; } && !std::is_same_v<T, std::string>)
        return std::all_of(v.begin(), v.end(), [](const auto& e) { return Finite(e); });
    return true;
}

// The first field holding a double that is not finite, as Record.field; empty if none.
std::string NonFiniteField(Game& g) {
    std::string bad;
    Game::forEachRecord(g, [&](const char* record, auto& r) {
        using R = std::remove_reference_t<decltype(r)>;
        R::forEachField(r, [&](const char* field, auto& v) {
            if (bad.empty() && !Finite(v)) bad = std::string(record) + "." + field;
        });
    });
    return bad;
}

std::unique_ptr<Game> CruiseOf(int32_t boatType) {
    auto g = std::make_unique<Game>();
    CruiseOptions& o = g->cruiseOptions;
    std::tie(o.boatType, o.difficulty, o.troubleStrongWind) = std::tuple(boatType, 10, 1);  // storms, fronts, failures
    // The fastest speed, made fast at it too, so the morning restore keeps it.
    std::tie(o.simSpeed, o.stepDivisor, g->simClock.speedBeforeStop, g->simClock.divisorBeforeStop) =
        std::tuple(15, 10, 15, 10);
    ApplyBoatDesign(*g);
    g->rng.srand(1000u + boatType);
    FillRandomTable(g->randomTable, g->rng);
    BuildTrigTables(g->trigTables);
    StartCruise(*g);
    testing::EnterRunningCruise(*g);
    testing::UseHelmScreen(*g);
    return g;
}

// One manoeuvre per simulated hour, in turn, from a clean start under sail
// for a sailboat or under power for a trawler.
void Manoeuvre(Game& g, int32_t hour) {
    OwnBoat& b = g.ownBoat;
    const bool sails = IsSailboat(g.cruiseOptions);
    b.tackRequest = b.closeHauled = b.spinnaker = b.wingAndWing = b.reefed = b.twinSplit = 0;
    b.autoTrim = b.headsail = 1;
    g.anchors.anchor[1][1] = 0;
    g.screenState.steerMouseX = g.screenState.steerMouseY = 0;
    std::tie(b.sailsUp, b.throttle, b.gear) = sails ? std::tuple(1, 0, 0) : std::tuple(0, 7, 3);
    switch (hour % 11) {
        case 1: b.tackRequest = 1; break;
        case 2: b.tackRequest = -1; break;
        case 3: g.screenState.steerMouseX = 512 - 40 * (hour % 5), g.screenState.steerMouseY = 700; break;
        case 4: b.spinnaker = b.wingAndWing = 1, b.sheet = 47; break;
        case 5: b.reefed = 1, b.headsail = 3, b.autoTrim = 0, b.sheet = -3; break;
        case 6: b.sailsUp = 0, b.throttle = 3, b.gear = -1; break;
        case 7: b.sailsUp = 0, b.throttle = 10, b.twinSplit = 1; break;
        case 8: g.anchors.anchor[1][1] = 3, b.throttle = 1, b.gear = 0; break;  // at anchor: three-hour leaps
        case 9: b.sailsUp = b.throttle = 0; break;
        case 10: b.sailsUp = 0, b.throttle = 10, b.gear = 3; break;
        default: break;
    }
}

class FiveDayCruise : public ::testing::TestWithParam<int32_t> {};

// Run in parallel under ctest, one boat type each: the longest unit tests.
TEST_P(FiveDayCruise, EveryRecordStaysFinite) {
    auto g = CruiseOf(GetParam());
    Pacer pacer(0);
    int32_t lastHour = -1;
    int ticks = 0;
    while (g->screenState.resultsState == 0 && ticks < 40000) {
        if (g->simClock.cruiseHours != lastHour) {
            lastHour = g->simClock.cruiseHours;
            Manoeuvre(*g, lastHour);
        }
        SimulationTick(*g, pacer);
        AdvanceWaveMotion(*g);  // as the drawing of the own boat does
        g->soundRequests.clear();
        ++ticks;
        const std::string bad = NonFiniteField(*g);
        ASSERT_TRUE(bad.empty()) << bad << " after " << ticks << " ticks";
        const OwnBoat& b = g->ownBoat;
        ASSERT_TRUE(b.heading >= 0 && b.heading < 360 && b.heel <= 35 && b.speedExact >= -40.0 &&
                    std::abs(b.leeway) <= 15)
            << b.heading << " " << b.heel << " " << b.speedExact << " " << b.leeway;
    }
    // Five days at 0.612 minutes a tick, less the leaps at anchor.
    EXPECT_EQ(std::tuple(g->simClock.day, g->screenState.resultsState, ticks > 5000), std::tuple(6, 1, true)) << ticks;
}

INSTANTIATE_TEST_SUITE_P(BoatTypes, FiveDayCruise, ::testing::Values(1, 2, 3, 4));

}  // namespace
}  // namespace vel
