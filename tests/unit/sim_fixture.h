#pragma once
// A game ready to tick: tables built, the boat designed, the clock reset,
// lying in open water of the islands area (whose depth field has no coast)
// with a steady wind that the tests set directly.
#include <memory>
#include <tuple>

#include "common/helpers.h"
#include "cruise/title.h"
#include "sim/tick.h"

namespace vel::testing {

// A 1024 x 768 screen: steering band below y 680, centre line at x 512, the
// boat drawn at (512, 300).
inline void UseHelmScreen(Game& g) {
    ScreenState& s = g.screenState;
    std::tie(s.width, s.widthD, s.hScale, s.fullHeight, s.panelTop) = std::tuple(1024, 1024.0, 1.6, 768, 488);
    std::tie(s.steerZoneY, s.steerCenterX, s.ownBoatScreenX, s.ownBoatScreenY) = std::tuple(680, 512, 512, 300);
}

inline std::unique_ptr<Game> SailingGame(int32_t boatType = 1) {
    auto g = std::make_unique<Game>();
    CruiseOptions& o = g->cruiseOptions;
    std::tie(o.boatType, o.areaCode, o.region, o.simSpeed, o.stepDivisor, o.difficulty, o.soundLevel) =
        std::tuple(boatType, 2, 2, 15, 10, 5, 3);
    AreaGrid& a = g->areaGrid;
    std::tie(a.areaCode, a.region, a.mainlandSide, a.coastBaseY, a.unitsPerMile) = std::tuple(2, 2, 3, 3700, 300);
    ApplyBoatDesign(*g);
    BuildTrigTables(g->trigTables);
    g->rng.srand(1);
    ResetClockAndBoat(*g);
    // Past the first instant of the cruise, when the boat is held still.
    std::tie(g->simClock.dayHours, g->simClock.hour, g->simClock.timeStep) = std::tuple(10.0, 10, 3.0);
    std::tie(g->ownBoat.depth, g->ownBoat.heading, g->ownBoat.headingExact) = std::tuple(60, 90, 90.0);
    std::tie(g->weather.windDirection, g->weather.windSpeed) = std::pair(0, 15);
    return g;
}

// The dynamics without the weather step, so the wind stays as set.
inline void Ticks(Game& g, int n) {
    for (int i = 0; i < n; ++i) {
        UpdateSteering(g);
        UpdateSpeed(g);
        AdvanceClockAndMove(g);
    }
}

}  // namespace vel::testing
