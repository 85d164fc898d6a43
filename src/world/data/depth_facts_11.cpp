// Southern New England (area 11): the charted depths.
// Sources (public): NOAA charts 13205 (Block Island Sound and approaches),
// 13218 (Martha's Vineyard to Block Island), 13221 (Narragansett Bay),
// 13230 (Buzzards Bay), 13233 (Martha's Vineyard), 13237 (Nantucket
// Sound), 13246 (Cape Cod Bay), 13211/13212 (New London, Fishers Island
// Sound), 12354 (Long Island Sound, eastern part) and the US Coast Pilot 2;
// soundings rounded to the nearest 5 ft, least depths of the shoals as
// charted (rounded down), channels at their charted or dredged least depth.
// Not for navigation.
#include "world/depth_facts.h"

namespace vel::depthdata {
namespace {

// Open water whose depth the distance from shore does not tell.
constexpr Sounding kSoundings[] = {
    {{41.0000, -71.7500}, 180},  // off Montauk Point
    {{41.0500, -71.5500}, 150},  // south of Block Island
    {{41.1500, -71.7000}, 130},  // Block Island Sound, south part
    {{41.2000, -71.8000}, 120},  // Block Island Sound
    {{41.2500, -71.7000}, 110},  // Block Island Sound, north part
    {{41.2500, -71.4000}, 120},  // Rhode Island Sound, west
    {{41.3500, -71.3000}, 110},  // Rhode Island Sound
    {{41.3000, -71.1500}, 120},  // Rhode Island Sound, south
    {{41.3800, -71.0500}, 90},   // Buzzards Bay entrance
    {{41.2000, -70.9000}, 120},  // south of the Elizabeth Islands
    {{41.2500, -70.6000}, 90},   // south of Martha's Vineyard
    {{41.5000, -70.9000}, 55},   // Buzzards Bay, lower
    {{41.5800, -70.8000}, 45},   // Buzzards Bay, middle
    {{41.6500, -70.7200}, 30},   // Buzzards Bay, upper
    {{41.4300, -70.8000}, 70},   // Vineyard Sound, west
    {{41.4800, -70.7000}, 60},   // Vineyard Sound, off Tarpaulin Cove
    {{41.4900, -70.6300}, 60},   // Vineyard Sound, off Woods Hole
    {{41.4200, -70.4000}, 40},   // Nantucket Sound, west
    {{41.5000, -70.4000}, 45},   // Nantucket Sound, between the shoals
    {{41.4500, -70.2000}, 35},   // Nantucket Sound, middle
    {{41.5500, -70.1500}, 30},   // Nantucket Sound, north-east
    {{41.8000, -70.4500}, 45},   // Cape Cod Bay, off Plymouth
    {{41.8500, -70.3000}, 80},   // Cape Cod Bay
    {{41.8000, -70.2000}, 60},   // Cape Cod Bay, south-east
    {{41.9000, -70.4500}, 70},   // Cape Cod Bay, west
    {{41.9500, -70.2500}, 100},  // Cape Cod Bay, north
    {{41.5000, -71.3600}, 100},  // Narragansett Bay, East Passage
    {{41.5000, -71.4200}, 40},   // Narragansett Bay, West Passage
    {{41.6000, -71.3500}, 35},   // Narragansett Bay, upper
    {{41.2800, -71.9500}, 40},   // Fishers Island Sound
    {{41.2000, -72.3000}, 100},  // Long Island Sound, off Plum Island
    {{41.1500, -72.5000}, 120},  // Long Island Sound, east
    {{41.2200, -72.4500}, 80},   // Long Island Sound, off Saybrook
    {{41.1000, -72.2000}, 30},   // Gardiners Bay
    {{41.1900, -71.5800}, 40},   // Great Salt Pond, Block Island
};

// Shoals: least depth where the chart gives it; the shape from the shoal
// table of the area's facts.
constexpr GeoPt kSouthwestLedge[] = {{41.1100, -71.6620}};
constexpr GeoPt kGreatSaltPond[] = {{41.1865, -71.5773}};
constexpr GeoPt kNorthReefoffSandyPoint[] = {{41.2219, -71.5740}, {41.2581, -71.5740}};
constexpr GeoPt kOldHarborPointshoals[] = {{41.1499, -71.5179}, {41.1621, -71.5121}};
constexpr GeoPt kBrentonReef[] = {{41.4320, -71.3780}};
constexpr GeoPt kSchuylerLedge[] = {{41.4410, -71.2200}};
constexpr GeoPt kHenandChickens[] = {{41.4339, -71.0298}, {41.4581, -71.0242}};
constexpr GeoPt kSowandPigsReef[] = {{41.3974, -70.9968}, {41.4126, -70.9532}};
constexpr GeoPt kMiddleGround[] = {{41.4356, -70.7385}, {41.4764, -70.6215}};
constexpr GeoPt kLHommedieuShoal[] = {{41.5138, -70.5686}, {41.5402, -70.4714}};
constexpr GeoPt kHedgeFence[] = {{41.4579, -70.5654}, {41.4921, -70.3946}};
constexpr GeoPt kHorseshoeShoal[] = {{41.5003, -70.4187}, {41.5597, -70.2813}};
constexpr GeoPt kCrossRipShoal[] = {{41.4408, -70.3321}, {41.4492, -70.2679}};
constexpr GeoPt kTuckernuckShoal[] = {{41.3972, -70.2593}, {41.4128, -70.1407}};
constexpr GeoPt kBishopandClerks[] = {{41.5750, -70.2500}};
constexpr GeoPt kHandkerchiefShoal[] = {{41.4555, -70.0905}, {41.5445, -70.0695}};
constexpr GeoPt kPollockRip[] = {{41.4798, -69.9800}, {41.5702, -69.9800}};
constexpr GeoPt kGreatPointRip[] = {{41.3938, -70.0453}, {41.4362, -70.0247}};
constexpr GeoPt kMuskegetChannelshoals[] = {{41.3149, -70.3000}, {41.3751, -70.3000}};
constexpr GeoPt kBartlettReef[] = {{41.2750, -72.1529}, {41.2750, -72.1271}};
constexpr GeoPt kCerberusShoal[] = {{41.1700, -71.9600}};
constexpr GeoPt kGardinersPointshoal[] = {{41.1463, -72.1625}, {41.1137, -72.1375}};
constexpr GeoPt kLatimerReef[] = {{41.3002, -71.9470}, {41.3078, -71.9190}};
constexpr GeoPt kRamIslandReef[] = {{41.3019, -71.9885}, {41.3041, -71.9715}};
constexpr GeoPt kWatchHillReef[] = {{41.2912, -71.8732}, {41.3008, -71.8508}};
constexpr GeoPt kPointJudithbreakwatershoals[] = {{41.3900, -71.4850}};
constexpr GeoPt kCapePogeflats[] = {{41.3952, -70.4555}, {41.4248, -70.4485}};
constexpr GeoPt kDevilsBridge[] = {{41.3454, -70.8046}, {41.3546, -70.7354}};

// Channels, deep passages and the harbours' approaches.
constexpr GeoPt kTheRace[] = {{41.2420, -72.0500}, {41.2330, -72.0380}, {41.2060, -72.0920}, {41.2140, -72.1010}};
constexpr GeoPt kPlumGut[] = {{41.1880, -72.2030}, {41.1640, -72.2250}};
constexpr GeoPt kWoodsHole[] = {{41.5160, -70.6780}, {41.5200, -70.6840}, {41.5225, -70.6890}};
constexpr GeoPt kGalileeChannel[] = {{41.3630, -71.4960}, {41.3700, -71.5080}, {41.3790, -71.5133}, {41.3840, -71.5135}};
constexpr GeoPt kSaltPondEntrance[] = {{41.2030, -71.5895}, {41.1995, -71.5883}, {41.1960, -71.5860}};
constexpr GeoPt kOakBluffsDock[] = {{41.4590, -70.5580}};
constexpr GeoPt kCapeCodCanalApproach[] = {{41.6250, -70.7000}, {41.6600, -70.6750}, {41.7000, -70.6420}};
constexpr GeoPt kEdgartownChannel[] = {{41.3960, -70.4960}, {41.3920, -70.5020}, {41.3880, -70.5060}};
constexpr GeoPt kNewLondonChannel[] = {{41.2900, -72.0850}, {41.3050, -72.0830}, {41.3300, -72.0900}};
constexpr GeoPt kRoseIsland[] = {{41.4957, -71.3427}};

constexpr DepthFact kFacts[] = {
{DepthShape::Circle, DepthRule::AtMost, 12, 500, kSouthwestLedge},  // Southwest Ledge, Block Island
    {DepthShape::Corridor, DepthRule::AtMost, 3, 500, kNorthReefoffSandyPoint},  // North Reef off Sandy Point, Block Island
    {DepthShape::Corridor, DepthRule::AtMost, 10, 478, kOldHarborPointshoals},  // Old Harbor Point shoals
    {DepthShape::Circle, DepthRule::AtMost, 5, 500, kBrentonReef},  // Brenton Reef
    {DepthShape::Circle, DepthRule::AtMost, 8, 500, kSchuylerLedge},  // Schuyler Ledge, Sakonnet
    {DepthShape::Corridor, DepthRule::AtMost, 3, 500, kHenandChickens},  // Hen and Chickens
    {DepthShape::Corridor, DepthRule::AtMost, 2, 500, kSowandPigsReef},  // Sow and Pigs Reef
    {DepthShape::Corridor, DepthRule::AtMost, 6, 500, kMiddleGround},  // Middle Ground, Vineyard Sound
    {DepthShape::Corridor, DepthRule::AtMost, 9, 500, kLHommedieuShoal},  // L'Hommedieu Shoal
    {DepthShape::Corridor, DepthRule::AtMost, 9, 500, kHedgeFence},  // Hedge Fence
    {DepthShape::Corridor, DepthRule::AtMost, 3, 500, kHorseshoeShoal},  // Horseshoe Shoal
    {DepthShape::Corridor, DepthRule::AtMost, 9, 500, kCrossRipShoal},  // Cross Rip Shoal
    {DepthShape::Corridor, DepthRule::AtMost, 4, 500, kTuckernuckShoal},  // Tuckernuck Shoal
    {DepthShape::Circle, DepthRule::AtMost, 2, 500, kBishopandClerks},  // Bishop and Clerks
    {DepthShape::Corridor, DepthRule::AtMost, 3, 500, kHandkerchiefShoal},  // Handkerchief Shoal
    {DepthShape::Corridor, DepthRule::AtMost, 6, 500, kPollockRip},  // Pollock Rip
    {DepthShape::Corridor, DepthRule::AtMost, 5, 500, kGreatPointRip},  // Great Point Rip
    {DepthShape::Corridor, DepthRule::AtMost, 6, 500, kMuskegetChannelshoals},  // Muskeget Channel shoals
    {DepthShape::Corridor, DepthRule::AtMost, 3, 500, kBartlettReef},  // Bartlett Reef
    {DepthShape::Circle, DepthRule::AtMost, 9, 500, kCerberusShoal},  // Cerberus Shoal
    {DepthShape::Corridor, DepthRule::AtMost, 2, 500, kGardinersPointshoal},  // Gardiners Point shoal
    {DepthShape::Corridor, DepthRule::AtMost, 3, 311, kLatimerReef},  // Latimer Reef
    {DepthShape::Corridor, DepthRule::AtMost, 3, 478, kRamIslandReef},  // Ram Island Reef
    {DepthShape::Corridor, DepthRule::AtMost, 4, 500, kWatchHillReef},  // Watch Hill Reef
    {DepthShape::Circle, DepthRule::AtMost, 6, 500, kPointJudithbreakwatershoals},  // Point Judith breakwater shoals
    {DepthShape::Corridor, DepthRule::AtMost, 3, 500, kCapePogeflats},  // Cape Poge flats
    {DepthShape::Corridor, DepthRule::AtMost, 2, 500, kDevilsBridge},  // Devils Bridge, Gay Head
    // Rose Island, under its light, which the shoreline data lacks.
    {DepthShape::Circle, DepthRule::AtMost, 0, 150, kRoseIsland},
    // After the shoals, so that a channel keeps its depth beside them.
    {DepthShape::Zone, DepthRule::AtLeast, 150, 0, kTheRace},                  // The Race, 150-300 ft
    {DepthShape::Corridor, DepthRule::AtLeast, 60, 300, kPlumGut},             // Plum Gut
    {DepthShape::Corridor, DepthRule::AtLeast, 13, 60, kWoodsHole},            // Woods Hole, the Hole
    {DepthShape::Corridor, DepthRule::AtLeast, 15, 60, kGalileeChannel},       // Point Judith Pond channel, dredged
    {DepthShape::Corridor, DepthRule::AtLeast, 12, 40, kSaltPondEntrance},     // Great Salt Pond entrance
    {DepthShape::Circle, DepthRule::AtLeast, 15, 600, kGreatSaltPond},         // Great Salt Pond, 20-60 ft
    {DepthShape::Circle, DepthRule::AtLeast, 10, 100, kOakBluffsDock},        // Oak Bluffs harbour, the dock
    {DepthShape::Corridor, DepthRule::AtLeast, 30, 150, kCapeCodCanalApproach},  // Cleveland Ledge Channel, dredged 32 ft
    {DepthShape::Corridor, DepthRule::AtLeast, 15, 60, kEdgartownChannel},     // Edgartown Harbor
    {DepthShape::Corridor, DepthRule::AtLeast, 36, 150, kNewLondonChannel},    // New London Harbor channel
};

}  // namespace

extern const DepthFacts kDepth11 = {
    .areaCode = 11,
    .shoreFeet = 6,
    .feetPerMile = 40,
    .capFeet = 180,
    .soundingMiles = 5,
    .soundings = kSoundings,
    .facts = kFacts,
};

}  // namespace vel::depthdata
