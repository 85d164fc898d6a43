#pragma once
// A game ready to tick: tables built, the boat designed, the clock reset,
// lying in open water of the islands area (whose depth field has no coast)
// with a steady wind that the tests set directly.
#include <memory>

#include "common/helpers.h"
#include "cruise/title.h"
#include "sim/tick.h"

namespace vel::testing {

// A 1024 x 768 screen: steering band below y 680, centre line at x 512, the
// boat drawn at (512, 300).
inline void UseHelmScreen(Game& g) {
    ScreenState& s = g.screenState;
    s.width = 1024;
    s.widthD = 1024.0;
    s.hScale = 1.6;
    s.fullHeight = 768;
    s.steerZoneY = 680;
    s.steerCenterX = 512;
    s.panelTop = 488;
    s.ownBoatScreenX = 512;
    s.ownBoatScreenY = 300;
}

inline std::unique_ptr<Game> SailingGame(int32_t boatType = 1) {
    auto g = std::make_unique<Game>();
    CruiseOptions& o = g->cruiseOptions;
    o.boatType = boatType;
    o.areaCode = 2;
    o.region = 2;
    o.simSpeed = 15;
    o.stepDivisor = 10;
    o.difficulty = 5;
    o.soundLevel = 3;
    g->areaGrid.areaCode = 2;
    g->areaGrid.region = 2;
    g->areaGrid.mainlandSide = 3;
    g->areaGrid.coastBaseY = 3700;
    g->areaGrid.unitsPerMile = 300;
    ApplyBoatDesign(*g);
    BuildTrigTables(g->trigTables);
    g->rng.srand(1);
    ResetClockAndBoat(*g);
    // Past the first instant of the cruise, when the boat is held still.
    g->simClock.dayHours = 10.0;
    g->simClock.hour = 10;
    g->simClock.timeStep = 3.0;
    OwnBoat& b = g->ownBoat;
    b.depth = 60;
    b.heading = 90;
    b.headingExact = 90.0;
    g->weather.windDirection = 0;
    g->weather.windSpeed = 15;
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
