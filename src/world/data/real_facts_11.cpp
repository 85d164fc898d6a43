// Southern New England (area 11): hand-compiled facts that the shoreline
// data does not hold.
// Sources (public): lighthouse positions and characteristics from the USCG
// Light List, Volume I, as tabulated in the Wikipedia lists of lighthouses in
// Rhode Island, Connecticut, New York and Massachusetts; buoys, shoals,
// rocks, channels, anchorages and place names from the public NOAA charts of
// these waters (12300, 12353, 12354, 12372, 12373, 13205, 13218, 13221,
// 13230, 13233, 13237) as generally known to local sailors, placed to about
// a cable (0.1 nm). Not for navigation.
// Floating marks, rocks, anchorages and the ship route are checked to lie in
// water on the GSHHG full-resolution shoreline (the route's legs 0.2 nm clear
// of it); a fixed light stands on the land that shoreline holds, or at its
// charted position where the shoreline lacks its rock, ledge or caisson.
// Shoal R is in area units (310 to the mile); rotation is the compass
// bearing of the shoal's long axis.
#include "world/real_data.h"

namespace vel::realdata {
namespace {

constexpr RealShoalFact kShoals[] = {
    {{41.1100, -71.6620}, 300, 0.50, 30, 0, 0},   // Southwest Ledge, Block Island
    {{41.2400, -71.5740}, 420, 0.20, 0, 0, 0},    // North Reef off Sandy Point, Block Island
    {{41.1560, -71.5150}, 200, 0.40, 20, 0, 0},   // Old Harbor Point shoals
    {{41.4320, -71.3780}, 260, 0.50, 110, 0, 0},  // Brenton Reef
    {{41.4410, -71.2200}, 200, 0.50, 0, 0, 0},    // Schuyler Ledge, Sakonnet
    {{41.4460, -71.0270}, 380, 0.40, 10, 0, 0},   // Hen and Chickens
    {{41.4050, -70.9750}, 480, 0.30, 65, 0, 0},   // Sow and Pigs Reef
    {{41.4560, -70.6800}, 1000, 0.10, 65, 0, 0},  // Middle Ground, Vineyard Sound
    {{41.5270, -70.5200}, 900, 0.20, 70, 0, 0},   // L'Hommedieu Shoal
    {{41.4750, -70.4800}, 1400, 0.12, 75, 0, 0},  // Hedge Fence
    {{41.5300, -70.3500}, 1700, 0.35, 60, 0, 0},  // Horseshoe Shoal
    {{41.4450, -70.3000}, 650, 0.30, 80, 0, 0},   // Cross Rip Shoal
    {{41.4050, -70.2000}, 1200, 0.30, 80, 0, 0},  // Tuckernuck Shoal
    {{41.5750, -70.2500}, 450, 0.50, 0, 0, 0},    // Bishop and Clerks
    {{41.5000, -70.0800}, 1200, 0.30, 10, 0, 0},  // Handkerchief Shoal
    {{41.5250, -69.9800}, 1200, 0.30, 0, 0, 0},   // Pollock Rip
    {{41.4150, -70.0350}, 600, 0.30, 20, 0, 0},   // Great Point Rip
    {{41.3450, -70.3000}, 800, 0.30, 0, 0, 0},    // Muskeget Channel shoals
    {{41.2750, -72.1400}, 300, 0.40, 90, 0, 0},   // Bartlett Reef
    {{41.1700, -71.9600}, 300, 0.50, 30, 0, 0},   // Cerberus Shoal
    {{41.1300, -72.1500}, 500, 0.30, 150, 0, 0},  // Gardiners Point shoal
    {{41.3040, -71.9330}, 260, 0.20, 70, 0, 0},   // Latimer Reef
    {{41.3030, -71.9800}, 200, 0.40, 80, 0, 0},   // Ram Island Reef
    {{41.2960, -71.8620}, 300, 0.40, 60, 0, 0},   // Watch Hill Reef
    {{41.1960, -72.1750}, 300, 0.40, 40, 0, 0},   // Plum Gut rips
    {{41.3900, -71.4850}, 250, 0.50, 0, 0, 0},    // Point Judith breakwater shoals
    {{41.4100, -70.4520}, 400, 0.30, 10, 0, 0},   // Cape Poge flats
    {{41.3500, -70.7700}, 700, 0.30, 80, 0, 0},   // Devils Bridge, Gay Head
};

constexpr RealRockFact kRocks[] = {
    {{41.2380, -72.0600}, 0},  // Valiant Rock, the Race
    {{41.4405, -71.4237}, 1},  // Whale Rock, West Passage
    {{41.4750, -71.2320}, 1},  // Cormorant Rock, Sakonnet
    {{41.4560, -71.1880}, 0},  // West Island Ledge
    {{41.4290, -71.0450}, 0},  // Hen and Chickens, west rock
    {{41.3950, -70.9780}, 1},  // Sow and Pigs, outer rock
    {{41.4700, -70.6450}, 0},  // Hedge Fence rock, Vineyard Sound
    {{41.3520, -70.7750}, 0},  // Devils Bridge
    {{41.1120, -71.6650}, 0},  // Southwest Ledge
    {{41.2560, -72.0930}, 0},  // Race Point reef
    {{41.3000, -71.9550}, 1},  // Ram Island, Fishers Island Sound
    {{41.5080, -70.6680}, 1},  // Grassy Island rocks, Woods Hole
    {{41.5210, -70.6850}, 0},  // Red Ledge, the Hole
    {{41.6300, -70.6950}, 0},  // Cleveland Ledge
    {{41.4340, -71.3500}, 1},  // Seal Rock, Newport
    {{41.3570, -71.6200}, 0},  // Nebraska Shoal rock
    {{41.2687, -71.9713}, 0},  // Wicopesset Ledge
    {{41.5920, -70.8660}, 1},  // Dumpling Rocks
};

constexpr RealMarkFact kMarks[] = {
    {{41.4264, -71.3894}, 35},  // Brenton Reef whistle
    {{41.3850, -71.3900}, 35},  // Narragansett Bay entrance
    {{41.3540, -71.4830}, 31},  // Point Judith bell
    {{41.3665, -71.5120}, 27},  // Harbor of Refuge, west gap
    {{41.3630, -71.4950}, 26},  // Harbor of Refuge, east gap
    {{41.4300, -71.2100}, 35},  // Sakonnet River entrance
    {{41.4180, -71.4000}, 32},  // Beavertail bell
    {{41.4620, -71.3700}, 26},  // East Passage, Castle Hill
    {{41.4780, -71.3450}, 27},  // Newport, Fort Adams
    {{41.5000, -71.4100}, 28},  // West Passage, Dutch Island
    {{41.3613, -71.4813}, 48},  // Point Judith light, horn
    {{41.4493, -71.3993}, 48},  // Beavertail light, horn
    {{41.4531, -71.2025}, 48},  // Sakonnet Point light
    {{41.4460, -71.0140}, 31},  // Hen and Chickens bell
    {{41.3970, -71.0340}, 37},  // Buzzards Bay entrance light, horn
    {{41.3930, -70.9810}, 31},  // Sow and Pigs bell
    {{41.4400, -70.9200}, 27},  // Canapitsit Channel
    {{41.4345, -70.9290}, 26},  // Cuttyhunk Harbor entrance
    {{41.4560, -70.8700}, 34},  // Quicks Hole, north
    {{41.4500, -70.8500}, 33},  // Quicks Hole, south
    {{41.5160, -70.9200}, 32},  // Dumpling Rocks bell
    {{41.5900, -70.8900}, 26},  // New Bedford channel
    {{41.6050, -70.8950}, 27},  // Butler Flats
    {{41.6308, -70.6942}, 37},  // Cleveland Ledge light, horn
    {{41.6450, -70.6850}, 26},  // Cleveland Ledge channel
    {{41.6600, -70.6700}, 27},  // Hog Island channel
    {{41.5164, -70.6565}, 48},  // Nobska Point light, horn
    {{41.5185, -70.6850}, 27},  // Woods Hole, the Hole
    {{41.5200, -70.6810}, 26},  // Woods Hole, the Hole
    {{41.5230, -70.6920}, 26},  // Woods Hole, Great Ledge
    {{41.5150, -70.6750}, 27},  // Woods Hole, Juniper Point
    {{41.4689, -70.7572}, 46},  // Tarpaulin Cove light
    {{41.4650, -70.6900}, 32},  // Middle Ground, west bell
    {{41.4870, -70.6040}, 26},  // West Chop
    {{41.4703, -70.5674}, 46},  // East Chop light
    {{41.4950, -70.5250}, 33},  // L'Hommedieu gong
    {{41.4700, -70.4850}, 35},  // Hedge Fence whistle
    {{41.4450, -70.2930}, 35},  // Cross Rip
    {{41.5000, -70.3500}, 27},  // Horseshoe Shoal
    {{41.6250, -70.2900}, 26},  // Hyannis approach
    {{41.5750, -70.2550}, 46},  // Bishop and Clerks light
    {{41.4950, -70.0890}, 32},  // Handkerchief Shoal bell
    {{41.5450, -69.9850}, 31},  // Pollock Rip bell
    {{41.3950, -70.4800}, 27},  // Edgartown approach
    {{41.3090, -70.0900}, 26},  // Nantucket jetties
    {{41.3050, -70.0970}, 27},  // Nantucket jetties
    {{41.3600, -70.8500}, 31},  // Devils Bridge bell
    {{41.2437, -72.0470}, 48},  // Race Rock light, horn
    {{41.2350, -72.0700}, 36},  // Valiant Rock bell
    {{41.2100, -72.1100}, 31},  // Little Gull bell
    {{41.1750, -72.2150}, 26},  // Plum Gut
    {{41.1700, -72.2050}, 27},  // Plum Gut
    {{41.3057, -72.0776}, 48},  // New London Ledge light, horn
    {{41.2900, -72.0850}, 35},  // New London approach
    {{41.3043, -71.9335}, 37},  // Latimer Reef light, bell
    {{41.3000, -71.8800}, 27},  // Watch Hill passage
    {{41.2950, -71.8600}, 31},  // Watch Hill reef bell
    {{41.0709, -71.8572}, 48},  // Montauk Point light, horn
    {{41.0850, -71.8350}, 35},  // Montauk Point whistle
    {{41.0800, -71.9400}, 27},  // Montauk harbor jetty
    {{41.2010, -71.5893}, 27},  // Great Salt Pond entrance
    {{41.2010, -71.5875}, 26},  // Great Salt Pond entrance
    {{41.1700, -71.5500}, 27},  // Old Harbor breakwater
    {{41.1100, -71.6700}, 31},  // Southwest Ledge bell
    {{41.2640, -71.5740}, 31},  // North Reef bell
    {{41.2630, -72.3430}, 37},  // Saybrook breakwater light, horn
    {{41.2500, -72.3450}, 35},  // Connecticut River approach
    {{41.2117, -72.6536}, 46},  // Falkner Island light
    {{41.3170, -71.9890}, 50},  // Morgan Point tower
    {{41.5300, -71.2850}, 51},  // Melville tanks
    {{41.3900, -71.0850}, 36},  // Rhode Island Sound bell
};

constexpr RealLightFact kLights[] = {
    {{41.3613, -71.4813}, 0, "Oc(3) 15s 灯台"},      // Point Judith
    {{41.4493, -71.3993}, 0, "Fl 10s 灯台"},         // Beavertail
    {{41.4623, -71.3628}, 1, "Iso R 6s 灯台"},       // Castle Hill
    {{41.2275, -71.5761}, 0, "Fl 5s 灯台"},          // Block Island North
    {{41.1531, -71.5522}, 2, "Fl G 5s 灯台"},        // Block Island Southeast
    {{41.3036, -71.8589}, 3, "Al W G 5s 灯台"},      // Watch Hill
    {{41.0709, -71.8572}, 0, "Fl 5s 灯台"},          // Montauk Point
    {{41.2437, -72.0470}, 0, "Fl 10s 灯台"},         // Race Rock
    {{41.2064, -72.1071}, 0, "Fl 15s 灯台"},         // Little Gull Island
    {{41.1737, -72.2112}, 3, "aband 灯台"},          // Plum Island
    {{41.1633, -72.2236}, 0, "Fl 5s"},               // Orient Point
    {{41.3057, -72.0776}, 0, "Fl(3) 30s 灯台"},      // New London Ledge
    {{41.3168, -72.0897}, 0, "Iso 6s 灯台"},         // New London Harbor
    {{41.3043, -71.9335}, 0, "Fl 6s"},               // Latimer Reef
    {{41.2631, -72.3430}, 2, "Fl G 6s"},             // Saybrook Breakwater
    {{41.2714, -72.3431}, 0, "F 灯台"},              // Lynde Point
    {{41.2117, -72.6536}, 0, "Fl 10s 灯台"},         // Falkner Island
    {{41.0853, -72.4456}, 2, "Fl G 10s 灯台"},       // Horton Point
    {{41.4531, -71.2025}, 0, "Fl 6s 灯台"},          // Sakonnet Point
    {{41.4934, -71.3272}, 2, "F G 灯台"},            // Newport Harbor
    {{41.4957, -71.3427}, 0, "Fl 6s 灯台"},          // Rose Island
    {{41.4967, -71.4040}, 1, "Fl R 6s 灯台"},        // Dutch Island
    {{41.6057, -71.3036}, 2, "Fl G 6s 灯台"},        // Prudence Island
    {{41.3483, -70.8346}, 3, "Al R&W 15s 灯台"},     // Gay Head
    {{41.4140, -70.9500}, 0, "Fl 6s"},               // Cuttyhunk
    {{41.4689, -70.7572}, 0, "Fl 6s 灯台"},          // Tarpaulin Cove
    {{41.5164, -70.6565}, 0, "Fl 6s 灯台"},          // Nobska Point
    {{41.4809, -70.5996}, 0, "Oc 4s 灯台"},          // West Chop
    {{41.4703, -70.5674}, 2, "Iso G 6s 灯台"},       // East Chop
    {{41.3925, -70.5062}, 1, "Fl R 6s 灯台"},        // Edgartown Harbor
    {{41.4190, -70.4517}, 0, "Fl 6s 灯台"},          // Cape Poge
    {{41.2902, -70.0934}, 1, "Oc R 4s 灯台"},        // Brant Point
    {{41.3903, -70.0483}, 0, "Fl 5s 灯台"},          // Great Point
    {{41.2840, -69.9660}, 0, "Fl 7.5s 灯台"},        // Sankaty Head
    {{41.6721, -69.9515}, 0, "Fl(2) 10s 灯台"},      // Chatham
    {{41.5595, -69.9936}, 3, "aband 灯台"},          // Monomoy Point
    {{41.3970, -71.0340}, 0, "Fl 2.5s"},             // Buzzards Bay Entrance
    {{41.5380, -70.9210}, 0, "Fl 6s"},               // Dumpling Rocks
    {{41.6036, -70.8948}, 0, "Fl 4s 灯台"},          // Butler Flats
    {{41.6266, -70.9093}, 0, "Iso 4s 灯台"},         // Palmer Island
    {{41.6504, -70.7956}, 0, "Iso 6s 灯台"},         // Ned Point
    {{41.6694, -70.7172}, 0, "Fl 6s 灯台"},          // Bird Island
    {{41.6308, -70.6942}, 0, "Fl 10s 灯台"},         // Cleveland Ledge
    {{41.6510, -70.1690}, 0, "Fl 6s 灯台"},          // Bass River (West Dennis)
};

constexpr RealNameFact kNames[] = {
    {{41.2330, -72.0700}, NameStyle::Place, "The Race"},
    {{41.1700, -71.5800}, NameStyle::Place, "Block I"},
    {{41.4900, -71.3120}, NameStyle::Place, "Newport"},
    {{41.4200, -70.9300}, NameStyle::Place, "Cuttyhunk I"},
    {{41.3890, -70.5130}, NameStyle::Place, "Edgartown"},
    {{41.3610, -71.4800}, NameStyle::Place, "Pt Judith"},
    {{41.6000, -71.3500}, NameStyle::Place, "Narragansett 湾"},
    {{41.8200, -71.4000}, NameStyle::Place, "Providence"},
    {{41.4970, -71.3670}, NameStyle::Place, "Jamestown"},
    {{41.5700, -71.4460}, NameStyle::Place, "Wickford"},
    {{41.6700, -71.2750}, NameStyle::Place, "Bristol"},
    {{41.4900, -71.2100}, NameStyle::Place, "Sakonnet"},
    {{41.6360, -70.9280}, NameStyle::Place, "New Bedford"},
    {{41.5600, -70.8400}, NameStyle::Place, "Buzzards 湾"},
    {{41.5260, -70.6730}, NameStyle::Place, "Woods Hole"},
    {{41.5530, -70.6150}, NameStyle::Place, "Falmouth"},
    {{41.4550, -70.6030}, NameStyle::Place, "Vineyard Haven"},
    {{41.4580, -70.5570}, NameStyle::Place, "Oak Bluffs"},
    {{41.3540, -70.7680}, NameStyle::Place, "Menemsha"},
    {{41.3900, -70.6500}, NameStyle::Place, "Martha's Vineyard"},
    {{41.4500, -70.7500}, NameStyle::Place, "Vineyard Sound"},
    {{41.2700, -70.0500}, NameStyle::Place, "Nantucket"},
    {{41.4600, -70.2500}, NameStyle::Place, "Nantucket Sound"},
    {{41.6530, -70.2830}, NameStyle::Place, "Hyannis"},
    {{41.6800, -69.9600}, NameStyle::Place, "Chatham"},
    {{41.6000, -69.9900}, NameStyle::Place, "Monomoy I"},
    {{41.8500, -70.2500}, NameStyle::Place, "Cape Cod 湾"},
    {{42.0500, -70.1850}, NameStyle::Place, "Provincetown"},
    {{41.9580, -70.6670}, NameStyle::Place, "Plymouth"},
    {{41.0710, -71.8570}, NameStyle::Place, "Montauk Pt"},
    {{41.0900, -72.1000}, NameStyle::Place, "Gardiners I"},
    {{41.2650, -71.9800}, NameStyle::Place, "Fishers I"},
    {{41.3110, -71.8570}, NameStyle::Place, "Watch Hill"},
    {{41.3350, -71.9060}, NameStyle::Place, "Stonington"},
    {{41.3540, -71.9660}, NameStyle::Place, "Mystic"},
    {{41.3550, -72.0990}, NameStyle::Place, "New London"},
    {{41.2900, -72.3500}, NameStyle::Place, "Old Saybrook"},
    {{41.1500, -72.5000}, NameStyle::Place, "Long Island Sound"},
    {{41.2200, -71.7500}, NameStyle::Place, "Block Island Sound"},
    {{41.3000, -71.2000}, NameStyle::Place, "Rhode Island Sound"},
    {{41.1010, -72.3630}, NameStyle::Place, "Greenport"},
    {{41.0000, -72.3000}, NameStyle::Place, "Sag Harbor"},
    {{41.1630, -72.2240}, NameStyle::Place, "Orient Pt"},
    {{41.1800, -72.1900}, NameStyle::Place, "Plum I"},
    {{41.0700, -72.3400}, NameStyle::Place, "Shelter I"},
    {{41.3780, -71.5120}, NameStyle::Place, "Galilee"},
    {{41.4560, -70.8580}, NameStyle::Place, "Quicks Hole"},
    {{41.4500, -70.7700}, NameStyle::Place, "Naushon I"},
    {{41.2600, -70.8100}, NameStyle::Place, "Nomans Land"},
    {{41.2950, -70.2700}, NameStyle::Place, "Tuckernuck I"},
    {{41.3900, -70.0480}, NameStyle::Place, "Great Pt"},
    {{41.7000, -70.7600}, NameStyle::Place, "Marion"},
    {{41.4250, -70.9270}, NameStyle::Anchorage, "Cuttyhunk Pond"},
    {{41.4680, -70.7620}, NameStyle::Anchorage, "Tarpaulin Cove"},
    {{41.5150, -70.6980}, NameStyle::Anchorage, "Hadley Harbor"},
    {{41.1850, -71.5800}, NameStyle::Anchorage, "Great Salt Pond"},
    {{41.6150, -71.3250}, NameStyle::Anchorage, "Potter Cove"},
    {{41.4950, -71.3950}, NameStyle::Anchorage, "Dutch Harbor"},
    {{41.3850, -70.5050}, NameStyle::Anchorage, "Edgartown Harbor"},
    {{41.4740, -70.6350}, NameStyle::Anchorage, "Lake Tashmoo"},
    {{41.3900, -72.3600}, NameStyle::Anchorage, "Hamburg Cove"},
    {{41.3150, -71.8750}, NameStyle::Anchorage, "Napatree Pt"},
    {{41.0750, -72.3200}, NameStyle::Anchorage, "Coecles Harbor"},
    {{41.0400, -72.1800}, NameStyle::Anchorage, "Three Mile Harbor"},
    {{41.2950, -70.0900}, NameStyle::Anchorage, "Nantucket Harbor"},
};

// Boats lie at the anchorage nearest the boat's stretch of the coast, in
// the harbour itself; the spacing keeps every boat in water.
constexpr RealAnchorageBand kAnchorages[] = {
    {0, -40000, -9500, {41.3155, -71.8850}, 30, 30},  // in the lee of Napatree Point
    {0, -9500, -3000, {41.1865, -71.5773}, 30, 30},   // Block Island, in the Great Salt Pond
    {0, -3000, 2500, {41.4990, -71.3930}, 30, 30},    // Dutch Harbor, Jamestown
    {0, 2500, 8000, {41.4350, -70.9257}, 20, 20},     // Cuttyhunk outer harbour, on moorings
    {0, 8000, 10400, {41.4700, -70.7533}, 30, 30},    // Tarpaulin Cove
    {0, 10400, 40000, {41.3895, -70.5050}, 10, 16},   // Edgartown inner harbour, on moorings
};

// From Long Island Sound through the Race, along Block Island and Rhode
// Island Sounds and up Buzzards Bay to Cleveland Ledge at the canal's
// approach.
constexpr GeoPt kShipRoute[] = {
    {41.1500, -72.4000}, {41.2000, -72.2000}, {41.2330, -72.0650}, {41.2250, -71.9000},
    {41.2400, -71.7200}, {41.2800, -71.5200}, {41.3300, -71.3500}, {41.3700, -71.1500},
    {41.4050, -71.0500}, {41.4700, -70.9500}, {41.5400, -70.8500}, {41.6000, -70.7500},
    {41.6400, -70.7000},
};

}  // namespace

extern const RealFacts kFacts11 = {
    .dock = {41.4590, -70.5580},  // Oak Bluffs, at the harbour mouth; the shore to the west
    .dockOrientation = 4,
    .pier = {41.3793, -71.5201},  // Galilee: the berth in the channel to Point Judith Pond
    .pierSeaSign = 1,
    .shoals = kShoals,
    .shoalExtra = 0,
    .rocks = kRocks,
    .marks = kMarks,
    .lights = kLights,
    .names = kNames,
    .anchorages = kAnchorages,
    .shipRoute = kShipRoute,
};

}  // namespace vel::realdata
