#include "sim/mooring_actions.h"

#include <gtest/gtest.h>

#include "vessels_fixture.h"

namespace vel {
namespace {

using fixture::CalmGame;

TEST(LetGoAnchor, KeepsTheSpeedAndIdlesARunningEngineInNeutral) {
    auto g = CalmGame();
    g->cruiseOptions.simSpeed = 11;
    g->cruiseOptions.stepDivisor = 51;
    g->simClock.hour = 16;
    g->ownBoat.throttle = 7;
    g->ownBoat.gear = 3;
    g->ownBoat.twinSplit = 1;
    g->ownBoat.sailsUp = 1;
    LetGoAnchor(*g, 2);
    EXPECT_EQ(g->anchors.anchor[1][2], 1);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
    EXPECT_EQ(g->simClock.speedBeforeStop, 11);
    EXPECT_EQ(g->simClock.divisorBeforeStop, 51);
    EXPECT_EQ(g->simClock.stopHour, 16);
    EXPECT_EQ(g->ownBoat.throttle, 1);
    EXPECT_EQ(g->ownBoat.gear, 0);
    EXPECT_EQ(g->ownBoat.twinSplit, 0);
    EXPECT_EQ(g->ownBoat.sailsUp, 0);
}

TEST(LetGoAnchor, LeavesAStoppedEngineStopped) {
    auto g = CalmGame();
    g->ownBoat.gear = 3;
    LetGoAnchor(*g, 1);
    EXPECT_EQ(g->ownBoat.throttle, 0);
    EXPECT_EQ(g->ownBoat.gear, 3);
}

struct RestoreCase {
    int32_t speed;
    int32_t restored;
};

class GettingUnderWay : public ::testing::TestWithParam<RestoreCase> {};

// Made fast at speed 9 (divisor 114): only a faster speed is brought back.
TEST_P(GettingUnderWay, BringsBackTheSpeedKeptWhenMadeFastIfRunningFaster) {
    const RestoreCase c = GetParam();
    for (void (*command)(Game&) : {WeighAnchors, CastOffFromPier, LetGoMooring}) {
        auto g = CalmGame();
        g->simClock.speedBeforeStop = 9;
        g->simClock.divisorBeforeStop = 114;
        g->cruiseOptions.simSpeed = c.speed;
        g->cruiseOptions.stepDivisor = 1;
        g->simClock.stopHour = 20;
        command(*g);
        EXPECT_EQ(g->cruiseOptions.simSpeed, c.restored);
        EXPECT_EQ(g->cruiseOptions.stepDivisor, c.restored == c.speed ? 1 : 114);
        EXPECT_EQ(g->simClock.stopHour, -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Speeds, GettingUnderWay,
                         ::testing::Values(RestoreCase{15, 9}, RestoreCase{10, 9}, RestoreCase{9, 9},
                                           RestoreCase{4, 4}));

TEST(WeighAnchors, BringsBothUpAndCancelsTheTender) {
    auto g = CalmGame();
    g->anchors.anchor[1][1] = 3;
    g->anchors.anchor[1][2] = 2;
    g->ownBoat.tenderAnchorBearing = 180;
    WeighAnchors(*g);
    EXPECT_EQ(g->anchors.anchor[1][1], 0);
    EXPECT_EQ(g->anchors.anchor[1][2], 0);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, -1);
}

TEST(LayAnchorByTender, TakesOnlyTheFourCardinalBearings) {
    auto g = CalmGame();
    LayAnchorByTender(*g, 45);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, -1);
    EXPECT_EQ(g->anchors.anchor[1][2], 0);
    LayAnchorByTender(*g, 270);
    EXPECT_EQ(g->ownBoat.tenderAnchorBearing, 270);
    EXPECT_EQ(g->anchors.anchor[1][2], 2);
}

}  // namespace
}  // namespace vel
