#pragma once
// A game ready for the made-fast and vessel rules: a generated area, trig
// tables built, a boat of draft 6 in 99 ft of water, calm, midnight of day 1,
// the fastest simulator step. Depth is set on the boat, never read from the
// terrain, so these tests hold whatever the area looks like.
#include <memory>

#include "common/game.h"
#include "common/helpers.h"

namespace vel::fixture {

inline std::unique_ptr<Game> CalmGame() {
    auto g = std::make_unique<Game>();
    BuildTrigTables(g->trigTables);
    g->rng.srand(7);
    g->cruiseOptions.areaCode = 1;
    g->boatDesign.draft = 6;
    g->ownBoat.depth = 99;
    g->weather.windSpeed = 0;
    g->weather.windDirection = 0;
    g->simClock.timeStep = 3.0;
    g->simClock.dayMinutes = 0.0;
    return g;
}

inline void PutBoat(Game& g, double x, double y) {
    g.ownBoat.x = x;
    g.ownBoat.y = y;
    g.ownBoat.cellX = Trunc(x);
    g.ownBoat.cellY = Trunc(y);
}

}  // namespace vel::fixture
