#pragma once
// The four overnight passages: Florida to the Bahamas and back (region 5),
// Maine to Nova Scotia and back (region 6), built from stored tables.
#include <cstdint>
#include <span>

#include "common/game.h"
#include "world/passage_data.h"

namespace vel {

// Passage region of an area code: 5 for areas 5 and 6, 6 for 7 and 8, else 0.
int32_t PassageRegionOf(int32_t areaCode);
// The stored tables of a passage region; nullptr for any other region.
const PassageRegion* PassageTables(int32_t region);

struct StartCircle {
    int32_t x, y;
};
// The red start circles of a passage area; empty for other areas.
std::span<const StartCircle> StartCirclesFor(int32_t areaCode);

// The passage branch of the area build: start circles, landmass and island
// slots, the stored rocks and the lighthouses. The area code decides the
// region, whatever region the options say.
void BuildPassage(Game& g);
// Landmass or island slot i of the current passage.
void BuildPassageSlot(Game& g, int32_t i);
// Object list entries of a passage: the islands, then the passage marks.
void PlacePassageObjects(Game& g);

// The Great Bahama Bank's northern edge, from Great Isaac to Great Stirrup
// Cay: y of the edge at x (deep water north of it).
int32_t BankLineY(int32_t x);

// The chart legend line of a passage area; nullptr for other areas.
const char* PassageLegend(int32_t areaCode);

// Depth queries of the two regions (DepthAt's kinds).
int32_t PassageDepthSouth(const Game& g, int32_t x, int32_t y, int32_t kind);
int32_t PassageDepthNorth(const Game& g, int32_t x, int32_t y, int32_t kind);

}  // namespace vel
