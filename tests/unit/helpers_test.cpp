#include "common/helpers.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vel {
namespace {

// A generator whose next rand() is v: runs the C runtime's step backwards
// from a state whose bits 16..30 hold v.
Rng PrimedFor(int v) {
    constexpr uint32_t a = 214013u, c = 2531011u;
    uint32_t inverse = a;
    for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
    Rng r;
    r.x = ((static_cast<uint32_t>(v) << 16) - c) * inverse;
    return r;
}

TEST(Rng, SeedOneGivesTheCRuntimeSequenceAndTheTableHolds901Draws) {
    Rng r;  // the default state acts as seed 1
    for (int want : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358}) EXPECT_EQ(r.rand(), want);
    r.srand(1);
    for (int want : {0, 57, 19, 82, 59}) EXPECT_EQ(random(r, 100), want);
    r.srand(1);
    RandomTable t;
    FillRandomTable(t, r);
    EXPECT_EQ(std::pair(t.r100[0], t.r100[4]), std::pair(0, 59));
    Rng again;
    for (int i = 0; i < 901; ++i) again.rand();
    EXPECT_EQ(r.rand(), again.rand());
}

TEST(Random, DividesByThirtyTwoThousandOverTheMagnitudeOfNButAtLeastTwoAndNeverByNought) {
    for (auto [n, rand, want] : {
             // 32000 / 100 = 320: the top of rand's range overshoots n.
             std::tuple{100, 319, 0}, {100, 320, 1}, {100, 32000, 100}, {100, 32767, 102},
             {0, 15999, 0}, {0, 16000, 1}, {1, 32000, 2}, {-1, 32767, 2},
             {-5, 6399, 0}, {-5, 6400, 1}, {-5, 32767, 5}, {3, 10665, 0}, {3, 10666, 1},
             // 32000 / 16001 = 1 is the last whole divisor; past it the draw is
             // rand() itself instead of a division by nought.
             {16000, 32767, 16383}, {16001, 32767, 32767}, {32000, 32767, 32767}, {32001, 32767, 32767},
             {-40000, 12345, 12345}, {2147483647, 32767, 32767}, {-2147483647 - 1, 32767, 32767}}) {
        Rng r = PrimedFor(rand);
        EXPECT_EQ(random(r, n), want) << "random(" << n << ") of " << rand;
    }
}

TEST(Angles, NormaliseWrapsOnceAndBearingsTruncateTowardZero) {
    for (auto [in, out] : {std::pair{359, 359}, {360, 0}, {-1, 359}, {-360, 0}, {720, 360}, {-400, -40}})
        EXPECT_EQ(NormaliseAngle(in), out) << in;
    // trunc(atan2 x 57.295 + 0.5): west of north the truncation lifts it.
    for (auto [dx, dy, bearing] : {std::tuple{0.0, 1.0, 0}, {1.0, 0.0, 90}, {0.0, -1.0, 180}, {-1.0, 0.0, 271},
                                   {-1.0, -1.0, 226}, {-1.0, 1.0, 316}, {3.0, 4.0, 37}})
        EXPECT_EQ(BearingOf(dx, dy), bearing) << dx << "," << dy;
}

TEST(TrigTables, UseTheProgramsDegreeFactorAndTruncate) {
    TrigTables t;
    BuildTrigTables(t);
    // The factor is slightly above pi/180: sin 30 is 0.5000062, sin 90 and
    // cos 360 fall just short of 1.
    for (auto [a, sin, cos] : {std::tuple{0, 0, 100}, {30, 50, 86}, {60, 86, 49}, {90, 99, 0}, {180, 0, -99},
                               {270, -99, 0}, {360, 0, 99}, {361, 1, 99}})
        EXPECT_EQ(std::pair(t.sin100[a], t.cos100[a]), std::pair(sin, cos)) << a;
}

TEST(DistanceTenths, TenthsOfTheAreasMileCappedFromTheScale) {
    EXPECT_EQ(DistanceTenths(120, 340, 120, 340, 300), 0.0);
    EXPECT_DOUBLE_EQ(DistanceTenths(500, 500, 500, 200, 300), 10.0);
    EXPECT_DOUBLE_EQ(DistanceTenths(0, 0, 3, 4, 1), 50.0);
    // 30000, 40000 apart: d^2 is exactly 2.5e9, capped at trunc(50000 / scale) x 10.
    EXPECT_EQ(DistanceTenths(0, 0, 30000, 40000, 300), 1660.0);
    EXPECT_EQ(DistanceTenths(0, 0, 60000, 0, 140), 3570.0);
    EXPECT_NEAR(DistanceTenths(0, 0, 30000, 39999, 300), 1666.64, 1e-3);
}

TEST(ObjectList, ResetEmptiesEverySlotAndUsesFortyNine) {
    ObjectList list;
    list.kind[41] = 1;
    list.fbx[41] = 123.0;
    list.fby[kObjectSlots - 1] = 5.0;
    ResetObjectList(list);
    EXPECT_EQ(list.count, 49);
    for (int i = 0; i < kObjectSlots; ++i)
        EXPECT_EQ(std::tuple(list.kind[i], list.fbx[i], list.fby[i]), std::tuple(22, -9000.0, -9000.0)) << i;
}

}  // namespace
}  // namespace vel
