#include "common/helpers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace vel {
namespace {

// A generator whose next rand() is v: runs the C runtime's step backwards
// from a state whose bits 16..30 hold v.
Rng PrimedFor(int v) {
    constexpr uint32_t a = 214013u, c = 2531011u;
    uint32_t inverse = a;
    for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
    Rng r;
    r.x = (static_cast<uint32_t>(v) << 16) - c;
    r.x *= inverse;
    return r;
}

TEST(Rng, SeedOneGivesTheCRuntimeSequence) {
    Rng r;
    r.srand(1);
    const std::vector<int> expected = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int want : expected) EXPECT_EQ(r.rand(), want);
}

TEST(Rng, ReseedingRestartsTheSequence) {
    Rng r;
    r.srand(1);
    r.rand();
    r.rand();
    r.srand(1);
    EXPECT_EQ(r.rand(), 41);
}

TEST(Rng, DefaultStateActsAsSeedOne) {
    Rng r;
    EXPECT_EQ(r.rand(), 41);
}

TEST(Random, PrimedGeneratorYieldsTheChosenValue) {
    for (int v : {0, 1, 15999, 32767}) {
        Rng r = PrimedFor(v);
        EXPECT_EQ(r.rand(), v);
    }
}

struct RandomCase {
    int n;
    int randValue;
    int expected;
};

void PrintTo(const RandomCase& c, std::ostream* os) { *os << "random(" << c.n << ") of " << c.randValue; }

class RandomDivision : public ::testing::TestWithParam<RandomCase> {};

TEST_P(RandomDivision, DividesByThirtyTwoThousandOverTheRange) {
    const RandomCase& c = GetParam();
    Rng r = PrimedFor(c.randValue);
    EXPECT_EQ(random(r, c.n), c.expected) << "random(" << c.n << ") with rand() = " << c.randValue;
}

INSTANTIATE_TEST_SUITE_P(Cases, RandomDivision,
                         ::testing::Values(
                             // 32000 / 100 = 320: the top of rand's range overshoots n.
                             RandomCase{100, 0, 0}, RandomCase{100, 319, 0}, RandomCase{100, 320, 1},
                             RandomCase{100, 31999, 99}, RandomCase{100, 32000, 100}, RandomCase{100, 32319, 100},
                             RandomCase{100, 32320, 101}, RandomCase{100, 32639, 101}, RandomCase{100, 32640, 102},
                             RandomCase{100, 32767, 102},
                             // |n| below 2 divides as 2: 32000 / 2 = 16000.
                             RandomCase{0, 15999, 0}, RandomCase{0, 16000, 1}, RandomCase{0, 32000, 2},
                             RandomCase{1, 16000, 1}, RandomCase{-1, 32767, 2},
                             // A negative n uses its magnitude: 32000 / 5 = 6400, never negative.
                             RandomCase{-5, 6399, 0}, RandomCase{-5, 6400, 1}, RandomCase{-5, 32767, 5},
                             // Whole-number division of the divisor first: 32000 / 3 = 10666.
                             RandomCase{3, 10665, 0}, RandomCase{3, 10666, 1}, RandomCase{3, 32767, 3},
                             // 32000 / 16001 = 1 is the last whole divisor; past it the draw
                             // is rand() itself instead of a division by zero.
                             RandomCase{16001, 32767, 32767}, RandomCase{32000, 32767, 32767},
                             RandomCase{32001, 32767, 32767}, RandomCase{-40000, 12345, 12345},
                             RandomCase{2147483647, 32767, 32767}, RandomCase{-2147483647 - 1, 32767, 32767}));

TEST(Random, SeedOneFirstPercentages) {
    // 41, 18467, 6334, 26500, 19169 divided by 320.
    Rng r;
    r.srand(1);
    const std::vector<int> expected = {0, 57, 19, 82, 59};
    for (int want : expected) EXPECT_EQ(random(r, 100), want);
}

TEST(RandomTable, HoldsNineHundredOneDrawsInOrder) {
    Rng r;
    r.srand(1);
    RandomTable t;
    FillRandomTable(t, r);
    EXPECT_EQ(t.r100[0], 0);
    EXPECT_EQ(t.r100[1], 57);
    EXPECT_EQ(t.r100[4], 59);
    // The generator has moved past all 901 draws.
    Rng again;
    again.srand(1);
    for (int i = 0; i < 901; ++i) again.rand();
    EXPECT_EQ(r.rand(), again.rand());
}

struct AngleCase {
    int in;
    int out;
};

void PrintTo(const AngleCase& c, std::ostream* os) { *os << c.in; }

class NormaliseAngleWrap : public ::testing::TestWithParam<AngleCase> {};

