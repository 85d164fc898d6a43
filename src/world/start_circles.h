#pragma once
// The red start circles of the passages: starting inside one earns the
// passage bonus.
#include <cstdint>

#include "common/game.h"

namespace vel {

inline constexpr int32_t kStartCircleRadius = 1500;

// A start click in a passage within the radius of a circle's centre puts the
// boat on that centre at anchor; false (and nothing changed) otherwise.
bool PlaceAtStartCircle(Game& g, int32_t x, int32_t y);

}  // namespace vel
