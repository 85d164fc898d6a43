#include "world/islands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "common/helpers.h"
#include "world/island_recipes.h"

namespace vel {
namespace {

using recipe::Book;
using recipe::Field;
using recipe::Row;
using recipe::Src;
using recipe::Term;

// Radius factors of the ten sectors of a bay, from its first sector on.
constexpr std::array<double, 10> kBay = {0.9, 0.8, 0.7, 0.65, 0.6, 0.6, 0.65, 0.7, 0.8, 0.9};
constexpr int32_t kOutlinePoints = 36;

bool Holds(uint8_t when, const AreaGrid& a) {
    const auto need = [when](uint8_t bit, bool v) { return (when & bit) == 0 || v; };
    return need(recipe::kMirrored, a.mirrored != 0) && need(recipe::kUnmirrored, a.mirrored == 0) &&
           need(recipe::kNorth, a.mainlandSide == 1) && need(recipe::kSouth, a.mainlandSide != 1) &&
           need(recipe::kBahamas, a.region == 3) && need(recipe::kNotBahamas, a.region != 3) &&
           need(recipe::kBendPlus, a.riverBend == 1) && need(recipe::kBendMinus, a.riverBend == -1);
}

const Row* RowFor(const Book& book, int32_t slot, const AreaGrid& a) {
    for (const Row& r : book.rows)
        if (r.first <= slot && slot <= r.last && Holds(r.when, a)) return &r;
    return nullptr;
}

Term TermFor(const Book& book, const Row& row, Field f, int32_t slot, const AreaGrid& a) {
    static constexpr Term Row::*kFields[] = {&Row::x, &Row::y, &Row::radius, &Row::aspect, &Row::rotation,
                                             &Row::notch};
    Term t = row.*kFields[static_cast<int>(f)];
    for (const auto& list : book.overrides)
        for (const recipe::Override& o : list)
            if (o.field == f && o.first <= slot && slot <= o.last && Holds(o.when, a)) t = o.term;
    return t;
}

int32_t CoastIndex(int32_t i) { return std::clamp<int32_t>(i, 0, static_cast<int32_t>(CoastInts{}.size()) - 1); }
int32_t Isl(int32_t i) { return std::clamp<int32_t>(i, 1, kIslandSlots - 1); }
int32_t Pt(int32_t p) { return std::clamp<int32_t>(p, 0, kOutlinePoints); }

struct SlotContext {
    Game& g;
    const Book& book;
    int32_t slot;
    bool coin = false;
};

int32_t Evaluate(const Term& t, SlotContext& s, bool isY) {
    AreaGrid& a = s.g.areaGrid;
    Rng& rng = s.g.rng;
    const int32_t sea = a.seaSign;
    const int32_t frame = (isY && s.book.seaFrame) ? sea : 1;
    const auto outline = [&a](int32_t i, int32_t p) -> const std::array<int32_t, 2>& {
        return a.islandOutline[Isl(i)][Pt(p)];
    };
    switch (t.src) {
        case Src::Lit: return t.a * frame;
        case Src::Rnd: return (random(rng, t.a) + t.b) * frame;
        case Src::NegRnd: return -(random(rng, t.a) + t.b) * frame;
        case Src::EitherSign: {
            const int32_t m = random(rng, t.a) + t.b;
            return random(rng, 100) < 50 ? m : -m;
        }
        case Src::Stepped: return (random(rng, t.a) + t.b) * (s.slot - 4) + t.c;
        case Src::Tens: return (random(rng, t.a) + t.b) * 10;
        case Src::AwayRnd: {
            const int32_t m = random(rng, std::abs(a.coastBaseY)) + t.a;
            return random(rng, 100) < 51 ? -m : m;
        }
        case Src::SeaLit: return t.a * sea;
        case Src::BendLit: return t.a * a.riverBend;
        case Src::BendSlot: return (t.a * s.slot + t.b) * a.riverBend;
        case Src::CoastX: return a.coastX[CoastIndex(a.coveStart[t.a] + t.b)] + t.c;
        case Src::CoastY: return a.coastY[CoastIndex(a.coveStart[t.a] + t.b)] + t.c * sea;
        case Src::CoveEndX: return a.coastX[CoastIndex(a.coveEnd[t.a])] + t.b;
        case Src::CoveEndY: return a.coastY[CoastIndex(a.coveEnd[t.a])] + t.b * sea;
        case Src::CoveStartXRnd: return random(rng, t.b) + a.coveStartX[t.a];
        case Src::CoveMidX: return (a.coveStartX[t.a] + a.coveEndX[t.a]) / 2;
        case Src::CoveMeanY:
            return (a.coastY[CoastIndex(a.coveStart[t.a])] + a.coastY[CoastIndex(a.coveEnd[t.a])]) / 2 + t.b * sea;
        case Src::RiverBayY:
            return (a.coastY[CoastIndex(a.coveEnd[t.a])] + 2 * a.coastY[CoastIndex(a.coveStart[t.a])]) / 3;
        case Src::IslandX: return a.islandX[Isl(t.a)] + t.b;
        case Src::IslandY: return a.islandY[Isl(t.a)] + t.b * frame;
        case Src::IslandYRnd: return a.islandY[Isl(t.a)] - frame * (random(rng, t.b) + t.c);
        case Src::MeanX: return (a.islandX[Isl(t.a)] + a.islandX[Isl(t.b)]) / 2 + t.c;
        case Src::MeanY: return (a.islandY[Isl(t.a)] + a.islandY[Isl(t.b)]) / 2 + t.c * frame;
        case Src::OutlineX: return outline(t.a, t.b)[0];
        case Src::OutlineY: return outline(t.a, t.b)[1] + t.c * frame;
        case Src::PickX: return outline(t.a, s.coin ? t.b : t.c)[0];
        case Src::PickY: return s.coin ? outline(t.a, t.b)[1] + t.d * frame : outline(t.a, t.c)[1] - t.d * frame;
        case Src::Aspect: break;
    }
    return 0;
}

double EvaluateAspect(const Term& t, Rng& rng) {
    if (t.src != Src::Aspect) return t.a / 100.0;
    return t.a / 100.0 + (t.b / 100.0) / (random(rng, t.c) + t.d);
}

IslandShape ShapeFromRecipe(Game& g, const Book& book, const Row& row, int32_t slot) {
    const AreaGrid& a = g.areaGrid;
    SlotContext s{g, book, slot};
    if (row.coin) s.coin = random(g.rng, 100) < 50 || a.region == 3;
    IslandShape sh;
    sh.x = Evaluate(TermFor(book, row, Field::X, slot, a), s, false);
    sh.y = Evaluate(TermFor(book, row, Field::Y, slot, a), s, true);
    sh.radius = Evaluate(TermFor(book, row, Field::Radius, slot, a), s, false);
    sh.aspect = EvaluateAspect(TermFor(book, row, Field::Aspect, slot, a), g.rng);
    sh.rotationDeg = Evaluate(TermFor(book, row, Field::Rotation, slot, a), s, false);
    sh.notch = Evaluate(TermFor(book, row, Field::Notch, slot, a), s, false);
    if (a.mirrored && book.negateWhenMirrored && ((book.keepX >> slot) & 1u) == 0) sh.x = -sh.x;
    return sh;
}

}  // namespace

void BuildIsland(Game& g, int32_t slot, const IslandShape& s) {
    if (slot < 1 || slot >= kIslandSlots) return;
    AreaGrid& a = g.areaGrid;
    a.islandX[slot] = s.x;
    a.islandY[slot] = s.y;
    a.islandRadius[slot] = s.radius;
    a.islandNotch[slot] = s.notch;
    a.islandAspect[slot] = s.aspect;
    a.islandRotation[slot] = s.rotationDeg * kDegToRad;
    const double rot = a.islandRotation[slot];
    auto& outline = a.islandOutline[slot];
    a.islandReach[slot] = 0;
    for (int32_t k = 0; k < kOutlinePoints; ++k) {
        double r = s.radius + random(g.rng, s.radius / 40);
        const int32_t inBay = k - s.notch;
        if (s.notch > 0 && inBay >= 0 && inBay < static_cast<int32_t>(kBay.size())) r *= kBay[inBay];
        const double t = 10 * k * kDegToRad;
        const double u = s.aspect * r * std::sin(t);
        const double v = -r * std::cos(t);
        const int32_t dx = Trunc(u * std::cos(rot) - v * std::sin(rot));
        const int32_t dy = Trunc(u * std::sin(rot) + v * std::cos(rot));
        outline[k] = {s.x + dx, s.y + dy};
        a.islandSectorRadius[slot][k] = Trunc(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
        a.islandReach[slot] = std::max(a.islandReach[slot], a.islandSectorRadius[slot][k]);
    }
    outline[kOutlinePoints] = outline[0];
}

void BuildGeneratedIslands(Game& g) {
    const Book& book = recipe::BookFor(g.areaGrid.areaCode);
    const int32_t count = std::min(g.areaGrid.islandCount, kIslandSlots - 1);
    for (int32_t slot = 1; slot <= count; ++slot) {
        const Row* row = RowFor(book, slot, g.areaGrid);
        if (row) BuildIsland(g, slot, ShapeFromRecipe(g, book, *row, slot));
    }
}

}  // namespace vel
