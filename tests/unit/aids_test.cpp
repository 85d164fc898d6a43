#include <gtest/gtest.h>

#include "view_fixture.h"
#include "world/aids.h"

namespace vel {
namespace {

using test::ViewFixture;

// Lighthouse 2 sounds on the tick whose counter is 6.
struct FogCase {
    const char* name;
    int32_t fog, soundLevel, cycleB, realArea, distance;
    int expectedId;  // 0: silent
    PlayMode mode;
};

class LighthouseFogSignal : public ::testing::TestWithParam<FogCase> {};

TEST_P(LighthouseFogSignal, SoundsNearOrFarOnItsOwnTick) {
    const FogCase& c = GetParam();
    ViewFixture f;
    f.g.weather.fog = c.fog;
    f.g.cruiseOptions.soundLevel = c.soundLevel;
    f.g.simClock.cycleB = c.cycleB;
    f.g.areaGrid.isRealArea = c.realArea;
    f.g.lighthouse.x[2] = 1000;
    f.g.lighthouse.y[2] = 500;
    f.g.ownBoat.cellX = 1000 - c.distance / 2;
    f.g.ownBoat.cellY = 500 + (c.distance - c.distance / 2);
    SoundLighthouseFogSignals(f.g);
    if (c.expectedId == 0) {
        EXPECT_TRUE(f.g.soundRequests.empty());
    } else {
        ASSERT_EQ(f.g.soundRequests.size(), 1u);
        EXPECT_EQ(f.g.soundRequests[0], (SoundRequest{c.expectedId, c.mode}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LighthouseFogSignal,
    ::testing::Values(FogCase{"NearTo999", 1, 2, 6, 0, 999, 144, PlayMode::NoInterrupt},
                      FogCase{"FarFrom1000", 1, 2, 6, 0, 1000, 143, PlayMode::Plain},
                      FogCase{"FarTo2499", 1, 3, 6, 0, 2499, 143, PlayMode::Plain},
                      FogCase{"SilentFrom2500", 1, 3, 6, 0, 2500, 0, PlayMode::Plain},
                      FogCase{"OtherTick", 1, 3, 3, 0, 500, 0, PlayMode::Plain},
                      FogCase{"NoFog", 0, 3, 6, 0, 500, 0, PlayMode::Plain},
                      FogCase{"SoundLevelOne", 1, 1, 6, 0, 500, 0, PlayMode::Plain},
                      FogCase{"RealArea", 1, 3, 6, 1, 500, 0, PlayMode::Plain}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LighthouseFogSignal, AnEmptyEntryNeverSounds) {
    ViewFixture f;
    f.g.weather.fog = 1;
    f.g.cruiseOptions.soundLevel = 3;
    f.g.lighthouse.x[1] = 30000;
    f.g.lighthouse.y[1] = 30000;
    f.g.ownBoat.cellX = 29800;
    f.g.ownBoat.cellY = 30000;
    for (int32_t tick = 0; tick <= 21; ++tick) {
        f.g.simClock.cycleB = tick;
        SoundLighthouseFogSignals(f.g);
    }
    EXPECT_TRUE(f.g.soundRequests.empty());
}

}  // namespace
}  // namespace vel
