#pragma once
// The per-slot island recipes of the generated areas, as data. A recipe
// row gives each value of a slot as a term (a literal, a random range, or a
// point of the shore or of an earlier island); override rows replace single
// terms under conditions (mirrored layout, mainland side, region, river
// bend). The last matching override wins.
#include <array>
#include <cstdint>
#include <span>

namespace vel::recipe {

enum class Src : uint8_t {
    Lit,           // a (aspect: a / 100)
    Rnd,           // random(a) + b
    NegRnd,        // -(random(a) + b)
    EitherSign,    // +-(random(a) + b): + when random(100) < 50
    Stepped,       // (random(a) + b) x (slot - 4) + c
    Tens,          // (random(a) + b) x 10
    AwayRnd,       // +-(random(|coastBaseY|) + a): - when random(100) < 51
    SeaLit,        // a x seaSign
    BendLit,       // a x riverBend
    BendSlot,      // (a x slot + b) x riverBend
    CoastX,        // coastX[start of cove a + b] + c
    CoastY,        // coastY[start of cove a + b] + c x seaSign
    CoveEndX,      // coastX[end of cove a] + b
    CoveEndY,      // coastY[end of cove a] + b x seaSign
    CoveStartXRnd, // random(b) + x of the start of cove a
    CoveMidX,      // middle of cove a's entrance
    CoveMeanY,     // (y at cove a's start + y at its end) / 2 + b x seaSign
    RiverBayY,     // (y at cove a's end + 2 y at its start) / 3
    IslandX,       // x of island a + b
    IslandY,       // y of island a + b (sea frame)
    IslandYRnd,    // y of island a - (random(b) + c) (sea frame)
    MeanX,         // (x of island a + x of island b) / 2 + c
    MeanY,         // (y of island a + y of island b) / 2 + c (sea frame)
    OutlineX,      // outline point b of island a
    OutlineY,      // outline point b of island a, y + c (sea frame)
    PickX,         // outline point b of island a when the slot's coin fell, else point c
    PickY,         // likewise, y + d, or y - d for point c
    Aspect,        // a / 100 + (b / 100) / (random(c) + d)
};

struct Term {
    Src src = Src::Lit;
    int32_t a = 0, b = 0, c = 0, d = 0;
};

// Conditions, all of which must hold.
enum When : uint8_t {
    kAny = 0,
    kMirrored = 1,
    kUnmirrored = 2,
    kNorth = 4,  // mainland to the north
    kSouth = 8,
    kBahamas = 16,
    kNotBahamas = 32,
    kBendPlus = 64,
    kBendMinus = 128,
};

enum class Field : uint8_t { X, Y, Radius, Aspect, Rotation, Notch };

struct Row {
    int32_t first, last;  // slots
    uint8_t when;
    Term x, y, radius, aspect, rotation, notch;  // rotation in degrees
    bool coin = false;  // draw the slot's coin (random(100) < 50, or Bahamas) first
};

struct Override {
    int32_t first, last;
    Field field;
    uint8_t when;
    Term term;
};

struct Book {
    std::span<const Row> rows;  // first matching row serves the slot
    std::array<std::span<const Override>, 2> overrides;  // applied in order
    // y literals, random ranges and offsets from islands are written for
    // the mainland to the north and turn with seaSign.
    bool seaFrame;
    // In the mirrored layout x is negated after the recipe, except for
    // these slots (bit per slot).
    bool negateWhenMirrored;
    uint32_t keepX;
};

// The recipe book of a generated area code (1..4).
const Book& BookFor(int32_t areaCode);

}  // namespace vel::recipe
