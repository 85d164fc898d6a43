// Charted rocks and reefs of the Florida - Bahamas passages (areas 5 and 6),
// each in the sea off its cay or on its reef line.
// Sources (public): NOAA charts 11466 (Jupiter Inlet to Fowey Rocks) and
// 11451 (Miami to Marathon); NGA/NOAA 26320 and 26300 and the Bahamas lights
// of NGA Publication 110 for the Bimini, Cat Cay, Great Isaac, Little Bahama
// Bank and Berry Islands rocks. Placed to about a quarter of a mile. Not for
// navigation.
#include "world/passage_data.h"

namespace vel {

namespace {
// 1: shows at all tides; 0: awash or just below.
constexpr RealRockFact kRocks[] = {
    // The Florida reef tract, inside the stream's western edge.
    {{25.5900, -80.0970}, 1},  // Fowey Rocks
    {{25.6700, -80.1100}, 0},  // Emerald Reef
    {{25.4760, -80.1100}, 0},  // Triumph Reef
    {{25.4400, -80.1200}, 0},  // Long Reef
    {{25.4000, -80.1300}, 0},  // Ajax Reef
    {{25.3710, -80.1420}, 0},  // Pacific Reef
    {{25.2220, -80.2110}, 1},  // Carysfort Reef
    // The Great Bahama Bank's western edge.
    {{26.0308, -79.0950}, 1},  // Great Isaac, the Hen and Chickens
    {{25.8070, -79.2580}, 1},  // North Rock, Bimini
    {{25.5700, -79.3000}, 0},  // Gun Cay reef
    {{25.4200, -79.2100}, 1},  // Ocean Cay rocks
    {{25.2300, -79.1500}, 1},  // South Riding Rock
    // On the bank.
    {{25.7000, -78.6700}, 0},  // Mackie Shoal heads
    {{25.4700, -78.1800}, 0},  // coral heads of the Northwest Channel
    // The Little Bahama Bank.
    {{26.9500, -79.1100}, 1},  // Memory Rock
    {{26.7200, -78.9900}, 1},  // Indian Cay Rock, West End
    {{27.1800, -78.4200}, 1},  // Triangle Rocks
    {{26.9700, -78.0500}, 1},  // Barracouta Rocks
    // The Berry Islands.
    {{25.8250, -77.9400}, 1},  // Little Stirrup Cay rocks
    {{25.5500, -77.7300}, 0},  // Frozen Cay reef
    {{25.4083, -77.8672}, 1},  // Mama Rhoda Rock, off Chub Cay
};
}  // namespace

extern const std::span<const RealRockFact> kFloridaBahamasRocks = kRocks;

}  // namespace vel
