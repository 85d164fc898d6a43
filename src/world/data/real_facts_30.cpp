// The Exumas, Bahamas (area 30): hand-compiled facts that the shoreline data
// does not hold.
// Sources (public): light positions from the Bahamas lights in the NGA List
// of Lights, Publication 110, and the Wikipedia list of lighthouses in the
// Bahamas; the banks, sand bores, cuts, anchorages and place names from the
// public charts of the Exuma Cays (NOAA/NGA 26280, 26300) and the Exuma Cays
// Land and Sea Park's published moorings, as generally known to cruising
// sailors, placed to about a cable (0.1 nm) and checked against the GSHHG
// full-resolution shoreline: lights on their cays, buoys, rocks, the dock,
// the pier and every anchored boat in water. Not for navigation.
// Shoal R is in area units (416 to the mile), the drying heart of each bank
// or bore; rotation is the compass bearing of the shoal's long axis. The
// last six shoals are the uncertain ones, drawn only on request.
#include "world/real_data.h"

namespace vel::realdata {
namespace {

constexpr RealShoalFact kShoals[] = {
    {{24.8600, -77.0900}, 450, 0.45, 150, 0, 0},  // Yellow Bank
    {{24.9500, -77.1500}, 450, 0.50, 120, 0, 0},  // White Bank
    {{24.7800, -77.2000}, 450, 0.35, 140, 0, 0},  // Middle Ground, off the Exuma Bank's edge
    {{24.6000, -76.9000}, 450, 0.20, 140, 12, 0}, // sand bores west of Norman's Cay
    {{24.4800, -76.8200}, 450, 0.20, 150, 0, 0},  // sand bores west of Shroud Cay
    {{24.3900, -76.7200}, 450, 0.25, 150, 0, 0},   // Conch Cut bank flats
    {{24.2800, -76.6200}, 450, 0.25, 150, 0, 0},  // flats west of Cambridge Cay
    {{24.1800, -76.5200}, 450, 0.30, 140, 0, 0},   // flats west of Big Majors Spot
    {{24.0800, -76.4500}, 450, 0.25, 140, 0, 0},  // flats west of Black Point
    {{23.9500, -76.4200}, 450, 0.25, 130, 0, 0},  // flats west of Farmer's Cay
    {{23.8300, -76.2500}, 450, 0.25, 130, 0, 0},  // flats west of Lee Stocking
    {{23.7000, -76.0500}, 450, 0.30, 120, 0, 0},  // Great Exuma's western flats
    {{23.5500, -75.9500}, 450, 0.35, 110, 0, 0},  // Exuma Bank south of Barreterre
    {{23.4600, -75.7800}, 450, 0.30, 100, 0, 0},  // flats south of Great Exuma
    {{24.7300, -76.8500}, 300, 0.40, 90, 0, 0},    // Allan's Cay bar
    {{24.7000, -76.8100}, 350, 0.40, 150, 0, 0},   // Highbourne Cay bar
    {{24.4000, -76.6500}, 250, 0.50, 40, 0, 0},    // Warderick Wells sand bar
    {{24.2600, -76.5600}, 300, 0.40, 60, 0, 0},    // Pipe Creek flats
    {{23.9200, -76.3000}, 300, 0.40, 40, 0, 0},    // Galliot Cut bar
    {{23.5550, -75.8400}, 300, 0.40, 120, 0, 0},   // Conch Cay bar, Georgetown
    {{23.4900, -75.7300}, 350, 0.40, 120, 0, 0},   // Elizabeth Harbour's south bar
    {{24.9000, -76.9000}, 450, 0.40, 120, 0, 0},  // Ship Channel bank flats
    {{24.6200, -76.2000}, 450, 0.40, 120, 0, 0},   // Eleuthera's southern bank
    {{24.1300, -75.4500}, 450, 0.40, 0, 0, 0},     // Cat Island's western bank
    {{23.6500, -76.2800}, 450, 0.40, 130, 0, 0},  // Jewfish Cut flats
    {{23.7800, -76.5000}, 450, 0.45, 130, 0, 0},  // the Exuma Bank's shoal heart
    {{24.0200, -76.6200}, 450, 0.45, 140, 0, 0},  // banks west of Great Guana Cay
    // The uncertain ones: shifting bores seen on some charts only.
    {{24.5500, -76.9500}, 450, 0.30, 140, 0, 0},
    {{24.3000, -76.7800}, 450, 0.30, 140, 0, 0},
    {{24.1000, -76.6800}, 450, 0.30, 140, 0, 0},
    {{23.8800, -76.5600}, 450, 0.30, 130, 0, 0},
    {{23.6800, -76.3800}, 450, 0.30, 130, 0, 0},
    {{24.8200, -76.9800}, 450, 0.30, 140, 0, 0},
};

constexpr RealRockFact kRocks[] = {
    {{24.1763, -76.4482}, 1},  // Thunderball rocks, Staniel Cay
    {{24.4050, -76.6400}, 1},  // Warderick Wells, Emerald Rock
    {{24.7395, -76.8391}, 1},  // Allan's Cay rocks
    {{23.5600, -75.8100}, 0},  // Conch Cay reef
    {{23.9210, -76.2850}, 0},  // Galliot Cut rock
    {{24.3200, -76.5300}, 1},  // Bell Island rocks
    {{24.5150, -76.7818}, 0},  // Shroud Cay reef
    {{23.7700, -76.1100}, 1},  // Adderley Cut rocks
    {{24.0908, -76.3873}, 0},  // Dotham Cut reef
    {{24.6300, -76.8500}, 1},  // Norman's Cay rocks
};

constexpr RealMarkFact kMarks[] = {
    {{23.5587, -75.8022}, 46},  // Conch Cay light, Georgetown's western entrance
    {{23.5550, -75.7900}, 27},  // Conch Cay Cut
    {{23.5450, -75.7782}, 26},  // Conch Cay Cut
    {{23.5200, -75.7700}, 30},  // Elizabeth Harbour daybeacon
    {{23.5300, -75.7400}, 30},  // Stocking Island daybeacon
    {{24.7067, -76.8230}, 46},  // Highbourne Cay light
    {{24.8100, -76.8250}, 46},  // Ship Channel Cay light
    {{24.1700, -76.4400}, 30},  // Staniel Cay daybeacon
    {{24.3950, -76.6350}, 30},  // Warderick Wells park headquarters beacon
    {{23.9227, -76.2878}, 46},  // Galliot Cut light
    {{23.7700, -76.0900}, 30},  // Adderley Cut daybeacon
    {{24.5950, -76.8150}, 30},  // Norman's Cay daybeacon
    {{24.0950, -76.3850}, 30},  // Dotham Cut daybeacon
    {{24.4340, -76.7255}, 50},  // Hawksbill Cay tower
    {{23.5083, -75.7715}, 51},  // Georgetown tank
};

constexpr RealLightFact kLights[] = {
    {{24.8100, -76.8250}, 0, "Fl 3s"},      // Ship Channel Cay
    {{24.7067, -76.8230}, 0, "Fl 5s"},      // Highbourne Cay
    {{24.1750, -76.4400}, 0, "Fl 4s"},      // Staniel Cay
    {{23.9227, -76.2878}, 0, "Fl 6s"},      // Galliot Cut
    {{23.5587, -75.8022}, 0, "Fl 5s 灯台"}, // Conch Cay
    {{23.5200, -75.7465}, 1, "Fl R 4s"},    // Stocking Island
    {{24.6200, -76.1500}, 0, "Fl 6s 灯台"}, // Eleuthera Point
    {{24.1500, -75.5100}, 0, "Fl 6s"},      // Hawks Nest Point, Cat Island
};

constexpr RealNameFact kNames[] = {
    {{24.3950, -76.6350}, NameStyle::Place, "Warderick Wells小島"},
    {{24.1722, -76.4425}, NameStyle::Place, "Staniel小島"},
    {{24.1850, -76.4600}, NameStyle::Place, "Big Majors Spot"},
    {{24.3600, -76.5800}, NameStyle::Place, "Conch ｶｯﾄ"},
    {{23.5100, -75.7700}, NameStyle::Place, "Georgetown"},
    {{24.8100, -76.8300}, NameStyle::Place, "Ship Channel小島"},
    {{24.7450, -76.8400}, NameStyle::Place, "Allan's小島"},
    {{24.7100, -76.8250}, NameStyle::Place, "Highbourne小島"},
    {{24.6000, -76.8200}, NameStyle::Place, "Norman's小島"},
    {{24.5300, -76.7900}, NameStyle::Place, "Shroud小島"},
    {{24.4700, -76.7600}, NameStyle::Place, "Hawksbill小島"},
    {{24.3000, -76.5400}, NameStyle::Place, "Cambridge小島"},
    {{24.2600, -76.5100}, NameStyle::Place, "Compass小島"},
    {{24.2100, -76.4700}, NameStyle::Place, "Sampson小島"},
    {{24.1000, -76.4000}, NameStyle::Place, "Black Point"},
    {{24.0000, -76.3500}, NameStyle::Place, "Great Guana小島"},
    {{23.9600, -76.3200}, NameStyle::Place, "Little Farmer's小島"},
    {{23.9200, -76.2900}, NameStyle::Place, "Galliot ｶｯﾄ"},
    {{23.8600, -76.2200}, NameStyle::Place, "Cave小島"},
    {{23.8000, -76.1500}, NameStyle::Place, "Rudder小島"},
    {{23.7700, -76.1000}, NameStyle::Place, "Lee Stocking I"},
    {{23.5300, -75.7400}, NameStyle::Place, "Stocking I"},
    {{23.5200, -75.7600}, NameStyle::Place, "Elizabeth Hbr"},
    {{23.5000, -75.9000}, NameStyle::Place, "Great Exuma"},
    {{23.4300, -75.6000}, NameStyle::Place, "Little Exuma"},
    {{24.0000, -75.9000}, NameStyle::Place, "Exuma Sound"},
    {{24.0000, -76.8000}, NameStyle::Place, "Exuma 堆"},
    {{24.7500, -76.1800}, NameStyle::Place, "Eleuthera"},
    {{24.3500, -75.6000}, NameStyle::Place, "Cat I"},
    {{24.5500, -76.7800}, NameStyle::Place, "Wax小島 ｶｯﾄ"},
    {{24.0950, -76.3850}, NameStyle::Place, "Dotham ｶｯﾄ"},
    {{24.3200, -76.5300}, NameStyle::Place, "Bell I"},
    {{24.2500, -76.5400}, NameStyle::Place, "Pipe小島"},
    {{24.7450, -76.8450}, NameStyle::Anchorage, "Allan's小島"},
    {{24.5300, -76.7950}, NameStyle::Anchorage, "Shroud小島"},
    {{24.4000, -76.6400}, NameStyle::Anchorage, "Warderick Wells"},
    {{24.3050, -76.5450}, NameStyle::Anchorage, "Cambridge小島"},
    {{24.1850, -76.4650}, NameStyle::Anchorage, "Big Majors Spot"},
    {{24.0950, -76.4050}, NameStyle::Anchorage, "Black Point"},
    {{23.9650, -76.3250}, NameStyle::Anchorage, "Farmer's小島"},
    {{23.5200, -75.7550}, NameStyle::Anchorage, "Kidd Cove"},
    {{23.4900, -75.7300}, NameStyle::Anchorage, "Red Shanks"},
};

// Seven bands of y, south to north; the harbour points lie off the
// anchorages, where the whole fleet swings in 8 to 60 ft.
constexpr RealAnchorageBand kAnchorages[] = {
    {1, 16950, 40000, {23.4756, -75.7323}, 25, 25},   // Red Shanks, Elizabeth Harbour
    {1, 12000, 16950, {23.5119, -75.7550}, 20, 24},   // Kidd Cove, Georgetown, on moorings
    {1, 7000, 12000, {23.7750, -76.0912}, 60, 60},    // Lee Stocking Island
    {1, 3000, 7000, {23.9573, -76.3351}, 50, 50},     // Little Farmer's Cay
    {1, -2000, 3000, {24.1773, -76.4751}, 60, 60},    // Big Majors Spot
    {1, -7000, -2000, {24.3882, -76.6423}, 20, 20},   // Warderick Wells, park moorings
    {1, -40000, -7000, {24.7410, -76.8526}, 50, 50},  // Allan's Cay
};

// Georgetown to Nassau: out through Conch Cay Cut, up Exuma Sound and round
// the Exumas' north end. Ship 1 runs it from Georgetown, ship 2 from Nassau.
constexpr GeoPt kShipRoute[] = {
    {23.5064, -75.6991}, {23.5600, -75.7600}, {23.6500, -75.7900}, {23.8000, -75.8800},
    {23.9500, -75.9800}, {24.1000, -76.1000}, {24.2500, -76.2200}, {24.4000, -76.3300},
    {24.5500, -76.4500}, {24.7000, -76.5800}, {24.8000, -76.7200}, {24.8700, -76.7800},
    {24.8700, -76.8600}, {24.9500, -77.0000}, {25.0483, -77.1359},
};

}  // namespace

extern const RealFacts kFacts30 = {
    .dock = {24.1749, -76.4440},  // Staniel Cay Yacht Club, on Staniel Cay's western waterfront
    .dockOrientation = 2,
    .pier = {23.5091, -75.7714},  // Georgetown, Exuma Docking
    .pierSeaSign = 1,
    .shoals = kShoals,
    .shoalExtra = 6,
    .rocks = kRocks,
    .marks = kMarks,
    .lights = kLights,
    .names = kNames,
    .anchorages = kAnchorages,
    .shipRoute = kShipRoute,
};

}  // namespace vel::realdata
