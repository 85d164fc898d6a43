// Chesapeake Bay (area 12): charted depths, feet below mean lower low water.
// Sources (public): NOAA charts 12221 (Chesapeake Bay entrance), 12225
// (Wolf Trap to Smith Point), 12230 (Smith Point to Cove Point), 12263 (Cove
// Point to Sandy Point), 12273 (Sandy Point to Susquehanna River), 12278
// (Approaches to Baltimore), 12245 (Hampton Roads), 12241 (York River) and
// 12264 (Patuxent River); the project depths of the dredged channels from
// NOAA Coast Pilot 3, chapters 9 to 15. Positions to about a cable; shoals
// carry their least charted depth rounded down, channels their project depth
// or less. Not for navigation.
#include "world/depth_facts.h"

namespace vel::depthdata {
namespace {

constexpr std::span<const GeoPt> One(const GeoPt& p) { return {&p, 1}; }

// The main stem's open water, where distance from the shore says little.
constexpr Sounding kSoundings[] = {
    {{36.9600, -76.0500}, 45},  // the bay's mouth between the capes
    {{37.1000, -76.0800}, 40},  // off Fishermans Island
    {{37.3000, -76.1200}, 40},  // off Wolf Trap
    {{37.5000, -76.1300}, 45},  // off Stingray Point
    {{37.7000, -76.1500}, 60},  // off the Great Wicomico
    {{37.9000, -76.1500}, 60},  // off Smith Point
    {{38.0500, -76.2200}, 70},  // off Point Lookout
    {{38.2000, -76.3000}, 80},  // off Point No Point
    {{38.3500, -76.3600}, 100}, // the deep trough off Cove Point
    {{38.5000, -76.4200}, 80},  // off Calvert Cliffs
    {{38.6500, -76.4200}, 60},  // off Sharps Island
    {{38.8000, -76.4000}, 60},  // off Bloody Point
    {{38.9000, -76.4200}, 50},  // off Thomas Point
    {{39.0500, -76.3800}, 50},  // off Sandy Point
    {{39.1500, -76.3300}, 40},  // off Swan Point
    {{39.2500, -76.2500}, 25},  // off Tolchester
    {{39.3500, -76.1500}, 20},  // off Worton Point
    {{39.4500, -76.0500}, 15},  // off Turkey Point
    {{37.9500, -75.9000}, 35},  // Tangier Sound
    {{38.8500, -76.2800}, 30},  // Eastern Bay
    {{38.0500, -76.4000}, 40},  // the Potomac's mouth
    {{37.3300, -76.3500}, 15},  // Mobjack Bay
};

// Shoals at their least charted depth; none dries.
constexpr GeoPt kHorseshoe{36.9600, -76.0400}, kThimbleShoal{37.0250, -76.1800},
    kWolfTrapSpit{37.3800, -76.1900}, kYorkSpit{37.2200, -76.2300}, kStingray{37.5600, -76.2650},
    kWindmill{37.6000, -76.2350}, kSmithPoint{37.8850, -76.2050}, kLookout{38.0300, -76.3150},
    kCovePoint{38.3800, -76.3750}, kSharps{38.6400, -76.3800}, kBloodyPoint{38.8400, -76.3950},
    kThomasPoint{38.9000, -76.4350}, kLovePoint{39.0600, -76.3000}, kSwanPoint{39.1400, -76.2800},
    kTolchester{39.2200, -76.2500}, kPooles{39.2850, -76.2600}, kSusquehanna{39.5000, -76.0500},
    kGreatRock{37.9200, -75.9800}, kKedges{38.0200, -76.0000}, kHolland{38.0700, -76.1000},
    kHooper{38.2300, -76.2900}, kNautilus{37.2000, -76.0200}, kCherrystone{37.2600, -76.0300},
    kPocomoke{37.9000, -75.7600}, kMobjack{37.3200, -76.3500}, kHamptonFlats{37.0000, -76.3000},
    kWilloughby{36.9600, -76.2800}, kBlackWalnut{38.6200, -76.3200};

// Dredged channels and the deep natural channel, as centre lines.
constexpr GeoPt kThimbleChannel[] = {{36.9570, -76.0200}, {36.9750, -76.1100}, {37.0050, -76.2250}};
constexpr GeoPt kMainChannel[] = {
    {36.9600, -75.9900}, {37.0800, -76.0500}, {37.3000, -76.1100}, {37.5500, -76.1600},
    {37.8000, -76.1800}, {37.9500, -76.2200}, {38.1500, -76.2600}, {38.3600, -76.3400},
    {38.6000, -76.3900}, {38.8500, -76.4100}, {38.9920, -76.3823}, {39.0500, -76.3750},
    {39.1000, -76.3850}, {39.1600, -76.3300}, {39.2300, -76.2600}, {39.3000, -76.2200},
    {39.3533, -76.1600}, {39.3793, -76.0957}, {39.4327, -76.0369},
};
constexpr GeoPt kBayBridgeTrough[] = {{38.9600, -76.4000}, {38.9920, -76.3823}, {39.0200, -76.3750}};
constexpr GeoPt kCraighill[] = {{39.1000, -76.3850}, {39.1500, -76.4300}, {39.2060, -76.5297}};
constexpr GeoPt kHamptonRoads[] = {{37.0050, -76.2250}, {36.9780, -76.3375}, {36.9533, -76.3417}};
constexpr GeoPt kJames[] = {{36.9533, -76.3417}, {36.9313, -76.4017}, {36.9967, -76.4900}, {37.0473, -76.5567}};
constexpr GeoPt kYork[] = {{37.1700, -76.3000}, {37.1893, -76.3642}, {37.2073, -76.3941},
                           {37.2387, -76.4883}, {37.2673, -76.5325}, {37.3040, -76.5899}};
constexpr GeoPt kPotomac[] = {{38.0120, -76.3676}, {38.0707, -76.4558}, {38.1693, -76.6158}, {38.2107, -76.8042}};
constexpr GeoPt kPatuxent[] = {{38.3193, -76.4075}, {38.3127, -76.4392}, {38.3177, -76.4445}};
constexpr GeoPt kChoptank[] = {{38.5867, -76.3094}, {38.5973, -76.2862}, {38.6373, -76.2115}, {38.6647, -76.1502}};
constexpr GeoPt kRappahannock[] = {{37.5867, -76.2882}, {37.5973, -76.3450}, {37.6307, -76.4234}};
constexpr GeoPt kSevern[] = {{38.9603, -76.4397}, {38.9640, -76.4597}, {38.9780, -76.4700}};
constexpr GeoPt kBackCreek[] = {{38.3177, -76.4445}, {38.3232, -76.4530}};
constexpr GeoPt kSolomonsBerth[] = {{38.3227, -76.4386}};
constexpr GeoPt kWindmillMarina[] = {{37.6138, -76.2870}, {37.6050, -76.2870}};

constexpr DepthFact kFacts[] = {
    {DepthShape::Circle, DepthRule::AtMost, 14, 900, One(kHorseshoe)},    // Tail of the Horseshoe
    {DepthShape::Circle, DepthRule::AtMost, 12, 1200, One(kThimbleShoal)}, // Thimble Shoal, north of the channel
    {DepthShape::Circle, DepthRule::AtMost, 9, 1500, One(kWolfTrapSpit)},  // Wolf Trap Spit
    {DepthShape::Circle, DepthRule::AtMost, 4, 1500, One(kYorkSpit)},      // York Spit
    {DepthShape::Circle, DepthRule::AtMost, 4, 700, One(kStingray)},       // Stingray Point shoal
    {DepthShape::Circle, DepthRule::AtMost, 5, 800, One(kWindmill)},       // Windmill Point shoal
    {DepthShape::Circle, DepthRule::AtMost, 8, 900, One(kSmithPoint)},     // Smith Point shoal
    {DepthShape::Circle, DepthRule::AtMost, 6, 500, One(kLookout)},        // Point Lookout shoal
    {DepthShape::Circle, DepthRule::AtMost, 10, 500, One(kCovePoint)},     // Cove Point
    {DepthShape::Circle, DepthRule::AtMost, 4, 1500, One(kSharps)},        // Sharps Island Flats
    {DepthShape::Circle, DepthRule::AtMost, 4, 600, One(kBloodyPoint)},    // Bloody Point bar
    {DepthShape::Circle, DepthRule::AtMost, 3, 500, One(kThomasPoint)},    // Thomas Point shoal
    {DepthShape::Circle, DepthRule::AtMost, 5, 600, One(kLovePoint)},      // Love Point shoal
    {DepthShape::Circle, DepthRule::AtMost, 4, 900, One(kSwanPoint)},      // Swan Point bar
    {DepthShape::Circle, DepthRule::AtMost, 8, 600, One(kTolchester)},     // Tolchester shoal
    {DepthShape::Circle, DepthRule::AtMost, 3, 900, One(kPooles)},         // Pooles Island flats
    {DepthShape::Circle, DepthRule::AtMost, 2, 3500, One(kSusquehanna)},   // Susquehanna Flats
    {DepthShape::Circle, DepthRule::AtMost, 4, 700, One(kGreatRock)},      // Great Rock, Tangier Sound
    {DepthShape::Circle, DepthRule::AtMost, 8, 600, One(kKedges)},         // Kedges Strait bar
    {DepthShape::Circle, DepthRule::AtMost, 2, 900, One(kHolland)},        // Holland Island bar
    {DepthShape::Circle, DepthRule::AtMost, 3, 800, One(kHooper)},         // Hooper Island shoals
    {DepthShape::Circle, DepthRule::AtMost, 6, 900, One(kNautilus)},       // Nautilus Shoal
    {DepthShape::Circle, DepthRule::AtMost, 4, 700, One(kCherrystone)},    // Cherrystone bar
    {DepthShape::Circle, DepthRule::AtMost, 3, 2500, One(kPocomoke)},      // Pocomoke Sound flats
    {DepthShape::Circle, DepthRule::AtMost, 4, 700, One(kMobjack)},        // Mobjack Bay bar
    {DepthShape::Circle, DepthRule::AtMost, 6, 900, One(kHamptonFlats)},   // Hampton Flats
    {DepthShape::Circle, DepthRule::AtMost, 4, 700, One(kWilloughby)},     // Willoughby Spit
    {DepthShape::Circle, DepthRule::AtMost, 2, 500, One(kBlackWalnut)},    // Black Walnut Point bar
    // The channels last, so that no shoal's slope fills them.
    {DepthShape::Corridor, DepthRule::AtLeast, 35, 400, kMainChannel},      // the bay's main channel
    {DepthShape::Corridor, DepthRule::AtLeast, 45, 300, kThimbleChannel},   // Thimble Shoal Channel
    {DepthShape::Corridor, DepthRule::AtLeast, 80, 350, kBayBridgeTrough},  // under the Bay Bridge
    {DepthShape::Corridor, DepthRule::AtLeast, 45, 250, kCraighill},        // Craighill and Brewerton
    {DepthShape::Corridor, DepthRule::AtLeast, 45, 300, kHamptonRoads},     // Hampton Roads
    {DepthShape::Corridor, DepthRule::AtLeast, 25, 200, kJames},            // James River channel
    {DepthShape::Corridor, DepthRule::AtLeast, 40, 250, kYork},             // York River
    {DepthShape::Corridor, DepthRule::AtLeast, 20, 400, kPotomac},          // the lower Potomac
    {DepthShape::Corridor, DepthRule::AtLeast, 30, 200, kPatuxent},         // Patuxent off Solomons
    {DepthShape::Corridor, DepthRule::AtLeast, 15, 250, kChoptank},         // Choptank River
    {DepthShape::Corridor, DepthRule::AtLeast, 20, 300, kRappahannock},     // Rappahannock River
    {DepthShape::Corridor, DepthRule::AtLeast, 15, 150, kSevern},           // Annapolis, Severn River
    {DepthShape::Corridor, DepthRule::AtLeast, 9, 80, kBackCreek},          // Solomons, Back Creek to the pier
    {DepthShape::Circle, DepthRule::AtLeast, 9, 150, kSolomonsBerth},       // the marina's dredged berth
    {DepthShape::Corridor, DepthRule::AtLeast, 9, 120, kWindmillMarina},    // the marina's basin and its way out
};

}  // namespace

extern const DepthFacts kDepth12 = {
    .areaCode = 12,
    .shoreFeet = 3,
    .feetPerMile = 12,
    .capFeet = 45,
    .soundingMiles = 5,
    .soundings = kSoundings,
    .facts = kFacts,
};

}  // namespace vel::depthdata
