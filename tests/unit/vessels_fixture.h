#pragma once
// A game ready for the made-fast and vessel rules: a generated area, trig
// tables built, a boat of draft 6 in 99 ft of water, calm, midnight of day 1,
// the fastest simulator step. Depth is set on the boat, never read from the
// terrain, so these tests hold whatever the area looks like.
#include <memory>
#include <tuple>

#include "common/game.h"
#include "common/helpers.h"

namespace vel::fixture {

inline std::unique_ptr<Game> CalmGame() {
    auto g = std::make_unique<Game>();
    BuildTrigTables(g->trigTables);
    g->rng.srand(7);
    std::tie(g->cruiseOptions.areaCode, g->boatDesign.draft, g->ownBoat.depth) = std::tuple(1, 6, 99);
    std::tie(g->weather.windSpeed, g->weather.windDirection) = std::pair(0, 0);
    std::tie(g->simClock.timeStep, g->simClock.dayMinutes) = std::pair(3.0, 0.0);
    return g;
}

inline void PutBoat(Game& g, double x, double y) {
    std::tie(g.ownBoat.x, g.ownBoat.y, g.ownBoat.cellX, g.ownBoat.cellY) = std::tuple(x, y, Trunc(x), Trunc(y));
}

}  // namespace vel::fixture
