#pragma once
// Building worlds for the tests: a whole cruise start from a seed, or an
// empty generated area to draw shapes into by hand.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>

#include "common/game.h"
#include "common/helpers.h"
#include "sim/cruise_start.h"

namespace vel::test {

struct AreaChoice {
    int32_t areaCode;
    int32_t region;
    int32_t introCourse = 0;
};

// The frame driver's cruise set-up, without the frame; `before` may set
// anything else up first.
inline std::unique_ptr<Game> StartedCruise(AreaChoice c, uint32_t seed, int32_t difficulty = 5,
                                           const std::function<void(Game&)>& before = {}) {
    auto g = std::make_unique<Game>();
    g->cruiseOptions.areaCode = c.areaCode;
    g->cruiseOptions.region = c.region;
    g->cruiseOptions.introCourse = c.introCourse;
    g->cruiseOptions.difficulty = difficulty;
    g->screenState.height = 729;
    if (before) before(*g);
    g->rng.srand(seed);
    FillRandomTable(g->randomTable, g->rng);
    BuildTrigTables(g->trigTables);
    StartCruise(*g);
    return g;
}

// An area with nothing in it: islands area of the north region, mainland
// to the north, no islands, no rocks.
inline std::unique_ptr<Game> EmptyArea(int32_t areaCode = 2, int32_t region = 1) {
    auto g = std::make_unique<Game>();
    BuildTrigTables(g->trigTables);
    AreaGrid& a = g->areaGrid;
    a.areaCode = areaCode;
    a.region = region;
    a.unitsPerMile = 300;
    a.mainlandSide = 1;
    a.coastBaseY = -3500;
    a.seaSign = 1;
    a.harbourX = 30000;
    a.harbourY = 30000;
    g->cruiseOptions.currentsOn = 1;
    return g;
}

// A straight shore at y for the coast area, step 65 from x = -9000.
inline void StraightCoast(AreaGrid& a, int32_t y) {
    a.coastStep = 65;
    for (int32_t i = 1; i <= 284; ++i) {
        a.coastX[i] = i * 65 - 9000;
        a.coastY[i] = y;
    }
}

// Two straight banks of a waterway or river, step 125 from x = -9000.
inline void StraightBanks(AreaGrid& a, int32_t nearY, int32_t farY) {
    a.coastStep = 125;
    for (int32_t i = 2; i <= 283; ++i) {
        const bool far = i >= 143;
        a.coastX[i] = (far ? i - 143 : i) * 125 - 9000;
        a.coastY[i] = far ? farY : nearY;
    }
}

// A round island without roughness: every sector radius is r.
inline void RoundIsland(AreaGrid& a, int32_t slot, int32_t x, int32_t y, int32_t r) {
    a.islandCount = std::max(a.islandCount, slot);
    a.islandX[slot] = x;
    a.islandY[slot] = y;
    a.islandRadius[slot] = r;
    a.islandAspect[slot] = 1.0;
    a.islandRotation[slot] = 0.0;
    for (int k = 0; k < 36; ++k) a.islandSectorRadius[slot][k] = r;
}

}  // namespace vel::test
