#pragma once
// The passages seen from the boat: the coasts of the landmasses, the
// lighthouses that stand on them as landmarks, and the low cays of the
// Bahamas side drawn before everything afloat.
#include <cstdint>

#include "common/game.h"
#include "gfx/dc.h"

namespace vel {

// How far off a landmass coast still shows above the horizon, in area units.
inline constexpr double kPassageCoastSight = 6000.0;

// The landmass coasts (slots flagged isLandmass) within sight, faces
// turned toward the boat only.
void drawPassageCoasts(gfx::DC& dc, Game& g);

// Lighthouse towers of a passage, by day and by night.
void drawPassageLandmarks(gfx::DC& dc, Game& g);

// Islands 26 and up of the Florida-Bahamas passages, low among the waves.
void drawPassageReefs(gfx::DC& dc, Game& g);

// Height in pixels at the bottom of the view of passage island i: the
// Bahamian cays lie low, the islands of Maine and Nova Scotia stand high.
int32_t PassageIslandLandHeight(const Game& g, int32_t i);

}  // namespace vel
