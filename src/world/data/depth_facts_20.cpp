// Maine (area 20): the charted depths.
// Sources (public): NOAA charts 13260 (Bay of Fundy to Cape Cod), 13288
// (Monhegan Island to Cape Elizabeth), 13293 (Damariscotta, Sheepscot and
// Kennebec Rivers), 13302 (Penobscot Bay and approaches), 13305 (Penobscot
// Bay), 13307 (Camden, Rockport and Rockland Harbors), 13309 (Penobscot River),
// 13312 (Frenchman and Blue Hill Bays), 13313 (Deer Isle Thorofare),
// 13318 (Frenchman Bay and Mount Desert Island), 13325 (Quoddy Narrows to
// Petit Manan Island) and the US Coast Pilot 1; soundings rounded to the
// nearest 10 ft, least depths of the ledges as charted (rounded down),
// thorofares and harbours at their charted least depth. Not for navigation.
#include "world/depth_facts.h"

namespace vel::depthdata {
namespace {

// Basins and bays whose depth the distance from shore does not tell.
constexpr Sounding kSoundings[] = {
    {{43.5000, -70.0000}, 220},  // off Casco Bay
    {{43.6500, -70.1000}, 50},   // Casco Bay
    {{43.5000, -69.5000}, 300},  // the Gulf of Maine off Seguin
    {{43.6500, -69.0000}, 330},  // the Gulf of Maine off Monhegan
    {{43.8000, -68.5000}, 300},  // the Gulf of Maine off Isle au Haut
    {{44.0000, -68.0000}, 420},  // the Gulf of Maine off Mount Desert Rock
    {{44.2500, -67.5000}, 350},  // off Petit Manan and Great Wass
    {{44.5000, -67.0000}, 300},  // off Machias Seal Island
    {{44.7000, -66.9000}, 400},  // Grand Manan Channel
    {{43.9500, -69.3000}, 90},   // Muscongus Bay, outer
    {{44.0500, -69.0000}, 110},  // West Penobscot Bay, off Owls Head
    {{44.2500, -68.9700}, 110},  // West Penobscot Bay, off Lincolnville
    {{44.3500, -68.9300}, 90},   // West Penobscot Bay, west of Islesboro
    {{44.4200, -68.8700}, 60},   // upper Penobscot Bay, off Searsport
    {{44.2000, -68.8000}, 90},   // East Penobscot Bay
    {{44.3300, -68.8000}, 60},   // East Penobscot Bay, off Castine
    {{44.1500, -68.5500}, 100},  // Jericho Bay
    {{44.3000, -68.4500}, 40},   // Blue Hill Bay
    {{44.4000, -68.1500}, 80},   // Frenchman Bay
    {{44.0000, -68.8800}, 130},  // off Vinalhaven
    {{44.5000, -67.7500}, 40},   // Pleasant and Narraguagus Bays
    {{44.6000, -67.4500}, 50},   // Englishman Bay
    {{44.6500, -67.3000}, 60},   // Machias Bay
};

// Ledges: least depth as charted; the shape from the shoal table of the
// area's facts. The bare ledges under their lights dry (0).
constexpr GeoPt kRoaringBullLedge[] = {{44.0300, -68.7600}};
constexpr GeoPt kBulwarkShoal[] = {{44.0800, -68.7400}};
constexpr GeoPt kSaddlebackLedge[] = {{44.0150, -68.7260}};
constexpr GeoPt kBarHarborAnchorage[] = {{44.3917, -68.1932}};
constexpr GeoPt kDrunkardLedge[] = {{44.1000, -68.8500}};
constexpr GeoPt kOldManLedge[] = {{43.8201, -69.0279}, {43.8399, -69.0121}};
constexpr GeoPt kDixIslandledges[] = {{43.9203, -69.0549}, {43.9397, -69.0451}};
constexpr GeoPt kBunkerLedge[] = {{44.2700, -68.2100}};
constexpr GeoPt kEggRockledges[] = {{44.3550, -68.1500}};
constexpr GeoPt kMonhegansEasternDuckledges[] = {{43.7593, -69.3637}, {43.7707, -69.3363}};
constexpr GeoPt kRamIslandLedge[] = {{43.6261, -70.1921}, {43.6439, -70.1779}};
constexpr GeoPt kTheCuckolds[] = {{43.7780, -69.6550}};
constexpr GeoPt kNashIslandledges[] = {{44.4577, -67.7573}, {44.4723, -67.7327}};
constexpr GeoPt kPetitMananbar[] = {{44.3537, -67.8852}, {44.3663, -67.8548}};
constexpr GeoPt kTheOldProprietor[] = {{44.7531, -66.7642}, {44.7869, -66.7558}};
// Islets under their lights that the shoreline data lacks.
constexpr GeoPt kMonhegan[] = {{43.7630, -69.3170}};
constexpr GeoPt kMatinicusRock[] = {{43.7833, -68.8550}};
constexpr GeoPt kMountDesertRock[] = {{43.9686, -68.1281}};
constexpr GeoPt kBoonIsland[] = {{43.1215, -70.4762}};
constexpr GeoPt kHalfwayRock[] = {{43.6559, -70.0370}};

// Thorofares, reaches and the harbours' approaches.
constexpr GeoPt kEggemogginReach[] = {{44.3260, -68.7500}, {44.3150, -68.7150}, {44.3050, -68.6950},
                                      {44.2960, -68.6760}, {44.2870, -68.6420}, {44.2708, -68.6233},
                                      {44.2658, -68.6047}, {44.2575, -68.5884}, {44.2500, -68.5720},
                                      {44.2417, -68.5557}};
constexpr GeoPt kFoxIslandsThorofare[] = {{44.1230, -68.9150}, {44.1261, -68.9006}, {44.1250, -68.8800},
                                          {44.1260, -68.8600}, {44.1334, -68.8412}, {44.1380, -68.8300}};
constexpr GeoPt kDeerIslandThorofare[] = {{44.1400, -68.7100}, {44.1497, -68.6868}, {44.1520, -68.6700},
                                          {44.1531, -68.6515}, {44.1500, -68.6300}};
constexpr GeoPt kStoningtonDock[] = {{44.1527, -68.6640}};
constexpr GeoPt kBoothbayBerth[] = {{43.8484, -69.6347}};
constexpr GeoPt kSomesSound[] = {{44.3050, -68.3040}, {44.3150, -68.3075}, {44.3250, -68.3078},
                                {44.3350, -68.3100}, {44.3500, -68.3135}};

constexpr DepthFact kFacts[] = {
{DepthShape::Circle, DepthRule::AtMost, 2, 300, kRoaringBullLedge},  // Roaring Bull Ledge
    {DepthShape::Circle, DepthRule::AtMost, 9, 300, kBulwarkShoal},  // Bulwark Shoal
    {DepthShape::Circle, DepthRule::AtMost, 0, 120, kSaddlebackLedge},  // Saddleback Ledge
    {DepthShape::Circle, DepthRule::AtMost, 3, 300, kDrunkardLedge},  // Drunkard Ledge
    {DepthShape::Corridor, DepthRule::AtMost, 2, 300, kOldManLedge},  // Old Man Ledge
    {DepthShape::Corridor, DepthRule::AtMost, 4, 300, kDixIslandledges},  // Dix Island ledges
    {DepthShape::Circle, DepthRule::AtMost, 3, 300, kBunkerLedge},  // Bunker Ledge
    {DepthShape::Circle, DepthRule::AtMost, 4, 300, kEggRockledges},  // Egg Rock ledges
    {DepthShape::Corridor, DepthRule::AtMost, 3, 300, kMonhegansEasternDuckledges},  // Monhegan's Eastern Duck ledges
    {DepthShape::Corridor, DepthRule::AtMost, 0, 120, kRamIslandLedge},  // Ram Island Ledge, Portland
    {DepthShape::Circle, DepthRule::AtMost, 0, 120, kTheCuckolds},  // The Cuckolds
    {DepthShape::Corridor, DepthRule::AtMost, 3, 300, kNashIslandledges},  // Nash Island ledges
    {DepthShape::Corridor, DepthRule::AtMost, 2, 300, kPetitMananbar},  // Petit Manan bar
    {DepthShape::Corridor, DepthRule::AtMost, 2, 300, kTheOldProprietor},  // The Old Proprietor, Grand Manan
    {DepthShape::Circle, DepthRule::AtMost, 0, 900, kMonhegan},        // Monhegan Island and Manana
    {DepthShape::Circle, DepthRule::AtMost, 0, 120, kMatinicusRock},   // Matinicus Rock
    {DepthShape::Circle, DepthRule::AtMost, 0, 120, kMountDesertRock}, // Mount Desert Rock
    {DepthShape::Circle, DepthRule::AtMost, 0, 120, kBoonIsland},      // Boon Island
    {DepthShape::Circle, DepthRule::AtMost, 0, 60, kHalfwayRock},      // Halfway Rock
    // After the ledges, so that a passage keeps its depth beside them.
    {DepthShape::Corridor, DepthRule::AtLeast, 30, 250, kEggemogginReach},     // Eggemoggin Reach, 30-100 ft
    {DepthShape::Corridor, DepthRule::AtLeast, 15, 120, kFoxIslandsThorofare}, // Fox Islands Thorofare
    {DepthShape::Corridor, DepthRule::AtLeast, 18, 100, kDeerIslandThorofare}, // Deer Island Thorofare
    {DepthShape::Circle, DepthRule::AtLeast, 18, 400, kBarHarborAnchorage},   // Bar Harbor's anchorage, 20-40 ft
    {DepthShape::Circle, DepthRule::AtLeast, 10, 150, kStoningtonDock},        // Stonington, the dock
    {DepthShape::Circle, DepthRule::AtLeast, 10, 80, kBoothbayBerth},          // Boothbay Harbor, the marina berth
    {DepthShape::Corridor, DepthRule::AtLeast, 60, 150, kSomesSound},          // Somes Sound, the fjord
};

}  // namespace

extern const DepthFacts kDepth20 = {
    .areaCode = 20,
    .shoreFeet = 8,
    .feetPerMile = 70,
    .capFeet = 400,
    .soundingMiles = 6,
    .soundings = kSoundings,
    .facts = kFacts,
};

}  // namespace vel::depthdata