TEST_P(NormaliseAngleWrap, WrapsOnceOnly) { EXPECT_EQ(NormaliseAngle(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Cases, NormaliseAngleWrap,
                         ::testing::Values(AngleCase{0, 0}, AngleCase{359, 359}, AngleCase{360, 0}, AngleCase{361, 1},
                                           AngleCase{-1, 359}, AngleCase{-360, 0}, AngleCase{720, 360},
                                           AngleCase{-400, -40}));

struct BearingCase {
    double dx, dy;
    int bearing;
};

void PrintTo(const BearingCase& c, std::ostream* os) { *os << "(" << c.dx << ", " << c.dy << ")"; }

class BearingOfOffset : public ::testing::TestWithParam<BearingCase> {};

TEST_P(BearingOfOffset, AddsAHalfAndTruncatesTowardZero) {
    const BearingCase& c = GetParam();
    EXPECT_EQ(BearingOf(c.dx, c.dy), c.bearing) << "dx " << c.dx << " dy " << c.dy;
}

// trunc(atan2 * 57.295 + 0.5): in the western half atan2 is negative and
// truncation toward zero lifts it, so due west reads 271 and north-west 316.
INSTANTIATE_TEST_SUITE_P(Cases, BearingOfOffset,
                         ::testing::Values(BearingCase{0, 1, 0}, BearingCase{1, 0, 90}, BearingCase{0, -1, 180},
                                           BearingCase{-1, 0, 271}, BearingCase{1, 1, 45}, BearingCase{1, -1, 135},
                                           BearingCase{-1, -1, 226}, BearingCase{-1, 1, 316},
                                           // 26.57 degrees rounds up, 36.87 rounds up.
                                           BearingCase{1, 2, 27}, BearingCase{3, 4, 37}));

TEST(DistanceTenths, SamePointIsZero) { EXPECT_EQ(DistanceTenths(120, 340, 120, 340, 300), 0.0); }

TEST(DistanceTenths, OneMileIsTenTenths) {
    EXPECT_DOUBLE_EQ(DistanceTenths(0, 0, 300, 0, 300), 10.0);
    EXPECT_DOUBLE_EQ(DistanceTenths(500, 500, 500, 200, 300), 10.0);
    EXPECT_DOUBLE_EQ(DistanceTenths(0, 0, 3, 4, 1), 50.0);
}

TEST(DistanceTenths, FarPointsAreCappedFromTheScale) {
    // 30000, 40000 apart: d^2 is exactly 2.5e9.
    EXPECT_EQ(DistanceTenths(0, 0, 30000, 40000, 300), 1660.0);  // trunc(50000 / 300) * 10
    EXPECT_EQ(DistanceTenths(0, 0, 30000, 40000, 416), 1200.0);  // trunc(50000 / 416) * 10
    EXPECT_EQ(DistanceTenths(0, 0, 60000, 0, 140), 3570.0);      // trunc(50000 / 140) * 10
}

TEST(DistanceTenths, JustInsideTheCapIsMeasured) {
    // d^2 = 2499920001: sqrt / 300 * 10 = 1666.64, above the capped value.
    EXPECT_NEAR(DistanceTenths(0, 0, 30000, 39999, 300), 1666.64, 1e-3);
}

TEST(TrigTables, UseTheProgramsDegreeFactorAndTruncate) {
    TrigTables t;
    BuildTrigTables(t);
    // The factor 0.017453529976437735 is slightly above pi/180: sin 30 is
    // 0.5000062, sin 90 and cos 0..360 fall just short of 1.
    EXPECT_EQ(t.sin100[0], 0);
    EXPECT_EQ(t.cos100[0], 100);
    EXPECT_EQ(t.sin100[30], 50);
    EXPECT_EQ(t.cos100[60], 49);
    EXPECT_EQ(t.sin100[45], 70);
    EXPECT_EQ(t.cos100[45], 70);
    EXPECT_EQ(t.sin100[90], 99);
    EXPECT_EQ(t.cos100[90], 0);
    EXPECT_EQ(t.cos100[180], -99);
    EXPECT_EQ(t.sin100[180], 0);
    EXPECT_EQ(t.sin100[270], -99);
    EXPECT_EQ(t.cos100[360], 99);
    EXPECT_EQ(t.sin100[361], 1);
    EXPECT_EQ(t.cos100[361], 99);
}

TEST(ObjectList, ResetEmptiesEverySlotAndUsesFortyNine) {
    ObjectList list;
    list.kind[41] = 1;
    list.fbx[41] = 123.0;
    list.fby[99] = 5.0;
    list.count = 3;
    ResetObjectList(list);
    EXPECT_EQ(list.count, 49);
    for (int i = 0; i < kObjectSlots; ++i) {
        EXPECT_EQ(list.kind[i], 22) << i;
        EXPECT_EQ(list.fbx[i], -9000.0) << i;
        EXPECT_EQ(list.fby[i], -9000.0) << i;
    }
}

}  // namespace
}  // namespace vel
