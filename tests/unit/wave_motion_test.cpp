#include <gtest/gtest.h>

#include <cmath>

#include "sim/wave_motion.h"
#include "sim_fixture.h"

namespace vel {
namespace {

using testing::SailingGame;

// Pitch over one cycle of bouncecount 0..stepDivisor / 3 (divisor 10: 0..3).
TEST(WaveMotion, PitchFollowsTheCycleWithAmplitudeBySea) {
    for (auto [waves, trueAngle, amplitude] :
         {std::tuple{0, 120, 1}, {2, 120, 3}, {2, 60, 5}, {3, 60, 7}, {1, 60, 2}}) {
        auto g = SailingGame();
        g->weather.waveState = waves;
        g->ownBoat.trueWindAngle = trueAngle;
        for (int32_t frame = 1; frame <= 4; ++frame) {
            AdvanceWaveMotion(*g);
            const int32_t count = frame % 4;  // wraps to 0 once above 10 / 3
            EXPECT_EQ(g->waveMotion.bouncecount, count);
            EXPECT_EQ(g->waveMotion.pitch, Trunc(amplitude * std::sin(count * 18.84 / 10))) << waves << " " << frame;
        }
    }
}

TEST(WaveMotion, SlamCooldownHoldsTheBigPitchAndAZeroDivisorIsHarmless) {
    auto g = SailingGame();
    g->weather.waveState = 2;
    g->ownBoat.trueWindAngle = 40;
    g->ownBoat.slammed = 1;
    g->waveMotion.slamCooldown = 5;
    AdvanceWaveMotion(*g);
    EXPECT_EQ(g->ownBoat.slammed, 0);  // a slam lasts one frame
    EXPECT_EQ(g->waveMotion.slamCooldown, 4);
    EXPECT_EQ(g->waveMotion.pitch, Trunc(9 * std::sin(18.84 / 10)));
    g->cruiseOptions.stepDivisor = 0;
    g->weather.waveState = 3;
    g->waveMotion.slamCooldown = 0;
    AdvanceWaveMotion(*g);
    EXPECT_LE(std::abs(g->waveMotion.pitch), 7);
}

}  // namespace
}  // namespace vel
