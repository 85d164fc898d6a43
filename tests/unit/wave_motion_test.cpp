#include <gtest/gtest.h>

#include <cmath>

#include "sim/wave_motion.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;

// Pitch over one cycle of bouncecount 0..stepDivisor / 3 (divisor 10: 0..3).
TEST(WaveMotion, PitchFollowsTheCycleWithAmplitudeBySea) {
    const struct {
        int32_t waves, trueAngle, amplitude;
    } cases[] = {{0, 120, 1}, {2, 120, 3}, {2, 60, 5}, {3, 60, 7}, {1, 60, 2}};
    for (const auto& c : cases) {
        auto g = SailingGame();
        g->weather.waveState = c.waves;
        g->ownBoat.trueWindAngle = c.trueAngle;
        g->waveMotion.bouncecount = 0;
        for (int32_t frame = 1; frame <= 4; ++frame) {
            AdvanceWaveMotion(*g);
            const int32_t count = frame % 4;  // wraps to 0 once above 10 / 3
            EXPECT_EQ(g->waveMotion.bouncecount, count);
            EXPECT_EQ(g->waveMotion.pitch, Trunc(c.amplitude * std::sin(count * 18.84 / 10)))
                << c.waves << " " << c.trueAngle << " " << frame;
        }
    }
}

TEST(WaveMotion, PitchingSoundOnceACycleHeadingIntoASea) {
    auto g = SailingGame();
    g->weather.waveState = 1;
    g->ownBoat.trueWindAngle = 60;
    for (int i = 0; i < 8; ++i) AdvanceWaveMotion(*g);
    EXPECT_EQ(g->soundRequests.size(), 2u);
    EXPECT_EQ(g->soundRequests[0], (SoundRequest{174, PlayMode::NoInterrupt}));
    g->soundRequests.clear();
    g->cruiseOptions.soundLevel = 2;
    for (int i = 0; i < 8; ++i) AdvanceWaveMotion(*g);
    EXPECT_TRUE(g->soundRequests.empty());
}

TEST(WaveMotion, SlamCooldownHoldsTheBigPitch) {
    auto g = SailingGame();
    g->weather.waveState = 2;
    g->ownBoat.trueWindAngle = 40;
    g->ownBoat.slammed = 1;
    g->waveMotion.slamCooldown = 5;
    g->waveMotion.bouncecount = 0;
    AdvanceWaveMotion(*g);
    EXPECT_EQ(g->ownBoat.slammed, 0);  // a slam lasts one frame
    EXPECT_EQ(g->waveMotion.slamCooldown, 4);
    EXPECT_EQ(g->waveMotion.pitch, Trunc(9 * std::sin(18.84 / 10)));
}

TEST(WaveMotion, GuardedAgainstAZeroDivisor) {
    auto g = SailingGame();
    g->cruiseOptions.stepDivisor = 0;
    g->weather.waveState = 3;
    AdvanceWaveMotion(*g);
    EXPECT_GE(g->waveMotion.pitch, -7);
    EXPECT_LE(g->waveMotion.pitch, 7);
}

}  // namespace
}  // namespace vel
