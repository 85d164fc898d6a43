// The Exumas, Bahamas (area 30): charted depths, feet below the chart datum.
// Sources (public): NGA/NOAA charts 26280 (Exuma Sound and approaches),
// 26300 (Northeast Providence Channel to Exuma Sound) and 26320 (Tongue of
// the Ocean); the cut depths and anchorages as given in the Exuma Cays Land
// and Sea Park's published guide. The cays stand on the Great Bahama Bank's
// eastern edge: a bank of 6 to 25 ft to the west, the Sound thousands of
// feet deep within a mile or two to the east. Positions to about a cable.
// Not for navigation.
#include "world/depth_facts.h"

namespace vel::depthdata {
namespace {

constexpr std::span<const GeoPt> One(const GeoPt& p) { return {&p, 1}; }

constexpr Sounding kSoundings[] = {
    // The bank west of the cays.
    {{24.9000, -77.1000}, 12},  // Yellow Bank
    {{24.6000, -77.0000}, 15},
    {{24.4500, -76.8500}, 10},  // off Shroud Cay
    {{24.3000, -76.9000}, 18},
    {{24.1500, -76.5500}, 12},  // off Big Majors Spot
    {{24.0000, -76.7000}, 15},
    {{23.9000, -76.4000}, 10},  // off Farmer's Cay
    {{23.8000, -76.5000}, 12},
    {{23.6000, -76.1000}, 8},   // west of Great Exuma
    {{23.5000, -75.9500}, 8},
    // Exuma Sound.
    {{24.6500, -76.6500}, 3000},
    {{24.5000, -76.5000}, 4000},
    {{24.3000, -76.3000}, 5000},
    {{24.0000, -76.0000}, 6000},
    {{23.8000, -75.8000}, 5000},
    // The Tongue of the Ocean.
    {{24.6000, -77.4000}, 5000},
    {{24.2000, -77.3500}, 6000},
    {{24.0000, -77.2500}, 4000},
};

// The bank west of the cays and north of the Sound, its eastern edge along
// the cays, its western along the Tongue of the Ocean.
constexpr GeoPt kExumaBank[] = {
    {25.0200, -77.2500}, {25.1000, -76.9500}, {25.0500, -76.4000}, {24.8000, -76.1500},
    {24.6200, -76.1800}, {24.7500, -76.3500}, {24.8500, -76.6000}, {24.8800, -76.7800},
    {24.8100, -76.8250}, {24.7450, -76.8400}, {24.7100, -76.8200}, {24.6000, -76.8000},
    {24.5300, -76.7800}, {24.4600, -76.7600}, {24.4000, -76.6300}, {24.3100, -76.5400},
    {24.1700, -76.4400}, {24.0500, -76.3700}, {23.9600, -76.3200}, {23.9000, -76.2700},
    {23.7850, -76.0850}, {23.7400, -76.0500}, {23.6800, -75.9800}, {23.5600, -75.8000}, {23.5450, -75.7820},
    {23.5120, -75.7360}, {23.4900, -75.7000}, {23.4000, -75.5500}, {23.1500, -75.6500},
    {23.1500, -77.4000}, {23.7200, -77.4000}, {23.7500, -76.9700}, {24.0000, -77.0500},
    {24.5000, -77.1800}, {24.9000, -77.2800},
};

// The cuts between the bank and the Sound, and Georgetown's western entrance.
constexpr GeoPt kConchCayCut[] = {{23.5650, -75.7950}, {23.5480, -75.7920}, {23.5300, -75.7760}, {23.5150, -75.7600}};
constexpr GeoPt kGalliotCut[] = {{23.9160, -76.2870}, {23.9230, -76.2815}, {23.9300, -76.2760}};
constexpr GeoPt kConchCut[] = {{24.2800, -76.5370}, {24.2830, -76.5280}, {24.2920, -76.5150}};
constexpr GeoPt kDothamCut[] = {{24.1190, -76.4200}, {24.1240, -76.4098}, {24.1290, -76.4000}};
constexpr GeoPt kYellowBank{24.8600, -77.0900}, kWhiteBank{24.9500, -77.1500}, kNormansBores{24.6000, -76.9000},
    kShroudBores{24.4800, -76.8200}, kWarderickBar{24.4000, -76.6500}, kExumaFlats{23.7000, -76.0800},
    kElizabethBar{23.4900, -75.7300}, kConchCayShelf{23.5530, -75.7880};
constexpr GeoPt kStanielDock{24.1749, -76.4440}, kGeorgetownPier{23.5091, -75.7714};

constexpr DepthFact kFacts[] = {
    {DepthShape::Zone, DepthRule::AtMost, 25, 0, kExumaBank},  // the Great Bahama Bank
    {DepthShape::Circle, DepthRule::AtMost, 4, 800, One(kYellowBank)},    // Yellow Bank's heads
    {DepthShape::Circle, DepthRule::AtMost, 5, 800, One(kWhiteBank)},     // White Bank
    {DepthShape::Circle, DepthRule::AtMost, 3, 1200, One(kNormansBores)}, // sand bores west of Norman's Cay
    {DepthShape::Circle, DepthRule::AtMost, 3, 1200, One(kShroudBores)},  // sand bores west of Shroud Cay
    {DepthShape::Circle, DepthRule::AtMost, 2, 500, One(kWarderickBar)},  // Warderick Wells sand bar
    {DepthShape::Circle, DepthRule::AtMost, 3, 1500, One(kExumaFlats)},   // Great Exuma's western flats
    {DepthShape::Circle, DepthRule::AtMost, 4, 500, One(kElizabethBar)},  // Elizabeth Harbour's south bar
    {DepthShape::Circle, DepthRule::AtMost, 25, 1200, One(kConchCayShelf)},  // the reef shelf off Conch Cay
    {DepthShape::Corridor, DepthRule::AtLeast, 15, 120, kConchCayCut},    // Conch Cay Cut into Elizabeth Harbour
    {DepthShape::Corridor, DepthRule::AtLeast, 20, 100, kGalliotCut},     // Galliot Cut
    {DepthShape::Corridor, DepthRule::AtLeast, 15, 120, kConchCut},       // Conch Cut
    {DepthShape::Corridor, DepthRule::AtLeast, 12, 60, kDothamCut},       // Dotham Cut
    {DepthShape::Circle, DepthRule::AtLeast, 9, 100, One(kStanielDock)},  // Staniel Cay Yacht Club's slips
    {DepthShape::Circle, DepthRule::AtLeast, 9, 100, One(kGeorgetownPier)},  // Georgetown's dock
};

}  // namespace

extern const DepthFacts kDepth30 = {
    .areaCode = 30,
    .shoreFeet = 3,
    .feetPerMile = 1000,
    .capFeet = 6000,
    .soundingMiles = 8,
    .soundings = kSoundings,
    .facts = kFacts,
};

}  // namespace vel::depthdata
