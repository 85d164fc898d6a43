// Named places of Chesapeake Bay (12), the Exumas (30) and the Florida -
// Bahamas passages (5/6) with their least charted depth, and land that must
// read dry. Sources (public): NOAA charts 12221, 12245, 12241, 12230, 12263,
// 12264, 12266, 12273, 12282, 11466 and 11467; NGA/NOAA 26280, 26300, 26320
// and 26323; the Coast Pilot's project depths. Points lie in water on the
// GSHHG full-resolution shoreline; depths are rounded down. The passages
// read anything deeper than 100 ft as 999, so their deep water asks for 600.
#include "chart_checks.h"

namespace vel::test {
namespace {

constexpr ChartCheck kRows[] = {
    {12, "Annapolis harbour, off Spa Creek", 38.9780, -76.4700, 12},
    {12, "Solomons, the harbour's entrance", 38.3177, -76.4445, 15},
    {12, "Hampton Roads", 36.9780, -76.3375, 40},
    {12, "Potomac River off St Clements", 38.0707, -76.4558, 20},
    {12, "Patuxent River mouth", 38.3193, -76.4075, 30},
    {12, "Choptank River", 38.6373, -76.2115, 15},
    {12, "James River channel", 36.9967, -76.4900, 20},
    {12, "York River off Yorktown", 37.2387, -76.4883, 40},
    {12, "Thimble Shoal Channel at the bridge-tunnel", 36.9750, -76.1100, 45},
    {12, "Bay Bridge main channel", 38.9920, -76.3823, 80},
    {12, "upper bay off Turkey Point", 39.4327, -76.0369, 15},
    {12, "Kent Island", 38.9300, -76.3300, -1},
    {12, "Annapolis, the State House", 38.9787, -76.4910, -1},
    {12, "Norfolk", 36.8500, -76.2900, -1},
    {12, "Eastern Shore at Eastville", 37.3000, -75.9500, -1},
    {30, "Big Majors Spot anchorage", 24.1830, -76.4620, 8},
    {30, "Staniel Cay Yacht Club", 24.1749, -76.4440, 8},
    {30, "Elizabeth Harbour off Georgetown", 23.5150, -75.7600, 12},
    {30, "Conch Cay Cut", 23.5480, -75.7920, 15},
    {30, "Galliot Cut", 23.9230, -76.2815, 20},
    {30, "Conch Cut", 24.2830, -76.5280, 15},
    {30, "Dotham Cut", 24.1240, -76.4098, 12},
    {30, "Warderick Wells moorings", 24.3882, -76.6423, 10},
    {30, "Allan's Cay anchorage", 24.7410, -76.8526, 8},
    {30, "Little Farmer's Cay anchorage", 23.9573, -76.3351, 8},
    {30, "Exuma Sound", 24.2000, -76.2000, 1000},
    {30, "Staniel Cay", 24.1700, -76.4400, -1},
    {30, "Stocking Island", 23.5200, -75.7465, -1},
    {30, "Great Exuma", 23.4700, -75.7500, -1},
    {30, "Norman's Cay", 24.6350, -76.8100, -1},
    {5, "Lake Worth Inlet", 26.7730, -80.0350, 30},
    {5, "Lake Worth off Peanut Island", 26.7900, -80.0450, 8},
    {5, "Port Everglades, the turning basin", 26.0920, -80.1180, 40},
    {5, "Port Everglades entrance", 26.0940, -80.1050, 40},
    {5, "Biscayne Bay off Miami Beach", 25.7740, -80.1540, 8},
    {5, "Bimini harbour", 25.7250, -79.2880, 6},
    {5, "Great Harbour Cay, the bank anchorage", 25.7442, -77.8766, 8},
    {5, "Chub Cay anchorage", 25.4030, -77.9050, 10},
    {5, "Gulf Stream off Boca Raton", 26.3400, -79.9000, 600},
    {5, "Northwest Providence Channel", 26.2000, -78.4000, 600},
    {5, "Tongue of the Ocean", 25.2000, -77.7000, 600},
    {5, "Miami", 25.8000, -80.2500, -1},
    {5, "Grand Bahama", 26.6500, -78.4000, -1},
    {5, "Great Harbour Cay", 25.7200, -77.8300, -1},
    {5, "Florida at Boynton Beach", 26.5000, -80.2000, -1},
};

}  // namespace

const std::span<const ChartCheck> kChecksSouth = kRows;

}  // namespace vel::test
