#include "sim/mooring_actions.h"

#include <gtest/gtest.h>

#include <tuple>

#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;

TEST(LetGoAnchor, KeepsTheSpeedAndIdlesARunningEngineInNeutralButLeavesAStoppedOneStopped) {
    auto g = CalmGame();
    g->cruiseOptions.simSpeed = 11;
    g->cruiseOptions.stepDivisor = 51;
    g->simClock.hour = 16;
    OwnBoat& b = g->ownBoat;
    std::tie(b.throttle, b.gear, b.twinSplit, b.sailsUp) = std::tuple(7, 3, 1, 1);
    LetGoAnchor(*g, 2);
    EXPECT_EQ(std::pair(g->anchors.anchor[1][2], g->anchors.anchor[1][1]), std::pair(1, 0));
    EXPECT_EQ(std::tuple(g->simClock.speedBeforeStop, g->simClock.divisorBeforeStop, g->simClock.stopHour),
              std::tuple(11, 51, 16));
    EXPECT_EQ(std::tuple(b.throttle, b.gear, b.twinSplit, b.sailsUp), std::tuple(1, 0, 0, 0));
    auto s = CalmGame();
    s->ownBoat.gear = 3;
    LetGoAnchor(*s, 1);
    EXPECT_EQ(std::pair(s->ownBoat.throttle, s->ownBoat.gear), std::pair(0, 3));
}

// Made fast at speed 9 (divisor 114): only a faster speed is brought back.
TEST(GettingUnderWay, BringsBackTheSpeedKeptWhenMadeFastIfRunningFaster) {
    for (auto [speed, restored] : {std::pair{15, 9}, {10, 9}, {9, 9}, {4, 4}}) {
        for (void (*command)(Game&) : {WeighAnchors, CastOffFromPier, LetGoMooring}) {
            auto g = CalmGame();
            g->simClock.speedBeforeStop = 9;
            g->simClock.divisorBeforeStop = 114;
            g->cruiseOptions.simSpeed = speed;
            g->cruiseOptions.stepDivisor = 1;
            g->simClock.stopHour = 20;
            command(*g);
            EXPECT_EQ(std::tuple(g->cruiseOptions.simSpeed, g->cruiseOptions.stepDivisor, g->simClock.stopHour),
                      std::tuple(restored, restored == speed ? 1 : 114, -1))
                << speed;
        }
    }
}

TEST(Tender, TakesOnlyTheFourCardinalBearings) {
    auto g = CalmGame();
    LayAnchorByTender(*g, 45);
    EXPECT_EQ(std::pair(g->ownBoat.tenderAnchorBearing, g->anchors.anchor[1][2]), std::pair(-1, 0));
    LayAnchorByTender(*g, 270);
    EXPECT_EQ(std::pair(g->ownBoat.tenderAnchorBearing, g->anchors.anchor[1][2]), std::pair(270, 2));
}

}  // namespace
}  // namespace vel
