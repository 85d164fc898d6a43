#include <gtest/gtest.h>

#include <tuple>

#include "view_fixture.h"
#include "world/aids.h"

namespace vel {
namespace {

// Lighthouse 2 sounds on the tick whose counter is 6: near below 1000
// units, far from 1000 to 2499, in fog at effects level 2 or more, never in real areas.
TEST(LighthouseFogSignal, SoundsNearOrFarOnItsOwnTick) {
    const struct {
        int32_t fog, soundLevel, cycleB, realArea, distance, id;
        PlayMode mode;
    } cases[] = {
        {1, 2, 6, 0, 999, 144, PlayMode::NoInterrupt}, {1, 2, 6, 0, 1000, 143, PlayMode::Plain},
        {1, 3, 6, 0, 2499, 143, PlayMode::Plain},       {1, 3, 6, 0, 2500, 0, PlayMode::Plain},
        {1, 3, 3, 0, 500, 0, PlayMode::Plain},          {0, 3, 6, 0, 500, 0, PlayMode::Plain},
        {1, 1, 6, 0, 500, 0, PlayMode::Plain},          {1, 3, 6, 1, 500, 0, PlayMode::Plain},
    };
    for (const auto& c : cases) {
        test::ViewFixture f;
        f.g.weather.fog = c.fog;
        f.g.cruiseOptions.soundLevel = c.soundLevel;
        f.g.simClock.cycleB = c.cycleB;
        f.g.areaGrid.isRealArea = c.realArea;
        f.g.lighthouse.x[2] = 1000;
        f.g.lighthouse.y[2] = 500;
        f.g.ownBoat.cellX = 1000 - c.distance / 2;
        f.g.ownBoat.cellY = 500 + (c.distance - c.distance / 2);
        SoundLighthouseFogSignals(f.g);
        const std::vector<SoundRequest> none, one = {{c.id, c.mode}};
        EXPECT_EQ(f.g.soundRequests, c.id == 0 ? none : one) << c.distance << " " << c.cycleB;
    }
}

TEST(LighthouseFogSignal, AnEmptyEntryNeverSounds) {
    test::ViewFixture f;
    f.g.weather.fog = 1;
    f.g.cruiseOptions.soundLevel = 3;
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
