// Maine (area 20): hand-compiled facts that the shoreline data does not
// hold.
// Sources (public): lighthouse positions and characteristics from the USCG
// Light List, Volume I, as tabulated in the Wikipedia list of lighthouses in
// Maine (and the Canadian List of Lights for Grand Manan and Machias Seal
// Island); buoys, ledges, rocks, anchorages and place names from the public
// NOAA charts 13260, 13288, 13302, 13305, 13312, 13313, 13318 and 13325 as
// generally known to cruising sailors, placed to about a cable (0.1 nm). Not
// for navigation. The countless drying ledges of this coast come from the
// shoreline data's islets; the shoals here are the ones it does not show.
// Floating marks, rocks, anchorages and the ship route are checked to lie in
// water on the GSHHG full-resolution shoreline (the route's legs 0.2 nm clear
// of it); a fixed light stands on the land that shoreline holds, or at its
// charted position where the shoreline lacks its rock, ledge or caisson.
// Shoal R is in area units (175 to the mile); rotation is the compass
// bearing of the shoal's long axis.
#include "world/real_data.h"

namespace vel::realdata {
namespace {

constexpr RealShoalFact kShoals[] = {
    {{44.0300, -68.7600}, 160, 0.50, 40, 0, 0},   // Roaring Bull Ledge
    {{44.0800, -68.7400}, 140, 0.50, 0, 0, 0},    // Bulwark Shoal
    {{44.0150, -68.7260}, 120, 0.60, 0, 0, 0},    // Saddleback Ledge
    {{44.1000, -68.8500}, 140, 0.50, 60, 0, 0},   // Drunkard Ledge
    {{43.8300, -69.0200}, 200, 0.40, 30, 0, 0},   // Old Man Ledge
    {{43.9300, -69.0500}, 180, 0.40, 20, 0, 0},   // Dix Island ledges
    {{44.2700, -68.2100}, 150, 0.50, 90, 0, 0},   // Bunker Ledge
    {{44.3550, -68.1500}, 130, 0.50, 0, 0, 0},    // Egg Rock ledges
    {{43.7650, -69.3500}, 200, 0.40, 60, 0, 0},   // Monhegan's Eastern Duck ledges
    {{43.6350, -70.1850}, 180, 0.40, 30, 0, 0},   // Ram Island Ledge, Portland
    {{43.7780, -69.6550}, 140, 0.50, 0, 0, 0},    // The Cuckolds
    {{44.4650, -67.7450}, 200, 0.40, 50, 0, 0},   // Nash Island ledges
    {{44.3600, -67.8700}, 220, 0.40, 60, 0, 0},   // Petit Manan bar
    {{44.7700, -66.7600}, 300, 0.40, 10, 0, 0},   // The Old Proprietor, Grand Manan
};

constexpr RealRockFact kRocks[] = {
    {{44.0250, -68.7750}, 0},  // Roaring Bull
    {{44.1450, -68.7300}, 1},  // Halibut Rocks
    {{44.2000, -68.8200}, 0},  // Channel Rock, Fox Islands Thorofare
    {{44.0600, -68.9300}, 1},  // Lairey's Ledge
    {{44.1249, -68.8921}, 0},  // Sunken ledge off Browns Head
    {{43.9700, -69.1200}, 1},  // Whitehead ledge
    {{44.2486, -68.3476}, 0},  // Long Ledge, Bass Harbor
    {{44.3079, -68.1938}, 1},  // Thrumcap
    {{43.8600, -69.5400}, 0},  // Ram Island ledges, Boothbay
    {{43.6700, -70.0800}, 1},  // Green Islands, Casco Bay
    {{44.4970, -67.6061}, 0},  // Moose Peak Ledge
    {{44.6600, -67.1700}, 1},  // Cutler's Little River Head rocks
    {{43.1800, -70.5700}, 1},  // York Ledge
    {{44.2900, -68.7700}, 0},  // Ram Island, Eggemoggin Reach
    {{44.1300, -68.6300}, 1},  // Green Ledge, Merchant Row
};

constexpr RealMarkFact kMarks[] = {
    {{43.6231, -70.2078}, 48},  // Portland Head light, horn
    {{43.5300, -70.0900}, 35},  // Portland approach "P"
    {{43.6315, -70.1873}, 37},  // Ram Island Ledge light, horn
    {{43.6559, -70.0370}, 48},  // Halfway Rock light, horn
    {{43.7075, -69.7581}, 48},  // Seguin light, horn
    {{43.7330, -69.7790}, 32},  // Kennebec approach bell
    {{43.7796, -69.6500}, 48},  // The Cuckolds light, horn
    {{43.8000, -69.6200}, 31},  // Boothbay approach bell
    {{43.8037, -69.5994}, 46},  // Ram Island light, Boothbay
    {{43.8369, -69.5059}, 48},  // Pemaquid Point light, horn
    {{43.7647, -69.3164}, 49},  // Monhegan light
    {{43.9170, -69.2612}, 49},  // Marshall Point light
    {{43.9300, -69.1800}, 33},  // Mosquito Island gong
    {{43.9650, -69.0721}, 48},  // Two Bush Island light, horn
    {{43.9500, -69.0300}, 35},  // Two Bush Channel whistle
    {{43.7833, -68.8550}, 48},  // Matinicus Rock light, horn
    {{44.0923, -69.0439}, 48},  // Owls Head light, horn
    {{44.1040, -69.0778}, 37},  // Rockland breakwater light, horn
    {{44.1000, -69.0600}, 27},  // Rockland harbour
    {{44.2014, -69.0486}, 46},  // Curtis Island light, Camden
    {{44.2100, -69.0500}, 28},  // Camden harbour entrance
    {{44.2790, -68.9459}, 46},  // Grindle Point light
    {{44.1114, -68.9070}, 48},  // Browns Head light, horn
    {{44.1261, -68.9006}, 26},  // Fox Islands Thorofare, west
    {{44.1334, -68.8412}, 27},  // Fox Islands Thorofare, east
    {{44.1354, -68.8304}, 46},  // Goose Rocks light
    {{44.0260, -68.8608}, 49},  // Heron Neck light
    {{44.0145, -68.7263}, 48},  // Saddleback Ledge light, horn
    {{44.1340, -68.7018}, 46},  // Mark Island light, Deer Island Thorofare
    {{44.1497, -68.6868}, 26},  // Deer Island Thorofare
    {{44.1531, -68.6515}, 27},  // Deer Island Thorofare
    {{44.2176, -68.7677}, 46},  // Eagle Island light
    {{44.3120, -68.7100}, 27},  // Eggemoggin Reach, west
    {{44.2700, -68.6150}, 26},  // Eggemoggin Reach, east
    {{44.2486, -68.4978}, 46},  // Green Island light, Blue Hill Bay
    {{44.1342, -68.4470}, 46},  // Burnt Coat Harbor light
    {{44.1423, -68.2456}, 48},  // Great Duck Island light, horn
    {{43.9686, -68.1281}, 48},  // Mount Desert Rock light, horn
    {{44.2219, -68.3372}, 48},  // Bass Harbor Head light, horn
    {{44.2450, -68.2900}, 31},  // Western Way bell
    {{44.2412, -68.1985}, 46},  // Baker Island light
    {{44.2834, -68.2698}, 46},  // Bear Island light
    {{44.2800, -68.2500}, 27},  // Northeast Harbor entrance
    {{44.3540, -68.1381}, 48},  // Egg Rock light, horn
    {{44.3700, -68.1800}, 26},  // Bar Harbor approach
    {{44.3673, -67.8644}, 48},  // Petit Manan light, horn
    {{44.4757, -67.5354}, 48},  // Moose Peak light, horn
    {{44.5681, -67.3675}, 48},  // Libby Island light, horn
    {{44.6506, -67.1925}, 46},  // Little River light, Cutler
    {{44.5017, -67.1012}, 48},  // Machias Seal Island light, horn
    {{44.8150, -66.9511}, 48},  // West Quoddy Head light, horn
    {{44.8419, -66.9764}, 46},  // Lubec Channel light
    {{43.1215, -70.4762}, 48},  // Boon Island light, horn
    {{43.1653, -70.5937}, 48},  // Cape Neddick light, horn
    {{43.4567, -70.3289}, 49},  // Wood Island light
    {{43.0586, -70.6963}, 48},  // Whaleback light, horn
};

constexpr RealLightFact kLights[] = {
    {{43.6231, -70.2078}, 0, "Fl 4s 灯台"},      // Portland Head
    {{43.5661, -70.2001}, 0, "Fl(4) 15s 灯台"},  // Cape Elizabeth
    {{43.6315, -70.1873}, 0, "Fl(2) 6s"},        // Ram Island Ledge
    {{43.6559, -70.0370}, 1, "Fl R 5s 灯台"},    // Halfway Rock
    {{43.7075, -69.7581}, 0, "F 灯台"},          // Seguin
    {{43.7796, -69.6500}, 0, "Fl(2) 6s 灯台"},   // The Cuckolds
    {{43.8225, -69.6900}, 0, "F 灯台"},          // Hendricks Head
    {{43.8037, -69.5994}, 1, "Iso R 6s 灯台"},   // Ram Island, Boothbay
    {{43.8250, -69.6403}, 1, "Fl R 6s 灯台"},    // Burnt Island
    {{43.8369, -69.5059}, 0, "Fl 6s 灯台"},      // Pemaquid Point
    {{43.7647, -69.3164}, 0, "Fl 15s 灯台"},     // Monhegan
    {{43.9170, -69.2612}, 0, "F 灯台"},          // Marshall Point
    {{43.9786, -69.1242}, 0, "Oc 4s 灯台"},      // Whitehead
    {{43.9650, -69.0721}, 0, "Fl 5s 灯台"},      // Two Bush Island
    {{43.7833, -68.8550}, 0, "Fl 10s 灯台"},     // Matinicus Rock
    {{44.0923, -69.0439}, 0, "F 灯台"},          // Owls Head
    {{44.1040, -69.0778}, 0, "Fl 5s 灯台"},      // Rockland Breakwater
    {{44.2014, -69.0486}, 2, "Oc G 4s 灯台"},    // Curtis Island
    {{44.2790, -68.9459}, 0, "Fl 4s 灯台"},      // Grindle Point
    {{44.4675, -68.8117}, 0, "F 灯台"},          // Fort Point
    {{44.1114, -68.9070}, 0, "F 灯台"},          // Browns Head
    {{44.0260, -68.8608}, 1, "F R 灯台"},        // Heron Neck
    {{44.0145, -68.7263}, 0, "Fl 6s 灯台"},      // Saddleback Ledge
    {{44.1354, -68.8304}, 1, "Fl R 6s 灯台"},    // Goose Rocks
    {{44.1340, -68.7018}, 0, "Fl 6s 灯台"},      // Mark Island, Deer Island Thorofare
    {{44.2176, -68.7677}, 0, "Fl 4s 灯台"},      // Eagle Island
    {{44.3069, -68.7395}, 3, "aband 灯台"},      // Pumpkin Island
    {{44.2486, -68.4978}, 2, "Fl G 4s"},         // Green Island, Blue Hill Bay
    {{44.1342, -68.4470}, 0, "Oc 4s 灯台"},      // Burnt Coat Harbor
    {{43.9686, -68.1281}, 0, "Fl 15s 灯台"},     // Mount Desert Rock
    {{44.1423, -68.2456}, 1, "Fl R 5s 灯台"},    // Great Duck Island
    {{44.2412, -68.1985}, 0, "Fl 10s 灯台"},     // Baker Island
    {{44.2219, -68.3372}, 1, "Oc R 4s 灯台"},    // Bass Harbor Head
    {{44.2834, -68.2698}, 0, "Fl 5s 灯台"},      // Bear Island
    {{44.3540, -68.1381}, 1, "Fl R 5s 灯台"},    // Egg Rock
    {{44.3611, -68.0875}, 3, "aband 灯台"},      // Winter Harbor
    {{44.3673, -67.8644}, 0, "Fl 10s 灯台"},     // Petit Manan
    {{44.4554, -67.8322}, 3, "aband 灯台"},      // Narraguagus
    {{44.4644, -67.7472}, 3, "aband 灯台"},      // Nash Island
    {{44.4757, -67.5354}, 0, "Fl 20s 灯台"},     // Moose Peak
    {{44.5681, -67.3675}, 0, "Fl(2) 20s 灯台"},  // Libby Island
    {{44.6506, -67.1925}, 0, "Fl 6s 灯台"},      // Little River
    {{44.5017, -67.1012}, 0, "Fl 3s 灯台"},      // Machias Seal Island
    {{44.8150, -66.9511}, 0, "Fl(2) 15s 灯台"},  // West Quoddy Head
    {{44.8419, -66.9764}, 0, "Fl 6s 灯台"},      // Lubec Channel
    {{44.7657, -66.7325}, 0, "Fl 6s 灯台"},      // Swallowtail, Grand Manan
    {{44.6017, -66.9053}, 0, "Fl 10s 灯台"},     // Southwest Head, Grand Manan
    {{43.1215, -70.4762}, 0, "Fl 5s 灯台"},      // Boon Island
    {{43.1653, -70.5937}, 1, "Iso R 6s 灯台"},   // Cape Neddick
    {{43.4567, -70.3289}, 3, "Al W G 10s 灯台"}, // Wood Island
    {{43.3578, -70.4253}, 0, "F 灯台"},          // Goat Island, Kennebunkport
    {{43.0586, -70.6963}, 0, "Fl(2) 10s 灯台"},  // Whaleback
};

constexpr RealNameFact kNames[] = {
    {{44.2500, -68.9000}, NameStyle::Place, "Penobscot 湾"},
    {{44.2100, -69.0650}, NameStyle::Place, "Camden"},
    {{44.1545, -68.6650}, NameStyle::Place, "Stonington"},
    {{44.3880, -68.2050}, NameStyle::Place, "Bar Hbr"},
    {{44.3100, -68.6500}, NameStyle::Place, "Eggemoggin Reach"},
    {{43.6600, -70.2550}, NameStyle::Place, "Portland"},
    {{43.7000, -70.1000}, NameStyle::Place, "Casco 湾"},
    {{43.8500, -69.6300}, NameStyle::Place, "Boothbay Hbr"},
    {{43.7500, -69.7900}, NameStyle::Place, "Kennebec"},
    {{43.7650, -69.3200}, NameStyle::Place, "Monhegan I"},
    {{43.9200, -69.2600}, NameStyle::Place, "Port Clyde"},
    {{43.9600, -69.2100}, NameStyle::Place, "Tenants Hbr"},
    {{44.1050, -69.1050}, NameStyle::Place, "Rockland"},
    {{44.0500, -68.8400}, NameStyle::Place, "Vinalhaven"},
    {{44.1600, -68.8600}, NameStyle::Place, "North Haven"},
    {{44.3000, -68.9100}, NameStyle::Place, "Islesboro"},
    {{44.4450, -68.9200}, NameStyle::Place, "Searsport"},
    {{44.5600, -68.8000}, NameStyle::Place, "Bucksport"},
    {{44.2300, -68.6600}, NameStyle::Place, "Deer I"},
    {{44.3380, -68.7420}, NameStyle::Place, "Buck's Hbr"},
    {{44.4050, -68.5800}, NameStyle::Place, "Blue Hill"},
    {{44.1600, -68.4300}, NameStyle::Place, "Swans I"},
    {{44.3300, -68.3000}, NameStyle::Place, "Mt Desert I"},
    {{44.2950, -68.2850}, NameStyle::Place, "Northeast Hbr"},
    {{44.2750, -68.3200}, NameStyle::Place, "Southwest Hbr"},
    {{44.4300, -68.1300}, NameStyle::Place, "Frenchman 湾"},
    {{44.3500, -68.0600}, NameStyle::Place, "Schoodic Pt"},
    {{44.5350, -67.6100}, NameStyle::Place, "Jonesport"},
    {{44.5900, -67.5200}, NameStyle::Place, "Roque I"},
    {{44.6550, -67.2050}, NameStyle::Place, "Cutler"},
    {{44.7000, -67.4000}, NameStyle::Place, "Machias 湾"},
    {{44.8600, -66.9850}, NameStyle::Place, "Lubec"},
    {{44.9050, -66.9900}, NameStyle::Place, "Eastport"},
    {{44.7000, -66.8000}, NameStyle::Place, "Grand Manan"},
    {{43.8000, -68.8700}, NameStyle::Place, "Matinicus I"},
    {{44.1400, -68.2500}, NameStyle::Place, "Great Duck I"},
    {{44.4750, -67.5300}, NameStyle::Place, "Mistake I"},
    {{43.1300, -70.6300}, NameStyle::Place, "York"},
    {{43.3600, -70.4800}, NameStyle::Place, "Kennebunkport"},
    {{43.0700, -70.7500}, NameStyle::Place, "Portsmouth"},
    {{43.8000, -68.5000}, NameStyle::Place, "Gulf of Maine"},
    {{44.8000, -69.2000}, NameStyle::Place, "MAINE"},
    {{44.1550, -68.8850}, NameStyle::Anchorage, "Pulpit Hbr"},
    {{44.3370, -68.7400}, NameStyle::Anchorage, "Buck's Hbr"},
    {{44.1400, -68.4450}, NameStyle::Anchorage, "Burnt Coat Hbr"},
    {{44.2900, -68.2820}, NameStyle::Anchorage, "Northeast Hbr"},
    {{44.3850, -68.0850}, NameStyle::Anchorage, "Winter Hbr"},
    {{44.6000, -67.5400}, NameStyle::Anchorage, "Roque I Hbr"},
    {{44.6550, -67.2050}, NameStyle::Anchorage, "Cutler Hbr"},
    {{43.8460, -69.6280}, NameStyle::Anchorage, "Boothbay"},
    {{44.2050, -69.0600}, NameStyle::Anchorage, "Camden"},
    {{44.1300, -68.8500}, NameStyle::Anchorage, "Perry Creek"},
    {{44.1100, -68.6700}, NameStyle::Anchorage, "Merchant Row"},
};

// Boats lie in the harbour itself; the spacing keeps every boat in water.
constexpr RealAnchorageBand kAnchorages[] = {
    {0, -40000, -4500, {43.8470, -69.6358}, 12, 16},  // Boothbay Harbor, on moorings
    {0, -4500, -2000, {44.2089, -69.0512}, 10, 14},   // Camden harbour, on moorings
    {0, -2000, -900, {44.1546, -68.8837}, 6, 10},     // Pulpit Harbor, North Haven, on moorings
    {0, -900, 1000, {44.1033, -68.6742}, 30, 30},     // Merchant Row, off Stonington
    {0, 1000, 2600, {44.1400, -68.4430}, 10, 12},     // Burnt Coat Harbor, Swans Island, on moorings
    {0, 2600, 4000, {44.2891, -68.2750}, 6, 10},      // Northeast Harbor, on moorings
    {0, 4000, 6500, {44.3746, -68.0818}, 12, 16},     // Winter Harbor, on moorings
    {0, 6500, 10000, {44.5945, -67.5373}, 40, 40},    // Roque Island Harbor
    {0, 10000, 40000, {44.6545, -67.2001}, 8, 8},     // Cutler Harbor, on moorings
};

// From the sea past Monhegan and up West Penobscot Bay, west of Islesboro,
// to Searsport.
// From Portland's approaches along the coast to the mouth of West Penobscot
// Bay; the shoreline model leaves the bay above it too narrow for a ship's
// 0.2 nm clearance.
constexpr GeoPt kShipRoute[] = {
    {43.5500, -70.0500}, {43.6500, -69.6500}, {43.7200, -69.3900}, {43.8300, -69.1200},
    {43.9400, -69.0300}, {44.0500, -68.9800},
};

}  // namespace

extern const RealFacts kFacts20 = {
    .dock = {44.1527, -68.6640},  // Stonington's waterfront, on the Deer Island Thorofare
    .dockOrientation = 1,
    .pier = {43.8489, -69.6473},  // Boothbay Harbor: the berth off the west shore of the inner harbour
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
