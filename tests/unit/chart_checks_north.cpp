// Named places of Southern New England, Maine and the Maine - Nova Scotia
// passages with their least depth, conservative, from the public charts the
// depth tables name (NOAA 13205, 13218, 13221, 13230, 13233, 13246, 13302,
// 13305, 13307, 13312, 13313, 13318, 13325; CHS 4241), each point in water on
// the GSHHG full-resolution shoreline.
#include "unit/chart_checks.h"

#include <array>

namespace vel::test {
namespace {

constexpr auto kRows = std::to_array<ChartCheck>({
    {11, "The Race", 41.2200, -72.0800, 150},
    {11, "Newport Harbor", 41.4806, -71.3233, 10},
    {11, "Vineyard Haven harbour", 41.4600, -70.5950, 8},
    {11, "Edgartown Harbor", 41.3895, -70.5050, 12},
    {11, "Great Salt Pond, Block Island", 41.1865, -71.5773, 12},
    {11, "Cape Cod Bay", 41.8500, -70.3000, 60},
    {11, "Vineyard Sound off Nobska Point", 41.4950, -70.6400, 45},
    {11, "Woods Hole, the Hole", 41.5200, -70.6840, 12},
    {11, "Point Judith Harbor of Refuge", 41.3680, -71.5050, 12},
    {11, "Dutch Harbor, Jamestown", 41.4990, -71.3930, 12},
    {11, "Cuttyhunk outer harbour", 41.4350, -70.9257, 10},
    {11, "Tarpaulin Cove", 41.4700, -70.7533, 10},
    {11, "Buzzards Bay", 41.5800, -70.8000, 30},
    {11, "Block Island", 41.1700, -71.5800, -1},
    {11, "Martha's Vineyard", 41.3900, -70.6500, -1},
    {11, "Nantucket", 41.2700, -70.0500, -1},
    {11, "Conanicut Island", 41.5000, -71.3750, -1},

    {20, "Camden Harbor", 44.2089, -69.0512, 12},
    {20, "Rockland Harbor", 44.1030, -69.0950, 20},
    {20, "Boothbay Harbor", 43.8470, -69.6358, 12},
    {20, "Bar Harbor anchorage", 44.3917, -68.1932, 15},
    {20, "Somes Sound", 44.3250, -68.3078, 60},
    {20, "Castine Harbor", 44.3861, -68.7915, 15},
    {20, "Eggemoggin Reach", 44.2870, -68.6420, 30},
    {20, "Pulpit Harbor", 44.1546, -68.8837, 10},
    {20, "Winter Harbor", 44.3746, -68.0818, 15},
    {20, "Fox Islands Thorofare", 44.1261, -68.9006, 15},
    {20, "Deer Island Thorofare", 44.1497, -68.6868, 18},
    {20, "Vinalhaven", 44.0500, -68.8400, -1},
    {20, "Mount Desert Island", 44.3500, -68.2500, -1},
    {20, "Deer Isle", 44.2300, -68.6600, -1},
    {20, "Islesboro", 44.3000, -68.9100, -1},

    {7, "Shelburne Harbour, the start", 43.6855, -65.3166, 15},
    {7, "Shelburne Harbour", 43.7200, -65.3300, 30},
    {7, "Roque Island Harbor", 44.5929, -67.5490, 15},
    {7, "Pleasant Bay", 44.5100, -67.7645, 30},
    {7, "Southwest Harbor", 44.2735, -68.3150, 15},
    {7, "Northeast Harbor", 44.2891, -68.2750, 12},
    {7, "Winter Harbor", 44.3746, -68.0818, 15},
    {7, "Cutler Harbor", 44.6545, -67.2001, 12},
    {7, "The Gulf of Maine", 43.6000, -67.0000, 300},
    {7, "Grand Manan Channel", 44.7000, -66.9000, 100},
    {7, "Mount Desert Island", 44.3500, -68.2500, -1},
    {7, "Cape Sable Island", 43.4700, -65.6200, -1},
    {7, "Grand Manan", 44.7000, -66.8000, -1},
    {7, "Brier Island", 44.2500, -66.3600, -1},
});

}  // namespace

extern const std::span<const ChartCheck> kChecksNorth = kRows;

}  // namespace vel::test
