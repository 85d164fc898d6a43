#include <gtest/gtest.h>

#include <tuple>

#include "view_fixture.h"
#include "world/aids.h"

namespace vel {
namespace {

// Lighthouse 2 sounds on the tick whose counter is 6, far up to 2499 units
// (the sound cues' tests take the other distances and ticks), only in fog at
// effects level 2 or more and never in real areas.
TEST(LighthouseFogSignal, FarUpTo2499UnitsOnlyInFogWithEffectsOutsideRealAreas) {
    for (auto [fog, soundLevel, realArea, distance, id] :
         {std::tuple{1, 2, 0, 2499, 143}, {0, 3, 0, 500, 0}, {1, 1, 0, 500, 0}, {1, 3, 1, 500, 0}}) {
        test::ViewFixture f;
        std::tie(f.g.weather.fog, f.g.cruiseOptions.soundLevel, f.g.simClock.cycleB, f.g.areaGrid.isRealArea) =
            std::tuple(fog, soundLevel, 6, realArea);
        std::tie(f.g.lighthouse.x[2], f.g.lighthouse.y[2], f.g.ownBoat.cellX, f.g.ownBoat.cellY) =
            std::tuple(1000, 500, 1000 - distance / 2, 500 + (distance - distance / 2));
        SoundLighthouseFogSignals(f.g);
        const std::vector<SoundRequest> none, one = {{id, PlayMode::Plain}};
        EXPECT_EQ(f.g.soundRequests, id == 0 ? none : one) << fog << " " << soundLevel << " " << realArea;
    }
}

TEST(LighthouseFogSignal, AnEmptyEntryNeverSounds) {
    test::ViewFixture f;
    std::tie(f.g.weather.fog, f.g.cruiseOptions.soundLevel) = std::pair(1, 3);
    std::tie(f.g.lighthouse.x[1], f.g.lighthouse.y[1], f.g.ownBoat.cellX, f.g.ownBoat.cellY) =
        std::tuple(30000, 30000, 29800, 30000);
    for (int32_t tick = 0; tick <= 21; ++tick) {
        f.g.simClock.cycleB = tick;
        SoundLighthouseFogSignals(f.g);
    }
    EXPECT_TRUE(f.g.soundRequests.empty());
}

}  // namespace
}  // namespace vel
