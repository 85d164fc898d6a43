// The Maine - Nova Scotia passages (areas 7 and 8): the charted depths.
// Sources (public): NOAA charts 13260 (Bay of Fundy to Cape Cod), 13312 and
// 13318 (Frenchman and Blue Hill Bays, Mount Desert Island), 13324 and 13325
// (Tibbett Narrows to Schoodic Island, Quoddy Narrows to Petit Manan Island);
// Canadian Hydrographic Service charts 4011 (Approaches to Bay of Fundy),
// 4230 and 4241 (Little Hope Island to Cape Sable, Shelburne Harbour); the US
// Coast Pilot 1 and the CHS Sailing Directions, Atlantic Coast. Soundings
// rounded to the nearest 10 ft; harbours and bays at their charted greatest
// depth, rounded up. Not for navigation.
#include "world/depth_facts.h"

namespace vel::depthdata {
namespace {

// The Gulf of Maine's basins and banks, which no distance from shore tells.
constexpr Sounding kSoundings[] = {
    {{44.0000, -68.0000}, 450},  // off Mount Desert Rock
    {{43.9000, -67.5000}, 600},  // Jordan Basin, north-west edge
    {{43.6000, -67.0000}, 560},  // the Gulf of Maine, middle of the crossing
    {{44.2000, -67.2000}, 350},  // off Machias Seal Island
    {{44.4000, -66.6000}, 500},  // Grand Manan Basin
    {{44.7000, -66.9000}, 400},  // Grand Manan Channel
    {{44.1000, -66.6000}, 350},  // the mouth of the Bay of Fundy
    {{43.8000, -66.8000}, 400},  // west of Lurcher Shoal
    {{43.4500, -66.4500}, 200},  // German Bank
    {{43.3000, -66.2000}, 180},  // German Bank, south
    {{43.5000, -66.2000}, 250},  // between German Bank and the Tusket Islands
    {{43.3500, -65.6000}, 120},  // off Cape Sable
    {{43.5000, -65.2000}, 200},  // off Cape Negro and Shelburne
    {{44.5000, -67.7500}, 40},   // Pleasant and Narraguagus Bays
    {{44.6000, -67.4500}, 50},   // Englishman Bay
    {{44.6500, -67.3000}, 60},   // Machias Bay
};

constexpr GeoPt kLurcherShoal[] = {{43.8150, -66.4950}};
constexpr GeoPt kTrinityLedge[] = {{44.0000, -66.3100}};
constexpr GeoPt kTuskets[] = {{43.7700, -66.1000}, {43.7700, -65.9200}, {43.6200, -65.9200}, {43.6200, -66.1000}};
constexpr GeoPt kBarringtonBay[] = {{43.5700, -65.6600}, {43.5700, -65.5600}, {43.4500, -65.5600}, {43.4500, -65.6600}};
constexpr GeoPt kShelburneHarbour[] = {{43.7650, -65.3300}, {43.7500, -65.3050}, {43.6500, -65.2900},
                                       {43.6150, -65.3150}, {43.6300, -65.3500}, {43.7100, -65.3450}};
constexpr GeoPt kRoqueIslandHarbor[] = {{44.6050, -67.5650}, {44.6050, -67.5200}, {44.5850, -67.5200}, {44.5850, -67.5650}};
constexpr GeoPt kPleasantBay[] = {{44.5400, -67.8000}, {44.5400, -67.7300}, {44.4900, -67.7300}, {44.4900, -67.8000}};
constexpr GeoPt kSouthwestHarbor[] = {{44.2900, -68.3300}, {44.2900, -68.2650}, {44.2600, -68.2650}, {44.2600, -68.3300}};
constexpr GeoPt kWinterHarbor[] = {{44.3746, -68.0818}};

constexpr DepthFact kFacts[] = {
    {DepthShape::Circle, DepthRule::AtMost, 12, 1200, kLurcherShoal},  // Lurcher Shoal
    {DepthShape::Circle, DepthRule::AtMost, 2, 400, kTrinityLedge},    // Trinity Ledge
    {DepthShape::Zone, DepthRule::AtMost, 20, 0, kTuskets},            // among the Tusket Islands
    {DepthShape::Zone, DepthRule::AtMost, 10, 0, kBarringtonBay},      // Barrington Bay's flats
    // The harbours of the start circles, where the anchor holds: deep
    // enough to swing in, nowhere deeper than the rode holds.
    {DepthShape::Zone, DepthRule::AtLeast, 18, 0, kRoqueIslandHarbor},  // Roque Island Harbor, 20-40 ft
    {DepthShape::Zone, DepthRule::AtLeast, 15, 0, kSouthwestHarbor},    // Southwest Harbor, 15-30 ft
    {DepthShape::Circle, DepthRule::AtLeast, 18, 500, kWinterHarbor},   // Winter Harbor, 20-30 ft
    {DepthShape::Zone, DepthRule::AtMost, 45, 0, kShelburneHarbour},   // Shelburne Harbour
    {DepthShape::Zone, DepthRule::AtMost, 40, 0, kRoqueIslandHarbor},  // Roque Island Harbor
    {DepthShape::Zone, DepthRule::AtMost, 45, 0, kPleasantBay},        // Pleasant Bay
    {DepthShape::Zone, DepthRule::AtMost, 45, 0, kSouthwestHarbor},    // Southwest Harbor and the Western Way
};

}  // namespace

extern const DepthFacts kDepthGulfOfMaine = {
    .areaCode = 7,
    .shoreFeet = 10,
    .feetPerMile = 80,
    .capFeet = 600,
    .soundingMiles = 8,
    .soundings = kSoundings,
    .facts = kFacts,
};

}  // namespace vel::depthdata
