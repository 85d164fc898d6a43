// Chesapeake Bay (area 12): hand-compiled facts that the shoreline data does
// not hold.
// Sources (public): lighthouse positions and characteristics from the USCG
// Light List, Volume II, as tabulated in the Wikipedia lists of lighthouses in
// Virginia and Maryland; the dredged shipping channels (Thimble Shoal,
// Chesapeake, York Spit, Rappahannock Shoal, Craighill), buoys, shoals,
// anchorages and place names from the public NOAA charts 12221, 12225, 12230,
// 12263, 12273 and 12278 as generally known to local sailors, placed to about
// a cable (0.1 nm) and checked against the GSHHG full-resolution shoreline:
// the screw-pile and caisson lights stand in the water on their own
// foundations, the shore lights on land. Not for navigation.
// Shoal R is in area units (140 to the mile); rotation is the compass
// bearing of the shoal's long axis.
#include "world/real_data.h"

namespace vel::realdata {
namespace {

constexpr RealShoalFact kShoals[] = {
    {{36.9600, -76.0400}, 500, 0.30, 120, 0, 0},  // Tail of the Horseshoe
    {{37.0050, -76.1800}, 600, 0.15, 100, 0, 0},  // Thimble Shoal
    {{37.3800, -76.1900}, 450, 0.20, 20, 0, 0},   // Wolf Trap Spit
    {{37.2200, -76.2300}, 650, 0.15, 50, 0, 0},   // York Spit
    {{37.5600, -76.2650}, 300, 0.40, 80, 0, 0},   // Stingray Point shoal
    {{37.6000, -76.2350}, 380, 0.30, 90, 0, 0},   // Windmill Point shoal
    {{37.8850, -76.2050}, 480, 0.20, 80, 0, 0},   // Smith Point shoal
    {{38.0300, -76.3150}, 250, 0.40, 0, 0, 0},    // Point Lookout shoal
    {{38.3800, -76.3750}, 250, 0.40, 90, 0, 0},   // Cove Point
    {{38.6400, -76.3800}, 380, 0.50, 0, 0, 0},    // Sharps Island flats
    {{38.8400, -76.3950}, 300, 0.40, 90, 0, 0},   // Bloody Point bar
    {{38.9000, -76.4350}, 300, 0.50, 0, 0, 0},    // Thomas Point shoal
    {{39.0600, -76.3000}, 300, 0.40, 30, 0, 0},   // Love Point shoal
    {{39.1400, -76.2800}, 480, 0.30, 40, 0, 0},   // Swan Point bar
    {{39.2200, -76.2500}, 300, 0.40, 30, 0, 0},   // Tolchester shoal
    {{39.2850, -76.2600}, 480, 0.50, 20, 0, 0},   // Pooles Island flats
    {{39.5000, -76.0500}, 1200, 0.60, 30, 0, 0},  // Susquehanna Flats
    {{37.9200, -75.9800}, 380, 0.40, 0, 0, 0},    // Great Rock, Tangier Sound
    {{38.0200, -76.0000}, 300, 0.40, 90, 0, 0},   // Kedges Strait bar
    {{38.0700, -76.1000}, 480, 0.30, 160, 0, 0},  // Holland Island bar
    {{38.2300, -76.2900}, 380, 0.30, 170, 0, 0},  // Hooper Island shoals
    {{37.2000, -76.0200}, 480, 0.40, 10, 0, 0},   // Nautilus Shoal, Cape Charles
    {{37.2600, -76.0300}, 380, 0.40, 0, 0, 0},    // Cherrystone bar
    {{37.9000, -75.7600}, 900, 0.50, 30, 0, 0},   // Pocomoke Sound flats
    {{37.3200, -76.3500}, 380, 0.40, 60, 0, 0},   // Mobjack Bay bar
    {{37.0000, -76.3000}, 480, 0.40, 90, 0, 0},   // Hampton Flats
    {{36.9600, -76.2800}, 380, 0.30, 90, 0, 0},   // Willoughby Spit
    {{38.6200, -76.3200}, 300, 0.40, 0, 0, 0},    // Black Walnut Point bar
};

// All eight lie awash or below the surface.
constexpr RealRockFact kRocks[] = {
    {{38.6390, -76.3760}, 0},  // Sharps Island, the old light's ruins
    {{37.2700, -76.0300}, 0},  // Cherrystone bar obstruction
    {{37.3950, -76.1950}, 0},  // Wolf Trap wreck
    {{37.5970, -76.2340}, 0},  // Windmill Point ruins
    {{39.0580, -76.2830}, 0},  // Love Point ruins
    {{39.1300, -76.4100}, 0},  // Bodkin Point obstruction
    {{37.9950, -76.1700}, 0},  // Target ship's wreckage
    {{38.4000, -76.3700}, 0},  // Cove Point obstruction
};

constexpr RealMarkFact kMarks[] = {
    {{36.9200, -75.9400}, 35},  // Chesapeake Bay entrance "CB"
    {{36.9500, -76.0100}, 27},  // Chesapeake Channel
    {{36.9700, -76.0000}, 26},  // Chesapeake Channel
    {{36.9670, -76.0900}, 27},  // Thimble Shoal Channel, south edge
    {{36.9730, -76.0900}, 26},  // Thimble Shoal Channel, north edge
    {{36.9955, -76.2000}, 27},  // Thimble Shoal Channel, south edge
    {{37.0015, -76.2000}, 26},  // Thimble Shoal Channel, north edge
    {{37.0146, -76.2397}, 48},  // Thimble Shoal light, horn
    {{37.0700, -76.0500}, 27},  // Baltimore Channel
    {{37.1200, -76.0900}, 26},  // Baltimore Channel
    {{37.2300, -76.1300}, 27},  // York Spit Channel
    {{37.2300, -76.1100}, 26},  // York Spit Channel
    {{37.2500, -76.2700}, 27},  // York River entrance
    {{37.3903, -76.1897}, 48},  // Wolf Trap light, horn
    {{37.4700, -76.1500}, 32},  // Wolf Trap bell
    {{37.5612, -76.2706}, 46},  // Stingray Point light
    {{37.5400, -76.2900}, 27},  // Jackson Creek, Deltaville
    {{37.5966, -76.2359}, 46},  // Windmill Point light
    {{37.6000, -76.1800}, 27},  // Rappahannock Shoal Channel
    {{37.6500, -76.1850}, 26},  // Rappahannock Shoal Channel
    {{37.8798, -76.1838}, 48},  // Smith Point light, horn
    {{37.8700, -76.1600}, 31},  // Smith Point bell
    {{38.0392, -76.3228}, 49},  // Point Lookout
    {{38.0000, -76.3000}, 26},  // Potomac entrance
    {{38.1283, -76.2903}, 46},  // Point No Point light
    {{38.2565, -76.2499}, 46},  // Hooper Island light
    {{38.3862, -76.3830}, 48},  // Cove Point light, horn
    {{38.3275, -76.4136}, 27},  // Patuxent entrance, off Drum Point
    {{38.3200, -76.4211}, 30},  // Drum Point daybeacon
    {{38.0478, -76.0150}, 46},  // Solomons Lump light
    {{38.0217, -76.0005}, 27},  // Kedges Strait
    {{37.9667, -75.8800}, 27},  // Tangier Sound
    {{37.9725, -75.8718}, 26},  // Crisfield approach
    {{37.8158, -75.9847}, 27},  // Tangier Island channel
    {{38.6390, -76.3760}, 46},  // Sharps Island light
    {{38.5800, -76.3600}, 35},  // Choptank approach
    {{38.8336, -76.3917}, 48},  // Bloody Point bar light, horn
    {{38.8986, -76.4364}, 48},  // Thomas Point shoal light, horn
    {{38.9600, -76.4500}, 27},  // Annapolis approach
    {{38.9700, -76.4650}, 26},  // Severn River entrance
    {{39.0159, -76.3849}, 48},  // Sandy Point shoal light, horn
    {{39.0594, -76.3990}, 46},  // Baltimore light
    {{39.1000, -76.3800}, 27},  // Craighill Channel
    {{39.1200, -76.4000}, 26},  // Craighill Channel
    {{39.1500, -76.3000}, 31},  // Swan Point bell
    {{39.2906, -76.2686}, 50},  // Pooles Island tower
    {{39.3600, -76.1700}, 27},  // upper bay channel
    {{39.4500, -76.0086}, 49},  // Turkey Point light
    {{36.9262, -76.0076}, 48},  // Cape Henry light, horn
    {{37.1228, -75.9061}, 49},  // Cape Charles light
    {{37.0016, -76.3065}, 46},  // Old Point Comfort light
    {{37.0850, -75.9721}, 36},  // Fishermans Island bell
};

constexpr RealLightFact kLights[] = {
    {{36.9262, -76.0076}, 0, "Mo(U) 20s 灯台"},  // Cape Henry
    {{37.1228, -75.9061}, 0, "Fl 5s 灯台"},      // Cape Charles
    {{37.0146, -76.2397}, 0, "Fl 10s"},          // Thimble Shoal
    {{37.0016, -76.3065}, 1, "Fl(2) R 12s 灯台"},  // Old Point Comfort
    {{37.3014, -76.2780}, 3, "aband 灯台"},      // New Point Comfort
    {{37.3903, -76.1897}, 0, "Fl 15s"},          // Wolf Trap
    {{37.5612, -76.2706}, 0, "Fl 4s"},           // Stingray Point
    {{37.5966, -76.2359}, 0, "Fl(2) 6s"},        // Windmill Point
    {{37.8798, -76.1838}, 0, "Fl 10s 灯台"},     // Smith Point
    {{38.0392, -76.3228}, 3, "aband 灯台"},      // Point Lookout
    {{38.1283, -76.2903}, 0, "Fl 6s 灯台"},      // Point No Point
    {{38.2565, -76.2499}, 0, "Fl 6s"},           // Hooper Island
    {{38.3862, -76.3830}, 0, "Fl 10s 灯台"},     // Cove Point
    {{38.3200, -76.4211}, 3, "aband 灯台"},      // Drum Point
    {{38.0478, -76.0150}, 0, "Fl 6s"},           // Solomons Lump
    {{38.6390, -76.3760}, 0, "Fl 6s 灯台"},      // Sharps Island
    {{38.8336, -76.3917}, 0, "Fl 6s 灯台"},      // Bloody Point bar
    {{38.8986, -76.4364}, 0, "Fl 5s 灯台"},      // Thomas Point shoal
    {{39.0159, -76.3849}, 0, "Fl 6s 灯台"},      // Sandy Point shoal
    {{39.0594, -76.3990}, 0, "Fl 2.5s"},         // Baltimore
    {{39.2906, -76.2686}, 3, "aband 灯台"},      // Pooles Island
    {{39.4500, -76.0086}, 0, "F 灯台"},          // Turkey Point
    {{39.5412, -76.0861}, 3, "aband 灯台"},      // Concord Point
};

constexpr RealNameFact kNames[] = {
    {{38.9780, -76.4900}, NameStyle::Place, "Annapolis"},
    {{36.8500, -76.2900}, NameStyle::Place, "Norfolk"},
    {{38.1500, -76.6000}, NameStyle::Place, "Potomac"},
    {{38.3200, -76.4550}, NameStyle::Place, "Solomons"},
    {{37.8300, -75.9900}, NameStyle::Place, "Tangier I"},
    {{39.2700, -76.5800}, NameStyle::Place, "Baltimore"},
    {{37.0200, -76.3400}, NameStyle::Place, "Hampton"},
    {{37.2400, -76.5000}, NameStyle::Place, "York River"},
    {{37.6300, -76.4500}, NameStyle::Place, "Rappahannock"},
    {{37.5500, -76.3300}, NameStyle::Place, "Deltaville"},
    {{37.6400, -76.5700}, NameStyle::Place, "Urbanna"},
    {{37.3300, -76.3500}, NameStyle::Place, "Mobjack 湾"},
    {{37.2700, -76.0200}, NameStyle::Place, "Cape Charles"},
    {{36.9300, -76.0100}, NameStyle::Place, "Cape Henry"},
    {{37.8800, -76.2100}, NameStyle::Place, "Smith Pt"},
    {{37.9800, -75.8600}, NameStyle::Place, "Crisfield"},
    {{38.0000, -76.0400}, NameStyle::Place, "Smith I"},
    {{37.9000, -75.9400}, NameStyle::Place, "Tangier Sound"},
    {{38.2200, -76.0400}, NameStyle::Place, "Bloodsworth I"},
    {{38.2500, -76.2400}, NameStyle::Place, "Hooper I"},
    {{38.4000, -76.3700}, NameStyle::Place, "Cove Pt"},
    {{38.6000, -76.2200}, NameStyle::Place, "Choptank"},
    {{38.6900, -76.3400}, NameStyle::Place, "Tilghman I"},
    {{38.7850, -76.2250}, NameStyle::Place, "St Michaels"},
    {{38.8900, -76.3300}, NameStyle::Place, "Kent I"},
    {{39.0000, -76.3700}, NameStyle::Place, "Bay Bridge"},
    {{39.2100, -76.0700}, NameStyle::Place, "Chester River"},
    {{39.3600, -76.0500}, NameStyle::Place, "Sassafras"},
    {{39.5400, -76.0900}, NameStyle::Place, "Havre de Grace"},
    {{39.5300, -75.9800}, NameStyle::Place, "Susquehanna"},
    {{38.3000, -76.5600}, NameStyle::Place, "Patuxent"},
    {{38.4500, -76.4600}, NameStyle::Place, "Calvert Cliffs"},
    {{38.0400, -76.3200}, NameStyle::Place, "Pt Lookout"},
    {{37.7500, -76.3400}, NameStyle::Place, "Reedville"},
    {{37.4500, -76.0000}, NameStyle::Place, "Eastern Shore"},
    {{38.5000, -76.7000}, NameStyle::Place, "MARYLAND"},
    {{37.5000, -76.7000}, NameStyle::Place, "VIRGINIA"},
    {{37.1000, -76.1200}, NameStyle::Place, "Chesapeake Channel"},
    {{38.9700, -76.4750}, NameStyle::Anchorage, "Annapolis Harbor"},
    {{38.3300, -76.4600}, NameStyle::Anchorage, "Solomons Harbor"},
    {{37.5500, -76.3150}, NameStyle::Anchorage, "Fishing 湾"},
    {{38.7800, -76.2300}, NameStyle::Anchorage, "St Michaels"},
    {{37.2650, -76.4650}, NameStyle::Anchorage, "Sarah Creek"},
    {{37.8200, -76.2900}, NameStyle::Anchorage, "Great Wicomico"},
    {{38.6200, -76.3300}, NameStyle::Anchorage, "Knapps Narrows"},
    {{39.0200, -76.3300}, NameStyle::Anchorage, "Whitehall 湾"},
};

// Boats lie at the anchorage nearest the boat's stretch of the bay.
// The harbour points lie off the anchorages' creeks, where the whole fleet
// swings in 8 to 60 ft.
constexpr RealAnchorageBand kAnchorages[] = {
    {1, 5800, 40000, {37.2418, -76.4302}, 25, 25},    // off Sarah Creek, York River
    {1, 3500, 5800, {37.5300, -76.3050}, 25, 25},     // Fishing Bay, Deltaville
    {1, 300, 3500, {37.8050, -76.2400}, 30, 30},      // Great Wicomico entrance
    {1, -3800, 300, {38.3127, -76.4392}, 15, 15},     // the Patuxent off Solomons, on moorings
    {1, -6500, -3800, {38.8035, -76.3473}, 50, 50},   // Eastern Bay, for St Michaels
    {1, -40000, -6500, {38.9579, -76.4323}, 20, 24},  // off Annapolis, on moorings
};

// From the sea through the Chesapeake Channel and up the bay's dredged
// channels to the Craighill Channel off the Patapsco.
constexpr GeoPt kShipRoute[] = {
    {36.9000, -75.8500}, {36.9600, -75.9900}, {37.0800, -76.0500}, {37.3000, -76.1100},
    {37.5500, -76.1600}, {37.8000, -76.1800}, {37.9500, -76.2200}, {38.1500, -76.2600},
    {38.3600, -76.3400}, {38.6000, -76.3900}, {38.8500, -76.4100}, {38.9920, -76.3823},
    {39.0500, -76.3750}, {39.1000, -76.3850}, {39.1500, -76.4300},
};

}  // namespace

extern const RealFacts kFacts12 = {
    .dock = {37.6138, -76.2870},  // Windmill Point marina, north shore of the Rappahannock's mouth
    .dockOrientation = 1,
    .pier = {38.3232, -76.4530},  // Solomons Harbor, Back Creek
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
