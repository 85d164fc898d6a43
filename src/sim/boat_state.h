#pragma once
// Small questions about the boat and the tables that every simulation step
// asks: made fast, aground, which hull, and table lookups that cannot leave
// their table whatever an angle holds.
#include <cstdint>

#include "common/game.h"

namespace vel {

inline bool MadeFast(const OwnBoat& b) { return b.anchored || b.docked || b.onBuoy || b.alongside; }
inline bool TiedToPier(const OwnBoat& b) { return b.docked || b.alongside; }
inline bool IsSailboat(const CruiseOptions& o) { return o.boatType == 1 || o.boatType == 2; }
inline bool IsCatamaran(const CruiseOptions& o) { return o.boatType == 2; }
inline bool Aground(const Game& g) { return g.ownBoat.depth < g.boatDesign.draft; }
inline bool InShoalWater(const Game& g) {
    const int32_t d = g.ownBoat.depth, draft = g.boatDesign.draft;
    return draft <= d && d < draft + 3;
}
inline bool AnchorOut(const Game& g) { return g.anchors.anchor[1][1] != 0 || g.anchors.anchor[1][2] != 0; }

// Degrees brought into 0..359 however far out they lie; equal to the one-wrap
// normalisation for every angle within one turn of the range.
inline int32_t WrapDegrees(int32_t a) {
    a %= 360;
    return a < 0 ? a + 360 : a;
}
inline int32_t Sin100(const Game& g, int32_t deg) { return g.trigTables.sin100[WrapDegrees(deg)]; }
inline int32_t Cos100(const Game& g, int32_t deg) { return g.trigTables.cos100[WrapDegrees(deg)]; }

// The simulated time of one ordinary tick, never the three-hour leap.
inline double TickStep(const CruiseOptions& o) { return 30.0 / (o.stepDivisor > 0 ? o.stepDivisor : 1); }

}  // namespace vel
