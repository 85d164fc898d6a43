#include "world/island_recipes.h"

namespace vel::recipe {
namespace {

constexpr Term Lit(int32_t v) { return {Src::Lit, v}; }
constexpr Term Rnd(int32_t n, int32_t add = 0) { return {Src::Rnd, n, add}; }
constexpr Term NegRnd(int32_t n, int32_t add = 0) { return {Src::NegRnd, n, add}; }
constexpr Term EitherSign(int32_t n, int32_t add) { return {Src::EitherSign, n, add}; }
constexpr Term Stepped(int32_t n, int32_t add, int32_t origin) { return {Src::Stepped, n, add, origin}; }
constexpr Term Tens(int32_t n, int32_t add) { return {Src::Tens, n, add}; }
constexpr Term AwayRnd(int32_t add) { return {Src::AwayRnd, add}; }
constexpr Term SeaLit(int32_t v) { return {Src::SeaLit, v}; }
constexpr Term BendLit(int32_t v) { return {Src::BendLit, v}; }
constexpr Term BendSlot(int32_t perSlot, int32_t add) { return {Src::BendSlot, perSlot, add}; }
constexpr Term CoastX(int32_t cove, int32_t offset, int32_t add) { return {Src::CoastX, cove, offset, add}; }
constexpr Term CoastY(int32_t cove, int32_t offset, int32_t add) { return {Src::CoastY, cove, offset, add}; }
constexpr Term CoveEndX(int32_t cove, int32_t add) { return {Src::CoveEndX, cove, add}; }
constexpr Term CoveEndY(int32_t cove, int32_t add) { return {Src::CoveEndY, cove, add}; }
constexpr Term CoveStartXRnd(int32_t cove, int32_t n) { return {Src::CoveStartXRnd, cove, n}; }
constexpr Term CoveMidX(int32_t cove) { return {Src::CoveMidX, cove}; }
constexpr Term CoveMeanY(int32_t cove, int32_t add) { return {Src::CoveMeanY, cove, add}; }
constexpr Term RiverBayY(int32_t cove) { return {Src::RiverBayY, cove}; }
constexpr Term IslandX(int32_t i, int32_t add) { return {Src::IslandX, i, add}; }
constexpr Term IslandY(int32_t i, int32_t add) { return {Src::IslandY, i, add}; }
constexpr Term IslandYRnd(int32_t i, int32_t n, int32_t add) { return {Src::IslandYRnd, i, n, add}; }
constexpr Term MeanX(int32_t i, int32_t j, int32_t add) { return {Src::MeanX, i, j, add}; }
constexpr Term MeanY(int32_t i, int32_t j, int32_t add) { return {Src::MeanY, i, j, add}; }
constexpr Term OutlineX(int32_t i, int32_t point) { return {Src::OutlineX, i, point}; }
constexpr Term OutlineY(int32_t i, int32_t point, int32_t add) { return {Src::OutlineY, i, point, add}; }
constexpr Term PickX(int32_t i, int32_t heads, int32_t tails) { return {Src::PickX, i, heads, tails}; }
constexpr Term PickY(int32_t i, int32_t heads, int32_t tails, int32_t add) { return {Src::PickY, i, heads, tails, add}; }
// a / 100 + (b / 100) / (random(n) + add)
constexpr Term Aspect(int32_t a, int32_t b, int32_t n, int32_t add) { return {Src::Aspect, a, b, n, add}; }

constexpr uint32_t Slots(std::initializer_list<int32_t> s) {
    uint32_t bits = 0;
    for (int32_t v : s) bits |= 1u << v;
    return bits;
}

using F = Field;
constexpr uint8_t M = kMirrored, N = kNorth, S = kSouth, B = kBahamas;

// Coves: 0, 1, 2 are the first, second and third cove.

// ---- Coast (area 1); the inland waterway starts from the same rows --------
constexpr Row kCoastRows[] = {
    {1, 1, kAny, Lit(-7000), Rnd(500, 2300), Lit(1000), Lit(50), Rnd(20), Lit(22)},
    {2, 2, kAny, Lit(-8600), IslandY(1, -500), Lit(600), Lit(40), NegRnd(20), Rnd(10, 1)},
    {3, 3, kAny, Rnd(1000, 7000), Rnd(300, 2300), Rnd(300, 700), Lit(40), Rnd(30, 70), Rnd(10, 15)},
    {4, 4, kAny, Rnd(1000, 7000), IslandYRnd(3, 200, 1000), Lit(600), Lit(20), Rnd(30, 70), Rnd(15)},
    {5, 8, kAny, Stepped(200, 2100, -6500), Rnd(4000, 700), Rnd(500, 200), Aspect(20, 60, 3, 1), Rnd(90), Rnd(24, 1)},
    {9, 9, kAny, Lit(-8000), Lit(0), Lit(200), Lit(20), Lit(90), Lit(0)},
    {10, 10, kAny, CoastX(1, 4, 0), CoastY(1, 0, 0), Lit(200), Lit(30), Lit(0), Lit(0)},
    {11, 11, kAny, Rnd(1500, -4000), NegRnd(700, 1500), Rnd(900, 1200), Aspect(10, 50, 5, 2), Rnd(40, 70),
     Rnd(24, 1)},
    {12, 12, kAny, CoveStartXRnd(2, 200), NegRnd(500, 1500), Rnd(400, 600), Aspect(10, 50, 5, 2), Rnd(40, 70),
     Rnd(24, 1)},
    {13, 13, kAny, CoastX(0, -3, 300), CoastY(0, -3, 200), Lit(250), Lit(20), Lit(120), Lit(0)},
    {14, 14, kAny, OutlineX(11, 30), OutlineY(11, 30, -500), Lit(380), Lit(20), Lit(170), Lit(0)},
    {15, 15, kAny, OutlineX(11, 26), OutlineY(11, 26, -500), Lit(380), Lit(20), Lit(30), Lit(0)},
    {16, 16, kAny, MeanX(1, 2, 0), Lit(800), Lit(500), Lit(30), Rnd(20, 80), Rnd(24, 1)},
};

constexpr Override kCoastOverrides[] = {
    {2, 2, F::X, M, Lit(-5700)},
    {4, 4, F::X, M, Rnd(500, 6000)},
    {4, 4, F::Y, M, Rnd(100, 900)},
    {4, 4, F::Rotation, M, Rnd(20, 40)},
    {9, 9, F::X, M, Lit(8000)},
    {11, 11, F::X, M, Lit(6000)},
    {11, 11, F::Y, M, NegRnd(500, 1800)},
    {11, 11, F::Rotation, M | N, Lit(110)},
    {13, 13, F::X, M, CoveEndX(0, 0)},
    {13, 13, F::Rotation, S, Lit(60)},
    {14, 14, F::X, S, OutlineX(11, 5)},
    {14, 14, F::Y, S, OutlineY(11, 5, -500)},
    {14, 14, F::Rotation, S, Lit(10)},
    {15, 15, F::X, S, OutlineX(11, 9)},
    {15, 15, F::Y, S, OutlineY(11, 9, -500)},
    {15, 15, F::Rotation, S, Lit(150)},
    {14, 14, F::X, M, CoveEndX(2, 0)},
    {14, 14, F::Y, M, CoveEndY(2, 800)},
    {15, 15, F::X, M, CoastX(2, -4, 0)},
    {15, 15, F::Y, M, CoastY(2, -4, 600)},
    {16, 16, F::X, M, MeanX(1, 2, 1000)},
    {16, 16, F::Rotation, M, Lit(90)},
};

// ---- Inland waterway (area 3): the coast rows with these values ----------
constexpr Override kWaterwayOverrides[] = {
    {1, 1, F::Y, kAny, Rnd(500, 2000)},
    {1, 1, F::Radius, kAny, Lit(800)},
    {1, 1, F::X, M, Lit(-8000)},
    {1, 1, F::Y, M, Rnd(500, 1000)},
    {1, 1, F::Radius, M, Lit(500)},
    {1, 1, F::Rotation, M, Rnd(20, 70)},
    {2, 2, F::X, kAny, Lit(-8400)},
    {2, 2, F::X, M, Lit(-5900)},
    {2, 2, F::Y, M, Lit(1500)},
    {3, 3, F::Y, kAny, Rnd(100, 1500)},
    {3, 3, F::Radius, kAny, Rnd(300, 500)},
    {4, 4, F::Y, kAny, IslandYRnd(3, 100, 900)},
    {4, 4, F::X, M, Rnd(500, 6000)},
    {4, 4, F::Radius, M, Lit(500)},
    {4, 4, F::Rotation, M, Rnd(20, 80)},
    {5, 8, F::X, kAny, Stepped(200, 2000, -6500)},
    {5, 8, F::Y, kAny, Rnd(1500, 600)},
    {5, 8, F::Radius, kAny, Rnd(100, 400)},
    {5, 8, F::Rotation, kAny, Rnd(20, -10)},
    {9, 9, F::X, kAny, Lit(8000)},
    {9, 9, F::X, M, Lit(-8000)},
    {9, 9, F::Rotation, kAny, Lit(-90)},
    {10, 10, F::Y, kAny, CoastY(1, 1, 0)},
    {10, 10, F::Y, M, CoastY(1, 0, 0)},
    {11, 11, F::X, kAny, Rnd(3000, -4000)},
    {11, 11, F::Y, kAny, NegRnd(800, 1200)},
    {12, 12, F::X, kAny, Rnd(1000, 4000)},
    {12, 12, F::X, M, Lit(0)},
    {12, 12, F::Y, kAny, NegRnd(500, 1300)},
    {12, 12, F::Radius, kAny, Rnd(400, 1200)},
    {13, 13, F::X, kAny, CoastX(0, -3, 450)},
    {13, 13, F::Y, kAny, CoastY(0, -3, 400)},
    {13, 13, F::Radius, kAny, Lit(400)},
    {13, 13, F::Aspect, kAny, Lit(15)},
    {13, 13, F::X, M, CoveEndX(0, 200)},
    {14, 14, F::Y, M, CoveEndY(2, -800)},
    {14, 14, F::Rotation, M, Lit(20)},
    {15, 15, F::X, M, CoastX(2, -2, 0)},
    {15, 15, F::Y, M, CoastY(2, -4, -600)},
    {15, 15, F::Rotation, M, Lit(-60)},
};

// ---- Islands (area 2), with the Bahamian layout --------------------------
constexpr Row kIslandRows[] = {
    {1, 1, kAny, Lit(-7000), Lit(3500), Lit(1500), Lit(60), Lit(30), Lit(20)},
    {2, 2, kAny, Lit(-8500), IslandY(1, -400), Lit(600), Lit(40), Lit(0), Rnd(10, 1)},
    {3, 3, kAny, Rnd(400, 6300), Rnd(300, 2500), Rnd(300, 1200), Lit(40), Rnd(20, 80), Rnd(24, 1)},
    {4, 4, kAny, Lit(7200), IslandY(3, -1200), Lit(600), Lit(20), Lit(90), Rnd(15)},
    {5, 5, kAny, Stepped(200, 2200, -8900), NegRnd(2500, 1500), Lit(800), Aspect(10, 50, 3, 1), Rnd(10, 20),
     Rnd(24, 1)},
    {6, 9, kAny, Stepped(200, 2200, -8900), NegRnd(2500, 1500), Rnd(600, 200), Aspect(10, 100, 3, 1), Rnd(90),
     Rnd(24, 1)},
    {10, 10, B, Stepped(200, 2200, -8900), NegRnd(2500, 1500), Rnd(600, 200), Aspect(10, 100, 3, 1), Rnd(90),
     Rnd(24, 1)},
    {10, 10, kAny, Rnd(2000, 2000), Lit(0), Lit(200), Lit(20), Lit(-90), Lit(0)},
    {11, 11, kAny, Rnd(2000, -1000), Rnd(100, 2000), Rnd(200, 1400), Aspect(10, 50, 5, 2), Rnd(40, 70), Rnd(24, 1)},
    {12, 12, kAny, PickX(11, 9, 27), PickY(11, 9, 27, 750), Rnd(50, 600), Aspect(10, 30, 5, 2), EitherSign(10, 50),
     Rnd(24, 1), true},
    {13, 13, kAny, IslandX(3, 2000), MeanY(3, 4, -300), Rnd(50, 450), Lit(70), Lit(0), Rnd(24, 1)},
    {14, 14, kAny, Lit(8000), Lit(-2300), Rnd(50, 500), Aspect(10, 30, 5, 2), EitherSign(10, 130), Rnd(24, 1)},
    {15, 15, kAny, Lit(8000), Lit(-1500), Lit(425), Aspect(10, 60, 5, 2), EitherSign(10, 70), Rnd(24, 1)},
    {16, 16, kAny, IslandX(5, -1200), IslandY(5, 0), Rnd(50, 450), Aspect(10, 60, 5, 2), Rnd(10, 30), Rnd(24, 1)},
    // The Bahamas' uncharted reefs.
    {17, 20, kAny, Tens(1600, -800), AwayRnd(800), Rnd(200, 300), Aspect(30, 60, 5, 1), Rnd(180), Rnd(24, 1)},
};

constexpr Override kIslandOverrides[] = {
    {1, 1, F::Y, B, Rnd(500, 2300)},
    {1, 1, F::Aspect, B, Lit(30)},
    {1, 1, F::Rotation, S, Lit(-7)},
    {1, 1, F::Rotation, B, Lit(10)},
    {1, 1, F::Notch, B, Rnd(22, 1)},
    {2, 2, F::X, B | kUnmirrored, Lit(-8400)},
    {2, 2, F::X, M, Lit(-6300)},
    {2, 2, F::Y, S, IslandY(1, -500)},
    {2, 2, F::Rotation, S, Lit(180)},
    {2, 2, F::Rotation, B, NegRnd(20)},
    {4, 4, F::X, M, Rnd(1000, 6000)},
    {4, 4, F::Y, M, IslandYRnd(3, 100, 900)},
    {4, 4, F::Y, M | N, IslandYRnd(3, 100, 1200)},
    {4, 4, F::Rotation, M, Rnd(20, 40)},
    {4, 4, F::Rotation, M | N, NegRnd(10, 50)},
    {11, 11, F::X, B, Lit(0)},
    {11, 11, F::Radius, B, Lit(1500)},
    {11, 11, F::Rotation, M | N, Lit(110)},
    {11, 11, F::Rotation, B, Lit(100)},
    {12, 12, F::Rotation, B, Lit(40)},
    {13, 13, F::X, M, IslandX(3, -1500)},
    {13, 13, F::Y, M, MeanY(3, 4, -800)},
    {14, 14, F::Y, S, Lit(-1500)},
    {14, 14, F::Rotation, B, Lit(135)},
    {15, 15, F::Y, S, Lit(-2300)},
    {15, 15, F::Rotation, B, Lit(65)},
    {16, 16, F::X, M, Lit(-8000)},
};

// ---- River (area 4): the layout follows the bend, not the mirror ---------
constexpr Row kRiverRows[] = {
    {1, 1, kAny, Lit(-7000), BendLit(-2700), Lit(400), Lit(30), Lit(70), Lit(22)},
    {2, 2, kAny, Lit(-7300), BendLit(-3300), Lit(300), Lit(20), Lit(70), Rnd(10, 1)},
    {3, 3, kAny, Lit(8000), SeaLit(1200), Rnd(50, 300), Lit(30), Lit(120), Rnd(10, 15)},
    {4, 4, kAny, Lit(8200), SeaLit(600), Lit(500), Lit(20), Lit(60), Rnd(15)},
    {5, 7, kAny, Stepped(200, 800, -9000), BendSlot(300, -3200), Rnd(100, 100), Aspect(40, 60, 3, 1), Lit(70), Lit(0)},
    {8, 8, kAny, CoastX(1, 2, 0), RiverBayY(1), Lit(200), Lit(30), Lit(0), Lit(0)},
    {9, 9, kAny, Lit(5500), Lit(800), Lit(350), Lit(80), Rnd(20, 80), Lit(0)},
    {10, 10, kAny, Lit(-3000), Lit(300), Lit(400), Lit(40), Lit(90), Lit(0)},
    {11, 11, kAny, Lit(-4500), BendLit(-2700), Lit(400), Lit(30), Lit(70), Lit(22)},
    {12, 12, kAny, Lit(-5000), BendLit(-2200), Lit(600), Lit(15), Lit(70), Rnd(10, 1)},
    {13, 13, kAny, CoveEndX(0, 0), CoveMeanY(0, 600), Lit(250), Lit(40), Rnd(20, 80), Rnd(20, 1)},
    {14, 14, kAny, Lit(1800), Lit(-550), Lit(500), Lit(30), Lit(75), Rnd(20, 1)},
    {15, 15, kAny, CoveMidX(2), CoveMeanY(2, 1000), Lit(300), Lit(80), Rnd(40, -20), Rnd(20, 1)},
    {16, 16, kAny, Lit(-1900), BendLit(-1600), Lit(600), Lit(30), Rnd(20, 100), Rnd(24, 1)},
};

constexpr uint8_t P = kBendPlus;
constexpr Override kRiverOverrides[] = {
    {1, 2, F::Rotation, P, Lit(110)},
    {4, 4, F::Rotation, M, Lit(70)},
    {5, 7, F::Rotation, P, Lit(110)},
    {9, 9, F::X, S, Lit(7000)},
    {10, 10, F::Y, P, Lit(-350)},
    {11, 11, F::Rotation, P, Lit(105)},
    {12, 12, F::Rotation, P, Lit(110)},
    {14, 14, F::Y, P, Lit(500)},
    {14, 14, F::Rotation, P, Lit(105)},
    {16, 16, F::X, kBendMinus, Lit(-2100)},
};

constexpr Book kCoast{kCoastRows, {kCoastOverrides, {}}, true, true, Slots({10, 13})};
constexpr Book kIslands{kIslandRows, {kIslandOverrides, {}}, false, true, Slots({13})};
constexpr Book kWaterway{kCoastRows, {kCoastOverrides, kWaterwayOverrides}, true, true, Slots({10, 13})};
constexpr Book kRiver{kRiverRows, {kRiverOverrides, {}}, false, false, 0};

}  // namespace

const Book& BookFor(int32_t areaCode) {
    switch (areaCode) {
        case 2: return kIslands;
        case 3: return kWaterway;
        case 4: return kRiver;
        default: return kCoast;
    }
}

}  // namespace vel::recipe
