// The Florida - Bahamas passages (areas 5 and 6): charted depths, feet below
// mean lower low water (the chart datum on the Bahamas side).
// Sources (public): NOAA charts 11460 (Cape Canaveral to Key West), 11466
// (Jupiter Inlet to Fowey Rocks), 11467 (Port Everglades), 11472 (Palm
// Beach) and 11013 (Straits of Florida); NGA/NOAA 26320 (Northwest
// Providence Channel, the Berry Islands and the Tongue of the Ocean) and
// 26300; the project depths of Lake Worth Inlet and Port Everglades from NOAA
// Coast Pilot 4, chapter 10; NOAA chart 11468 (Miami Harbor). The bank edges follow the charted 100-fathom
// line, to about half a mile. Not for navigation.
#include "world/depth_facts.h"

namespace vel::depthdata {
namespace {

constexpr std::span<const GeoPt> One(const GeoPt& p) { return {&p, 1}; }

constexpr Sounding kSoundings[] = {
    // The Straits of Florida, the Gulf Stream's bed.
    {{26.9000, -79.9500}, 500},   // off Jupiter
    {{26.5000, -79.9500}, 700},   // off Palm Beach
    {{26.1000, -79.9500}, 700},   // off Fort Lauderdale
    {{25.7000, -80.0000}, 700},   // off Miami
    {{27.4000, -79.8000}, 900},
    {{27.0000, -79.6000}, 1200},
    {{26.7000, -79.6000}, 1500},
    {{26.4000, -79.5000}, 2100},
    {{26.0000, -79.6000}, 2500},  // the axis, Fort Lauderdale to Bimini
    {{25.7000, -79.6000}, 2600},
    {{25.4000, -79.7000}, 2500},
    {{25.1000, -79.8000}, 2300},
    // The Northwest Providence Channel.
    {{26.4000, -79.1000}, 2500},
    {{26.2500, -78.9000}, 2400},
    {{26.2200, -78.3000}, 3000},
    {{26.1500, -78.0000}, 3500},
    {{26.0500, -77.7000}, 4000},
    {{26.2000, -77.5000}, 4000},
    // The Northeast Providence Channel and the head of the Tongue of the Ocean.
    {{25.8500, -77.6000}, 5000},
    {{25.6000, -77.5500}, 6000},
    {{25.3000, -77.8000}, 3600},
    {{25.1000, -77.7000}, 5000},
    // The Great Bahama Bank.
    {{25.9000, -78.9000}, 15},
    {{25.8000, -78.3000}, 15},
    {{25.6500, -78.2000}, 12},
    {{25.5000, -78.6000}, 12},
    {{25.4000, -78.9000}, 15},
    {{25.2000, -78.7000}, 12},
    // The Little Bahama Bank.
    {{26.8500, -78.7000}, 15},
    {{26.7500, -78.3000}, 12},
    {{27.1000, -78.5000}, 18},
    {{27.2000, -78.0000}, 18},
};

// The Great Bahama Bank inside its edge: north from Great Isaac to Great
// Stirrup Cay, down the Berry Islands' eastern shore to Chub Cay, round the
// head of the Tongue of the Ocean by the Northwest Channel light to Andros,
// and up the western edge past the Riding Rocks, Cat Cay and Bimini.
constexpr GeoPt kGreatBahamaBank[] = {
    {26.0400, -79.1100}, {26.0000, -78.9000}, {25.9700, -78.6000}, {25.9300, -78.2500},
    {25.8700, -78.0000}, {25.8300, -77.9200}, {25.7800, -77.8200}, {25.7000, -77.7800},
    {25.6000, -77.7300}, {25.5000, -77.7200}, {25.4300, -77.7600}, {25.4100, -77.8300},
    {25.3950, -77.9200}, {25.4200, -78.0300}, {25.4650, -78.1400}, {25.4000, -78.1500},
    {25.3200, -78.1200}, {25.1000, -77.9500}, {25.0000, -77.9500}, {25.0000, -79.2800},
    {25.2300, -79.1700}, {25.4200, -79.2300}, {25.5500, -79.2900}, {25.7000, -79.3100},
    {25.8100, -79.2700}, {25.9000, -79.2000},
};

// The Little Bahama Bank: from West End up its western edge past Memory Rock,
// east along its northern edge, and back along Grand Bahama's south shore.
constexpr GeoPt kLittleBahamaBank[] = {
    {26.6800, -79.0100}, {26.9500, -79.1300}, {27.2500, -79.0500}, {27.4000, -78.7000},
    {27.5000, -78.2000}, {27.5000, -77.3000}, {26.5500, -77.3000}, {26.5800, -77.9000},
    {26.6000, -78.2000}, {26.4900, -78.7000}, {26.6200, -78.9800},
};

// Biscayne Bay, Hawk Channel and the Florida reef tract inside the reef line.
constexpr GeoPt kReefTract[] = {
    {25.9000, -80.1200}, {25.7600, -80.1200}, {25.5900, -80.0900}, {25.3700, -80.1300},
    {25.2200, -80.2000}, {25.0000, -80.3500}, {25.0000, -80.5000}, {25.9000, -80.5000},
};

// The dredged entrances and basins of the Florida harbours.
constexpr GeoPt kLakeWorthInlet[] = {{26.7730, -80.0280}, {26.7730, -80.0420}, {26.7700, -80.0470}};
constexpr GeoPt kPortEverglades[] = {{26.0940, -80.1000}, {26.0940, -80.1100}, {26.0932, -80.1135},
                                     {26.0920, -80.1180}};
// Miami Harbor from the Biscayne Bay start circle: the Main Channel east, down
// past South Pointe and out through Government Cut. The shoreline closes the
// bay's natural depths off shallower than a keel boat's draft.
constexpr GeoPt kMiamiHarbor[] = {{25.7740, -80.1540}, {25.7737, -80.1432}, {25.7721, -80.1429},
                                  {25.7698, -80.1408}, {25.7671, -80.1408}, {25.7668, -80.1330},
                                  {25.7665, -80.1256}};
constexpr GeoPt kMackieShoal{25.7000, -78.6700}, kPortEvergladesBasin{26.0920, -80.1180},
    kLakeWorthAnchorage{26.7900, -80.0450}, kBiminiHarbour{25.7250, -79.2880};

constexpr DepthFact kFacts[] = {
    {DepthShape::Zone, DepthRule::AtMost, 18, 0, kGreatBahamaBank},   // the Great Bahama Bank
    {DepthShape::Zone, DepthRule::AtMost, 20, 0, kLittleBahamaBank},  // the Little Bahama Bank
    {DepthShape::Zone, DepthRule::AtMost, 25, 0, kReefTract},         // inside the Florida reef line
    {DepthShape::Circle, DepthRule::AtMost, 4, 2500, One(kMackieShoal)},  // Mackie Shoal
    {DepthShape::Corridor, DepthRule::AtLeast, 30, 80, kLakeWorthInlet},  // Lake Worth Inlet, 35 ft project
    {DepthShape::Corridor, DepthRule::AtLeast, 40, 80, kPortEverglades},  // Port Everglades, 42 ft project
    {DepthShape::Circle, DepthRule::AtLeast, 40, 250, One(kPortEvergladesBasin)},  // its turning basin
    {DepthShape::Corridor, DepthRule::AtLeast, 36, 80, kMiamiHarbor},  // Miami Harbor, 36-50 ft project
    {DepthShape::Circle, DepthRule::AtLeast, 10, 300, One(kLakeWorthAnchorage)},   // Lake Worth, north of Peanut Island
    {DepthShape::Circle, DepthRule::AtLeast, 7, 300, One(kBiminiHarbour)},         // Bimini Harbour, 7-10 ft
};

}  // namespace

extern const DepthFacts kDepthFloridaBahamas = {
    .areaCode = 5,
    .shoreFeet = 3,
    .feetPerMile = 100,
    .capFeet = 2500,
    .soundingMiles = 12,
    .soundings = kSoundings,
    .facts = kFacts,
};

}  // namespace vel::depthdata
