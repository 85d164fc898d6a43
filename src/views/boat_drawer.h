#pragma once
// Sailboats and trawlers of the sailing view and the title screen.
#include "common/game.h"
#include "gfx/dc.h"
#include "views/boat_model.h"

namespace vel {

// Boat b with its reference point at screen (x, y): b = 1 is the own boat,
// 0 and 2..9 the anchored fleet. type: kBoatAtRest .. kBoatTwinTrawler.
// titleMode 1 draws the large picture of the title screen.
void drawSailboat(gfx::DC& dc, Game& g, int32_t b, int32_t titleMode, int32_t x, int32_t y, int32_t type);

// The same drawing from an explicit pose. look: the boat's build (monohull,
// catamaran, trawler), which for a boat at rest differs from its type.
void drawBoatPose(gfx::DC& dc, Game& g, const BoatPose& pose, int32_t b, bool titleMode, int32_t x, int32_t y,
                  int32_t type, int32_t look);

// The own boat as the simulation leaves it.
BoatPose OwnBoatPose(const Game& g);
// Anchored vessel j of the fleet: its size and build.
BoatPose FleetBoatPose(const Game& g, int32_t j);

// Which hull sides show at a relative heading: starboard from abeam to
// starboard and both when nearly bow-on or stern-on.
bool StarboardSideShows(int32_t rel);
bool PortSideShows(int32_t rel);

// Hull colour code of a boat of the object list, by region.
int32_t FleetHullColour(const Game& g, int32_t j);

}  // namespace vel
