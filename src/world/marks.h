#pragma once
// The fixed objects of a generated area in the object list: islands, the
// first two rocks, marks and lights, the mooring buoys; and the lighthouses.
#include <cstdint>

#include "common/game.h"

namespace vel {

// Object-list kinds of the generated areas' aids.
inline constexpr int32_t kKindIsland = 1;
inline constexpr int32_t kKindRock = 2;
inline constexpr int32_t kKindRedNorth = 3;    // red lateral mark, north region
inline constexpr int32_t kKindGreenNorth = 4;  // green lateral mark, north region
inline constexpr int32_t kKindRedSouth = 5;    // red daybeacon, further south
inline constexpr int32_t kKindGreenSouth = 6;  // green daybeacon, further south
inline constexpr int32_t kKindLighthouse = 7;  // lighthouse on the shore
inline constexpr int32_t kKindLedgeLight = 8;  // light on a ledge between islands
inline constexpr int32_t kKindBeacon = 9;      // lit beacon between islands
inline constexpr int32_t kKindMooringBuoy = 10;

inline constexpr int32_t kBuoyEntry1 = 33;
inline constexpr int32_t kBuoyEntry2 = 34;

// Fills the object list's fixed entries and the lighthouse table; expects
// the list cleared, the islands, rocks and mooring buoys placed.
void PlaceFixedObjects(Game& g);

}  // namespace vel
